// The designer panel MAKEDLGD: the dialog's properties and the design commands.
#include "designer/win/designer_win.h"

#include <commdlg.h>
#include <cstdio>
#include <cstring>

#include "app/frame/globals.h"
#include "designer/flags.h"
#include "designer/units.h"
#include "designer/update.h"
#include "resource_ids.h"

static RECT rcPanelFull;
static int nCompactWidth;
static BOOL bCompact;
static HFONT hCopyAreaFont;
static const char kFontLabel[] = "フォント：";

/* ReadFields: the panel's fields into a dialog record. */
static void ReadFields(HWND panel, Dlgdata *d)
{
    std::string name = GetItemText(panel, IDC_DSG_NAME);
    CopyField(d->szName, sizeof d->szName, name.data(), name.size());
    d->x = (uint16_t)GetDlgItemInt(panel, IDC_DSG_LEFT, NULL, FALSE);
    d->y = (uint16_t)GetDlgItemInt(panel, IDC_DSG_TOP, NULL, FALSE);
    d->cx = (uint16_t)GetDlgItemInt(panel, IDC_DSG_WIDTH, NULL, FALSE);
    d->cy = (uint16_t)GetDlgItemInt(panel, IDC_DSG_HEIGHT, NULL, FALSE);
    std::string caption = GetItemText(panel, IDC_DSG_CAPTION);
    CopyField(d->szCaption, sizeof d->szCaption, caption.data(), caption.size());
    d->pointSize = (uint16_t)GetDlgItemInt(panel, IDC_DSG_POINT, NULL, FALSE);
    std::string label = GetItemText(panel, IDC_DSG_FONTLABEL);
    if (label.compare(0, strlen(kFontLabel), kFontLabel) == 0)
        label.erase(0, strlen(kFontLabel));
    CopyField(d->szFace, sizeof d->szFace, label.data(), label.size());
}

/* WriteFields: a dialog record into the panel's fields. */
static void WriteFields(HWND panel, const Dlgdata *d)
{
    SetDlgItemTextA(panel, IDC_DSG_NAME, d->szName);
    SetDlgItemInt(panel, IDC_DSG_LEFT, d->x, FALSE);
    SetDlgItemInt(panel, IDC_DSG_TOP, d->y, FALSE);
    SetDlgItemInt(panel, IDC_DSG_WIDTH, d->cx, FALSE);
    SetDlgItemInt(panel, IDC_DSG_HEIGHT, d->cy, FALSE);
    SetDlgItemTextA(panel, IDC_DSG_CAPTION, d->szCaption);
    SetDlgItemInt(panel, IDC_DSG_POINT, d->pointSize, FALSE);
    SetDlgItemTextA(panel, IDC_DSG_FONTLABEL, (std::string(kFontLabel) + d->szFace).c_str());
    SetDlgItemInt(panel, IDC_DSG_STARTID, designer.Icount + 101, FALSE);
}

/* CheckNumberFields: every typed number within its range, or a message naming the field. */
static BOOL CheckNumberFields(HWND panel)
{
    static const struct { int id; const char *name; UINT low, high; } kFields[] = {
        {IDC_DSG_LEFT, "x", 0, 32767},        {IDC_DSG_TOP, "y", 0, 32767},
        {IDC_DSG_WIDTH, "幅", 1, 32767},      {IDC_DSG_HEIGHT, "高さ", 1, 32767},
        {IDC_DSG_POINT, "ポイント", 1, 255}, {IDC_DSG_STARTID, "開始ID", 1, 65535}};
    for (const auto &f : kFields) {
        BOOL ok = FALSE;
        UINT v = GetDlgItemInt(panel, f.id, &ok, FALSE);
        if (!ok || v < f.low || v > f.high) {
            char text[160];
            snprintf(text, sizeof text, "%sは%u～%uの数で入力してください", f.name, f.low, f.high);
            MessageBoxA(panel, text, "注意", MB_OK | MB_ICONEXCLAMATION);
            SetFocus(GetDlgItem(panel, f.id));
            return FALSE;
        }
    }
    return TRUE;
}

