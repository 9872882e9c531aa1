// The form-analysis dialog "HTMLのあるサイトを解析" (FORMANALDIALOG): it
// fetches one page and turns its input forms into search entry records.
#include "web/win/http_client.h"
#include "web/win/winsock_calls.h"
#include "web/win/web_dialogs.h"

#include "app/frame/globals.h"
#include "resource_ids.h"
#include "web/form_anal.h"

#include <commctrl.h>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

enum { FORM_STATUS_TIMER = 150, FORM_STATUS_MS = 3000 };

static HttpClient formClient;
static HWND hFormSettingsDlg;  // receives the chosen record
static HWND hFormResultDlg;
static bool bFormSockets;
static char szFormHost[ENTRY_SERVER_SIZE];

/* A status text that timer 150 clears. */
static void ShowPassingStatus(HWND hDlg, const char *szText)
{
    HttpClientStatus(&formClient, szText);
    SetTimer(hDlg, FORM_STATUS_TIMER, FORM_STATUS_MS, NULL);
}

/* OnAnalyse: "解析" or Return fetches the page of the URL. */
static void OnAnalyse(HWND hDlg)
{
    if (HttpClientBusy(&formClient)) {
        ShowPassingStatus(hDlg, "Socket Task yet exists. wait for minutes");
        return;
    }
    char typed[URL_TEXT_SIZE];
    GetDlgItemTextA(hDlg, IDC_FORM_URL, typed, sizeof typed);
    std::string text = typed;
    if (text.find("://") == std::string::npos)
        text = "http://" + text;
    WebUrl url;
    if (!ParseWebUrl(text, &url)) {
        ShowPassingStatus(hDlg, "URL Invalid");
        return;
    }
    if (!HttpClientStart(&formClient, url)) {
        ShowPassingStatus(hDlg, "Failed in Creating Socket ");
        return;
    }
    // Forms without a server of their own post to the page's server.
    std::string server = (url.bHttps ? "https://" : "") + HostFieldValue(url);
    lstrcpynA(szFormHost, server.c_str(), sizeof szFormHost);
}

/* OnFormPageReceived: analyse the forms and show the records. */
static void OnFormPageReceived(HWND hDlg)
{
    HttpClientShowClosed(&formClient);
    SearchEntry *table = new (std::nothrow) SearchEntry[FORM_TABLE_SIZE];
    if (!table) {
        MessageBoxA(hDlg, "解析用のメモリーを確保できませんでした。", "エラー", MB_OK | MB_ICONSTOP);
        return;
    }
    std::string page;
    ReceivedPageCp932(formClient.pReply, page);
    bool bFull = false;
    int n = HttpAnal_AnalForm(page.c_str(), table, &bFull);
    if (bFull)
        MessageBoxA(hDlg, "reallocの必要があります。", "注意", MB_OK | MB_ICONEXCLAMATION);
    for (int i = 0; i < n; ++i)
        if (!table[i].szServer[0])
            lstrcpynA(table[i].szServer, szFormHost, ENTRY_SERVER_SIZE);
    if (hFormResultDlg && IsWindow(hFormResultDlg))
        DestroyWindow(hFormResultDlg);
    hFormResultDlg = OpenFormResultDialog(hDlg, hFormSettingsDlg, table, n);
    delete[] table;
}

/* OnFormClientEvent: progress and failures in the status bar. */
static void OnFormClientEvent(HWND hDlg, HttpClientEvent event)
{
    char text[ENTRY_SERVER_SIZE + 32];
    switch (event) {
    case HTTP_EVENT_LOOKUP_FAILED:
        if (formClient.nError == WSAHOST_NOT_FOUND)
            std::snprintf(text, sizeof text, "HOST %s Not Fount ", formClient.szHost);
        else
            std::snprintf(text, sizeof text, "ASYNC ERROR Number %d", formClient.nError);
        HttpClientStatus(&formClient, text);
        break;
    case HTTP_EVENT_SOCKET_ERROR:
        MessageBoxA(hDlg, "Event Notify Error", "WSAGETSELECTERROR", MB_OK | MB_ICONEXCLAMATION);
        break;
    case HTTP_EVENT_READ_FAILED:
        HttpClientStatus(&formClient, "problem occured while receiving");
        break;
    case HTTP_EVENT_FAILED:
        HttpClientStatus(&formClient, formClient.szProblem);
        MessageBoxA(hDlg, formClient.szProblem, "エラー", MB_OK | MB_ICONEXCLAMATION);
        break;
    case HTTP_EVENT_DONE:
        OnFormPageReceived(hDlg);
        break;
    default:
        break;
    }
}

/* OnFormDestroy: no socket, no timer, no result dialog. */
static void OnFormDestroy(HWND hDlg)
{
    HttpClientFree(&formClient);
    KillTimer(hDlg, FORM_STATUS_TIMER);
    if (hFormResultDlg && IsWindow(hFormResultDlg))
        DestroyWindow(hFormResultDlg);
    hFormResultDlg = NULL;
    if (bFormSockets)
        ws2.WSACleanup();
    bFormSockets = false;
}

/* FormAnalDlgProc: the dialog procedure of FORMANALDIALOG. */
static INT_PTR CALLBACK FormAnalDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        if (!HttpClientInit(&formClient, hDlg, IDC_FORM_STATUS, false,
                            "Request Accepted by the Connecting Server.Now Trying to Read...")) {
            EndDialog(hDlg, IDCANCEL);
            return TRUE;
        }
        bFormSockets = StartSockets() != 0;
        SendDlgItemMessageA(hDlg, IDC_FORM_URL, EM_LIMITTEXT, URL_TEXT_SIZE - 1, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_FORM_ANALYSE || LOWORD(wParam) == IDOK)
            OnAnalyse(hDlg);
        else if (LOWORD(wParam) == IDCANCEL)
            EndDialog(hDlg, IDCANCEL);
        return TRUE;
    case WM_WEB_ADDRLOOKUP:
    case WM_WEB_NAMELOOKUP:
        if ((HANDLE)wParam == formClient.hLookup)
            OnFormClientEvent(hDlg, HttpClientOnLookup(&formClient, msg, lParam));
        return TRUE;
    case WM_WEB_SOCKET:
        OnFormClientEvent(hDlg, HttpClientOnSocket(&formClient, wParam, lParam));
        return TRUE;
    case WM_TIMER:
        if (wParam == FORM_STATUS_TIMER) {
            KillTimer(hDlg, FORM_STATUS_TIMER);
            HttpClientStatus(&formClient, "");
        } else if (wParam == HTTP_IDLE_TIMER && HttpClientTimedOut(&formClient)) {
            HttpClientStatus(&formClient, "Connection closed: no data from the server (time-out)");
            ShowIdleTimeoutMessage(hDlg);
        }
        return TRUE;
    case WM_DESTROY:
        OnFormDestroy(hDlg);
        return TRUE;
    }
    return FALSE;
}

/* ShowFormAnalysisDialog: the modal form-analysis dialog. */
void ShowFormAnalysisDialog(HWND hSettingsDlg)
{
    hFormSettingsDlg = hSettingsDlg;
    if (DialogBoxParamA(frame.hInst, "FORMANALDIALOG", hSettingsDlg, FormAnalDlgProc, 0) == -1)
        MessageBoxA(hSettingsDlg, "解析のダイアログを開けませんでした。", "エラー", MB_OK | MB_ICONSTOP);
    hFormSettingsDlg = NULL;
}
