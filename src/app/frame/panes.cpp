#include "app/frame/panes.h"

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "app/frame/split_window.h"
#include "resource_ids.h"

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>
#include <cstring>
#include <string>

static COLORREF acrCustom[16];
static int nInitialFonts = 2;  // panes that still get the built-in face

static BOOL IsModified(HWND pane) { return (BOOL)SendMessageA(pane, EM_GETMODIFY, 0, 0); }

static CHARFORMATA SelectionFormat(HWND pane)
{
    CHARFORMATA cf = {};
    cf.cbSize = sizeof cf;
    SendMessageA(pane, EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
    return cf;
}

/*
 * InitPaneFont: the pane's default character format: the built-in face for
 * the first two panes, afterwards the format the user has chosen.
 */
int InitPaneFont(HWND pane)
{
    BOOL wasModified = IsModified(pane);
    CHARFORMATA cf = {};
    cf.cbSize = sizeof cf;
    if (nInitialFonts > 0) {
        cf.bCharSet = SHIFTJIS_CHARSET;
        cf.bPitchAndFamily = 0x42;
        cf.dwEffects = CFE_BOLD;
        cf.yHeight = 200;  // 10 points; the control has no size of its own yet
        std::strcpy(cf.szFaceName, "ＭＳ 明朝");
        --nInitialFonts;
    } else {
        cf = SelectionFormat(pane);
    }
    cf.dwMask = FontMask;
    cf.bPitchAndFamily |= 2;
    if (!SendMessageA(pane, EM_SETCHARFORMAT, 0, (LPARAM)&cf)) {
        MessageBoxA(pane, "フォントの初期設定に失敗しました。", "Error", MB_OK);
        return 0;
    }
    if (!wasModified)
        SendMessageA(pane, EM_SETMODIFY, FALSE, 0);
    return 1;
}

HWND PaneWithFontForNewText(HWND pane)
{
    if (PaneTextBytesBound(pane) > PANE_REBUILD_THRESHOLD)
        pane = RebuildPane(pane);
    InitPaneFont(pane);
    return pane;
}

/* ChoosePaneFont: the font dialog for the selection, or the whole text when none. */
int ChoosePaneFont(HWND pane)
{
    BOOL wasModified = IsModified(pane);
    CHARFORMATA cf = SelectionFormat(pane);
    LOGFONTA lf = {};
    HDC dc = GetDC(pane);
    lf.lfHeight = MulDiv(cf.yHeight, GetDeviceCaps(dc, LOGPIXELSY), -1440);
    ReleaseDC(pane, dc);
    lf.lfWeight = (cf.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (cf.dwEffects & CFE_ITALIC) != 0;
    lf.lfUnderline = (cf.dwEffects & CFE_UNDERLINE) != 0;
    lf.lfStrikeOut = (cf.dwEffects & CFE_STRIKEOUT) != 0;
    lf.lfCharSet = cf.bCharSet;
    lf.lfPitchAndFamily = cf.bPitchAndFamily;
    lstrcpynA(lf.lfFaceName, cf.szFaceName, LF_FACESIZE);

    CHOOSEFONTA font = {};
    font.lStructSize = sizeof font;
    font.hwndOwner = pane;
    font.lpLogFont = &lf;
    font.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    font.rgbColors = cf.crTextColor;
    if (ChooseFontA(&font)) {
        CHARFORMATA chosen = {};
        chosen.cbSize = sizeof chosen;
        chosen.dwMask = FontMask;
        chosen.yHeight = font.iPointSize * 2;
        if (lf.lfWeight >= FW_BOLD) chosen.dwEffects |= CFE_BOLD;
        if (lf.lfItalic) chosen.dwEffects |= CFE_ITALIC;
        if (lf.lfUnderline) chosen.dwEffects |= CFE_UNDERLINE;
        if (lf.lfStrikeOut) chosen.dwEffects |= CFE_STRIKEOUT;
        chosen.crTextColor = font.rgbColors;
        chosen.bCharSet = lf.lfCharSet;
        chosen.bPitchAndFamily = lf.lfPitchAndFamily;
        lstrcpynA(chosen.szFaceName, lf.lfFaceName, LF_FACESIZE);
        CHARRANGE cr;
        SendMessageA(pane, EM_EXGETSEL, 0, (LPARAM)&cr);
        WPARAM where = cr.cpMin != cr.cpMax ? SCF_SELECTION : SCF_ALL;
        if (!SendMessageA(pane, EM_SETCHARFORMAT, where, (LPARAM)&chosen)) {
            MessageBoxA(pane, "フォントの変更はできませんでした。", "Error", MB_OK);
            return 0;
        }
    }
    if (!wasModified)
        SendMessageA(pane, EM_SETMODIFY, FALSE, 0);
    SetFocus(pane);
    return 1;
}

/* ChoosePaneColour: the colour dialog for the pane's background. */
int ChoosePaneColour(HWND pane)
{
    CHOOSECOLORA cc = {};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = pane;
    cc.lpCustColors = acrCustom;
    cc.rgbResult = frame.crLastChosen;
    cc.Flags = CC_RGBINIT;
    if (ChooseColorA(&cc)) {
        frame.crLastChosen = cc.rgbResult;
        SendMessageA(pane, EM_SETBKGNDCOLOR, 0, frame.crLastChosen);
    }
    if (pane == frame.hEdit)
        frame.crMainPane = frame.crLastChosen;
    else if (pane == frame.hSubEdit1)
        frame.crRcPane = frame.crLastChosen;
    SetFocus(pane);
    return 1;
}

/*
 * RepairPaneFont: makes the control lay out its text again by applying a
 * different format and then the right one, and loading the text anew.
 */
void RepairPaneFont(HWND pane)
{
    BOOL wasModified = IsModified(pane);
    ShowWindow(pane, SW_HIDE);
    CHARFORMATA cf = SelectionFormat(pane);
    CHARFORMATA kept = cf;
    cf.dwMask = FontMask;
    cf.yHeight += 2;
    cf.bCharSet = 255;
    std::strcpy(cf.szFaceName, "System");
    SendMessageA(pane, EM_SETCHARFORMAT, SCF_ALL, (LPARAM)&cf);
    kept.dwMask = FontMask;
    SendMessageA(pane, EM_SETCHARFORMAT, SCF_ALL, (LPARAM)&kept);

    CHARRANGE sel;
    SendMessageA(pane, EM_EXGETSEL, 0, (LPARAM)&sel);
    std::string text = GetPaneText(pane);
    pane = SetPaneText(pane, text);
    SecureZeroMemory(&text[0], text.size());
    SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&sel);
    ShowWindow(pane, SW_SHOW);
    if (!wasModified)
        SendMessageA(pane, EM_SETMODIFY, FALSE, 0);
}

HWND GetCurrentEdit(HWND)
{
    if (frame.hSwitchCheck && SendMessageA(frame.hSwitchCheck, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        SORA_ASSERT(IsWindowVisible(frame.hSubEdit1));
        return frame.hSubEdit1;
    }
    return frame.hEdit;
}

int SelectionLine(HWND pane, BOOL atEnd)
{
    CHARRANGE cr;
    SendMessageA(pane, EM_EXGETSEL, 0, (LPARAM)&cr);
    return (int)SendMessageA(pane, EM_EXLINEFROMCHAR, 0, atEnd ? cr.cpMax : cr.cpMin) + 1;
}

HWND CreateFindEntry(HWND parent)
{
    frame.hEditEntry = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                 WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_NOHIDESEL | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                                 0, 0, 0, 0, parent, (HMENU)(INT_PTR)IDC_FINDENTRY, frame.hInst, NULL);
    SendMessageA(frame.hEditEntry, EM_LIMITTEXT, 256, 0);
    return frame.hEditEntry;
}
