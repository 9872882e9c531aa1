#include "app/frame/bars.h"
#include "app/frame/globals.h"
#include "app/shell/mainwnd.h"
#include "app/frame/layout.h"
#include "app/shell/pane_switch.h"
#include "app/workspace/workspace.h"
#include "app/frame/panes.h"
#include "app/frame/split_window.h"
#include "app/frame/tooltips.h"
#include "common/test_hooks.h"
#include "resource_ids.h"
#include "settings/win/settings_file.h"
#include "tools/win/build_tools.h"

#include <commctrl.h>
#include <richedit.h>

static HWND CreateChild(const char *cls, const char *text, DWORD style, int x, int y, int w, int h,
                        HWND parent, int id, DWORD exStyle = 0)
{
    return CreateWindowExA(exStyle, cls, text, style, x, y, w, h, parent, (HMENU)(INT_PTR)id, frame.hInst, NULL);
}

static HFONT MakeFont(int height, int width, int weight, BOOL italic, const char *face)
{
    return CreateFontA(height, width, 0, 0, weight, italic, FALSE, FALSE, SHIFTJIS_CHARSET, 5,
                       CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FIXED_PITCH, face);
}

/* CreateStatusBar: the three-part status bar with its tooltip. */
static void CreateStatusBar(HWND hwnd)
{
    frame.hStatus = CreateChild(STATUSCLASSNAMEA, " ",
                          WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_NOPARENTALIGN | CCS_NORESIZE,
                          0, 0, 0, 0, hwnd, IDC_STATUS);
    RECT rc = {0, 0, 1024, 24};
    AddTooltip(frame.hStatus, "クリックすると、現在カーソルがどの関数内にあるか表示します", rc);
    SetWindowLongA(frame.hStatus, GWL_EXSTYLE, GetWindowLongA(frame.hStatus, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
}

/* CreateBarBases: the two base dialogs with their rebars, both docked. */
static void CreateBarBases(HWND hwnd)
{
    frame.hFileRebarBase = CreateDialogParamA(frame.hInst, "BASEFILEBARDIALOG", hwnd, BaseBarDlgProc, 0);
    frame.hFileRebar = CreateChild(REBARCLASSNAMEA, NULL,
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | RBS_BANDBORDERS | CCS_VERT |
                                 CCS_NODIVIDER | CCS_NORESIZE | CCS_TOP,
                             0, 0, 0, 0, frame.hFileRebarBase, 0, WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE);
    DockBar(frame.hFileRebarBase);
    frame.nLeftInset = 5 + FILE_BAR_WIDTH;

    // The folder tree's own module makes its contents; this is its window.
    frame.hFileTree = CreateChild(WC_TREEVIEWA, NULL,
                            WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT,
                            69, 0, 200, 300, hwnd, IDC_FILETREE);

    frame.hRebarBase = CreateDialogParamA(frame.hInst, "BASEFILEBARDIALOG", hwnd, BaseBarDlgProc, 0);
    frame.hRebar = CreateChild(REBARCLASSNAMEA, NULL,
                         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | RBS_BANDBORDERS | CCS_NODIVIDER |
                             CCS_NORESIZE | CCS_TOP,
                         0, 0, 320, 28, frame.hRebarBase, 0,
                         WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE);
    DockBar(frame.hRebarBase);

    REBARINFO info = {};
    info.cbSize = sizeof info;
    SendMessageA(frame.hRebar, RB_SETBARINFO, 0, (LPARAM)&info);
    SendMessageA(frame.hFileRebar, RB_SETBARINFO, 0, (LPARAM)&info);
}

/* CreateCommandBar: the hidden command-line bar with its list. */
static void CreateCommandBar(HWND hwnd)
{
    frame.hCmdLineDlg = CreateDialogParamA(frame.hInst, "CBDIALOG", hwnd, CmdLineDlgProc, 3);
    ShowWindow(frame.hCmdLineDlg, SW_HIDE);
    frame.hCmdCombo = GetDlgItem(frame.hCmdLineDlg, IDC_CMDCOMBO);
    SendMessageA(frame.hCmdCombo, CB_LIMITTEXT, 256, 0);
}

/* CreatePanes: the resource pane (hidden) and the main pane. */
static void CreatePanes(HWND hwnd)
{
    const DWORD paneStyle = WS_CHILD | WS_VSCROLL | WS_HSCROLL | ES_DISABLENOSCROLL | ES_NOHIDESEL |
                            ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_MULTILINE;
    frame.hSubEdit1 = CreateChild("RichEdit", "", paneStyle, 0, 0, 0, 0, hwnd, IDC_SUBEDIT, WS_EX_CLIENTEDGE);
    frame.hEdit = CreateChild("RichEdit", "", paneStyle | WS_VISIBLE | ES_WANTRETURN, 0, 0, 0, 0, hwnd,
                        IDC_MAINEDIT, WS_EX_CLIENTEDGE);
    InitPaneFont(frame.hSubEdit1);
    InitPaneFont(frame.hEdit);
    frame.hCurEdit = frame.hEdit;
    SendMessageA(frame.hEdit, EM_EXLIMITTEXT, 0, 0xFFFFE);
    SendMessageA(frame.hSubEdit1, EM_EXLIMITTEXT, 0, 0x1FFFE);
    LRESULT mask = SendMessageA(frame.hEdit, EM_GETEVENTMASK, 0, 0);
    const LRESULT common = ENM_CHANGE | ENM_UPDATE | ENM_MOUSEEVENTS | ENM_SELCHANGE;
    SendMessageA(frame.hSubEdit1, EM_SETEVENTMASK, 0, mask | common);
    SendMessageA(frame.hEdit, EM_SETEVENTMASK, 0, mask | common | ENM_DROPFILES);
    DragAcceptFiles(frame.hEdit, TRUE);
}

/* CreateButtons: "ページ", "Files1" and the hidden pane switch "切り替え". */
static void CreateButtons(HWND hwnd)
{
    HBITMAP nextPage = LoadBitmapA(frame.hInst, "BITMAPNEXTPAGE");
    frame.hPageButton = CreateChild("BUTTON", "ページ", WS_CHILD | WS_VISIBLE | BS_BITMAP, 0, 0, 48, 28,
                              frame.hRebarBase, IDM_NEXTBTNPAGE);
    SendMessageA(frame.hPageButton, BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)nextPage);
    frame.hFilesButton = CreateChild("BUTTON", "Files1", WS_CHILD | WS_VISIBLE | BS_BITMAP, 20, 20, 54, 18,
                               hwnd, IDM_NEXTFILEPAGE);
    SendMessageA(frame.hFilesButton, BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)nextPage);
    RECT rc = {0, 0, 200, 24};
    AddTooltip(frame.hFilesButton, "次のファイルリストを表示します", rc);
    frame.hSwitchCheck = CreateChild("BUTTON", "切り替え", WS_CHILD | BS_AUTOCHECKBOX | BS_PUSHLIKE, 5, 63, 54, 20,
                               hwnd, IDM_PANESWITCH);
}

