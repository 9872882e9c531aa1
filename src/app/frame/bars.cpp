#include "app/frame/bars.h"

#include "app/frame/globals.h"
#include "app/frame/layout.h"
#include "resource_ids.h"
#include "toolbar_pictures.h"

#include <commctrl.h>

enum { ASSUMED_TOOLBAR_HEIGHT = 26 };

/* CreateMainToolbar: the main toolbar with its 19 buttons; corrects the top inset. */
HWND CreateMainToolbar(HWND mainWnd)
{
    frame.hToolbar = CreateWindowExA(0x188, TOOLBARCLASSNAMEA, NULL,
                               WS_CHILD | WS_VISIBLE | TBSTYLE_LIST | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, 0, 0, 300,
                               50, mainWnd, (HMENU)(INT_PTR)IDC_TOOLBAR, frame.hInst, NULL);
    if (!frame.hToolbar)
        return NULL;
    LRESULT ex = SendMessageA(frame.hToolbar, TB_GETEXTENDEDSTYLE, 0, 0);
    SendMessageA(frame.hToolbar, TB_SETEXTENDEDSTYLE, 0, ex | TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_MIXEDBUTTONS);
    SendMessageA(frame.hToolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(frame.hToolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(24, 23));
    SendMessageA(frame.hToolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(ASSUMED_TOOLBAR_HEIGHT, ASSUMED_TOOLBAR_HEIGHT));
    SendMessageA(frame.hToolbar, TB_AUTOSIZE, 0, 0);
    RECT rc;
    GetWindowRect(frame.hToolbar, &rc);
    frame.nToolbarHeight = rc.bottom - rc.top;
    frame.nTopInset = frame.nTopInset - ASSUMED_TOOLBAR_HEIGHT + frame.nToolbarHeight;

    TBADDBITMAP bitmap = {NULL, (UINT_PTR)LoadBitmapA(frame.hInst, "TOOLBARBITMAP")};
    SendMessageA(frame.hToolbar, TB_ADDBITMAP, TOOLBAR_PIC_COUNT, (LPARAM)&bitmap);
    char strings[512 + 2] = {};
    LoadStringA(frame.hInst, IDS_TOOLBARSTRINGS, strings, 512);
    SendMessageA(frame.hToolbar, TB_ADDSTRINGA, 0, (LPARAM)strings);

    // Each button shows its picture and the tooltip text of the same place.
    const BYTE on = TBSTATE_ENABLED;
    TBBUTTON buttons[] = {
        {TOOLBAR_PIC_SWITCH, IDM_PANESWITCH, on, BTNS_CHECK, {0}, 0, TOOLBAR_PIC_SWITCH},
        {0, 0, on, BTNS_SEP, {0}, 0, 0},
        {TOOLBAR_PIC_SAVE, IDM_OVERWRITE, on, BTNS_BUTTON, {0}, 0, TOOLBAR_PIC_SAVE},
        {TOOLBAR_PIC_FONT, IDM_FONT, on, BTNS_BUTTON, {0}, 0, TOOLBAR_PIC_FONT},
        {0, 0, on, BTNS_SEP, {0}, 0, 0},
        {TOOLBAR_PIC_COPY, IDM_COPY, on, BTNS_BUTTON, {0}, 0, TOOLBAR_PIC_COPY},
        {TOOLBAR_PIC_CUT, IDM_CUT, on, BTNS_BUTTON, {0}, 0, TOOLBAR_PIC_CUT},
        {TOOLBAR_PIC_PASTE, IDM_PASTE, on, BTNS_BUTTON, {0}, 0, TOOLBAR_PIC_PASTE},
        {TOOLBAR_PIC_UNDO, IDM_UNDO, on, BTNS_BUTTON, {0}, 0, TOOLBAR_PIC_UNDO},
        {0, 0, on, BTNS_SEP, {0}, 0, 0},
        {TOOLBAR_PIC_COLOUR, IDM_COLOURPASS, on, BTNS_BUTTON, {0}, 0, TOOLBAR_PIC_COLOUR},
        {TOOLBAR_PIC_CAPTURE, IDM_CAPTURE, on, BTNS_BUTTON, {0}, 0, TOOLBAR_PIC_CAPTURE},
        {TOOLBAR_PIC_COMPILE, IDM_QUICKCOMPILE, on, BTNS_DROPDOWN, {0}, 0, TOOLBAR_PIC_COMPILE},
        {0, 0, on, BTNS_SEP, {0}, 0, 0},
        {TOOLBAR_PIC_NEXT, IDM_NEXTFUNC, on, BTNS_BUTTON, {0}, 0, TOOLBAR_PIC_NEXT},
        {TOOLBAR_PIC_FUNCTOP, IDM_FUNCTOP, on, BTNS_BUTTON, {0}, 0, TOOLBAR_PIC_FUNCTOP},
        {TOOLBAR_PIC_START, IDM_CARETSTART, on, BTNS_BUTTON, {0}, 0, TOOLBAR_PIC_START},
        {TOOLBAR_PIC_END, IDM_CARETEND, on, BTNS_BUTTON, {0}, 0, TOOLBAR_PIC_END},
        {TOOLBAR_PIC_LIST, IDM_FUNCLIST, on, BTNS_BUTTON, {0}, 0, TOOLBAR_PIC_LIST},
    };
    SendMessageA(frame.hToolbar, TB_ADDBUTTONSA, sizeof buttons / sizeof buttons[0], (LPARAM)buttons);
    return frame.hToolbar;
}

/* AppendFindBand: one band of the find bar, with a child edge and no gripper. */
static void AppendFindBand(HWND child, int width, int minWidth, BOOL fixed)
{
    REBARBANDINFOA band = {};
    band.cbSize = REBARBANDINFOA_V6_SIZE;
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_STYLE;
    band.fStyle = RBBS_CHILDEDGE | RBBS_NOGRIPPER | (fixed ? RBBS_FIXEDSIZE : 0);
    band.hwndChild = child;
    band.cxMinChild = minWidth;
    band.cyMinChild = 25;
    band.cx = width;
    SendMessageA(frame.hFindRebar, RB_INSERTBANDA, (WPARAM)-1, (LPARAM)&band);
}

/* CreateFindBar: the search-mode buttons, the find entry and the line read-out. */
HWND CreateFindBar(HWND mainWnd)
{
    frame.hFindRebar = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE, REBARCLASSNAMEA, NULL,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | RBS_FIXEDORDER | CCS_NOPARENTALIGN |
                                     CCS_NORESIZE | CCS_TOP,
                                 0, 0, 0, 0, mainWnd, NULL, frame.hInst, NULL);
    if (!frame.hFindRebar)
        return NULL;
    REBARINFO info = {};
    info.cbSize = sizeof info;
    SendMessageA(frame.hFindRebar, RB_SETBARINFO, 0, (LPARAM)&info);

    TBBUTTON modes[] = {
        {0, IDM_MODE_NORMAL, TBSTATE_ENABLED, BTNS_CHECKGROUP, {0}, 0, 0},
        {1, IDM_MODE_VARIABLE, TBSTATE_ENABLED, BTNS_CHECKGROUP, {0}, 0, 0},
        {2, IDM_MODE_PATTERN, TBSTATE_ENABLED, BTNS_CHECKGROUP, {0}, 0, 0},
    };
    HBITMAP images = LoadBitmapA(frame.hInst, "FINDREBARBITMAP");
    frame.hFindToolbar =
        CreateToolbarEx(frame.hFindRebar, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_NODIVIDER | CCS_NORESIZE,
                        IDC_TOOLBAR, 3, NULL, (UINT_PTR)images, modes, 3, 16, 15, 16, 15, sizeof(TBBUTTON));
    switch (frame.findInfo.btCurmode) {
    case 0: SendMessageA(frame.hFindToolbar, TB_CHECKBUTTON, IDM_MODE_NORMAL, TRUE); break;
    case 1: SendMessageA(frame.hFindToolbar, TB_CHECKBUTTON, IDM_MODE_VARIABLE, TRUE); break;
    case 2: SendMessageA(frame.hFindToolbar, TB_CHECKBUTTON, IDM_MODE_PATTERN, TRUE); break;
    default: {
        char text[64];
        wsprintfA(text, "findInfo.btCurmodeの値が不正 Line%d", __LINE__);
        MessageBoxA(mainWnd, text, "Error", MB_OK | MB_TASKMODAL);
    }
    }
    AppendFindBand(frame.hFindToolbar, 77, 50, FALSE);
    AppendFindBand(frame.hEditEntry, 100, 50, FALSE);
    AppendFindBand(frame.hLineStatic, 150, 150, TRUE);
    InvalidateRect(frame.hFindRebar, NULL, FALSE);
    return frame.hFindRebar;
}

