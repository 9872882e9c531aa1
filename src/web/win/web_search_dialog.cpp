// The search dialog "ウェブ検索" (WEBSEARCHDIALOG): the search word, the
// engine, the result list of the fetched page and the client that fetches it.
#include "web/win/http_client.h"
#include "web/win/winsock_calls.h"
#include "web/win/web_dialogs.h"

#include "app/frame/globals.h"
#include "resource_ids.h"
#include "web/http_anal.h"
#include "web/query_word.h"

#include <commctrl.h>
#include <shellapi.h>
#include <cstdio>
#include <new>
#include <string>

static HttpClient searchClient;
static HttpAnal *pSearchAnal;
static bool bSocketsStarted;
static WebUrl pageUrl;  // the page on show, against which its links resolve

/* Enables or disables the word edit, the engine box and GO. */
static void EnableSearchControls(HWND hDlg, BOOL bEnable)
{
    EnableWindow(GetDlgItem(hDlg, IDC_WEB_WORD), bEnable);
    EnableWindow(GetDlgItem(hDlg, IDC_WEB_ENGINE), bEnable);
    EnableWindow(GetDlgItem(hDlg, IDC_WEB_GO), bEnable);
}

/* Fills the engine box with the entry names in table order. */
static void FillEngineBox(HWND hDlg)
{
    HWND box = GetDlgItem(hDlg, IDC_WEB_ENGINE);
    SearchEntryTable *table = SearchEntries();
    SendMessageA(box, CB_RESETCONTENT, 0, 0);
    for (int i = 0; table && i < table->nCount; ++i)
        SendMessageA(box, CB_ADDSTRING, 0, (LPARAM)table->aEntries[i].szName);
    if (!table || web.nCurrentEntry >= table->nCount)
        web.nCurrentEntry = 0;
    SendMessageA(box, CB_SETCURSEL, web.nCurrentEntry, 0);
}

/* Starts fetching the URL; controls off until it ends. */
static void StartFetch(HWND hDlg, const WebUrl &url)
{
    if (!HttpClientStart(&searchClient, url)) {
        char text[32];
        std::snprintf(text, sizeof text, "%d", searchClient.nError);
        MessageBoxA(hDlg, text, "socket()error", MB_OK | MB_ICONSTOP);
        return;
    }
    EnableSearchControls(hDlg, FALSE);
}

