#include "app/win/workspace_calls.h"

#include "filelist/win/file_tree.h"
#include "settings/win/settings_file.h"

LRESULT ForwardTreeNotify(HWND mainWnd, NMHDR *hdr)
{
    FileTreeOnNotify(mainWnd, (LPARAM)hdr);
    return 0;
}

void SaveSettingsForOverwrite(HWND mainWnd)
{
    (void)mainWnd;
    WriteData("config.cfg");
}
