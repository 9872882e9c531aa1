#include "doc/win/document.h"

#include "app/frame/busy_guard.h"
#include "app/frame/globals.h"
#include "doc/doc_messages.h"

#include <richedit.h>
#include <shellapi.h>

/*
 * OnDropFiles: opens one dropped file into the main pane; several files
 * or a folder open nothing.
 */
void OnDropFiles(HWND pane, HDROP drop)
{
    if (RefuseWhileBusy()) {
        DragFinish(drop);
        return;
    }
    if (DragQueryFileA(drop, 0xFFFFFFFF, NULL, 0) > 1) {
        ShowDocMessage(pane, DOC_MSG_DROP_MANY);
        DragFinish(drop);
        return;
    }
    char szPath[FULL_PATH_SIZE] = "";
    UINT len = DragQueryFileA(drop, 0, NULL, 0);
    if (len == 0 || len >= sizeof szPath) {
        if (len)
            ShowDocMessage(pane, DOC_MSG_PATH_TOO_LONG);
        DragFinish(drop);
        return;
    }
    DragQueryFileA(drop, 0, szPath, sizeof szPath);
    if (GetFileAttributesA(szPath) == FILE_ATTRIBUTE_DIRECTORY) {
        DragFinish(drop);
        return;
    }
    if (SendMessageA(pane, EM_GETMODIFY, 0, 0) && ShowDocMessage(pane, DOC_MSG_DROP_ASK_CONTINUE) != IDOK) {
        DragFinish(drop);
        return;
    }
    OpenIntoPane(pane, szPath);
    SetFocus(frame.hEdit);  // the pane may have been rebuilt by the load
    DragFinish(drop);
}
