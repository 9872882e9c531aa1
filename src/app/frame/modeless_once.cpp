#include "app/frame/modeless_once.h"

#include "app/frame/globals.h"

void ShowModelessOnce(HWND *handle, const char *szTemplate, HWND owner, DLGPROC proc, const char *failText)
{
    if (!*handle || !IsWindow(*handle)) {
        *handle = CreateDialogParamA(frame.hInst, szTemplate, owner, proc, 0);
        if (!*handle) {
            MessageBoxA(owner, failText, "エラー", MB_OK | MB_ICONEXCLAMATION);
            return;
        }
    }
    ShowWindow(*handle, SW_SHOWNORMAL);
    SetForegroundWindow(*handle);
}
