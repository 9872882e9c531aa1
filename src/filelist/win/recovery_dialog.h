// The dialog "テキストの復元" (RECOVERYDLG): the recovery copies found at
// start-up, one row each (file name, folder, time, size, state). Damaged
// and foreign files are listed as such and cannot be chosen.
#pragma once
#include <windows.h>

#include <vector>

#include "filelist/win/recovery_session.h"

enum RecoveryChoice { RECOVERY_CHOICE_LATER = 0, RECOVERY_CHOICE_RESTORE, RECOVERY_CHOICE_DELETE };

// Shows the copies with the whole ones chosen; chosen[i] tells on return
// which rows the user left chosen. "後で" (and closing) keeps them all.
RecoveryChoice AskAboutRecoveryCopies(HWND owner, const std::vector<FoundRecoveryCopy> &found,
                                      std::vector<bool> &chosen);
