#include "app/frame/globals.h"

#include <commctrl.h>
#include <cstdio>

FrameState frame;

/* SetPointerMode: the one setter of the pointer mode, at most one at a time. */
BOOL SetPointerMode(PointerMode mode)
{
    BOOL follows = mode == POINTER_NONE || frame.pointerMode == POINTER_NONE || frame.pointerMode == mode ||
                   (frame.pointerMode == POINTER_ARMED && mode == POINTER_CAPTURE_DRAGGING) ||
                   (frame.pointerMode == POINTER_POS_CAPTURE && mode == POINTER_POS_CHANGE);
    if (!follows)
        return FALSE;
    frame.pointerMode = mode;
    return TRUE;
}

void LeavePointerMode(PointerMode mode)
{
    if (frame.pointerMode == mode)
        frame.pointerMode = POINTER_NONE;
}

/*
 * ShowStatusMessage: writes a message into part 0 of the status bar and
 * has timer 150 clear it again after the given time.
 */
void ShowStatusMessage(const char *text, UINT clearAfterMs)
{
    if (!frame.hStatus)
        return;
    SendMessageA(frame.hStatus, SB_SETTEXTA, 0, (LPARAM)text);
    SetTimer(frame.hMainWnd, 150, clearAfterMs, NULL);
}

/*
 * ReportAssertion: shows a failed internal check with its condition, the
 * source file's name (without its folders) and the line. These are
 * programming errors, never user errors.
 */
void ReportAssertion(const char *condition, const char *file, int line)
{
    const char *name = file;
    for (const char *p = file; *p; ++p)
        if (*p == '/' || *p == '\\')
            name = p + 1;
    char text[512];
    _snprintf(text, sizeof text - 1, "Assertion failed: %s\r\nfile %s, line %d", condition, name, line);
    text[sizeof text - 1] = '\0';
    MessageBoxA(frame.hMainWnd, text, "Error", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

const char MAIN_WINDOW_TITLE[] = "Ｓｏｒａ_エディタ ";
