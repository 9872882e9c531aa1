#include "web/win/web_dialogs.h"

#include <commctrl.h>
#include <new>

WebState web;

/* SearchEntries: the table, made with the built-in rows on first use. */
SearchEntryTable *SearchEntries()
{
    static SearchEntryTable *pTable;
    if (!pTable) {
        pTable = new (std::nothrow) SearchEntryTable;
        if (pTable) {
            LoadBuiltInEntries(pTable);
            lstrcpynA(web.szSearchWord, kInitialSearchWord, sizeof web.szSearchWord);
        }
    }
    return pTable;
}

/* AddListColumns: report columns of a list view. */
void AddListColumns(HWND list, const char *const *aTitles, const int *aWidths, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        LVCOLUMNA col = {};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        col.pszText = (LPSTR)aTitles[i];
        col.cx = aWidths[i];
        col.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, i, (LPARAM)&col);
    }
}