/* BuildSplitTree: the five split windows that lay out the panes and bars. */
static void BuildSplitTree(HWND hwnd)
{
    RegisterSplitWindowClass(frame.hInst);
    const DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    frame.Split0 = CreateChild(SPLIT_WINDOW_CLASS, NULL, child | SWS_HORZ | SWS_KEEPSECOND | SWS_FIRSTFULL,
                         0, 0, 100, 100, hwnd, IDC_SPLIT0);
    SendMessageA(frame.Split0, SWM_SETPOS, 60, 0);
    frame.Split1 = CreateChild(SPLIT_WINDOW_CLASS, NULL, child, 0, 0, 100, 100, frame.Split0, IDC_SPLIT1);
    SendMessageA(frame.Split0, SWM_SETFIRST, (WPARAM)frame.Split1, 1);
    frame.Split3 = CreateChild(SPLIT_WINDOW_CLASS, NULL, child | SWS_HORZ | SWS_FIXED | SWS_KEEPSECOND,
                         0, 0, 100, 100, frame.Split1, IDC_SPLIT3);
    frame.Split2 = CreateChild(SPLIT_WINDOW_CLASS, NULL, child | SWS_HORZ, 0, 0, 100, 100, frame.Split1, IDC_SPLIT2);
    frame.Split4 =
        CreateChild(SPLIT_WINDOW_CLASS, NULL, child, 0, 0, 100, 100, frame.Split3, IDC_SPLIT4);

    SendMessageA(frame.Split2, SWM_SETPOS, 40, 0);
    SendMessageA(frame.Split2, SWM_SETFIRST, (WPARAM)frame.hFindRebar, 1);
    SendMessageA(frame.Split2, SWM_SETSECOND, (WPARAM)frame.hEdit, 1);
    SendMessageA(frame.Split2, SWM_SETEDGE, 9, 11);
    SendMessageA(frame.Split1, SWM_SETPOS, 200, 0);
    SendMessageA(frame.Split3, SWM_SETSECONDSIZE, 25, 0);
    SendMessageA(frame.Split3, SWM_SETFIRST, (WPARAM)frame.Split4, 1);
    SendMessageA(frame.Split3, SWM_SETSECOND, (WPARAM)frame.hFilesButton, 1);
    SendMessageA(frame.Split4, SWM_SETMIN, 60, 0);
    SendMessageA(frame.Split4, SWM_SETPOS, 70, 0); // the file bar starts wide enough for its buttons
    SendMessageA(frame.Split4, SWM_SETFIRST, (WPARAM)frame.hFileRebarBase, 1);
    SendMessageA(frame.Split4, SWM_SETSECOND, (WPARAM)frame.hFileTree, 1);
    SendMessageA(frame.Split1, SWM_SETSECOND, (WPARAM)frame.Split2, 1);
    SendMessageA(frame.Split1, SWM_SETFIRST, (WPARAM)frame.Split3, 1);
}

