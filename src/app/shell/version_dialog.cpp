#include "app/frame/globals.h"
#include "app/shell/mainwnd.h"
#include "resource_ids.h"

#include <cstdio>

static INT_PTR CALLBACK VersionDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG: {
        char version[32];
        _snprintf(version, sizeof version - 1, "Version%d.%02d", 3, 0);
        version[sizeof version - 1] = '\0';
        SetDlgItemTextA(dlg, IDC_VER_VERSION, version);
        SetDlgItemTextA(dlg, IDC_VER_DATE, "製作：2002年　4月26日");
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(dlg, 0);
        return TRUE;
    case WM_CLOSE:
        EndDialog(dlg, 0);
        return TRUE;
    }
    return FALSE;
}

void ShowVersionDialog(HWND owner)
{
    DialogBoxParamA(frame.hInst, "VERSIONDIALOG", owner, VersionDlgProc, 0);
}
