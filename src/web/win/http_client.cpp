#include "web/win/http_client.h"

#include "web/win/winsock_calls.h"

#include "resource_ids.h"

#include <commctrl.h>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

enum { READ_CHUNK = 16384 };

/* StartSockets: loads and initialises Windows Sockets 2.0 (a missing
   library is reported as the network not being ready). */
int StartSockets()
{
    WSADATA data;
    int err = LoadWinsock() ? ws2.WSAStartup(MAKEWORD(2, 0), &data) : WSASYSNOTREADY;
    if (err != 0) {
        char text[32];
        std::snprintf(text, sizeof text, "%d", err);
        MessageBoxA(NULL, text, "WSAStartupError", MB_OK | MB_ICONSTOP);
        return 0;
    }
    return 1;
}

/* HttpClientInit: an idle client of the dialog with its receive buffer. */
int HttpClientInit(HttpClient *pClient, HWND hDlg, int idStatus, bool bSimpleStatus,
                   const char *szReadingText)
{
    std::memset(pClient, 0, sizeof *pClient);
    pClient->hDlg = hDlg;
    pClient->idStatus = idStatus;
    pClient->bSimpleStatus = bSimpleStatus;
    pClient->szReadingText = szReadingText;
    pClient->nPort = HTTP_PORT;
    pClient->pReply = new (std::nothrow) HttpReply;
    pClient->pUrl = new (std::nothrow) WebUrl;
    pClient->pRequest = new (std::nothrow) std::string;
    pClient->pOutgoing = new (std::nothrow) std::string;
    if (!pClient->pReply || !pClient->pUrl || !pClient->pRequest || !pClient->pOutgoing)
        return 0;
    HttpReplyReset(pClient->pReply, GetTickCount());
    return 1;
}

/* HttpClientFree: closes what is open and frees the buffer. */
void HttpClientFree(HttpClient *pClient)
{
    HttpClientClose(pClient);
    delete pClient->pReply;
    delete pClient->pUrl;
    delete pClient->pRequest;
    delete pClient->pOutgoing;
    pClient->pReply = NULL;
    pClient->pUrl = NULL;
    pClient->pRequest = pClient->pOutgoing = NULL;
}

/* HttpClientStatus: a progress text in the dialog's status bar. */
void HttpClientStatus(HttpClient *pClient, const char *szText)
{
    HWND status = GetDlgItem(pClient->hDlg, pClient->idStatus);
    if (status)
        SendMessageA(status, SB_SETTEXTA, pClient->bSimpleStatus ? SB_SIMPLEID : 0, (LPARAM)szText);
}

bool HttpClientBusy(const HttpClient *pClient)
{
    return pClient->sock != 0;
}

/* HttpClientClose: cancels the lookup and the notifications, closes the
   socket and drops its events still queued. */
void HttpClientClose(HttpClient *pClient)
{
    if (pClient->hLookup) {
        ws2.WSACancelAsyncRequest(pClient->hLookup);
        pClient->hLookup = 0;
    }
    if (pClient->sock) {
        ws2.WSAAsyncSelect(pClient->sock, pClient->hDlg, 0, 0);
        ws2.closesocket(pClient->sock);
        pClient->sock = 0;
        // Events already posted for the closed socket would be taken for
        // the next one, which may get the same handle (a redirect's).
        MSG stale;
        while (PeekMessageA(&stale, pClient->hDlg, WM_WEB_SOCKET, WM_WEB_SOCKET, PM_REMOVE))
            ;
    }
    TlsClose(pClient->pTls);
    pClient->pTls = NULL;
    pClient->bTlsReady = false;
    if (pClient->pOutgoing)
        pClient->pOutgoing->clear();
    KillTimer(pClient->hDlg, HTTP_IDLE_TIMER);
}

