#include "app/snippet_menu_core.h"
#include "app/frame/globals.h"
#include "app/shell/startup.h"
#include "resource_ids.h"

#include <cstdlib>

/*
 * MakeMenuA: builds the snippet pop-up menu from string resource 7598;
 * the caller destroys the menu.
 */
HMENU MakeMenuA()
{
    enum { LIST_BUFFER = 1024 };
    char *buffer = (char *)std::calloc(1, LIST_BUFFER);
    HMENU menu = CreatePopupMenu();
    if (!buffer)
        return menu;
    int length = LoadStringA(frame.hInst, IDS_SNIPPETLIST, buffer, LIST_BUFFER);
    SnippetList list = ParseSnippetList(buffer, length > 0 ? (size_t)length : 0);
    if (list.nDeclared >= SNIPPET_WARN_COUNT)
        MessageBoxA(NULL, "関数：MakeMenuA()を見直してください。", "開発中メッセージ", MB_OK | MB_ICONSTOP);
    for (size_t i = 0; i < list.items.size(); ++i)
        AppendMenuA(menu, MF_STRING, SNIPPET_FIRST_ID + i, list.items[i].c_str());
    std::free(buffer);
    return menu;
}
