#include "app/frame/subsystem_commands.h"

#include "app/frame/globals.h"
#include "app/workspace/workspace.h"
#include "doc/win/document.h"
#include "filelist/win/file_list_win.h"
#include "resource_ids.h"
#include "settings/win/settings_file.h"

#include <cstring>
#include <string>

/* SaveAsCommand (201): the main pane under a new name; in multi-file mode
   the new file is listed and the old entry keeps its own file. */
static void SaveAsCommand(HWND hwnd)
{
    std::string szOld = doc.szFullPath;
    char szPath[FULL_PATH_SIZE];
    lstrcpynA(szPath, doc.szFullPath, sizeof szPath);
    std::strcpy(doc.szPrevFileTitle, doc.szFileTitle);
    uint64_t nFileSize;
    SaveCheck check = SavePaneAs(hwnd, frame.hEdit, szPath, &nFileSize);
    if (check == SAVE_OK && frame.settingsRecord.bMultiFile && szOld != szPath) {
        char szRc[FULL_PATH_SIZE];
        if (ReplaceExtension(szPath, ".rc", szRc, sizeof szRc)) {
            RecordRcAssociation(szPath, szRc);
            FileListTakeSavedAs(szPath, szRc, doc.szFileTitle);
        }
    }
    SetFocus(frame.hEdit);
}

/* OverWriteCommand (202): the settings, then the pane on show over its file. */
static void OverWriteCommand(HWND hwnd)
{
    WriteData("config.cfg");
    if (frame.hCurEdit == frame.hEdit) {
        if (OverWrite(hwnd, frame.hEdit, doc.szFullPath) == 0)
            ShowSavedStatus("ファイルを上書きしました %s", doc.szFullPath, 10000);
    } else if (frame.hCurEdit == frame.hSubEdit1) {
        SaveResourcePane(hwnd);
    }
    SetFocus(frame.hCurEdit);
}

/* WorkspaceCommand: save under a new name and overwrite. The overwrite key
   (Ctrl+S) on a main file with no name yet saves it under a new name. */
static BOOL WorkspaceCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    if (id == IDM_OVERWRITE && IsKeyCommand(code, lParam) && frame.hCurEdit == frame.hEdit && doc.szFullPath[0] == '\0')
        id = IDM_SAVEAS;
    switch (id) {
    case IDM_SAVEAS:    SaveAsCommand(hwnd); return TRUE;
    case IDM_OVERWRITE: OverWriteCommand(hwnd); return TRUE;
    }
    return FALSE;
}

static const CommandRange kWorkspaceIds[] = {{IDM_SAVEAS, IDM_OVERWRITE}};
const CommandOwner workspaceCommands = {"workspace", WorkspaceCommand, COMMAND_IDS(kWorkspaceIds)};
