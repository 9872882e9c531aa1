#include "tools/win/tools_messages.h"

#include <cstdio>
#include <cstring>
#include <vector>

/* ShowToolsError: the reason a tool command line was not made. */
void ShowToolsError(HWND owner, ToolsError error)
{
    const char *text = NULL;
    switch (error) {
    case TOOLS_OK:
        return;
    case TOOLS_TOO_LONG:
        text = "パスまたはオプションが長すぎます（255バイトまで）。\r\nコマンドは送られませんでした。";
        break;
    case TOOLS_BAD_PATH:
        text = "パスに使えない文字（\"）が含まれているか、ファイル名がありません。\r\nコマンドは送られませんでした。";
        break;
    case TOOLS_BAD_TEXT:
        text = "改行などの制御文字が含まれています。\r\nコマンドは送られませんでした。";
        break;
    case TOOLS_BAD_MODE:
        MessageBoxA(owner, "Error in CplMessageDlgProc", "Error", MB_OK);
        return;
    case TOOLS_NO_FIT:
        text = "コマンドラインが長すぎます。\r\nコマンドは送られませんでした。";
        break;
    }
    MessageBoxA(owner, text, "エラー", MB_OK | MB_ICONEXCLAMATION);
}

/* ReadToolField: a dialog field that must fit its size, or a message. */
BOOL ReadToolField(HWND hDlg, int id, char *out, size_t nMax, const char *szFieldName)
{
    std::vector<char> buf(nMax * 4 + 8, '\0');
    GetDlgItemTextA(hDlg, id, buf.data(), (int)buf.size());
    size_t n = strnlen(buf.data(), buf.size());
    if (n > nMax) {
        char szText[256];
        std::snprintf(szText, sizeof szText, "%sが長すぎます（%uバイトまで）。\r\nコマンドは送られませんでした。",
                      szFieldName, (unsigned)nMax);
        MessageBoxA(hDlg, szText, "エラー", MB_OK | MB_ICONEXCLAMATION);
        out[0] = '\0';
        return FALSE;
    }
    std::memcpy(out, buf.data(), n + 1);
    return TRUE;
}
