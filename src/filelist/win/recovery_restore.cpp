#include "filelist/win/recovery_restore.h"

#include <richedit.h>
#include <cstdio>

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "app/frame/panes.h"
#include "doc/path_core.h"
#include "doc/win/document.h"
#include "filelist/recovery_plan.h"
#include "app/frame/file_bytes.h"
#include "filelist/win/file_list_win.h"
#include "resource_ids.h"

namespace {

/* ReadCopyText: the text of a copy, read again; FALSE when it is no longer the copy that was listed. */
BOOL ReadCopyText(const FoundRecoveryCopy &found, std::string &text)
{
    std::string bytes;
    RecoveryHeader h;
    size_t nOffset = 0;
    if (!ReadFileBytes(found.szFullPath.c_str(), bytes) ||
        DecodeRecoveryCopy(bytes.data(), bytes.size(), h, &nOffset) != RECOVERY_OK ||
        h.nSession != found.header.nSession || h.nTime != found.header.nTime || h.nTextCrc != found.header.nTextCrc)
        return FALSE;
    text.assign(bytes, nOffset, std::string::npos);
    return TRUE;
}

/* PutText: the text into the pane, marked modified, as a recovered document of its path. */
void PutText(RecoveryPane pane, const std::string &text, const std::string &path)
{
    DocumentRecord record;
    RecordRecovered(record, path.c_str(), text.size());
    HWND target = pane == RECOVERY_PANE_RC ? frame.hSubEdit1 : frame.hEdit;
    HWND p = PutDocument(PaneWithFontForNewText(target), text.data(), text.size(), record, TRUE);
    if (pane == RECOVERY_PANE_MAIN)
        ShowWindow(p, SW_SHOW);
}

/* LoadSourceFromDisk: the source of a group that has no main text, as it is on disk
   (a missing file leaves the pane empty, named after it, so that a save makes it). */
void LoadSourceFromDisk(const std::string &path)
{
    if (!path.empty() && FileExists(path.c_str()) && MySetFileOn(frame.hMainWnd, frame.hEdit, path.c_str()))
        return;
    DocumentRecord record;
    RecordFileRead(record, path.c_str(), 0, 0, DOC_WHOLE);
    PutDocument(frame.hEdit, "", 0, record, FALSE);
}

/* PanesHoldChanges: a pane the group's texts would replace holds changes nobody saved. */
BOOL PanesHoldChanges(const RecoveryGroup &g)
{
    return (SendMessageA(frame.hEdit, EM_GETMODIFY, 0, 0) && (g.nMain >= 0 || !g.szPath.empty())) ||
           (SendMessageA(frame.hSubEdit1, EM_GETMODIFY, 0, 0) && g.nRc >= 0);
}

/* ShowListed: the group's source becomes the current entry of the file list, as if opened;
   FALSE when it cannot, or when the entry holds changes of its own. */
BOOL ShowListed(const RecoveryGroup &g, const std::vector<FoundRecoveryCopy> &found)
{
    if (g.szPath.empty()) {
        // An unnamed text belongs to no entry: the one on show is parked first.
        if (ParkCurrentFileEntry() < 0)
            return FALSE;
        if (g.nMain < 0)
            LoadSourceFromDisk(g.szPath);
        return TRUE;
    }
    FileEntry *e = fileList.pFileList->FindByPath(g.szPath);
    if (e && e != fileList.pFileList->pCurchk && SelectFileEntry(e->id) <= 0)
        return FALSE;
    if (e)
        return !PanesHoldChanges(g);
    char szRc[FULL_PATH_SIZE] = "", szLabel[FILE_TITLE_SIZE] = "";
    if (g.nRc >= 0)
        lstrcpynA(szRc, found[g.nRc].header.szPath.c_str(), sizeof szRc);
    else
        ReplaceExtension(g.szPath.c_str(), ".rc", szRc, sizeof szRc);
    GetNameOfPath(g.szPath.c_str(), szLabel, sizeof szLabel);
    RecordRcAssociation(g.szPath.c_str(), szRc);
    if (!FileListAddFileChecked(g.szPath.c_str(), szRc, szLabel, ADD_OPENED))
        return FALSE;
    if (g.nMain < 0)
        LoadSourceFromDisk(g.szPath);
    return TRUE;
}

} // namespace

std::vector<bool> RestoreRecoveryCopies(const std::vector<FoundRecoveryCopy> &found,
                                        const std::vector<bool> &chosen, int &nKept)
{
    std::vector<RecoveryCandidate> candidates(found.size());
    for (size_t i = 0; i < found.size(); ++i) {
        candidates[i].header = found[i].header;
        candidates[i].bSelected = chosen[i] && found[i].status == RECOVERY_OK;
    }
    BOOL bList = IsMultiFileMode() && fileList.pFileList;
    RecoveryPlan plan = PlanRecoveryRestore(candidates, bList != FALSE);
    std::vector<bool> restored(found.size(), false);
    nKept = (int)plan.kept.size();
    for (const RecoveryGroup &g : plan.groups) {
        int nCopies = (g.nMain >= 0) + (g.nRc >= 0);
        std::string mainText, rcText;
        if ((g.nMain >= 0 && !ReadCopyText(found[g.nMain], mainText)) ||
            (g.nRc >= 0 && !ReadCopyText(found[g.nRc], rcText))) {
            nKept += nCopies;
            continue;
        }
        if (bList ? !ShowListed(g, found) : PanesHoldChanges(g)) {
            nKept += nCopies;
            continue;
        }
        if (!bList && g.nMain < 0 && !g.szPath.empty())
            LoadSourceFromDisk(g.szPath);
        if (g.nMain >= 0) {
            PutText(RECOVERY_PANE_MAIN, mainText, found[g.nMain].header.szPath);
            restored[g.nMain] = true;
        }
        if (g.nRc >= 0) {
            PutText(RECOVERY_PANE_RC, rcText, found[g.nRc].header.szPath);
            restored[g.nRc] = true;
        }
    }
    return restored;
}
