#include <string>

#include "resource_ids.h"
#include "tools/dos_output.h"
#include "tools/win/dos_internal.h"

// What the output pane holds, kept here so that trimming needs no copy
// of the control's text. The pane is read-only: only this file writes it.
static std::string paneText;

void ResetDosOutput(void)
{
    paneText.clear();
    paneText.shrink_to_fit();
}

/* CaretToEnd: caret to the end of the output pane and into view. */
static void CaretToEnd(HWND pane)
{
    int nChars = GetWindowTextLengthW(pane);
    SendMessageA(pane, EM_SETSEL, nChars, nChars);
    SendMessageA(pane, EM_SCROLLCARET, 0, 0);
}

/* AppendDosOutput: appends text at the end; when the pane grows beyond
   its limit the oldest text gives way to a line break. */
void AppendDosOutput(HWND hDlg, const char *text, size_t nLen)
{
    HWND pane = GetDlgItem(hDlg, IDC_DOS_OUTPUT);
    if (!pane || nLen == 0)
        return;
    paneText.append(text, nLen);
    DosTrimPlan plan = PlanDosTrim(paneText.data(), paneText.size());
    if (plan.nCutBytes > 0) {
        paneText = "\r\n" + paneText.substr(plan.nCutBytes);
        SendMessageA(pane, WM_SETREDRAW, FALSE, 0);
        SetWindowTextA(pane, paneText.c_str());
        CaretToEnd(pane);
        SendMessageA(pane, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(pane, NULL, TRUE);
        return;
    }
    std::string piece(text, nLen);
    CaretToEnd(pane);
    SendMessageA(pane, EM_REPLACESEL, FALSE, (LPARAM)piece.c_str());
    SendMessageA(pane, EM_SCROLLCARET, 0, 0);
}
