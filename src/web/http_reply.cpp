#include "web/http_reply.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <strings.h>

/* Empties the reply. */
void HttpReplyReset(HttpReply *pReply, unsigned nNow)
{
    pReply->szData[0] = '\0';
    pReply->nLength = pReply->nDropped = pReply->nBodyOffset = 0;
    pReply->bHeaderEnd = false;
    pReply->nStatus = 0;
    pReply->nContentLength = -1;
    pReply->szCharset[0] = '\0';
    pReply->nLastActivity = nNow;
}

/* Reads the status code of a line "HTTP/d.d ddd ..." (0 when not one). */
static int ParseStatusLine(const char *line, size_t len)
{
    if (len < 12 || std::strncmp(line, "HTTP/", 5) != 0)
        return 0;
    const char *sp = static_cast<const char *>(std::memchr(line, ' ', len));
    if (!sp || sp + 4 > line + len)
        return 0;
    int code = 0;
    for (int i = 1; i <= 3; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(sp[i])))
            return 0;
        code = code * 10 + (sp[i] - '0');
    }
    return code;
}

/* Takes the charset parameter out of a Content-Type value. */
static void ParseCharset(HttpReply *pReply, const char *value, size_t len)
{
    for (size_t i = 0; i + 8 <= len; ++i) {
        if (strncasecmp(value + i, "charset=", 8) != 0)
            continue;
        size_t at = i + 8, n = 0;
        while (at < len && (value[at] == '"' || value[at] == '\''))
            ++at;
        while (at < len && n + 1 < HTTP_CHARSET_SIZE && !std::strchr("\"'; \t", value[at]))
            pReply->szCharset[n++] = char(std::tolower(static_cast<unsigned char>(value[at++])));
        pReply->szCharset[n] = '\0';
        return;
    }
}

/* Reads the status line and the fields of the complete header. */
static void ParseHeader(HttpReply *pReply)
{
    const char *text = pReply->szData, *end = text + pReply->nBodyOffset;
    bool first = true;
    while (text < end) {
        const char *nl = static_cast<const char *>(std::memchr(text, '\n', end - text));
        const char *lineEnd = nl ? nl : end;
        size_t len = lineEnd - text;
        if (len && text[len - 1] == '\r')
            --len;
        if (first) {
            pReply->nStatus = ParseStatusLine(text, len);
            first = false;
        } else if (len > 13 && strncasecmp(text, "Content-Type:", 13) == 0) {
            ParseCharset(pReply, text + 13, len - 13);
        } else if (len > 15 && strncasecmp(text, "Content-Length:", 15) == 0) {
            char digits[24] = {0};
            std::memcpy(digits, text + 15, len - 15 < 23 ? len - 15 : 23);
            char *stop = nullptr;
            long value = std::strtol(digits, &stop, 10);
            if (stop != digits && value >= 0)
                pReply->nContentLength = value;
        }
        text = lineEnd + 1;
    }
}

/* Looks for the blank line ending the header in the bytes from "from" on. */
static void FindHeaderEnd(HttpReply *pReply, size_t from)
{
    const char *d = pReply->szData;
    for (size_t i = from; i < pReply->nLength; ++i) {
        if (d[i] != '\n')
            continue;
        size_t body = 0;
        if (i >= 1 && d[i - 1] == '\n')
            body = i + 1;
        else if (i >= 2 && d[i - 1] == '\r' && d[i - 2] == '\n')
            body = i + 1;
        if (body) {
            pReply->bHeaderEnd = true;
            pReply->nBodyOffset = body;
            ParseHeader(pReply);
            return;
        }
    }
}

/* Keeps what fits of the chunk and watches for the header end. */
size_t HttpReplyFeed(HttpReply *pReply, const char *pChunk, size_t nLen, unsigned nNow)
{
    pReply->nLastActivity = nNow;
    size_t room = HTTP_RECEIVE_SIZE - 1 - pReply->nLength;
    size_t keep = nLen < room ? nLen : room;
    pReply->nDropped += nLen - keep;
    if (keep == 0)
        return 0;
    size_t old = pReply->nLength;
    std::memcpy(pReply->szData + old, pChunk, keep);
    pReply->nLength += keep;
    pReply->szData[pReply->nLength] = '\0';
    if (!pReply->bHeaderEnd)
        FindHeaderEnd(pReply, old > 2 ? old - 2 : 0);
    return keep;
}

void HttpReplyTouch(HttpReply *pReply, unsigned nNow)
{
    pReply->nLastActivity = nNow;
}

/* Classifies what the connection delivered before it closed. */
HttpReplyOutcome HttpReplyFinish(const HttpReply *pReply)
{
    if (pReply->nLength == 0)
        return HTTP_REPLY_EMPTY;
    if (pReply->nDropped)
        return HTTP_REPLY_TRUNCATED;
    if (std::strncmp(pReply->szData, "HTTP/", pReply->nLength < 5 ? pReply->nLength : 5) != 0)
        return HTTP_REPLY_NOT_HTTP;
    if (!pReply->bHeaderEnd)
        return HTTP_REPLY_NO_HEADER_END;
    if (pReply->nStatus == 0)
        return HTTP_REPLY_NOT_HTTP;
    if (pReply->nContentLength >= 0 &&
        pReply->nLength - pReply->nBodyOffset < size_t(pReply->nContentLength))
        return HTTP_REPLY_SHORT_BODY;
    return HTTP_REPLY_COMPLETE;
}

const char *HttpReplyBody(const HttpReply *pReply, size_t *pnLen)
{
    size_t from = pReply->bHeaderEnd ? pReply->nBodyOffset : 0;
    *pnLen = pReply->nLength - from;
    return pReply->szData + from;
}

bool HttpReplyTimedOut(const HttpReply *pReply, unsigned nNow)
{
    return unsigned(nNow - pReply->nLastActivity) >= unsigned(HTTP_IDLE_TIMEOUT_MS);
}
