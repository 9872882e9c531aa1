// The size box of the design dialog: laid over a control (or the design
// dialog's corner), a press on it starts the system's sizing loop for that
// window; the control's new rectangle goes into its record afterwards.
// While it is sized the control is subclassed for its least size only.
#include "designer/win/designer_win.h"

#include "app/frame/globals.h"

static WNDPROC pfnSizeBoxProc;   // the scroll bar's own procedure
static WNDPROC pfnSizedProc;     // the procedure of the control being sized
static HWND hSized;              // the control being sized, or NULL

/* Ends the subclassing of the sized control, once. */
static void UnhookSized()
{
    if (hSized && pfnSizedProc && IsWindow(hSized))
        SetWindowLongPtrA(hSized, GWLP_WNDPROC, (LONG_PTR)pfnSizedProc);
    hSized = NULL;
    pfnSizedProc = NULL;
}

/* The control while it is sized: a least size of a grid step rather than the system's. */
static LRESULT CALLBACK SizedControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    LRESULT r = CallWindowProcA(pfnSizedProc, hwnd, msg, wp, lp);
    if (msg == WM_GETMINMAXINFO) {
        MINMAXINFO *mm = (MINMAXINFO *)lp;
        mm->ptMinTrackSize.x = designer.gridpixelX > 0 ? designer.gridpixelX : 4;
        mm->ptMinTrackSize.y = designer.gridpixelY > 0 ? designer.gridpixelY / 2 : 4;
    }
    return r;
}

/* After the loop: the control's new rectangle into its record, the control repainted. */
static void TakeNewSize(HWND control)
{
    int index = RecordOfWindow(control);
    if (index < 0)
        return;
    RefreshRecordRect(index);
    // Setting the text again repaints the control in its new size.
    int len = GetWindowTextLengthA(control);
    std::string text(len + 1, '\0');
    GetWindowTextA(control, &text[0], len + 1);
    SetWindowTextA(control, text.c_str());
    RefreshControlList();
}

/* A press hides the box and sizes the window beneath it by its bottom-right corner. */
static void StartSizing(HWND box, LPARAM lp)
{
    HWND target = GetParent(box);
    ShowWindow(box, SW_HIDE);
    if (!target)
        return;
    if (target != designer.hDesignDlg && RecordOfWindow(target) >= 0) {
        UnhookSized();
        pfnSizedProc = (WNDPROC)SetWindowLongPtrA(target, GWLP_WNDPROC, (LONG_PTR)SizedControlProc);
        if (pfnSizedProc)
            hSized = target;
    }
    POINT pt = {(short)LOWORD(lp), (short)HIWORD(lp)};
    ClientToScreen(box, &pt);
    // The loop runs inside this call and ends with the button's release. Without
    // full-window dragging the window takes its size only after the loop's last
    // message (WM_EXITSIZEMOVE), so the rectangle is read when the call returns.
    SendMessageA(target, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, MAKELPARAM(pt.x, pt.y));
    UnhookSized();
    if (target != designer.hDesignDlg)
        TakeNewSize(target);
    ReturnSizeBox();
}

static LRESULT CALLBACK SizeBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_LBUTTONDOWN) {
        StartSizing(hwnd, lp);
        return 0;
    }
    return CallWindowProcA(pfnSizeBoxProc, hwnd, msg, wp, lp);
}

/* CreateSizeBox: the hidden size box of the design dialog, subclassed. */
HWND CreateSizeBox(HWND design)
{
    HWND box = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | SBS_SIZEBOX, 0, 0, 16, 16, design,
                               (HMENU)(INT_PTR)IDC_DSG_SIZEBOX, frame.hInst, NULL);
    if (!box)
        return NULL;
    pfnSizeBoxProc = (WNDPROC)SetWindowLongPtrA(box, GWLP_WNDPROC, (LONG_PTR)SizeBoxProc);
    return box;
}

/* ReleaseSizeBox: the size box's own procedure back; reports a failure. */
BOOL ReleaseSizeBox()
{
    UnhookSized();
    if (!designer.hSizeBox || !IsWindow(designer.hSizeBox) || !pfnSizeBoxProc)
        return TRUE;
    if (!SetWindowLongPtrA(designer.hSizeBox, GWLP_WNDPROC, (LONG_PTR)pfnSizeBoxProc)) {
        MessageBoxA(frame.hMakeDlgD, "サイズボックス、サブクラス化解除失敗", "Error", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    pfnSizeBoxProc = NULL;
    return TRUE;
}

/* ShowSizeBoxOn: over the whole of a control, or in the design dialog's bottom-right corner. */
void ShowSizeBoxOn(HWND target)
{
    if (!designer.hSizeBox || !target)
        return;
    RECT r;
    GetClientRect(target, &r);
    SetParent(designer.hSizeBox, target);
    if (target == designer.hDesignDlg)
        SetWindowPos(designer.hSizeBox, HWND_TOP, r.right - 16, r.bottom - 16, 16, 16, SWP_SHOWWINDOW);
    else
        SetWindowPos(designer.hSizeBox, HWND_TOP, 0, 0, r.right, r.bottom, SWP_SHOWWINDOW);
}

/* ReturnSizeBox: hidden and back on the design dialog (before its control goes). */
void ReturnSizeBox()
{
    if (!designer.hSizeBox || !IsWindow(designer.hSizeBox))
        return;
    ShowWindow(designer.hSizeBox, SW_HIDE);
    if (designer.hDesignDlg && GetParent(designer.hSizeBox) != designer.hDesignDlg)
        SetParent(designer.hSizeBox, designer.hDesignDlg);
}

/* SizeBoxIsUnder: whether the visible size box covers a point of the design dialog. */
BOOL SizeBoxIsUnder(POINT ptDesign)
{
    if (!designer.hSizeBox || !IsWindowVisible(designer.hSizeBox))
        return FALSE;
    RECT r;
    GetWindowRect(designer.hSizeBox, &r);
    MapWindowPoints(NULL, designer.hDesignDlg, (POINT *)&r, 2);
    return PtInRect(&r, ptDesign);
}
