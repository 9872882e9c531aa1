#include <cstdio>
#include <cstring>
#include <string>

#include "app/frame/globals.h"
#include "resource_ids.h"
#include "tools/setup_check.h"
#include "tools/tools_texts.h"
#include "tools/win/build_tools.h"
#include "tools/win/setup_io.h"

namespace {

const int kRowBoxes[SETUP_ITEM_COUNT] = {IDC_SETUP_AUTOEXEC, IDC_SETUP_INSTALL, IDC_SETUP_BCC, IDC_SETUP_ILINK};
const int kRowButtons[SETUP_ITEM_COUNT] = {IDC_SETUP_AUTOEXEC_B, IDC_SETUP_INSTALL_B, IDC_SETUP_BCC_B,
                                           IDC_SETUP_ILINK_B};

// The item a preview is opened for, with its state and what it read.
struct PreviewState {
    SetupItem item;
    int nState;
    int nRead;                    // SetupReadResult of the file
    std::string current;          // the file's text as read
    bool bPreviewShown;
};

int ReadItem(void *context, SetupItem item, char *buf, size_t capacity, size_t *pnLen)
{
    (void)context;
    char szPath[MAX_PATH];
    if (SetupFilePath(item, frame.startupPaths.szSysDrive, szPath, sizeof szPath) != TOOLS_OK)
        return SETUP_READ_FAILED;
    return ReadSetupFile(szPath, buf, capacity, pnLen);
}

bool CompilerFolderExists(void *context)
{
    (void)context;
    char szPath[MAX_PATH];
    if (SetupFilePath(SETUP_INSTALL, frame.startupPaths.szSysDrive, szPath, sizeof szPath) != TOOLS_OK)
        return false;
    DWORD attr = GetFileAttributesA(szPath);
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

int EditBytes(HWND edit, std::string *text)
{
    int nChars = GetWindowTextLengthW(edit);
    text->assign((size_t)nChars * 2 + 2, '\0');
    GetWindowTextA(edit, &(*text)[0], (int)text->size());
    text->resize(std::strlen(text->c_str()));
    return (int)text->size();
}

void ShowCurrent(HWND hDlg, PreviewState *state)
{
    char szCaption[128];
    SetupPreviewCaption(state->item, false, szCaption, sizeof szCaption);
    SetDlgItemTextA(hDlg, IDC_SETPRE_CAPTION, szCaption);
    std::string shown = state->current;
    if (shown.size() > 2 && shown.compare(shown.size() - 2, 2, "\r\n") != 0)
        shown += "\r\n";
    SetDlgItemTextA(hDlg, IDC_SETPRE_TEXT, shown.c_str());
    EnableWindow(GetDlgItem(hDlg, IDC_SETPRE_WRITE), FALSE);
    CheckRadioButton(hDlg, IDC_SETPRE_CURRENT, IDC_SETPRE_PREVIEW, IDC_SETPRE_CURRENT);
    state->bPreviewShown = false;
}

/* ShowPreview: the file as it will be with the missing lines added. */
void ShowPreview(HWND hDlg, PreviewState *state)
{
    if (state->bPreviewShown)
        return;
    char szText[SETUP_EDIT_MAX + 64];
    size_t nOut = 0;
    SetupParse parse = SETUP_PARSED;
    ToolsError error = CompleteSetupFile(state->item, frame.startupPaths.szSysDrive, state->current.data(),
                                         state->current.size(), szText, sizeof szText, &nOut, &parse);
    if (error != TOOLS_OK) {
        char szMsg[256];
        std::snprintf(
            szMsg, sizeof szMsg,
            "「%s」の内容を読み取れないため、追加する行を決められません（%s）。\r\nファイルはそのままにします。",
            SetupShortName(state->item), error == TOOLS_BAD_TEXT ? SetupParseName(parse) : "too long");
        MessageBoxA(hDlg, szMsg, "注意", MB_OK | MB_ICONEXCLAMATION);
        CheckRadioButton(hDlg, IDC_SETPRE_CURRENT, IDC_SETPRE_PREVIEW, IDC_SETPRE_CURRENT);
        return;
    }
    char szCaption[128];
    SetupPreviewCaption(state->item, true, szCaption, sizeof szCaption);
    SetDlgItemTextA(hDlg, IDC_SETPRE_CAPTION, szCaption);
    SetDlgItemTextA(hDlg, IDC_SETPRE_TEXT, szText);
    EnableWindow(GetDlgItem(hDlg, IDC_SETPRE_WRITE), TRUE);
    state->bPreviewShown = true;
}

/* OnWrite: the edit's text over the file, after the checks and questions. */
void OnWrite(HWND hDlg, PreviewState *state)
{
    if (state->nRead == SETUP_READ_TOO_LARGE) {
        MessageBoxA(
            hDlg,
            "ファイルサイズが大きいようです。(4096KB以上)\r\nプレビューを参考にしてセルフカスタマイズしてください。",
            "書き換えできません。", MB_OK);
        return;
    }
    std::string text;
    if (EditBytes(GetDlgItem(hDlg, IDC_SETPRE_TEXT), &text) >= (int)SETUP_EDIT_MAX) {
        MessageBoxA(hDlg, "エディットの内容が大きすぎます（およそ4096KB程度まで）", "OK", MB_OK);
        return;
    }
    if (MessageBoxA(hDlg, "上記エディット内容でよろしいですか？", "確認", MB_YESNOCANCEL) != IDYES)
        return;
    if (text.size() < state->current.size() &&
        MessageBoxA(hDlg, "最初のエディット内容より小さくなっています。よろしいですか？", "確認", MB_YESNO) != IDYES)
        return;
    if (state->item == SETUP_AUTOEXEC && (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0))
        text += "\r\n";
    char szPath[MAX_PATH];
    BOOL ok = SetupFilePath(state->item, frame.startupPaths.szSysDrive, szPath, sizeof szPath) == TOOLS_OK &&
              RewriteSetupFile(szPath, text.data(), text.size());
    if (ok)
        MessageBoxA(hDlg, "書き込みは正常に完了しました。", "OK", MB_OK | MB_ICONINFORMATION);
    else
        MessageBoxA(hDlg, "エラーにより書き込みは行われませんでした。", "OK", MB_OK | MB_ICONSTOP);
    EndDialog(hDlg, SETUP_END_CHANGED);
}

void OnPreviewInit(HWND hDlg, PreviewState *state)
{
    SetWindowLongPtrA(hDlg, GWLP_USERDATA, (LONG_PTR)state);
    SendDlgItemMessageA(hDlg, IDC_SETPRE_TEXT, EM_SETLIMITTEXT, SETUP_EDIT_MAX + 16, 0);
    state->nRead = SETUP_READ_MISSING;
    if (state->nState >= SETUP_STATE_NOT_SET) {
        char buf[SETUP_FILE_MAX];
        size_t nLen = 0;
        state->nRead = ReadItem(NULL, state->item, buf, sizeof buf, &nLen);
        state->current.assign(buf, nLen);
    }
    if (state->nState == SETUP_STATE_MISSING)
        SetDlgItemTextA(hDlg, IDC_SETPRE_WRITE, "設定ファイルを作成し、内容を書き込む");
    ShowCurrent(hDlg, state);
}

/* SetupPreviewDlgProc: INITSETPREDIALOG for one item. */
INT_PTR CALLBACK SetupPreviewDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    PreviewState *state = (PreviewState *)GetWindowLongPtrA(hDlg, GWLP_USERDATA);
    switch (msg) {
    case WM_INITDIALOG:
        OnPreviewInit(hDlg, (PreviewState *)lParam);
        return TRUE;
    case WM_COMMAND:
        if (!state)
            return FALSE;
        switch (LOWORD(wParam)) {
        case IDC_SETPRE_CURRENT: ShowCurrent(hDlg, state); return TRUE;
        case IDC_SETPRE_PREVIEW: ShowPreview(hDlg, state); return TRUE;
        case IDC_SETPRE_WRITE:   OnWrite(hDlg, state); return TRUE;
        case IDCANCEL:           EndDialog(hDlg, SETUP_END_CLOSED); return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        EndDialog(hDlg, SETUP_END_CLOSED);
        return TRUE;
    }
    return FALSE;
}

/* FillRow: a row's text and button for its state. */
void FillRow(HWND hDlg, const SetupReport *report, int item)
{
    char szText[1024] = "";
    SetupRowView view;
    SetupRowText((SetupItem)item, report->btState[item], frame.startupPaths.szSysDrive, szText, sizeof szText, &view);
    if (report->btState[item] == SETUP_STATE_NONE && report->parse[item] != SETUP_PARSED)
        std::snprintf(szText, sizeof szText, "「%s」の内容を読み取れません（%s）。ファイルはそのままにしてあります。",
                      SetupShortName((SetupItem)item), SetupParseName(report->parse[item]));
    SetDlgItemTextA(hDlg, kRowBoxes[item], szText);
    HWND button = GetDlgItem(hDlg, kRowButtons[item]);
    if (view.button == SETUP_BUTTON_DISABLED)
        EnableWindow(button, FALSE);
    else if (view.button == SETUP_BUTTON_CONFIRM)
        SetWindowTextA(button, kCaptionConfirm);
    else if (view.button == SETUP_BUTTON_REFER)
        SetWindowTextA(button, kCaptionRefer);
    if (view.bDisableConfigRows)
        for (int id : {IDC_SETUP_INSTALL_B, IDC_SETUP_BCC_B, IDC_SETUP_ILINK_B})
            EnableWindow(GetDlgItem(hDlg, id), FALSE);
}

/* SetupDlgProc: INITSETDIALOG with the findings of one check. */
INT_PTR CALLBACK SetupDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const SetupReport *report = (const SetupReport *)GetWindowLongPtrA(hDlg, GWLP_USERDATA);
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(hDlg, GWLP_USERDATA, lParam);
        report = (const SetupReport *)lParam;
        for (int item = 0; item < SETUP_ITEM_COUNT; ++item)
            FillRow(hDlg, report, item);
        CheckDlgButton(hDlg, IDC_SETUP_NOSTARTUP,
                       (frame.settingsRecord.btSetupFlags & SETUP_FLAG_NO_STARTUP) ? BST_CHECKED : BST_UNCHECKED);
        SetFocus(GetDlgItem(hDlg, IDC_SETUP_AUTOEXEC));
        return FALSE;
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (id == IDC_SETUP_NOSTARTUP) {
            if (IsDlgButtonChecked(hDlg, IDC_SETUP_NOSTARTUP))
                frame.settingsRecord.btSetupFlags |= SETUP_FLAG_NO_STARTUP;
            else
                frame.settingsRecord.btSetupFlags &= (uint8_t)~SETUP_FLAG_NO_STARTUP;
            return TRUE;
        }
        if (id == IDC_SETUP_AUTOEXEC_B || id == IDC_SETUP_BCC_B || id == IDC_SETUP_ILINK_B) {
            PreviewState state;
            state.item = id == IDC_SETUP_AUTOEXEC_B ? SETUP_AUTOEXEC : id == IDC_SETUP_BCC_B ? SETUP_BCC_CFG
                                                                                              : SETUP_ILINK_CFG;
            state.nState = report ? report->btState[state.item] : 0;
            state.nRead = SETUP_READ_MISSING;
            state.bPreviewShown = false;
            if (DialogBoxParamA(frame.hInst, "INITSETPREDIALOG", hDlg, SetupPreviewDlgProc, (LPARAM)&state) ==
                SETUP_END_CHANGED)
                EndDialog(hDlg, SETUP_END_CHANGED);
            return TRUE;
        }
        if (id == IDCANCEL) {
            EndDialog(hDlg, SETUP_END_CLOSED);
            return TRUE;
        }
        return FALSE;
    }
    case WM_CLOSE:
        EndDialog(hDlg, SETUP_END_CLOSED);
        return TRUE;
    }
    return FALSE;
}

