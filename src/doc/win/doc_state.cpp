#include "doc/win/document.h"

#include "doc/doc_messages.h"

DocState doc;

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
