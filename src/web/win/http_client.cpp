#include "web/win/http_client.h"

#include "web/win/winsock_calls.h"

#include "resource_ids.h"

#include <commctrl.h>
#include <cstdio>
#include <cstring>
#include <new>

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
    if (!pClient->pReply)
        return 0;
    HttpReplyReset(pClient->pReply, GetTickCount());
    return 1;
}

/* HttpClientFree: closes what is open and frees the buffer. */
void HttpClientFree(HttpClient *pClient)
{
    HttpClientClose(pClient);
    delete pClient->pReply;
    pClient->pReply = NULL;
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

/* HttpClientClose: cancels the lookup and the notifications, closes the socket. */
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
    }
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

/* HttpClientStart: socket, registration and lookup of a new request. */
int HttpClientStart(HttpClient *pClient, const char *szServer, const char *szRequest)
{
    pClient->nError = 0;
    pClient->bCut = false;
    if (!SplitHostPort(szServer, pClient->szHost, sizeof pClient->szHost, &pClient->nPort))
        return -1;
    std::strncpy(pClient->szRequest, szRequest, sizeof pClient->szRequest - 1);
    pClient->szRequest[sizeof pClient->szRequest - 1] = '\0';
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

/* Reads what is available into the buffer. Returns 1 after data, 2 when
   nothing is waiting, 0 when the peer has closed, -1 on a failed read; sets
   bCut when more arrived than the buffer holds. */
static int ReadAvailable(HttpClient *pClient)
{
    static char chunk[READ_CHUNK];
    HttpReply *reply = pClient->pReply;
    size_t room = HTTP_RECEIVE_SIZE - 1 - reply->nLength;
    // With a full buffer one byte tells whether the reply goes on.
    size_t want = room == 0 ? 1 : (room < (size_t)READ_CHUNK ? room : (size_t)READ_CHUNK);
    int got = ws2.recv(pClient->sock, chunk, (int)want, 0);
    if (got == SOCKET_ERROR)
        return ws2.WSAGetLastError() == WSAEWOULDBLOCK ? 2 : -1;
    if (got == 0)
        return 0;
    HttpReplyFeed(reply, chunk, (size_t)got, GetTickCount());
    if (reply->nDropped)
        pClient->bCut = true;
    return 1;
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
    case FD_CONNECT: {
        int len = (int)std::strlen(pClient->szRequest);
        HttpReplyReset(pClient->pReply, GetTickCount());
        if (ws2.send(pClient->sock, pClient->szRequest, len, 0) != len) {
            pClient->nError = ws2.WSAGetLastError();
            HttpClientClose(pClient);
            return HTTP_EVENT_SOCKET_ERROR;
        }
        return HTTP_EVENT_NONE;
    }
    case FD_WRITE:
        HttpReplyTouch(pClient->pReply, GetTickCount());
        return HTTP_EVENT_NONE;
    case FD_READ: {
        HttpClientStatus(pClient, pClient->szReadingText);
        int r = ReadAvailable(pClient);
        if (r < 0)
            return HTTP_EVENT_READ_FAILED;
        if (pClient->bCut) {
            HttpClientClose(pClient);
            return HTTP_EVENT_DONE;
        }
        return HTTP_EVENT_NONE;
    }
    case FD_CLOSE:
        while (!pClient->bCut && ReadAvailable(pClient) == 1)
            ;
        HttpClientClose(pClient);
        return HTTP_EVENT_DONE;
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

void ShowRequestTooLongMessage(HWND owner)
{
    char text[160];
    std::snprintf(text, sizeof text,
                  "リクエストが%dバイトを超えるため送信できません。\r\n検索語やURLを短くしてください。",
                  REQUEST_SIZE - 1);
    MessageBoxA(owner, text, "エラー", MB_OK | MB_ICONEXCLAMATION);
}