/*
 * OnMainCreate: builds the window tree in its fixed order, then loads the
 * settings, which show the bars.
 */
BOOL OnMainCreate(HWND hwnd)
{
    // The first extra window bytes hold the instance number, so that tools
    // and tests can tell running copies apart.
    SetWindowLongA(hwnd, MAIN_WND_INSTANCE_OFFSET, (LONG)frame.nInstanceNo);
    INITCOMMONCONTROLSEX icc = {sizeof icc, 0xFFFF};
    InitCommonControlsEx(&icc);
    CreateStatusBar(hwnd);
    frame.hComboFont = MakeFont(12, 7, 700, TRUE, NULL);
    frame.hUiGothicFont = MakeFont(12, 0, 400, FALSE, "MS UI Gothic");
    CreateBarBases(hwnd);
    CreateCommandBar(hwnd);
    CreateMainToolbar(hwnd);
    SendMessageA(frame.hCmdCombo, WM_SETFONT, (WPARAM)frame.hComboFont, 0);
    FillCommandList();

    frame.hRichEditLib = LoadLibraryA("RICHED32.DLL");
    CreatePanes(hwnd);

    frame.hLineStatic = CreateChild("STATIC", "", WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_NOTIFY | SS_CENTER,
                              0, 0, 100, 20, hwnd, IDC_LINESTATIC);
    RECT tipRect = {0, 0, 200, 50};
    AddTooltip(frame.hLineStatic, "ダブルクリックすると行ジャンプが出来ます", tipRect);
    CreateButtons(hwnd);

    frame.hSmallFont = MakeFont(10, 7, 700, TRUE, NULL);
    CreateFindEntry(hwnd);
    CreateFindBar(hwnd);
    BuildSplitTree(hwnd);

    frame.hEntryFont = CreateFontA(-17, 0, 0, 0, 0, TRUE, 0, 0, 0, 0, 0, 0, 0, NULL);
    SendMessageA(frame.hEditEntry, WM_SETFONT, (WPARAM)frame.hEntryFont, 0);
    SubclassPanes();
    // The bars get their size before the settings put the buttons in; the
    // settings show the bars by their states and lay the window out again.
    RelayoutMain();
    InitWorkspace();
    LoadSettingsAtStart(hwnd);
    ScheduleStartupSetupCheck(hwnd);
    return TRUE;
}