// One check; bAtStartup leaves the dialog out when the compiler is not
// installed, as there is nothing to set up then.
int RunCheck(bool bAtStartup)
{
    char szPath[2048] = "";
    DWORD n = GetEnvironmentVariableA("PATH", szPath, sizeof szPath);
    if (n >= sizeof szPath)
        szPath[sizeof szPath - 1] = '\0';
    SetupIo io = {NULL, ReadItem, CompilerFolderExists, szPath};
    SetupReport report;
    EvaluateCompilerSetup(&frame.settingsRecord.btSetupFlags, &io, &report);
    if (!report.bExamined)
        return 0;
    if (bAtStartup && report.btState[SETUP_INSTALL] == SETUP_STATE_MISSING)
        return 0;
    return DialogBoxParamA(frame.hInst, "INITSETDIALOG", NULL, SetupDlgProc, (LPARAM)&report) == SETUP_END_CHANGED;
}

} // namespace

/* CheckCompilerSetup: one check with its dialog; 1 when a file changed. */
int CheckCompilerSetup(void)
{
    return RunCheck(false);
}

/* CompilerSetupCommand: command 406: the PATH is looked at afresh, and
   the check repeats while the user changes files. */
void CompilerSetupCommand(void)
{
    frame.settingsRecord.btSetupFlags &= (uint8_t)~SETUP_FLAG_PATH;
    while (CheckCompilerSetup() == 1)
        frame.settingsRecord.btSetupFlags &= (uint8_t)~SETUP_FLAG_PATH;
}

/* RunStartupSetupCheck: the check at start-up unless switched off. */
void RunStartupSetupCheck(void)
{
    if (frame.settingsRecord.btSetupFlags & SETUP_FLAG_NO_STARTUP)
        return;
    while (RunCheck(true) == 1) {
    }
}