static void SetFieldsReadOnly(HWND panel, BOOL readOnly)
{
    for (int id = IDC_DSG_LEFT; id <= IDC_DSG_POINT; id++)
        SendDlgItemMessageA(panel, id, EM_SETREADONLY, readOnly, 0);
    EnableWindow(GetDlgItem(panel, IDC_DSG_STOP), readOnly);
}

/* ChooseDialogFont: the standard font dialog for the face and point size. */
static void ChooseDialogFont(HWND panel)
{
    Dlgdata d;
    memset(&d, 0, sizeof d);
    ReadFields(panel, &d);
    LOGFONTA lf = {};
    HDC dc = GetDC(panel);
    lf.lfHeight = -MulDiv(d.pointSize ? d.pointSize : 12, dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96, 72);
    if (dc)
        ReleaseDC(panel, dc);
    lf.lfWeight = 400;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfPitchAndFamily = FIXED_PITCH;
    CopyField(lf.lfFaceName, sizeof lf.lfFaceName, d.szFace, strlen(d.szFace));
    CHOOSEFONTA cf = {};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = panel;
    cf.lpLogFont = &lf;
    cf.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS;
    if (!ChooseFontA(&cf))
        return;
    SetDlgItemTextA(panel, IDC_DSG_FONTLABEL, (std::string(kFontLabel) + lf.lfFaceName).c_str());
    SetDlgItemInt(panel, IDC_DSG_POINT, cf.iPointSize / 10, FALSE);
}

/* StartDesigning: the design dialog from the fields (customise: from the record read). */
void StartDesigning(HWND panel)
{
    if (designer.bCustomise)
        SetDlgItemTextA(panel, IDC_DSG_OUTPUT, "【変更を反映する】");
    if (!designer.hDesignDlg) {
        Dlgdata d;
        if (designer.bCustomise)
            d = designer.dlgData;
        else
            memset(&d, 0, sizeof d);
        ReadFields(panel, &d);
        if (!designer.bCustomise) {
            strcpy(d.szType, "DIALOGEX");
            strcpy(d.szMemOpt, "DISCARDABLE | MOVABLE ");
            d.style = 0x90C802C0;
            const char *dlgFlags[] = {"DS_MODALFRAME", "DS_SETFOREGROUND", "DS_SETFONT"};
            for (const char *f : dlgFlags)
                d.selDlg[FindFlagIndex("DLGCLASS", f)] = 1;
            const char *wndFlags[] = {"WS_POPUP", "WS_CAPTION", "WS_SYSMENU", "WS_VISIBLE"};
            for (const char *f : wndFlags)
                d.selWnd[FindFlagIndex("WNDCLASS", f)] = 1;
            SORA_ASSERT(designer.Icount == 0);
        }
        designer.dlgData = d;
        if (!CreateDesignDialog(panel))
            return;
        if (designer.bCustomise) {
            if (designer.savedCtrls.empty() && designer.Icount > 0)
                designer.savedCtrls.assign(designer.Ctrls, designer.Ctrls + designer.Icount);
            for (int i = 0; i < designer.Icount; i++) {
                Ctrldata &c = designer.Ctrls[i];
                HWND w = GetDlgItem(designer.hDesignDlg, c.id);
                SORA_ASSERT(w != NULL && c.id <= kIdFreeBegin + designer.Icount);
                c.hwnd = w;
                if (!w)
                    continue;
                if (strncmp(c.szIdent, kDeletedMark, 2) == 0)
                    ShowWindow(w, SW_HIDE);
                SetWindowLongPtrA(w, GWL_EXSTYLE, GetWindowLongPtrA(w, GWL_EXSTYLE) & ~(LONG_PTR)WS_EX_NOPARENTNOTIFY);
                if (strncmp(c.szClass, "STATIC", 6) == 0)
                    SetWindowLongPtrA(w, GWL_STYLE, GetWindowLongPtrA(w, GWL_STYLE) | SS_NOTIFY);
                RefreshRecordRect(i);
            }
        }
        ShowWindow(designer.hDesignDlg, SW_SHOW);
    }
    SetFieldsReadOnly(panel, TRUE);
    if (!designer.hOptDlg || !IsWindow(designer.hOptDlg))
        designer.hOptDlg = CreateOptionsDialog(panel);
}