/* LookupHost: the asynchronous lookup by address (dotted IPv4) or by name. */
static HANDLE LookupHost(const char *szHost, char *pResult, HWND hwnd, bool *pbByAddress)
{
    *pbByAddress = IsDottedAddress(szHost);
    if (*pbByAddress) {
        unsigned long addr = ws2.inet_addr(szHost);
        return ws2.WSAAsyncGetHostByAddr(hwnd, WM_WEB_ADDRLOOKUP, (const char *)&addr, sizeof addr, AF_INET,
                                     pResult, HOST_ENTRY_SIZE);
    }
    return ws2.WSAAsyncGetHostByName(hwnd, WM_WEB_NAMELOOKUP, szHost, pResult, HOST_ENTRY_SIZE);
}

/* ConnectHost: starts the connection to the address; FD_CONNECT completes it. */
static int ConnectHost(SOCKET sock, const in_addr *pAddr, unsigned nPort)
{
    sockaddr_in to;
    std::memset(&to, 0, sizeof to);
    to.sin_family = AF_INET;
    to.sin_port = ws2.htons((u_short)nPort);
    to.sin_addr = *pAddr;
    if (ws2.connect(sock, (const sockaddr *)&to, sizeof to) == SOCKET_ERROR && ws2.WSAGetLastError() != WSAEWOULDBLOCK)
        return 0;
    return 1;
}

/* Opens the socket of one request to the URL and starts its lookup. */
static int StartRequest(HttpClient *pClient, const WebUrl &url)
{
    pClient->nError = 0;
    pClient->bCut = false;
    pClient->szProblem[0] = '\0';
    *pClient->pUrl = url;
    *pClient->pRequest = BuildGetRequest(url);
    lstrcpynA(pClient->szHost, url.host.c_str(), sizeof pClient->szHost);
    pClient->nPort = url.port;
    if (!ws2.WSAStartup) {
        pClient->nError = WSANOTINITIALISED;  // the sockets were never started
        return 0;
    }
    SOCKET sock = ws2.socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (sock == INVALID_SOCKET) {
        pClient->nError = ws2.WSAGetLastError();
        return 0;
    }
    pClient->sock = sock;
    if (ws2.WSAAsyncSelect(sock, pClient->hDlg, WM_WEB_SOCKET, FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE) != 0) {
        pClient->nError = ws2.WSAGetLastError();
        HttpClientClose(pClient);
        return 0;
    }
    HttpReplyReset(pClient->pReply, GetTickCount());
    HttpClientStatus(pClient, "Trying to Get Server Information");
    pClient->hLookup = LookupHost(pClient->szHost, pClient->aHostEntry, pClient->hDlg, &pClient->bByAddress);
    if (!pClient->hLookup) {
        pClient->nError = ws2.WSAGetLastError();
        HttpClientClose(pClient);
        return 0;
    }
    SetTimer(pClient->hDlg, HTTP_IDLE_TIMER, 1000, NULL);
    return 1;
}

/* HttpClientStart: a new fetch, no redirect followed yet. */
int HttpClientStart(HttpClient *pClient, const WebUrl &url)
{
    pClient->nHops = 0;
    return StartRequest(pClient, url);
}

/* HttpClientOnLookup: the lookup ended; connect to the first address. */
HttpClientEvent HttpClientOnLookup(HttpClient *pClient, UINT msg, LPARAM lParam)
{
    (void)msg;
    if (!pClient->hLookup)
        return HTTP_EVENT_NONE;
    pClient->hLookup = 0;
    int err = WSAGETASYNCERROR(lParam);
    const hostent *entry = (const hostent *)pClient->aHostEntry;
    if (err == 0 && (!entry->h_addr_list || !entry->h_addr_list[0] || entry->h_length != 4))
        err = WSANO_DATA;
    if (err != 0) {
        pClient->nError = err;
        ws2.WSASetLastError(0);
        HttpClientClose(pClient);
        return HTTP_EVENT_LOOKUP_FAILED;
    }
    char text[ENTRY_SERVER_SIZE + 64];
    std::snprintf(text, sizeof text,
                  pClient->bByAddress ? "Server Information Got Successfully(by IP address:%s)"
                                      : "Server Information Got Successfully(by Servername:%s)",
                  pClient->szHost);
    HttpClientStatus(pClient, text);
    HttpReplyTouch(pClient->pReply, GetTickCount());
    in_addr addr;
    std::memcpy(&addr, entry->h_addr_list[0], sizeof addr);
    if (!ConnectHost(pClient->sock, &addr, pClient->nPort)) {
        pClient->nError = ws2.WSAGetLastError();
        HttpClientClose(pClient);
        return HTTP_EVENT_SOCKET_ERROR;
    }
    return HTTP_EVENT_NONE;
}

