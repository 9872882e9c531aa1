#include "app/win/workspace_calls.h"

LRESULT ForwardTreeNotify(HWND mainWnd, NMHDR *hdr)
{
    (void)mainWnd; (void)hdr;
    return 0;
}

void SaveSettingsForOverwrite(HWND mainWnd)
{
    (void)mainWnd;
}