/* SetShown: shows or hides a bar by the shown value of its word. */
static void SetShown(HWND bar, uint32_t word)
{
    ShowWindow(bar, (word & BAR_SHOWN) ? SW_SHOW : SW_HIDE);
}

/*
 * ApplyBarStates: shows, hides, docks or floats the bars by their words and
 * sets the insets; the caller lays the window out when the rest of the
 * settings is in.
 */
void ApplyBarStates(HWND mainWnd)
{
    SetShown(frame.hToolbar, frame.dwBarStates[1]);
    if (frame.dwBarStates[2] & BAR_FLOATING) {
        FloatBar(frame.hFileRebarBase);
        frame.nLeftInset = 5;
        SetShown(frame.hFileRebarBase, frame.dwBarStates[2]);
    } else {
        SetShown(frame.hFileRebarBase, frame.dwBarStates[2]);
        frame.nLeftInset = (frame.dwBarStates[2] & BAR_SHOWN) ? 5 + FILE_BAR_WIDTH : 5;
    }
    if (!(frame.dwBarStates[3] & BAR_SHOWN))
        ShowWindow(frame.hFindRebar, SW_HIDE);
    if (frame.dwBarStates[4] & BAR_FLOATING) {
        FloatBar(frame.hRebarBase);
        frame.nTopInset -= frame.nUserBarHeight;
        SetShown(frame.hRebarBase, frame.dwBarStates[4]);
    } else {
        SetShown(frame.hRebarBase, frame.dwBarStates[4]);
        if (!(frame.dwBarStates[4] & BAR_SHOWN))
            frame.nTopInset -= frame.nUserBarHeight;
    }
    // The command-line bar comes last, over the other bars.
    if (frame.dwBarStates[0] & BAR_SHOWN) {
        ShowCommandBar();
        CheckMenuItem(GetMenu(mainWnd), IDM_CMDLINEBAR, MF_BYCOMMAND | MF_CHECKED);
    } else {
        ShowWindow(frame.hCmdLineDlg, SW_HIDE);
    }
}