/* Ends the request with a problem text (socket closed). */
static HttpClientEvent Fail(HttpClient *pClient, const char *szText)
{
    lstrcpynA(pClient->szProblem, szText, sizeof pClient->szProblem);
    HttpClientClose(pClient);
    return HTTP_EVENT_FAILED;
}

/* Hands the socket what it takes of the outgoing bytes; the rest waits for
   FD_WRITE. False when the socket failed. */
static bool FlushOutgoing(HttpClient *pClient)
{
    std::string &out = *pClient->pOutgoing;
    while (!out.empty()) {
        int sent = ws2.send(pClient->sock, out.data(), (int)out.size(), 0);
        if (sent == SOCKET_ERROR) {
            if (ws2.WSAGetLastError() == WSAEWOULDBLOCK)
                return true;
            pClient->nError = ws2.WSAGetLastError();
            return false;
        }
        out.erase(0, (size_t)sent);
    }
    return true;
}

/* Queues the request, encrypted on a TLS channel. */
static bool SendRequest(HttpClient *pClient)
{
    const std::string &req = *pClient->pRequest;
    if (pClient->pTls) {
        if (!TlsEncrypt(pClient->pTls, req.data(), req.size(), *pClient->pOutgoing))
            return false;
    } else {
        pClient->pOutgoing->append(req);
    }
    return FlushOutgoing(pClient);
}

/* Takes plain reply bytes; true when the reply is whole or cut, so that
   the connection may end. */
static bool TakePlain(HttpClient *pClient, const char *pData, size_t nLen)
{
    HttpReply *reply = pClient->pReply;
    if (nLen)
        HttpReplyFeed(reply, pData, nLen, GetTickCount());
    if (reply->nDropped)
        pClient->bCut = true;
    return pClient->bCut || HttpReplyBodyEnded(reply);
}

enum ReadResult { READ_DATA, READ_NOTHING, READ_CLOSED, READ_FAILED, READ_ENDED, READ_TLS_FAILED };

/* Takes received TLS bytes: the handshake, then records. */
static ReadResult TakeTls(HttpClient *pClient, const char *pData, size_t nLen)
{
    if (!pClient->bTlsReady) {
        TlsStep step = TlsHandshake(pClient->pTls, pData, nLen, *pClient->pOutgoing);
        if (step == TLS_STEP_REFUSED || step == TLS_STEP_FAILED)
            return READ_TLS_FAILED;
        if (!FlushOutgoing(pClient))
            return READ_FAILED;
        if (step == TLS_STEP_MORE)
            return READ_DATA;
        pClient->bTlsReady = true;
        HttpClientStatus(pClient, "安全な接続を確立しました。要求を送信しています...");
        if (!SendRequest(pClient))
            return READ_FAILED;
        pData = "";
        nLen = 0;  // bytes after the handshake wait in the channel
    }
    std::string plain;
    TlsStep step = TlsDecrypt(pClient->pTls, pData, nLen, plain);
    if (step == TLS_STEP_FAILED)
        return READ_TLS_FAILED;
    if (TakePlain(pClient, plain.data(), plain.size()))
        return READ_ENDED;
    return step == TLS_STEP_READY ? READ_CLOSED : READ_DATA;
}

