// The start-up offer of the recovery copies that copies of the editor which
// did not end cleanly left behind: the dialog, then the restore or the
// removal of the copies the user chose.
#pragma once
#include <windows.h>

// Offers the copies once the main window is up and no other dialog is
// open (a timer of the main window waits for that).
void ScheduleRecoveryOffer(HWND mainWnd);
// Drops an offer not yet made (the window closes first).
void CancelRecoveryOffer(HWND mainWnd);
