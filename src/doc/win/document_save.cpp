#include "doc/win/document.h"

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "doc/doc_messages.h"
#include "doc/win/encoding_dialog.h"

#include <cderr.h>
#include <commdlg.h>
#include <richedit.h>
#include <cstring>
#include <string>

/*
 * WriteBytesAtomically: writes the bytes to a new temporary file beside the
 * target and puts it in the target's place only when every byte is
 * written and the file is closed, so a failure leaves the old file whole.
 */
static SaveCheck WriteBytesAtomically(const char *szPath, const char *pBytes, size_t nBytes, uint64_t *pFileSize)
{
    SaveSteps steps = {};
    steps.bBufferAllocated = true;
    steps.nToWrite = nBytes;
    *pFileSize = 0;
    // A read-only target is never replaced (the rename below would not ask).
    DWORD attr = GetFileAttributesA(szPath);
    if (attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_READONLY))
        return SAVE_REPLACE_FAILED;

    char szTemp[MAX_PATH] = "";
    HANDLE file = INVALID_HANDLE_VALUE;
    for (unsigned nTry = 0; nTry < 100 && file == INVALID_HANDLE_VALUE; ++nTry) {
        if (!MakeSaveTempPath(szPath, nTry, szTemp, sizeof szTemp))
            break;
        file = CreateFileA(szTemp, GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    steps.bTempOpened = file != INVALID_HANDLE_VALUE;
    if (steps.bTempOpened) {
        while (steps.nWritten < steps.nToWrite) {
            DWORD done = 0;
            if (!WriteFile(file, pBytes + steps.nWritten, (DWORD)(steps.nToWrite - steps.nWritten), &done, NULL) ||
                done == 0)
                break;
            steps.nWritten += done;
        }
        LARGE_INTEGER size = {};
        if (GetFileSizeEx(file, &size))
            *pFileSize = (uint64_t)size.QuadPart;
        steps.bClosed = FlushFileBuffers(file) && CloseHandle(file);
        if (!steps.bClosed)
            CloseHandle(file);
        if (steps.nWritten == steps.nToWrite && steps.bClosed)
            steps.bReplaced = MoveFileExA(szTemp, szPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        if (!steps.bReplaced)
            DeleteFileA(szTemp);
    }
    return CheckSaveSteps(steps);
}

/* SaveTextAtomically: a pane's text (up to a zero byte) written as it is. */
SaveCheck SaveTextAtomically(const char *szPath, const std::string &text, uint64_t *pFileSize)
{
    return WriteBytesAtomically(szPath, text.data(), SavedTextLength(text.data(), text.size()), pFileSize);
}

/* SaveInEncoding: the text in the document's encoding; SAVE_REFUSED (with
   the place shown) when the text has no form there. */
static SaveCheck SaveInEncoding(HWND owner, const char *szPath, const std::string &text,
                                const DocumentEncoding &encoding, uint64_t *pFileSize)
{
    if (IsRawCp932(encoding.encoding))
        return SaveTextAtomically(szPath, text, pFileSize);
    std::string bytes;
    *pFileSize = 0;
    if (!EncodeForSave(owner, encoding, text.substr(0, SavedTextLength(text.data(), text.size())), bytes))
        return SAVE_REFUSED;
    return WriteBytesAtomically(szPath, bytes.data(), bytes.size(), pFileSize);
}

/* AskSavePath: the save dialog over a caller's buffer; FALSE when cancelled. */
static BOOL AskSavePath(HWND owner, char *szFile, DWORD nFileSize, char *szTitle, DWORD nTitleSize,
                        const char *szDialogTitle)
{
    OPENFILENAMEA ofn;
    InitFileDialog(&ofn, owner, szSaveFilter, szFile, nFileSize, szTitle, nTitleSize, szDialogTitle,
                   OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY);
    if (GetSaveFileNameA(&ofn))
        return TRUE;
    if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL)
        ShowDocMessage(owner, DOC_MSG_PATH_TOO_LONG);  // the name did not fit its field
    return FALSE;
}

/* SavePane: the pane's bytes into the file; the modified flag is cleared
   only on success. The text length for the title comes from the same copy:
   a second copy of a 1 MiB pane costs as much as the whole write. */
static SaveCheck SavePane(HWND owner, HWND pane, SaveCaller caller, const char *szPath,
                          const DocumentEncoding &encoding, uint64_t *pFileSize, uint64_t *pTextLen)
{
    std::string text = GetPaneText(pane);
    *pTextLen = text.size();
    SaveCheck check = SaveInEncoding(owner, szPath, text, encoding, pFileSize);
    SecureZeroMemory(&text[0], text.size());
    if (check == SAVE_OK)
        SendMessageA(pane, EM_SETMODIFY, FALSE, 0);
    else
        ShowDocMessage(owner, SaveCheckMessage(caller, check));
    return check;
}

/* SavePaneAs: save under a new name chosen in the save dialog; the pane's
   record takes the new file. */
SaveCheck SavePaneAs(HWND owner, HWND pane, char *szPath, uint64_t *pFileSize)
{
    char szTitle[FILE_TITLE_SIZE] = "";
    *pFileSize = 0;
    if (!AskSavePath(owner, szPath, FULL_PATH_SIZE, szTitle, sizeof szTitle, szSaveAsDialogTitle))
        return SAVE_CANCELLED;
    // A document in another encoding than CP932 may be written in another one.
    DocumentEncoding encoding = DocumentOf(pane).encoding;
    if (!IsRawCp932(encoding.encoding) && !ChooseDocumentEncoding(owner, encoding))
        return SAVE_CANCELLED;
    std::strcpy(doc.szFileTitle, szTitle);
    uint64_t nTextLen;
    SaveCheck check = SavePane(owner, pane, SAVE_AS, szPath, encoding, pFileSize, &nTextLen);
    if (check == SAVE_OK) {
        DocumentRecord &record = DocumentOf(pane);
        RecordSaved(record, szPath, *pFileSize, nTextLen, false);
        record.encoding = encoding;
        UpdateDocumentUi();
    }
    return check;
}

/* WriteMyFile: save under a new name; the file's size, 0 when cancelled or failed. */
int WriteMyFile(HWND owner, HWND pane, char *szPath)
{
    uint64_t nFileSize;
    SaveCheck check = SavePaneAs(owner, pane, szPath, &nFileSize);
    return SaveReturnValue(SAVE_AS, check, nFileSize);
}

/* SaveGeneratedAs: a generated text (not a pane's document) under a name the
   user confirms; the records and the window title are left alone. */
SaveCheck SaveGeneratedAs(HWND owner, HWND pane, char *szPath, uint64_t *pFileSize)
{
    SaveDialogSeed seed;
    *pFileSize = 0;
    if (!SeedSaveDialog2(szPath, &seed)) {
        ShowDocMessage(owner, DOC_MSG_PATH_TOO_LONG);
        return SAVE_CANCELLED;
    }
    if (!AskSavePath(owner, seed.szFile, sizeof seed.szFile, seed.szFileTitle, sizeof seed.szFileTitle,
                     szSave2DialogTitle))
        return SAVE_CANCELLED;
    std::strcpy(szPath, seed.szFile);
    uint64_t nTextLen;
    return SavePane(owner, pane, SAVE_AS_2, szPath, DocumentEncoding(), pFileSize, &nTextLen);
}

/* WriteMyFile2: the file's size, -1 when cancelled or failed. */
int WriteMyFile2(HWND owner, HWND pane, char *szPath)
{
    uint64_t nFileSize;
    SaveCheck check = SaveGeneratedAs(owner, pane, szPath, &nFileSize);
    return SaveReturnValue(SAVE_AS_2, check, nFileSize);
}

static bool FolderExists(const char *szFolder)
{
    DWORD attr = GetFileAttributesA(szFolder);
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

/* RefuseOverWrite: the checks before a text is written over its file: the
   text must be whole and the path usable. SAVE_OK when it may be written. */
static SaveCheck RefuseOverWrite(HWND owner, const DocumentRecord &record, const char *szPath)
{
    if (!OverwriteAllowed(record)) {
        ShowDocMessage(frame.hMainWnd, NotWholeMessage(record.wholeness));
        return SAVE_REFUSED;
    }
    DocCheck refusal = CheckOverWritePath(szPath, FolderExists);
    if (refusal != DOC_OK) {
        ShowDocMessage(refusal == DOC_NO_FILE_NAME ? frame.hMainWnd : owner, OverWriteCheckMessage(refusal));
        return SAVE_REFUSED;
    }
    return SAVE_OK;
}

/* OverWritePane: the pane over its file, after checking the path and that
   the pane holds the file's text whole. */
SaveCheck OverWritePane(HWND owner, HWND pane, const char *szPath, uint64_t *pFileSize)
{
    *pFileSize = 0;
    SaveCheck check = RefuseOverWrite(owner, DocumentOf(pane), szPath);
    if (check != SAVE_OK)
        return check;
    uint64_t nTextLen;
    std::string szTarget = szPath; // the record may hold the path being written
    check = SavePane(owner, pane, SAVE_OVERWRITE, szTarget.c_str(), DocumentOf(pane).encoding, pFileSize, &nTextLen);
    if (check == SAVE_OK) {
        GetNameOfPath(szTarget.c_str(), doc.szFileTitle, sizeof doc.szFileTitle);
        RecordSaved(DocumentOf(pane), szTarget.c_str(), *pFileSize, nTextLen, true);
        UpdateDocumentUi();
    }
    return check;
}

/* OverWriteRecordText: a text that is in no pane (a parked one) over the
   file of its record, with the checks of an overwrite. */
SaveCheck OverWriteRecordText(HWND owner, DocumentRecord &record, const std::string &text)
{
    std::string szTarget = record.szPath;
    SaveCheck check = RefuseOverWrite(owner, record, szTarget.c_str());
    if (check != SAVE_OK)
        return check;
    uint64_t nFileSize = 0;
    check = SaveInEncoding(owner, szTarget.c_str(), text, record.encoding, &nFileSize);
    if (check == SAVE_OK)
        RecordSaved(record, szTarget.c_str(), nFileSize, text.size(), true);
    else
        ShowDocMessage(owner, SaveCheckMessage(SAVE_OVERWRITE, check));
    return check;
}

/* OverWrite: 0 when written, -1 on refusal or failure. */
int OverWrite(HWND owner, HWND pane, const char *szPath)
{
    uint64_t nFileSize;
    SaveCheck check = OverWritePane(owner, pane, szPath, &nFileSize);
    return SaveReturnValue(SAVE_OVERWRITE, check, nFileSize);
}
