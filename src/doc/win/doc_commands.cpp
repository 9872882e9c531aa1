#include "app/frame/subsystem_commands.h"

#include "app/frame/globals.h"
#include "doc/win/binary_viewer.h"
#include "doc/win/document.h"
#include "resource_ids.h"

#include <richedit.h>
#include <cstdio>
#include <cstring>

/* ShowSavedStatus: a status message with a path in its placeholder. */
void ShowSavedStatus(const char *format, const char *szPath, UINT ms)
{
    char text[FULL_PATH_SIZE + 128];
    _snprintf(text, sizeof text - 1, format, szPath);
    text[sizeof text - 1] = '\0';
    ShowStatusMessage(text, ms);
}

/* SaveResourcePane (204): overwrite the resource script, or save it under a new name. */
void SaveResourcePane(HWND hwnd)
{
    if (doc.szRcPath[0] == '\0' || std::strcmp(doc.szRcPath, doc.szFullPath) == 0) {
        SORA_ASSERT(frame.hCurEdit == frame.hSubEdit1);
        char szRc[FULL_PATH_SIZE] = "";
        ReplaceExtension(doc.szFullPath, ".rc", szRc, sizeof szRc);
        WriteMyFile(hwnd, frame.hSubEdit1, szRc);
        return;
    }
    if (OverWrite(hwnd, frame.hSubEdit1, doc.szRcPath) == 0)
        ShowSavedStatus("ファイルを上書きしました %s", doc.szRcPath, 3000);
    else
        ShowSavedStatus("書き込みは行われませんでした。ファイル %s", doc.szRcPath, 3000);
}

/* DocCommand: open, save the resource script, the binary viewer. */
static BOOL DocCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    (void)code;
    (void)lParam;
    switch (id) {
    case IDM_OPEN:
        OpenFileCommand(hwnd, frame.hEdit);
        SetFocus(frame.hEdit);
        return TRUE;
    case IDM_SAVERC: SaveResourcePane(hwnd); return TRUE;
    case IDM_BINVIEWER:
        if (!frame.hBinViewer || !IsWindow(frame.hBinViewer))
            OpenBinaryViewer(hwnd);
        return TRUE;
    }
    return FALSE;
}

static const CommandRange kDocIds[] = {COMMAND_ID(IDM_OPEN), COMMAND_ID(IDM_SAVERC), COMMAND_ID(IDM_BINVIEWER)};
const CommandOwner docCommands = {"doc", DocCommand, COMMAND_IDS(kDocIds)};
