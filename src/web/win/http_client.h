// The HTTP client of the web search dialogs on Windows Sockets in the
// asynchronous, window-message style: the host lookup, the connection and
// the data are reported to the owning dialog as WM_WEB_ADDRLOOKUP,
// WM_WEB_NAMELOOKUP and WM_WEB_SOCKET. One client per dialog, at most one
// socket at a time; nothing here blocks the user-interface thread. An
// https URL speaks TLS on the same socket (tls_channel.h); redirects are
// followed here, and the dialog sees the reply of the last one.
#pragma once
#include <winsock2.h>
#include <windows.h>

#include <string>

#include "web/http_reply.h"
#include "web/search_entry.h"
#include "web/web_url.h"
#include "web/win/tls_channel.h"

enum { HOST_ENTRY_SIZE = 1024, HTTP_IDLE_TIMER = 151, HTTP_PROBLEM_SIZE = 768 };

// What a message of the client meant for its dialog.
enum HttpClientEvent {
    HTTP_EVENT_NONE,          // nothing for the dialog to do
    HTTP_EVENT_LOOKUP_FAILED, // the host is unknown or the lookup failed (socket closed)
    HTTP_EVENT_SOCKET_ERROR,  // an error reported with a socket event (socket closed)
    HTTP_EVENT_READ_FAILED,   // a read failed; buffer and position unchanged
    HTTP_EVENT_FAILED,        // refused or failed with a Japanese text in szProblem (socket closed)
    HTTP_EVENT_DONE           // the connection ended; the reply is complete or cut
};

struct HttpClient {
    SOCKET sock;                       // 0 while idle
    HWND hDlg;                         // receives the client's messages
    HANDLE hLookup;                    // the lookup under way, 0 when none
    bool bByAddress;                   // looked up by address, not by name
    bool bCut;                         // the connection was ended because the buffer was full
    int nError;                        // error of the last failed lookup or event
    char szHost[ENTRY_SERVER_SIZE];    // host name, without the port
    unsigned nPort;
    char aHostEntry[HOST_ENTRY_SIZE];  // filled by the lookup
    WebUrl *pUrl;                      // what is being fetched (after any redirects)
    int nHops;                         // redirects followed for this fetch
    std::string *pRequest;             // the request text, sent once connected
    std::string *pOutgoing;            // bytes waiting for the socket to take them
    TlsChannel *pTls;                  // the TLS channel of an https URL, else null
    bool bTlsReady;                    // handshake done and certificate accepted
    char szProblem[HTTP_PROBLEM_SIZE]; // text of HTTP_EVENT_FAILED
    const char *szReadingText;         // status text when data arrives
    int idStatus;                      // status bar of the dialog
    bool bSimpleStatus;                // status bar in simple mode
    HttpReply *pReply;                 // receive buffer (HTTP_RECEIVE_SIZE bytes)
};

// Initialises Windows Sockets 2.0; a message box "WSAStartupError" on failure.
int StartSockets();

// Prepares a client for its dialog (the receive buffer is allocated here).
// Returns 0 when the buffer cannot be allocated.
int HttpClientInit(HttpClient *pClient, HWND hDlg, int idStatus, bool bSimpleStatus,
                   const char *szReadingText);

// Closes the socket and frees the buffer.
void HttpClientFree(HttpClient *pClient);

// Shows a progress text in the dialog's status bar.
void HttpClientStatus(HttpClient *pClient, const char *szText);

// True while a request is under way.
bool HttpClientBusy(const HttpClient *pClient);

// Starts fetching the URL: creates the socket, registers it and starts the
// lookup. Returns 1, or 0 with the WSAGetLastError value in
// pClient->nError when no socket could be made, registered or looked up
// (nothing is left open).
int HttpClientStart(HttpClient *pClient, const WebUrl &url);

// Handles WM_WEB_ADDRLOOKUP / WM_WEB_NAMELOOKUP.
HttpClientEvent HttpClientOnLookup(HttpClient *pClient, UINT msg, LPARAM lParam);

// Handles WM_WEB_SOCKET.
HttpClientEvent HttpClientOnSocket(HttpClient *pClient, WPARAM wParam, LPARAM lParam);

// The idle-timer tick: true when nothing arrived for HTTP_IDLE_TIMEOUT_MS;
// the socket is then closed.
bool HttpClientTimedOut(HttpClient *pClient);

// Cancels the lookup and the notifications and closes the socket.
void HttpClientClose(HttpClient *pClient);

// The status note for what the ended connection delivered ("" when whole).
const char *HttpClientOutcomeNote(const HttpClient *pClient);

// "Connection And Socket Closed..." with the received length and the note.
void HttpClientShowClosed(HttpClient *pClient);

// The message box of a request ended by the inactivity time-out.
void ShowIdleTimeoutMessage(HWND owner);

// The message box of an address that cannot be fetched.
void ShowBadUrlMessage(HWND owner, const char *szUrl);

// The received body (chunks decoded) in CP932 (UTF-8, EUC-JP and ISO-2022-JP pages converted
// through the system's code pages, characters without a CP932 form as "?"),
// cut at its first zero byte as the analysis reads it.
void ReceivedPageCp932(const HttpReply *pReply, std::string &page);
