#include "text/win/find_commands.h"

// Stand-ins until the text analysis is wired to the panes.
void FindNext(HWND pane, const char *phrase) { (void)pane; (void)phrase; }
int FindPrevious(HWND pane, const char *phrase) { (void)pane; (void)phrase; return 0; }
void OpenFindAllDialog(HWND mainWnd) { (void)mainWnd; }
BOOL FunctionAtCaret(HWND pane, char *szName, size_t nSize)
{
    (void)pane;
    if (nSize)
        szName[0] = '\0';
    return FALSE;
}
