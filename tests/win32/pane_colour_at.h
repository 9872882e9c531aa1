// The text colour of one character of a rich-edit pane, read through the
// selection (the caret moves there); *autoColour tells whether it is the
// default colour rather than one set on it.
#pragma once
#include <windows.h>
#include <richedit.h>

inline COLORREF PaneColourAt(HWND pane, long pos, bool *autoColour = nullptr)
{
    CHARRANGE cr = {pos, pos + 1};
    SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&cr);
    CHARFORMATA cf = {};
    cf.cbSize = sizeof cf;
    SendMessageA(pane, EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
    if (autoColour)
        *autoColour = (cf.dwEffects & CFE_AUTOCOLOR) != 0;
    return cf.crTextColor;
}