/* OnSearchGo: GO or Return in the word edit sends the search query. */
static void OnSearchGo(HWND hDlg)
{
    SearchEntryTable *table = SearchEntries();
    if (HttpClientBusy(&searchClient) || !table)
        return;
    GetDlgItemTextA(hDlg, IDC_WEB_WORD, web.szSearchWord, sizeof web.szSearchWord);
    ReplaceBlanksWithPlus(web.szSearchWord);
    const SearchEntry *entry = &table->aEntries[web.nCurrentEntry];
    std::string word;
    WebUrl url;
    if (!ConvertSearchWord(web.szSearchWord, EntryQueryCharset(entry), word)) {
        MessageBoxA(hDlg, "検索語に、この検索先へ送る文字コードで表せない文字があります。", "注意",
                    MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
        return;
    }
    if (!EntrySearchUrl(entry, word.c_str(), &url)) {
        MessageBoxA(hDlg, "Host Server Name Invalid", "Invalid Entry", MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
        return;
    }
    StartFetch(hDlg, url);
}

/* OnResultActivate: a double click or Return on a row fetches its link,
   resolved against the page it was found on. */
static void OnResultActivate(HWND hDlg, int nRow)
{
    if (HttpClientBusy(&searchClient) || nRow < 0 || !pSearchAnal || !pSearchAnal->bReady)
        return;
    WebUrl url;
    if (!ResolveReference(pageUrl, pSearchAnal->GetUrl(nRow), &url)) {
        ShowBadUrlMessage(hDlg, pSearchAnal->GetUrl(nRow));
        return;
    }
    StartFetch(hDlg, url);
}

/* Writes the received text, header included, to "%ssora_html.html".
   Returns 1, or 0 after a message. */
static int SaveReceivedPage(HWND hDlg, char *szPath, size_t nSize)
{
    std::snprintf(szPath, nSize, "%ssora_html.html", frame.startupPaths.szWorkDir);
    HANDLE file = CreateFileA(szPath, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD written = 0;
    const HttpReply *reply = searchClient.pReply;
    BOOL ok = file != INVALID_HANDLE_VALUE &&
              WriteFile(file, reply->szData, (DWORD)reply->nLength, &written, NULL) && written == reply->nLength;
    if (file != INVALID_HANDLE_VALUE && !CloseHandle(file))
        ok = FALSE;
    if (!ok) {
        char text[MAX_PATH + 64];
        std::snprintf(text, sizeof text, "受信したページを保存できませんでした。\r\n%s", szPath);
        MessageBoxA(hDlg, text, "エラー", MB_OK | MB_ICONEXCLAMATION);
    }
    return ok ? 1 : 0;
}

/* OnPageReceived: the connection ended; show, save and open the page. */
static void OnPageReceived(HWND hDlg)
{
    HttpClientShowClosed(&searchClient);
    HWND list = GetDlgItem(hDlg, IDC_WEB_RESULTS);
    char problem[HTTP_PROBLEM_SIZE];
    if (HttpReplyFinish(searchClient.pReply) == HTTP_REPLY_COMPLETE &&
        HttpReplyStatusProblem(searchClient.pReply, problem, sizeof problem)) {
        // An error status or a reply without a page: nothing is listed or saved.
        SendMessageA(list, LVM_SETITEMCOUNT, 0, 0);
        SetDlgItemTextA(hDlg, IDC_WEB_RESULTTEXT, problem);
        HttpClientStatus(&searchClient, problem);
        EnableSearchControls(hDlg, TRUE);
        return;
    }
    pageUrl = *searchClient.pUrl;
    SendMessageA(list, LVM_SETITEMCOUNT, 0, 0);
    int nLinks = 0;
    char path[MAX_PATH];
    bool bSaved = searchClient.pReply->nLength > 0 && SaveReceivedPage(hDlg, path, sizeof path);
    if (pSearchAnal) {
        std::string page;
        ReceivedPageCp932(searchClient.pReply, page);
        nLinks = pSearchAnal->GetReadyUrlAndTitle(page.c_str());
    }
    SendMessageA(list, LVM_SETITEMCOUNT, nLinks, 0);
    InvalidateRect(list, NULL, TRUE);
    char text[SEARCH_WORD_SIZE + 128];
    int n = std::snprintf(text, sizeof text, "検索語：%s %d件", web.szSearchWord, nLinks);
    if (pSearchAnal && pSearchAnal->nNoCloseAnchors > 0 && n > 0 && (size_t)n < sizeof text)
        std::snprintf(text + n, sizeof text - n, "（「>」のないアンカー%d個）", pSearchAnal->nNoCloseAnchors);
    SetDlgItemTextA(hDlg, IDC_WEB_RESULTTEXT, text);
    if (bSaved)
        ShellExecuteA(hDlg, "open", path, NULL, NULL, SW_SHOWNORMAL);
    EnableSearchControls(hDlg, TRUE);
}

/* OnSearchClientEvent: what a message of the client means for the dialog. */
static void OnSearchClientEvent(HWND hDlg, UINT msg, HttpClientEvent event)
{
    switch (event) {
    case HTTP_EVENT_LOOKUP_FAILED:
        if (searchClient.nError == WSAHOST_NOT_FOUND)
            MessageBoxA(hDlg, msg == WM_WEB_ADDRLOOKUP ? "Host Server Addres(IP) Invalid" : "Host Server Name Invalid",
                        "Invalid Entry", MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
        EnableSearchControls(hDlg, TRUE);
        break;
    case HTTP_EVENT_SOCKET_ERROR:
        EnableSearchControls(hDlg, TRUE);
        MessageBoxA(hDlg, "Event Notify Error", "WSAGETSELECTERROR", MB_OK | MB_ICONEXCLAMATION);
        break;
    case HTTP_EVENT_FAILED:
        HttpClientStatus(&searchClient, searchClient.szProblem);
        EnableSearchControls(hDlg, TRUE);
        MessageBoxA(hDlg, searchClient.szProblem, "エラー", MB_OK | MB_ICONEXCLAMATION);
        break;
    case HTTP_EVENT_DONE:
        OnPageReceived(hDlg);
        break;
    default:
        break;
    }
}

/* OnSearchTimer: ends a request the server left silent too long. */
static void OnSearchTimer(HWND hDlg)
{
    if (!HttpClientTimedOut(&searchClient))
        return;
    HttpClientStatus(&searchClient, "Connection closed: no data from the server (time-out)");
    EnableSearchControls(hDlg, TRUE);
    ShowIdleTimeoutMessage(hDlg);
}

/* Text of a result row's column. */
static const char *ResultText(int nRow, int nColumn)
{
    if (!pSearchAnal || !pSearchAnal->bReady)
        return "";
    if (nColumn == 0)
        return pSearchAnal->GetUrl(nRow);
    if (nColumn == 1)
        return pSearchAnal->GetTitle(nRow);
    return "";
}

/* OnSearchNotify: the virtual list's texts and its activation. */
static void OnSearchNotify(HWND hDlg, NMHDR *hdr)
{
    if (hdr->idFrom != IDC_WEB_RESULTS)
        return;
    switch (hdr->code) {
    case LVN_GETDISPINFOA: {
        LVITEMA &item = ((NMLVDISPINFOA *)hdr)->item;
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
            lstrcpynA(item.pszText, ResultText(item.iItem, item.iSubItem), item.cchTextMax);
        break;
    }
    case LVN_GETDISPINFOW: {
        LVITEMW &item = ((NMLVDISPINFOW *)hdr)->item;
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0 &&
            !MultiByteToWideChar(932, 0, ResultText(item.iItem, item.iSubItem), -1, item.pszText, item.cchTextMax))
            item.pszText[item.cchTextMax - 1] = L'\0';
        break;
    }
    case NM_DBLCLK:
        OnResultActivate(hDlg, ((NMITEMACTIVATE *)hdr)->iItem);
        break;
    case NM_RETURN:
        OnResultActivate(hDlg, (int)SendMessageA(hdr->hwndFrom, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED));
        break;
    }
}

/* OnSearchInit: sockets, client, link store, word, engines and columns. */
static BOOL OnSearchInit(HWND hDlg)
{
    HWND status = GetDlgItem(hDlg, IDC_WEB_STATUS);
    SendMessageA(status, SB_SIMPLE, TRUE, 0);
    if (!HttpClientInit(&searchClient, hDlg, IDC_WEB_STATUS, true,
                        "Request Accepted by the Connecting Server.Now Trying to Read..")) {
        MessageBoxA(hDlg, "受信用のメモリーを確保できませんでした。", "エラー", MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    bSocketsStarted = StartSockets() != 0;
    HttpClientStatus(&searchClient, bSocketsStarted ? "Socket DLL Initialized."
                                                    : "Socket DLL(winsockXX.dll) Initialization Failed!");
    if (!bSocketsStarted)
        EnableSearchControls(hDlg, FALSE);
    pSearchAnal = new (std::nothrow) HttpAnal;
    SearchEntries();
    SendDlgItemMessageA(hDlg, IDC_WEB_WORD, EM_LIMITTEXT, SEARCH_WORD_SIZE - 1, 0);
    SetDlgItemTextA(hDlg, IDC_WEB_WORD, web.szSearchWord);
    FillEngineBox(hDlg);
    HWND list = GetDlgItem(hDlg, IDC_WEB_RESULTS);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    static const char *const kTitles[] = {"URL", "タイトル", "内容"};
    static const int kWidths[] = {160, 120, 85};
    AddListColumns(list, kTitles, kWidths, 3);
    return TRUE;
}

/* OnSearchDestroy: no socket, no store, sockets released. */
static void OnSearchDestroy()
{
    HttpClientFree(&searchClient);
    delete pSearchAnal;
    pSearchAnal = NULL;
    if (bSocketsStarted)
        ws2.WSACleanup();
    bSocketsStarted = false;
    frame.hWebSearchDlg = NULL;
}

/* OnSearchCommand: buttons, the engine box and Return. */
static void OnSearchCommand(HWND hDlg, int id, int code)
{
    switch (id) {
    case IDOK:
    case IDC_WEB_GO: {
        HWND list = GetDlgItem(hDlg, IDC_WEB_RESULTS);
        if (GetFocus() == list)
            OnResultActivate(hDlg, (int)SendMessageA(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED));
        else
            OnSearchGo(hDlg);
        break;
    }
    case IDC_WEB_SETTINGS:
        ShowWebSettingsDialog(hDlg);
        FillEngineBox(hDlg);
        break;
    case IDC_WEB_ENGINE:
        if (code == CBN_SELENDOK || code == CBN_SELCHANGE) {
            LRESULT sel = SendDlgItemMessageA(hDlg, IDC_WEB_ENGINE, CB_GETCURSEL, 0, 0);
            if (sel != CB_ERR)
                web.nCurrentEntry = (int)sel;
        }
        break;
    case IDCANCEL:
        DestroyWindow(hDlg);
        break;
    }
}

/* WebSearchDlgProc: the dialog procedure of WEBSEARCHDIALOG. */
static INT_PTR CALLBACK WebSearchDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        if (!OnSearchInit(hDlg))
            DestroyWindow(hDlg);
        return TRUE;
    case WM_COMMAND:
        OnSearchCommand(hDlg, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        OnSearchNotify(hDlg, (NMHDR *)lParam);
        return TRUE;
    case WM_WEB_ADDRLOOKUP:
    case WM_WEB_NAMELOOKUP:
        if ((HANDLE)wParam == searchClient.hLookup)
            OnSearchClientEvent(hDlg, msg, HttpClientOnLookup(&searchClient, msg, lParam));
        return TRUE;
    case WM_WEB_SOCKET:
        OnSearchClientEvent(hDlg, msg, HttpClientOnSocket(&searchClient, wParam, lParam));
        return TRUE;
    case WM_TIMER:
        if (wParam == HTTP_IDLE_TIMER)
            OnSearchTimer(hDlg);
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(hDlg);
        return TRUE;
    case WM_DESTROY:
        OnSearchDestroy();
        return TRUE;
    }
    return FALSE;
}

/* OpenWebSearchDialog: the modeless search dialog, opened once. */
void OpenWebSearchDialog(HWND owner)
{
    if (frame.hWebSearchDlg && IsWindow(frame.hWebSearchDlg)) {
        ShowWindow(frame.hWebSearchDlg, SW_RESTORE);
        SetForegroundWindow(frame.hWebSearchDlg);
        return;
    }
    frame.hWebSearchDlg = CreateDialogParamA(frame.hInst, "WEBSEARCHDIALOG", owner, WebSearchDlgProc, 0);
    if (!frame.hWebSearchDlg) {
        MessageBoxA(owner, "ウェブ検索のダイアログを開けませんでした。", "エラー", MB_OK | MB_ICONSTOP);
        return;
    }
    ShowWindow(frame.hWebSearchDlg, SW_SHOW);
}
