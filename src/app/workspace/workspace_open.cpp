#include "app/workspace/workspace.h"

#include "app/frame/globals.h"
#include "doc/doc_messages.h"
#include "doc/win/document.h"
#include "filelist/win/file_list_win.h"

#include <cstring>

/*
 * WorkspaceOpen: the open of multi-file mode. The file is read and checked
 * first, then the file on show is parked and the new one listed, then it is
 * shown: a refused file leaves the list and the file on show as they were.
 */
static int WorkspaceOpen(HWND pane, const char *szPath)
{
    if (std::strcmp(szPath, doc.szFullPath) == 0) {
        MySetFileOn(frame.hMainWnd, pane, szPath);
        return 1;
    }
    if (FileListPageHasPath(szPath)) {
        ShowDocMessage(frame.hMainWnd, DOC_MSG_ALREADY_LISTED);
        return 1;
    }
    char szRc[FULL_PATH_SIZE], szLabel[FILE_TITLE_SIZE];
    if (!ReplaceExtension(szPath, ".rc", szRc, sizeof szRc)) {
        ShowDocMessage(frame.hMainWnd, DOC_MSG_PATH_TOO_LONG);
        return 1;
    }
    ReadDocument r;
    if (!ReadDocumentFile(frame.hMainWnd, szPath, r))
        return 1;
    GetNameOfPath(szPath, szLabel, sizeof szLabel);
    RecordRcAssociation(szPath, szRc);
    if (!FileListAddFileChecked(szPath, szRc, szLabel, -1)) {
        DiscardReadDocument(r);  // the file on show could not be parked: it stays
        return 1;
    }
    ShowReadDocument(frame.hMainWnd, pane, szPath, r);
    return 1;
}

void InitWorkspace()
{
    SetDocumentOpener(WorkspaceOpen);
}
