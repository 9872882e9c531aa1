// TLS over the web client's own asynchronous socket, through SSPI
// Schannel. The channel never touches the socket: it is handed the bytes
// that arrived and gives back the bytes to send, so that the client keeps
// its window-message loop, its idle timer and its size cut. The server's
// certificate is checked here (chain, trust, SSL policy with the host
// name), since Schannel under Wine checks none; secur32 and crypt32 are
// loaded the first time a channel starts.
#pragma once
#include <windows.h>

#include <string>

enum TlsStep {
    TLS_STEP_MORE,      // waiting for more bytes from the server
    TLS_STEP_READY,     // handshake done and the certificate accepted
    TLS_STEP_REFUSED,   // the certificate was refused (szProblem names why)
    TLS_STEP_FAILED     // the handshake or a record failed (szProblem)
};

struct TlsChannel;

// A new channel to the host (used for SNI and the certificate's name), or
// null when secur32 or crypt32 cannot be loaded (szProblem, 512 bytes).
TlsChannel *TlsOpen(const char *szHost, char *szProblem);

// Frees the channel and its security context.
void TlsClose(TlsChannel *pTls);

// The first handshake message into out. TLS_STEP_MORE, or FAILED.
TlsStep TlsBegin(TlsChannel *pTls, std::string &out);

// Takes received bytes during the handshake; bytes to send go to out.
TlsStep TlsHandshake(TlsChannel *pTls, const char *pIn, size_t nLen, std::string &out);

// Encrypts the data into records appended to out; false on failure.
bool TlsEncrypt(TlsChannel *pTls, const char *pIn, size_t nLen, std::string &out);

// Takes received bytes after the handshake and appends the plain data to
// plain. Returns TLS_STEP_MORE, TLS_STEP_READY when the server ended the
// session (close_notify), or TLS_STEP_FAILED.
TlsStep TlsDecrypt(TlsChannel *pTls, const char *pIn, size_t nLen, std::string &plain);

// True when received bytes wait for the rest of their record.
bool TlsPartialRecord(const TlsChannel *pTls);

// The Japanese text of the last refusal or failure.
const char *TlsProblem(const TlsChannel *pTls);
