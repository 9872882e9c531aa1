#include "doc/win/document.h"

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "doc/doc_messages.h"
#include "resource_ids.h"

#include <commctrl.h>
#include <richedit.h>
#include <string>

DocState doc;

DocumentRecord &DocumentOf(HWND pane)
{
    return pane && pane == frame.hSubEdit1 ? doc.rcDoc : doc.mainDoc;
}

/* PutDocument: text, record and modified flag of a pane, set together. */
HWND PutDocument(HWND pane, const char *text, size_t nLen, const DocumentRecord &record, BOOL bModified)
{
    DocumentRecord &target = DocumentOf(pane);
    pane = SetPaneText(pane, text, nLen);
    SendMessageA(pane, EM_SETMODIFY, bModified, 0);
    target = record;
    UpdateDocumentUi();
    return pane;
}

void ShowNoDocument(HWND pane)
{
    DocumentRecord none;
    PutDocument(pane, "", 0, none, FALSE);
}

/* UpdateDocumentUi: the title and the overwrite command from the record of the pane on show. */
void UpdateDocumentUi()
{
    if (!frame.hMainWnd)
        return;
    const DocumentRecord &r = DocumentOf(frame.hCurEdit);
    std::string title = DocumentWindowTitle(r, MAIN_WINDOW_TITLE);
    SetWindowTextA(frame.hMainWnd, title.c_str());
    BOOL allowed = OverwriteAllowed(r);
    EnableMenuItem(GetMenu(frame.hMainWnd), IDM_OVERWRITE, MF_BYCOMMAND | (allowed ? MF_ENABLED : MF_GRAYED));
    if (frame.hToolbar)
        SendMessageA(frame.hToolbar, TB_ENABLEBUTTON, IDM_OVERWRITE, MAKELONG(allowed, 0));
}

/* RecordRcAssociation: the pair, unless the source path has one. */
void RecordRcAssociation(const char *szPath, const char *szRc)
{
    if (szPath && szRc)
        AddRcAssociation(doc.rcAssociation, szPath, szRc);
}

/* ShowDocMessage: one message box of the documents, by its id. */
int ShowDocMessage(HWND owner, DocMessageId id)
{
    return id == DOC_MSG_NONE ? 0 : ShowDocMessageText(owner, id, GetDocMessage(id).szText);
}

/* ShowDocMessageText: the box of an id with a text of its own. */
int ShowDocMessageText(HWND owner, DocMessageId id, const char *szText)
{
    const DocMessage &m = GetDocMessage(id);
    UINT flags = MB_OK;
    switch (m.nBox) {
    case DOC_BOX_PLAIN:                 flags = MB_OK; break;
    case DOC_BOX_EXCLAMATION:           flags = MB_OK | MB_ICONEXCLAMATION; break;
    case DOC_BOX_EXCLAMATION_TASKMODAL: flags = MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL | MB_SETFOREGROUND; break;
    case DOC_BOX_STOP:                  flags = MB_OK | MB_ICONSTOP; break;
    case DOC_BOX_OKCANCEL:              flags = MB_OKCANCEL; break;
    case DOC_BOX_OKCANCEL_TOPMOST:      flags = MB_OKCANCEL | MB_ICONEXCLAMATION | MB_TOPMOST; break;
    case DOC_BOX_YESNOCANCEL:           flags = MB_YESNOCANCEL | MB_ICONEXCLAMATION; break;
    case DOC_BOX_YESNO:                 flags = MB_YESNO | MB_ICONEXCLAMATION; break;
    case DOC_BOX_YESNO_TASKMODAL:
        flags = MB_YESNO | MB_ICONEXCLAMATION | MB_TASKMODAL | MB_SETFOREGROUND;
        break;
    }
    return MessageBoxA(owner, szText, m.szTitle, flags);
}

void InitFileDialog(OPENFILENAMEA *ofn, HWND owner, const char *szFilter, char *szFile, DWORD nFile,
                    char *szTitle, DWORD nTitle, const char *szDialogTitle, DWORD flags)
{
    ZeroMemory(ofn, sizeof *ofn);
    ofn->lStructSize = sizeof *ofn;
    ofn->hwndOwner = owner;
    ofn->lpstrFilter = szFilter;
    ofn->nFilterIndex = 1;
    ofn->lpstrFile = szFile;
    ofn->nMaxFile = nFile;
    ofn->lpstrFileTitle = szTitle;
    ofn->nMaxFileTitle = nTitle;
    ofn->lpstrTitle = szDialogTitle;
    ofn->Flags = flags;
}