/* Reads what is available; a full buffer is detected by one more byte. */
static ReadResult ReadAvailable(HttpClient *pClient)
{
    static char chunk[READ_CHUNK];
    HttpReply *reply = pClient->pReply;
    size_t room = HTTP_RECEIVE_SIZE - 1 - reply->nLength;
    size_t want = pClient->pTls || room >= (size_t)READ_CHUNK ? (size_t)READ_CHUNK : room == 0 ? 1 : room;
    int got = ws2.recv(pClient->sock, chunk, (int)want, 0);
    if (got == SOCKET_ERROR)
        return ws2.WSAGetLastError() == WSAEWOULDBLOCK ? READ_NOTHING : READ_FAILED;
    if (got == 0)
        return READ_CLOSED;
    HttpReplyTouch(reply, GetTickCount());
    if (pClient->pTls)
        return TakeTls(pClient, chunk, (size_t)got);
    return TakePlain(pClient, chunk, (size_t)got) ? READ_ENDED : READ_DATA;
}

/* The connection is over: follow a redirect, or hand the reply on. */
static HttpClientEvent FinishReply(HttpClient *pClient)
{
    HttpClientClose(pClient);
    if (pClient->bCut || HttpReplyFinish(pClient->pReply) != HTTP_REPLY_COMPLETE)
        return HTTP_EVENT_DONE;
    WebUrl next;
    RedirectVerdict verdict = DecideRedirect(*pClient->pUrl, pClient->pReply->nStatus,
                                             pClient->pReply->szLocation, pClient->nHops, &next);
    if (verdict == REDIRECT_NONE)
        return HTTP_EVENT_DONE;
    if (verdict != REDIRECT_FOLLOW)
        return Fail(pClient, RedirectRefusalText(verdict));
    ++pClient->nHops;
    std::string text = "転送先へ移動します：" + WebUrlText(next);
    HttpClientStatus(pClient, text.c_str());
    if (!StartRequest(pClient, next)) {
        pClient->szProblem[0] = '\0';
        return HTTP_EVENT_SOCKET_ERROR;
    }
    return HTTP_EVENT_NONE;
}

/* What a read result means for the dialog. */
static HttpClientEvent AfterRead(HttpClient *pClient, ReadResult r)
{
    switch (r) {
    case READ_FAILED:
        return HTTP_EVENT_READ_FAILED;
    case READ_TLS_FAILED:
        return Fail(pClient, TlsProblem(pClient->pTls));
    case READ_ENDED:
    case READ_CLOSED:
        return FinishReply(pClient);
    default:
        return HTTP_EVENT_NONE;
    }
}

/* The connection is made: the TLS handshake starts, or the request goes. */
static HttpClientEvent OnConnected(HttpClient *pClient)
{
    HttpReplyReset(pClient->pReply, GetTickCount());
    if (pClient->pUrl->bHttps) {
        char problem[HTTP_PROBLEM_SIZE];
        pClient->pTls = TlsOpen(pClient->szHost, problem);
        if (!pClient->pTls)
            return Fail(pClient, problem);
        if (TlsBegin(pClient->pTls, *pClient->pOutgoing) != TLS_STEP_MORE)
            return Fail(pClient, TlsProblem(pClient->pTls));
        HttpClientStatus(pClient, "接続しました。安全な接続（TLS）を確立しています...");
        if (!FlushOutgoing(pClient)) {
            HttpClientClose(pClient);
            return HTTP_EVENT_SOCKET_ERROR;
        }
        return HTTP_EVENT_NONE;
    }
    if (!SendRequest(pClient)) {
        HttpClientClose(pClient);
        return HTTP_EVENT_SOCKET_ERROR;
    }
    return HTTP_EVENT_NONE;
}

/* The peer closed: read the rest, then judge what arrived. */
static HttpClientEvent OnPeerClosed(HttpClient *pClient)
{
    ReadResult r;
    while ((r = ReadAvailable(pClient)) == READ_DATA)
        ;
    if (r == READ_TLS_FAILED || r == READ_ENDED)
        return AfterRead(pClient, r);
    if (pClient->pTls && !pClient->bTlsReady) {
        char text[HTTP_PROBLEM_SIZE];
        std::snprintf(text, sizeof text,
                      "%s との安全な接続（HTTPS）を中止しました。\r\nサーバーが TLS の接続を確立する前に切断しました。",
                      pClient->szHost);
        return Fail(pClient, text);
    }
    return FinishReply(pClient);
}

