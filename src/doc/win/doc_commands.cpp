#include "app/frame/subsystem_commands.h"

#include "app/frame/globals.h"
#include "doc/win/binary_viewer.h"
#include "doc/win/document.h"
#include "filelist/win/file_list_win.h"
#include "resource_ids.h"
#include "settings/win/settings_file.h"

#include <richedit.h>
#include <cstdio>
#include <cstring>

/* SaveAsCommand (201): the main pane under a new name, listed in multi-file mode. */
static void SaveAsCommand(HWND hwnd)
{
    std::strcpy(doc.szPrevFileTitle, doc.szFileTitle);
    int written = WriteMyFile(hwnd, frame.hEdit, doc.szFullPath);
    if ((written > 0 || std::strcmp(doc.szPrevFileTitle, doc.szFileTitle) != 0) && frame.settingsRecord.bMultiFile) {
        char szRc[FULL_PATH_SIZE];
        if (ReplaceExtension(doc.szFullPath, ".rc", szRc, sizeof szRc)) {
            RecordRcAssociation(doc.szFullPath, szRc);
            FileListAddFileChecked(doc.szFullPath, szRc, doc.szFileTitle, -1);
        }
    }
    SetFocus(frame.hEdit);
}

/* StatusWithPath: a status message with a path in its placeholder. */
static void StatusWithPath(const char *format, const char *szPath, UINT ms)
{
    char text[FULL_PATH_SIZE + 128];
    _snprintf(text, sizeof text - 1, format, szPath);
    text[sizeof text - 1] = '\0';
    ShowStatusMessage(text, ms);
}

/* SaveResourcePane (204): overwrite the resource script, or save it under a new name. */
static void SaveResourcePane(HWND hwnd)
{
    if (doc.szRcPath[0] == '\0' || std::strcmp(doc.szRcPath, doc.szFullPath) == 0) {
        SORA_ASSERT(frame.hCurEdit == frame.hSubEdit1);
        char szRc[FULL_PATH_SIZE] = "";
        ReplaceExtension(doc.szFullPath, ".rc", szRc, sizeof szRc);
        std::strcpy(doc.szRcPath, szRc);
        WriteMyFile(hwnd, frame.hSubEdit1, doc.szRcPath);
        return;
    }
    if (OverWrite(hwnd, frame.hSubEdit1, doc.szRcPath) == 0)
        StatusWithPath("ファイルを上書きしました %s", doc.szRcPath, 3000);
    else
        StatusWithPath("書き込みは行われませんでした。ファイル %s", doc.szRcPath, 3000);
}

/* OverWriteCommand (202): the current pane over its file. */
static void OverWriteCommand(HWND hwnd)
{
    WriteData("config.cfg");
    if (frame.hCurEdit == frame.hEdit) {
        if (OverWrite(hwnd, frame.hEdit, doc.szFullPath) == 0)
            StatusWithPath("ファイルを上書きしました %s", doc.szFullPath, 10000);
    } else if (frame.hCurEdit == frame.hSubEdit1) {
        SaveResourcePane(hwnd);
    }
    SetFocus(frame.hCurEdit);
}

/* DocCommand: open, save under a new name, overwrite, the binary viewer. The overwrite key
   (Ctrl+S) on a main file with no name yet saves it under a new name. */
static BOOL DocCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    if (id == IDM_OVERWRITE && IsKeyCommand(code, lParam) && frame.hCurEdit == frame.hEdit && doc.szFullPath[0] == '\0')
        id = IDM_SAVEAS;
    switch (id) {
    case IDM_OPEN:
        OpenFileCommand(hwnd, frame.hEdit);
        SetFocus(frame.hEdit);
        return TRUE;
    case IDM_SAVEAS:    SaveAsCommand(hwnd); return TRUE;
    case IDM_OVERWRITE: OverWriteCommand(hwnd); return TRUE;
    case IDM_SAVERC:    SaveResourcePane(hwnd); return TRUE;
    case IDM_BINVIEWER:
        if (!frame.hBinViewer || !IsWindow(frame.hBinViewer))
            OpenBinaryViewer(hwnd);
        return TRUE;
    }
    return FALSE;
}

static const CommandRange kDocIds[] = {{IDM_OPEN, IDM_OVERWRITE}, COMMAND_ID(IDM_SAVERC), COMMAND_ID(IDM_BINVIEWER)};
const CommandOwner docCommands = {"doc", DocCommand, COMMAND_IDS(kDocIds)};
