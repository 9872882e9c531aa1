#include "app/frame/band_button.h"

#include <commctrl.h>

#include "app/frame/bars.h"
#include "app/frame/globals.h"

/* LabelWidth: the width of the label in the button's font. */
static int LabelWidth(HWND button, const char *szLabel)
{
    HDC dc = GetDC(button);
    if (!dc)
        return 40;
    HGDIOBJ old = SelectObject(dc, (HGDIOBJ)SendMessageA(button, WM_GETFONT, 0, 0));
    SIZE size = {40, 12};
    GetTextExtentPoint32A(dc, szLabel, lstrlenA(szLabel), &size);
    SelectObject(dc, old);
    ReleaseDC(button, dc);
    return size.cx;
}

// The run's button limit, told by the user-button bar (which counts them).
static BOOL (*bandLimitReached)();

void SetBandButtonLimit(BOOL (*limitReached)())
{
    bandLimitReached = limitReached;
}

/* MakeBandButton: the button child and its band, styled for user or file bars. */
static HWND MakeBandButton(HWND bar, const char *szLabel, UINT id, BOOL bFileButton)
{
    if (bandLimitReached && bandLimitReached()) {
        MessageBoxA(frame.hMainWnd, "ボタンの数が最大数に達しています", "OK", MB_OK);
        return NULL;
    }
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_LEFT;
    if (bFileButton)
        style |= BS_PUSHLIKE | BS_AUTORADIOBUTTON;
    HWND button = CreateWindowExA(0, "BUTTON", szLabel, style, 0, 0, 50, 20, GetParent(bar),
                                  (HMENU)(INT_PTR)id, frame.hInst, NULL);
    if (!button)
        return NULL;
    if (frame.hUiGothicFont)
        SendMessageA(button, WM_SETFONT, (WPARAM)frame.hUiGothicFont, FALSE);
    int w = LabelWidth(button, szLabel);

    REBARBANDINFOA band = {};
    band.cbSize = REBARBANDINFOA_V6_SIZE;
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_STYLE | RBBIM_ID | RBBIM_IDEALSIZE;
    band.hwndChild = button;
    band.wID = id;
    if (bFileButton) {
        band.fStyle = RBBS_CHILDEDGE | RBBS_VARIABLEHEIGHT | RBBS_NOGRIPPER;
        band.cx = 12;
        band.cxMinChild = 12;
        band.cxIdeal = 12;
        band.cyChild = 54;
        band.cyMaxChild = 54;
        band.cyMinChild = w + 15 < 54 ? w + 15 : 54;
    } else {
        band.fStyle = RBBS_CHILDEDGE | RBBS_VARIABLEHEIGHT;
        band.cxMinChild = w + 8 < 50 ? w + 8 : 50;
        band.cyMinChild = 20;
        band.cx = 50;
        band.cyChild = 20;
        band.cyMaxChild = 40;
        band.cyIntegral = 70;
        band.cxIdeal = w + 10;
    }
    if (!SendMessageA(bar, RB_INSERTBANDA, (WPARAM)-1, (LPARAM)&band)) {
        DestroyWindow(button);
        return NULL;
    }
    if (bar == frame.hFileRebar)
        FitFileBar();
    InvalidateRect(bar, NULL, TRUE);
    return button;
}

HWND AddBandButton(HWND bar, const char *szLabel, UINT id)
{
    return MakeBandButton(bar, szLabel, id, FALSE);
}

HWND AddFileBandButton(HWND bar, const char *szLabel, UINT id)
{
    return MakeBandButton(bar, szLabel, id, TRUE);
}

HWND BandButtonWindow(HWND bar, UINT id)
{
    if (!bar)
        return NULL;
    // The rebar takes its band windows as its own children.
    HWND button = GetDlgItem(bar, (int)id);
    return button ? button : GetDlgItem(GetParent(bar), (int)id);
}

/* DeleteBandButton: the band and its button go. */
void DeleteBandButton(HWND bar, UINT id)
{
    if (!bar)
        return;
    LRESULT index = SendMessageA(bar, RB_IDTOINDEX, id, 0);
    if (index >= 0)
        SendMessageA(bar, RB_DELETEBAND, (WPARAM)index, 0);
    HWND button = BandButtonWindow(bar, id);
    if (button)
        DestroyWindow(button);
    if (bar == frame.hFileRebar)
        FitFileBar();
    InvalidateRect(bar, NULL, TRUE);
}

/* ShowBandButton: shows or hides the band of the button. */
void ShowBandButton(HWND bar, UINT id, BOOL bShow)
{
    LRESULT index = SendMessageA(bar, RB_IDTOINDEX, id, 0);
    if (index >= 0)
        SendMessageA(bar, RB_SHOWBAND, (WPARAM)index, bShow);
}
