#include "doc/win/encoding_dialog.h"

#include "app/frame/globals.h"
#include "resource_ids.h"

// The choices of the dialog, in the order of its radio buttons
// (IDC_ENC_FIRST onwards).
struct EncodingChoice {
    TextEncoding encoding;
    bool bom;
};
static const EncodingChoice kChoices[] = {
    {TextEncoding::Cp932, false},   {TextEncoding::Utf8, false},    {TextEncoding::Utf8, true},
    {TextEncoding::Utf16Le, true},  {TextEncoding::Utf16Be, true},  {TextEncoding::Utf16Le, false},
    {TextEncoding::Utf16Be, false}, {TextEncoding::EucJp, false},   {TextEncoding::Iso2022Jp, false},
};
static const int nChoices = sizeof kChoices / sizeof kChoices[0];
static_assert(sizeof kChoices / sizeof kChoices[0] == IDC_ENC_LAST - IDC_ENC_FIRST + 1, "one button per choice");

/* ChoiceOf: the index of the choice that stands for enc (ASCII counts as CP932). */
static int ChoiceOf(const DocumentEncoding &enc)
{
    TextEncoding e = IsRawCp932(enc.encoding) ? TextEncoding::Cp932 : enc.encoding;
    bool bom = e == TextEncoding::Utf8 || e == TextEncoding::Utf16Le || e == TextEncoding::Utf16Be ? enc.bom : false;
    for (int i = 0; i < nChoices; ++i)
        if (kChoices[i].encoding == e && kChoices[i].bom == bom)
            return i;
    return 0;
}

/* CheckedChoice: the index of the radio button checked, -1 for none. */
static int CheckedChoice(HWND dlg)
{
    for (int i = 0; i < nChoices; ++i)
        if (IsDlgButtonChecked(dlg, IDC_ENC_FIRST + i) == BST_CHECKED)
            return i;
    return -1;
}

/* EncodingDlgProc: the choice starts at the document's encoding; OK writes the one checked back. */
static INT_PTR CALLBACK EncodingDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dlg, DWLP_USER, lParam);
        int choice = ChoiceOf(*(const DocumentEncoding *)lParam);
        CheckRadioButton(dlg, IDC_ENC_FIRST, IDC_ENC_LAST, IDC_ENC_FIRST + choice);
        SetFocus(GetDlgItem(dlg, IDC_ENC_FIRST + choice));
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            DocumentEncoding &enc = *(DocumentEncoding *)GetWindowLongPtrA(dlg, DWLP_USER);
            int choice = CheckedChoice(dlg);
            if (choice >= 0 && choice != ChoiceOf(enc)) {
                DocumentEncoding chosen;
                chosen.encoding = kChoices[choice].encoding;
                chosen.bom = kChoices[choice].bom;
                enc = chosen;
            }
            EndDialog(dlg, TRUE);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dlg, FALSE);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE: EndDialog(dlg, FALSE); return TRUE;
    }
    return FALSE;
}

BOOL ChooseDocumentEncoding(HWND owner, DocumentEncoding &enc)
{
    return DialogBoxParamA(frame.hInst, "ENCODINGDIALOG", owner, EncodingDlgProc, (LPARAM)&enc) == TRUE;
}
