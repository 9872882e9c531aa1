#include "text/win/find_commands.h"

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "text/find_all.h"
#include "text/function_list.h"
#include "text/win/find_all_dialog.h"
#include "text/win/pane_select.h"
#include "text/win/text_caps.h"

#include <cstring>

namespace {

const char kSpaceSet[] = " \r\n\t\v";

// The search of the find bar: the mode and settings of the moment.
const char *ChooseForFindBar(SearchFunction &fn, const char *phrase, char *compiled)
{
    return ChooseFindPrimitive(fn, phrase, frame.findInfo.btCurmode, frame.findInfo.btSearchMode,
                               frame.findInfo.bVarSyntax, compiled);
}

} // namespace

/* FindNext: the first hit after the selection, selected and scrolled to. */
void FindNext(HWND pane, const char *phrase)
{
    if (!pane || !phrase || !*phrase)
        return;
    std::string text = GetPaneText(pane);
    PanePositions map(text.c_str(), text.size(), PaneCountsBytes(pane, text));
    size_t from, to;
    GetPaneByteSelection(pane, map, &from, &to);
    SearchFunction fn;
    char compiled[search::kSyntaxPatternSize];
    const char *pattern = ChooseForFindBar(fn, phrase, compiled);
    int nLen = (int)std::strlen(phrase);
    const char *hit = NULL;
    for (size_t at = to; at < text.size();) {
        nLen = (int)std::strlen(phrase);
        hit = fn.Call(text.c_str() + at, pattern, &nLen, kSpaceSet, 0);
        // The search began mid-text: a variable must also stand apart from what lies before.
        if (!hit || pattern != phrase || frame.findInfo.btCurmode != 1 ||
            search::strstrIsl_langIsStrIsolated(text.c_str(), hit, phrase, "_"))
            break;
        at = (size_t)(hit - text.c_str()) + 1;
        hit = NULL;
    }
    if (!hit) {
        MessageBeep(MB_OK);
        return;
    }
    ShowPaneHit(pane, map, (size_t)(hit - text.c_str()), (size_t)nLen);
}

/* FindPrevious: counts the hits before the selection and selects the last. */
int FindPrevious(HWND pane, const char *phrase)
{
    if (!pane || !phrase || !*phrase)
        return 0;
    std::string text = GetPaneText(pane);
    PanePositions map(text.c_str(), text.size(), PaneCountsBytes(pane, text));
    size_t from, to;
    GetPaneByteSelection(pane, map, &from, &to);
    std::string before = text.substr(0, from); // a hit must end before the selection
    SearchFunction fn;
    char compiled[search::kSyntaxPatternSize];
    const char *pattern = ChooseForFindBar(fn, phrase, compiled);
    int count = 0;
    const char *last = NULL;
    int lastLen = 0;
    const char *end = before.c_str() + before.size();
    for (const char *at = before.c_str(); at < end;) {
        int nLen = (int)std::strlen(phrase);
        const char *hit = fn.Call(at, pattern, &nLen, kSpaceSet, 0);
        if (!hit)
            break;
        ++count;
        last = hit;
        lastLen = nLen;
        at = hit + 1;
    }
    if (!last) {
        MessageBeep(MB_OK);
        return 0;
    }
    ShowPaneHit(pane, map, (size_t)(last - before.c_str()), (size_t)lastLen);
    return count;
}

void OpenFindAllDialog(HWND mainWnd)
{
    char phrase[256] = "";
    if (frame.hEditEntry)
        GetWindowTextA(frame.hEditEntry, phrase, sizeof phrase);
    ShowFindAllDialog(mainWnd, phrase);
}

/* FunctionAtCaret: the function holding the caret, as "name()". */
BOOL FunctionAtCaret(HWND pane, char *szName, size_t nSize)
{
    if (!nSize)
        return FALSE;
    szName[0] = '\0';
    if (!pane)
        return FALSE;
    std::string text = GetPaneText(pane);
    PanePositions map(text.c_str(), text.size(), PaneCountsBytes(pane, text));
    size_t from, to;
    GetPaneByteSelection(pane, map, &from, &to);
    FunctionList list;
    EnumerateFunctions(text.c_str(), text.size(), kMaxListedFunctions, list);
    CurrentFunctionName(text.size(), list, from, szName, nSize);
    return FunctionIndexAt(list, from) >= 0;
}
