#include "filelist/win/recovery_offer.h"

#include <cstdio>

#include "app/frame/globals.h"
#include "filelist/win/recovery.h"
#include "filelist/win/recovery_dialog.h"
#include "filelist/win/recovery_restore.h"
#include "filelist/win/recovery_writer.h"

namespace {

enum { RECOVERY_OFFER_TIMER = 1431, RECOVERY_OFFER_POLL_MS = 100 };

/* DeleteChosen: removes the chosen copies; says so when one would not go. */
void DeleteChosen(const std::vector<FoundRecoveryCopy> &found, const std::vector<bool> &chosen)
{
    int nFailed = 0;
    for (size_t i = 0; i < found.size(); ++i)
        if (chosen[i] && !DeleteFileA(found[i].szFullPath.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
            ++nFailed;
    if (nFailed) {
        char szMsg[160];
        _snprintf(szMsg, sizeof szMsg - 1, "%d件の回復用コピーを削除できませんでした。", nFailed);
        szMsg[sizeof szMsg - 1] = '\0';
        MessageBoxA(frame.hMainWnd, szMsg, "エラー", MB_OK | MB_ICONEXCLAMATION);
    }
}

/* Restore: the chosen copies into the editor; the old copies go once this session's own are written. */
void Restore(const std::vector<FoundRecoveryCopy> &found, const std::vector<bool> &chosen)
{
    int nKept = 0;
    std::vector<bool> restored = RestoreRecoveryCopies(found, chosen, nKept);
    RecoveryCopyOnShowNow();
    int nRestored = 0;
    for (size_t i = 0; i < found.size(); ++i)
        if (restored[i]) {
            QueueRecoveryDelete(found[i].szFullPath);
            ++nRestored;
        }
    char szMsg[200];
    _snprintf(szMsg, sizeof szMsg - 1, "%d件のテキストを復元しました。", nRestored);
    szMsg[sizeof szMsg - 1] = '\0';
    ShowStatusMessage(szMsg, 10000);
    if (nKept > 0) {
        _snprintf(szMsg, sizeof szMsg - 1,
                  "%d件のテキストは、いま開ける場所がないため残しました。\r\n次の起動時にもう一度表示します。", nKept);
        szMsg[sizeof szMsg - 1] = '\0';
        MessageBoxA(frame.hMainWnd, szMsg, "注意", MB_OK | MB_ICONINFORMATION);
    }
}

/* OfferRecoveryCopies: the dialog, when there is anything to offer or report. */
void OfferRecoveryCopies()
{
    std::vector<FoundRecoveryCopy> found = ScanRecoveryCopies();
    if (found.empty())
        return;
    std::vector<bool> chosen;
    switch (AskAboutRecoveryCopies(frame.hMainWnd, found, chosen)) {
    case RECOVERY_CHOICE_RESTORE: Restore(found, chosen); break;
    case RECOVERY_CHOICE_DELETE:  DeleteChosen(found, chosen); break;
    case RECOVERY_CHOICE_LATER:   break;
    }
}

/* OfferTick: waits until the main window is shown and free of other dialogs. */
VOID CALLBACK OfferTick(HWND hwnd, UINT, UINT_PTR id, DWORD)
{
    if (!IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd))
        return;
    KillTimer(hwnd, id);
    OfferRecoveryCopies();
}

} // namespace

void ScheduleRecoveryOffer(HWND mainWnd)
{
    SetTimer(mainWnd, RECOVERY_OFFER_TIMER, RECOVERY_OFFER_POLL_MS, OfferTick);
}

void CancelRecoveryOffer(HWND mainWnd)
{
    KillTimer(mainWnd, RECOVERY_OFFER_TIMER);
}