/* StopDesigning: closes the design and options dialogs; the records go unless customising. */
void StopDesigning(HWND panel, BOOL ask)
{
    if (ask && !designer.bCustomise &&
        MessageBoxA(panel, "作成作業を中止します。よろしいですか？", "確認", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    ReturnSizeBox();
    ReleaseSizeBox();
    if (designer.hFlagDlg && IsWindow(designer.hFlagDlg)) DestroyWindow(designer.hFlagDlg);
    if (designer.hFineDlg && IsWindow(designer.hFineDlg)) DestroyWindow(designer.hFineDlg);
    if (designer.hOptDlg && IsWindow(designer.hOptDlg)) DestroyWindow(designer.hOptDlg);
    designer.hFlagDlg = designer.hFineDlg = designer.hOptDlg = NULL;
    if (designer.bCustomise) {
        for (int i = 0; i < designer.Icount; i++) {
            RECT r = RecordRectInDlu(designer.Ctrls[i]);
            designer.Ctrls[i].left = r.left;
            designer.Ctrls[i].top = r.top;
            designer.Ctrls[i].right = r.right;
            designer.Ctrls[i].bottom = r.bottom;
            designer.Ctrls[i].hwnd = NULL;
        }
    }
    if (designer.hDesignDlg && IsWindow(designer.hDesignDlg))
        DestroyWindow(designer.hDesignDlg);
    designer.hDesignDlg = NULL;
    SetFieldsReadOnly(panel, FALSE);
    if (!designer.bCustomise) {
        memset(designer.Ctrls, 0, sizeof(Ctrldata) * kMaxControls);
        designer.Icount = 0;
        ResetRowCounters();
    }
}

static void OnInitPanel(HWND panel)
{
    GetWindowRect(panel, &rcPanelFull);
    nCompactWidth = rcPanelFull.right - rcPanelFull.left;
    // 158 of the panel's own dialog units: the left column and its margin, whatever the font.
    RECT r = {0, 0, 158, 0};
    if (MapDialogRect(panel, &r)) {
        AdjustWindowRectEx(&r, (DWORD)GetWindowLongPtrA(panel, GWL_STYLE), FALSE, 0);
        if (r.right - r.left < nCompactWidth) nCompactWidth = r.right - r.left;
    }
    // The panel opens compact; the size toggle (7178) shows the layout tools beside it.
    bCompact = TRUE;
    SetWindowPos(panel, NULL, 0, 0, nCompactWidth, rcPanelFull.bottom - rcPanelFull.top, SWP_NOMOVE | SWP_NOZORDER);
    hCopyAreaFont = CreateFontA(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "MS UI Gothic");
    if (hCopyAreaFont)
        SendDlgItemMessageA(panel, IDC_DSG_COPYAREA, WM_SETFONT, (WPARAM)hCopyAreaFont, FALSE);
    PlaceWindow(panel, NULL, "leftbottom");
    SetDlgItemTextA(panel, IDC_DSG_LEFT, "0");
    SetDlgItemTextA(panel, IDC_DSG_TOP, "0");
    SetDlgItemTextA(panel, IDC_DSG_WIDTH, "150");
    SetDlgItemTextA(panel, IDC_DSG_HEIGHT, "120");
    SetDlgItemTextA(panel, IDC_DSG_CAPTION, "タイトルはどうしますか？");
    SetDlgItemTextA(panel, IDC_DSG_POINT, "12");
    SetDlgItemTextA(panel, IDC_DSG_FONTLABEL, "フォント：ＭＳ 明朝");
    SetDlgItemTextA(panel, IDC_DSG_PREFIX, "IDC_");
    SetDlgItemTextA(panel, IDC_DSG_STARTID, "101");
    SetDlgItemTextA(panel, IDC_DSG_NAME, "USERSDIALOG");
    CheckDlgButton(panel, IDC_DSG_SOURCE, BST_CHECKED);
    CheckDlgButton(panel, IDC_DSG_ICONS, BST_UNCHECKED);
    EnableWindow(GetDlgItem(panel, IDC_DSG_STOP), FALSE);
}

static void OnPanelDestroy()
{
    if (designer.hDesignDlg)
        StopDesigning(frame.hMakeDlgD, FALSE);
    FreeCtrlArray();
    ResetRowCounters();
    if (hCopyAreaFont)
        DeleteObject(hCopyAreaFont);
    hCopyAreaFont = NULL;
    BOOL wasCustomising = designer.bCustomise;
    designer.bCustomise = FALSE;
    designer.savedCtrls.clear();
    designer.bGridOn = FALSE;
    frame.hMakeDlgD = NULL;
    if (wasCustomising)
        ShowDialogListAgain();
}

static void OnPanelCommand(HWND panel, UINT id, LPARAM lp)
{
    switch (id) {
    case IDC_DSG_FONTCHOOSE: ChooseDialogFont(panel); break;
    case IDC_DSG_START:
        if (CheckNumberFields(panel))
            StartDesigning(panel);
        break;
    case IDC_DSG_STOP: StopDesigning(panel, TRUE); break;
    case IDC_DSG_OUTPUT:
        if (!designer.hDesignDlg) {
            MessageBoxA(panel, "ダイアログボックスを作成してください", "ＯＫ", MB_OK);
            break;
        }
        if (!CheckNumberFields(panel))
            break;
        if (designer.bCustomise)
            UpdateCustomisedScript(panel);
        else
            WriteDialogScript(panel);
        break;
    case IDC_DSG_GRID:
        designer.bGridOn = !designer.bGridOn;
        if (designer.hDesignDlg) InvalidateRect(designer.hDesignDlg, NULL, TRUE);
        break;
    case IDC_DSG_QWIDTH: if (designer.hDesignDlg) QuantiseControls(TRUE); break;
    case IDC_DSG_QHEIGHT: if (designer.hDesignDlg) QuantiseControls(FALSE); break;
    case IDC_DSG_ALIGNX: if (designer.hDesignDlg) AlignControls(TRUE); break;
    case IDC_DSG_ALIGNY: if (designer.hDesignDlg) AlignControls(FALSE); break;
    case IDC_DSG_SIZETOGGLE:
        bCompact = !bCompact;
        SetWindowPos(panel, NULL, 0, 0, bCompact ? nCompactWidth : rcPanelFull.right - rcPanelFull.left,
                     rcPanelFull.bottom - rcPanelFull.top, SWP_NOMOVE | SWP_NOZORDER);
        break;
    case IDC_DSG_COPYAREA: BeginLayoutCopy(panel); break;
    case IDC_DSG_READFIELDS: if (lp) ReadFields(panel, (Dlgdata *)lp); break;
    case IDC_DSG_WRITEFIELDS: if (lp) WriteFields(panel, (const Dlgdata *)lp); break;
    case IDCANCEL: DestroyWindow(panel); break;
    }
}

static INT_PTR CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_INITDIALOG:
        frame.hMakeDlgD = hwnd;
        OnInitPanel(hwnd);
        return TRUE;
    case WM_COMMAND:
        OnPanelCommand(hwnd, LOWORD(wp), lp);
        return TRUE;
    case WM_MOUSEMOVE:
        LayoutCopyMouseMove();
        return TRUE;
    case WM_LBUTTONUP: {
        POINT pt = {(short)LOWORD(lp), (short)HIWORD(lp)};
        EndLayoutCopy(hwnd, pt);
        return TRUE;
    }
    case WM_CAPTURECHANGED:
        CancelLayoutCopy();
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return TRUE;
    case WM_DESTROY:
        OnPanelDestroy();
        return TRUE;
    }
    return FALSE;
}

/* OpenDesignerPanel: the panel, unless open; without shared memory it does not open. */
void OpenDesignerPanel(HWND owner)
{
    if (frame.hMakeDlgD && IsWindow(frame.hMakeDlgD)) {
        SetForegroundWindow(frame.hMakeDlgD);
        return;
    }
    if (!CreateCtrlArray())
        return;
    HWND panel = CreateDialogParamA(frame.hInst, "MAKEDLGD", owner, PanelProc, 0);
    if (!panel) {
        FreeCtrlArray();
        MessageBoxA(NULL, "ダイアログの作成に失敗しました(MAKEDLGD)", "エラー", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ShowWindow(panel, SW_SHOW);
}
