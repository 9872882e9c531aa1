#include "filelist/win/recovery_take.h"

#include <richedit.h>
#include <cstring>

#include "common/cp932.h"

void BeginPaneTake(PaneTake &take, HWND pane)
{
    take.pane = pane;
    take.nNext = 0;
    take.nTotal = (LONG)SendMessageA(pane, WM_GETTEXTLENGTH, 0, 0);
    take.text.clear();
    // Two bytes per character at the most.
    take.text.reserve((size_t)take.nTotal * 2);
}

/*
 * TakePaneSlice: the next characters by EM_GETTEXTRANGE. Wine may answer an
 * ANSI range with only as many bytes as it has characters, so the whole
 * characters that came are kept and the next slice starts after them.
 */
int TakePaneSlice(PaneTake &take)
{
    // A length that moved tells of a change that came without EN_CHANGE.
    if (!IsWindow(take.pane) || SendMessageA(take.pane, WM_GETTEXTLENGTH, 0, 0) != take.nTotal)
        return -1;
    if (take.nNext >= take.nTotal)
        return 1;
    LONG nWant = take.nTotal - take.nNext;
    if (nWant > (LONG)RECOVERY_SLICE_CHARS)
        nWant = RECOVERY_SLICE_CHARS;
    std::string piece((size_t)nWant * 2 + 2, '\0');
    TEXTRANGEA range = {{take.nNext, take.nNext + nWant}, &piece[0]};
    SendMessageA(take.pane, EM_GETTEXTRANGE, 0, (LPARAM)&range);
    const char *p = piece.c_str(), *end = p + strnlen(p, piece.size());
    LONG nChars = 0;
    const char *at = p;
    while (at < end && nChars < nWant) {
        bool bLead = cp932::IsLeadByte((unsigned char)*at);
        // A lead byte cut from its trail byte comes again with the next slice,
        // unless it is the last character of the text.
        if (bLead && at + 1 >= end && take.nNext + nChars + 1 < take.nTotal)
            break;
        at += bLead && at + 1 < end ? 2 : 1;
        ++nChars;
    }
    if (nChars == 0)
        return -1;
    take.text.append(p, at);
    take.nNext += nChars;
    return take.nNext >= take.nTotal ? 1 : 0;
}
