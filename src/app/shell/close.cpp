#include "app/frame/busy_guard.h"
#include "app/frame/globals.h"
#include "filelist/win/file_list_win.h"
#include "filelist/win/recovery.h"
#include "app/shell/mainwnd.h"
#include "app/shell/pane_switch.h"
#include "app/workspace/workspace.h"
#include "app/frame/panes.h"
#include "doc/win/binary_viewer.h"
#include "settings/win/settings_file.h"
#include "tools/win/dos_process.h"

#include <cstdio>

// How long the close waits for the binary viewer's thread to end (it
// frees the viewer's pane, which takes seconds for a large dump under Wine);
// the main window answers sent messages meanwhile.
static const DWORD kViewerCloseWaitMs = 30000;
// ... and the destruction, which comes after the close (or without one).
static const DWORD kViewerDestroyWaitMs = 2000;

static void DestroyIfOpen(HWND *window)
{
    if (*window && IsWindow(*window))
        DestroyWindow(*window);
    *window = NULL;
}

/*
 * OnMainClose: the orderly close: unsaved panes are asked about, the
 * settings saved, the subclassing removed and the windows destroyed.
 */
void OnMainClose(HWND hwnd)
{
    if (DeferCloseWhileBusy(hwnd))
        return; // asked again when the long operation has ended
    if (!EndDosProcessForClose(hwnd))
        return;
    if (!AskAboutUnsavedTexts(hwnd))
        return;
    SaveSettingsAtClose(hwnd);
    UnsubclassPanes();
    DestroyIfOpen(&frame.hSubEdit1);
    DestroyIfOpen(&frame.hEdit);
    DestroyIfOpen(&frame.hEditEntry);
    DestroyIfOpen(&frame.hStatus);
    CloseBinaryViewer(kViewerCloseWaitMs);
    DestroyIfOpen(&frame.hMakeDlgS);
    DestroyIfOpen(&frame.hMakeDlgD);
    DestroyIfOpen(&frame.hMakeDlgM);
    DestroyWindow(hwnd);
}

/*
 * OnMainDestroy: frees what lives as long as the main window and ends the
 * message loop.
 */
void OnMainDestroy(HWND hwnd)
{
    // The closing report names the error of a step that really failed;
    // a timer that was not running, or a code left behind by an earlier
    // call, is no failure of the destruction.
    DWORD error = 0;
    KillTimer(hwnd, 150);
    KillTimer(hwnd, 151);
    EndRecovery();   // a clean exit: this run's recovery copies go
    FreeFileList();  // button pages, file list pages and the resource associations
    HFONT fonts[] = {frame.hComboFont, frame.hUiGothicFont, frame.hSmallFont, frame.hEntryFont};
    for (HFONT font : fonts)
        if (font && !DeleteObject(font))
            error = GetLastError();
    frame.hComboFont = frame.hUiGothicFont = frame.hSmallFont = frame.hEntryFont = NULL;
    // The rich-edit library stays while a viewer thread still holds a pane
    // of it (the process ends it with the library).
    bool viewerEnded = CloseBinaryViewer(kViewerDestroyWaitMs);
    if (frame.hRichEditLib && viewerEnded && !FreeLibrary(frame.hRichEditLib)) {
        error = GetLastError();
        MessageBoxA(NULL, "ライブラリ開放失敗", "Error", MB_OK);
    }
    frame.hRichEditLib = NULL;
    if (error != 0) {
        char title[32];
        _snprintf(title, sizeof title - 1, "%lx", error);
        title[sizeof title - 1] = '\0';
        MessageBoxA(NULL, "終了", title, MB_OK | MB_ICONEXCLAMATION);
    }
    PostQuitMessage(0);
}
