// Reader of an HTTP/1.0 reply, fed with the chunks the socket delivers. It
// keeps the whole reply (header and body) zero-terminated in a buffer of
// fixed size; whatever arrives past the buffer is dropped and flagged, never
// written. The caller passes millisecond time stamps (GetTickCount) so the
// inactivity time-out is a pure decision.
#pragma once
#include <cstddef>

enum { HTTP_RECEIVE_SIZE = 131072, HTTP_IDLE_TIMEOUT_MS = 30000, HTTP_CHARSET_SIZE = 32 };

enum HttpReplyOutcome {
    HTTP_REPLY_COMPLETE,       // header and the whole body arrived
    HTTP_REPLY_TRUNCATED,      // more arrived than the buffer holds
    HTTP_REPLY_SHORT_BODY,     // closed before Content-Length bytes arrived
    HTTP_REPLY_NO_HEADER_END,  // closed before the blank line ending the header
    HTTP_REPLY_NOT_HTTP,       // the reply does not start with an HTTP status line
    HTTP_REPLY_EMPTY           // closed without sending anything
};

struct HttpReply {
    char szData[HTTP_RECEIVE_SIZE];  // received bytes, zero-terminated
    size_t nLength;                  // write position
    size_t nDropped;                 // bytes that did not fit
    bool bHeaderEnd;                 // the blank line after the header was seen
    size_t nBodyOffset;              // start of the body once bHeaderEnd
    int nStatus;                     // status code, 0 when there is no status line
    long nContentLength;             // -1 when the header gives none
    char szCharset[HTTP_CHARSET_SIZE];  // charset of Content-Type, lower case
    unsigned nLastActivity;          // time stamp of the last event
};

// Empties the reply for a new request started at nNow.
void HttpReplyReset(HttpReply *pReply, unsigned nNow);

// Takes one received chunk at time nNow; returns the bytes kept.
size_t HttpReplyFeed(HttpReply *pReply, const char *pChunk, size_t nLen, unsigned nNow);

// Records an event without data (connection made, request sent).
void HttpReplyTouch(HttpReply *pReply, unsigned nNow);

// What the closed connection delivered.
HttpReplyOutcome HttpReplyFinish(const HttpReply *pReply);

// The body (the whole data when the header never ended) and its length.
const char *HttpReplyBody(const HttpReply *pReply, size_t *pnLen);

// True when nothing happened for HTTP_IDLE_TIMEOUT_MS up to nNow (wraps
// around with the 32-bit tick count).
bool HttpReplyTimedOut(const HttpReply *pReply, unsigned nNow);
