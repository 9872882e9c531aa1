#include "app/frame/globals.h"
#include "app/shell/startup.h"
#include "resource_ids.h"

static BOOL TakenByDialog(HWND dialog, MSG *msg)
{
    return dialog && IsWindow(dialog) && IsDialogMessageA(dialog, msg);
}

static void SendEnter(HWND to, int fieldId, LPARAM lParam)
{
    SendMessageA(to, WM_COMMAND, MAKEWPARAM(IDM_ENTER, fieldId), lParam);
}

/*
 * Pretranslate: keyboard handling of the modeless dialogs first, then the
 * Enter key of the single-line fields turned into the Enter command.
 * Returns 1 when the message is to be translated and dispatched.
 */
BOOL Pretranslate(MSG *msg)
{
    if (TakenByDialog(frame.hMakeDlgD, msg) || TakenByDialog(frame.hMakeDlgS, msg) ||
        TakenByDialog(frame.hListDlg2, msg) || TakenByDialog(frame.hWebSearchDlg, msg))
        return 0;
    if (msg->message != WM_KEYDOWN)
        return 1;

    HWND target = msg->hwnd;
    WPARAM key = msg->wParam;
    if (target == frame.hEditEntry && frame.hEditEntry) {
        if (key == VK_RETURN) {
            msg->wParam = 0;
            SendEnter(GetParent(frame.hEditEntry), IDC_FINDENTRY, 0);
        } else if (key == VK_UP || key == VK_DOWN) {
            msg->wParam = 0;
            SendMessageA(frame.hEditEntry, EM_SCROLL, key == VK_UP ? SB_LINEUP : SB_LINEDOWN, 0);
        }
        return 1;
    }
    if (key == VK_RETURN && GetDlgCtrlID(target) == IDC_LINEJUMP) {
        msg->wParam = 0;
        SendEnter(GetParent(target), IDC_LINEJUMP, 0);
        return 1;
    }
    if (key == VK_RETURN && frame.hCmdCombo && GetParent(target) == frame.hCmdCombo) {
        msg->wParam = 0;
        SendEnter(frame.hCmdLineDlg, IDC_CMDCOMBO, 0);
        return 1;
    }
    if (key == VK_RETURN && frame.hMakeDlgM && IsWindow(frame.hMakeDlgM)) {
        HWND parent = GetParent(target);
        int parentId = parent ? GetDlgCtrlID(parent) : 0;
        if (parent && GetParent(parent) == frame.hMakeDlgM && parentId >= IDC_MENU_COMBO1 &&
            parentId <= IDC_MENU_COMBO4) {
            SendEnter(frame.hMakeDlgM, parentId, (LPARAM)parent);
            msg->wParam = 0;
            return 1;
        }
    }
    if (frame.hStdDialog && GetDlgCtrlID(target) == 51 && GetParent(target) == frame.hStdDialog && key == VK_RETURN) {
        SendMessageA(frame.hStdDialog, WM_COMMAND, IDOK, (LPARAM)target);
        msg->wParam = 0;
        return 1;
    }
    return 1;
}