/* HttpClientOnSocket: connection made, data, closing, or an error. */
HttpClientEvent HttpClientOnSocket(HttpClient *pClient, WPARAM wParam, LPARAM lParam)
{
    if (!pClient->sock || (SOCKET)wParam != pClient->sock)
        return HTTP_EVENT_NONE;
    int err = WSAGETSELECTERROR(lParam);
    if (err != 0) {
        pClient->nError = err;
        HttpClientClose(pClient);
        return HTTP_EVENT_SOCKET_ERROR;
    }
    switch (WSAGETSELECTEVENT(lParam)) {
    case FD_CONNECT:
        return OnConnected(pClient);
    case FD_WRITE:
        HttpReplyTouch(pClient->pReply, GetTickCount());
        if (!FlushOutgoing(pClient)) {
            HttpClientClose(pClient);
            return HTTP_EVENT_SOCKET_ERROR;
        }
        return HTTP_EVENT_NONE;
    case FD_READ:
        if (!pClient->pTls || pClient->bTlsReady)
            HttpClientStatus(pClient, pClient->szReadingText);
        return AfterRead(pClient, ReadAvailable(pClient));
    case FD_CLOSE:
        return OnPeerClosed(pClient);
    }
    return HTTP_EVENT_NONE;
}

/* HttpClientTimedOut: closes a request that has been silent too long. */
bool HttpClientTimedOut(HttpClient *pClient)
{
    if (!HttpClientBusy(pClient) || !HttpReplyTimedOut(pClient->pReply, GetTickCount()))
        return false;
    HttpClientClose(pClient);
    return true;
}

/* HttpClientOutcomeNote: a short English note of an incomplete reply. */
const char *HttpClientOutcomeNote(const HttpClient *pClient)
{
    if (pClient->bCut)
        return " (cut at the buffer size)";
    switch (HttpReplyFinish(pClient->pReply)) {
    case HTTP_REPLY_COMPLETE:       return "";
    case HTTP_REPLY_TRUNCATED:      return " (cut at the buffer size)";
    case HTTP_REPLY_SHORT_BODY:     return " (closed before the end of the body)";
    case HTTP_REPLY_NO_HEADER_END:  return " (no end of the header)";
    case HTTP_REPLY_NOT_HTTP:       return " (not an HTTP reply)";
    case HTTP_REPLY_EMPTY:          return " (nothing received)";
    case HTTP_REPLY_BAD_CHUNKS:     return " (broken chunked body)";
    }
    return "";
}

/* HttpClientShowClosed: the closing text with the length received. */
void HttpClientShowClosed(HttpClient *pClient)
{
    char text[160];
    std::snprintf(text, sizeof text, "Connection And Socket Closed. Received buffer size adds up to %d bytes%s",
                  (int)pClient->pReply->nLength, HttpClientOutcomeNote(pClient));
    HttpClientStatus(pClient, text);
}

void ShowIdleTimeoutMessage(HWND owner)
{
    char text[128];
    std::snprintf(text, sizeof text, "サーバーから%d秒間応答がないため、接続を切りました。",
                  HTTP_IDLE_TIMEOUT_MS / 1000);
    MessageBoxA(owner, text, "エラー", MB_OK | MB_ICONEXCLAMATION);
}

void ShowBadUrlMessage(HWND owner, const char *szUrl)
{
    char text[URL_TEXT_SIZE + 128];
    std::snprintf(text, sizeof text, "このアドレスは取得できません（http:// と https:// のみ）。\r\n%.1000s", szUrl);
    MessageBoxA(owner, text, "エラー", MB_OK | MB_ICONEXCLAMATION);
}
