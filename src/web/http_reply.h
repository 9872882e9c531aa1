// Reader of an HTTP reply, fed with the pieces the socket delivers. It
// keeps the whole reply (header and body, as received) zero-terminated in a
// buffer of fixed size; whatever arrives past the buffer is dropped and
// flagged, never written. A chunked body is followed as it arrives, so that
// its end is known, and decoded on demand. The caller passes millisecond time stamps (GetTickCount) so the
// inactivity time-out is a pure decision.
#pragma once
#include "web/http_chunked.h"

#include <cstddef>
#include <string>

enum {
    HTTP_RECEIVE_SIZE = 2 * 1024 * 1024, HTTP_IDLE_TIMEOUT_MS = 30000, HTTP_CHARSET_SIZE = 32,
    HTTP_LOCATION_SIZE = 2048, HTTP_REASON_SIZE = 64
};

enum HttpReplyOutcome {
    HTTP_REPLY_COMPLETE,       // header and the whole body arrived
    HTTP_REPLY_TRUNCATED,      // more arrived than the buffer holds
    HTTP_REPLY_SHORT_BODY,     // closed before Content-Length bytes arrived
    HTTP_REPLY_NO_HEADER_END,  // closed before the blank line ending the header
    HTTP_REPLY_NOT_HTTP,       // the reply does not start with an HTTP status line
    HTTP_REPLY_EMPTY,          // closed without sending anything
    HTTP_REPLY_BAD_CHUNKS      // the chunk framing of the body is broken
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
    char szReason[HTTP_REASON_SIZE];    // reason phrase of the status line
    char szLocation[HTTP_LOCATION_SIZE];  // Location field ("" when none or too long)
    bool bChunked;                   // Transfer-Encoding: chunked
    ChunkDecoder chunks;             // where the chunked body stands so far
    size_t nChunkScanned;            // body bytes the decoder has seen
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

// True when the whole body has arrived (Content-Length reached or the last
// chunk seen), so that the connection may be closed without waiting.
bool HttpReplyBodyEnded(const HttpReply *pReply);

// The body as received (the whole data when the header never ended) and
// its length; a chunked body still carries its framing.
const char *HttpReplyBody(const HttpReply *pReply, size_t *pnLen);

// The body with a chunked framing decoded (as received otherwise), cut at
// the end of the last chunk.
void HttpReplyDecodedBody(const HttpReply *pReply, std::string &body);

// Why a complete reply is not a page to show, in Japanese into szText
// (nSize bytes): an error status with its code and reason, 202 or another
// status without content, or an empty body. Returns false (szText empty)
// for a page.
bool HttpReplyStatusProblem(const HttpReply *pReply, char *szText, size_t nSize);

// True when nothing happened for HTTP_IDLE_TIMEOUT_MS up to nNow (wraps
// around with the 32-bit tick count).
bool HttpReplyTimedOut(const HttpReply *pReply, unsigned nNow);
