#include "web/http_reply.h"

#include <cctype>
#include <cstdio>
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
    pReply->szCharset[0] = pReply->szReason[0] = pReply->szLocation[0] = '\0';
    pReply->bChunked = false;
    ChunkDecoderReset(&pReply->chunks);
    pReply->nChunkScanned = 0;
    pReply->nLastActivity = nNow;
}

/* Copies the printable ASCII of a field value, without the blanks around it. */
static void CopyFieldValue(const char *value, size_t len, char *out, size_t nSize)
{
    while (len && (*value == ' ' || *value == '\t'))
        ++value, --len;
    while (len && (value[len - 1] == ' ' || value[len - 1] == '\t'))
        --len;
    size_t n = 0;
    for (size_t i = 0; i < len && n + 1 < nSize; ++i)
        if (value[i] >= 0x20 && value[i] < 0x7F)
            out[n++] = value[i];
    out[n] = '\0';
}

/* Reads the status code of a line "HTTP/d.d ddd ..." (0 when not one). */
static int ParseStatusLine(const char *line, size_t len, HttpReply *pReply)
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
    if (sp + 4 < line + len)
        CopyFieldValue(sp + 4, line + len - (sp + 4), pReply->szReason, HTTP_REASON_SIZE);
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
            pReply->nStatus = ParseStatusLine(text, len, pReply);
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
        } else if (len > 18 && strncasecmp(text, "Transfer-Encoding:", 18) == 0) {
            for (size_t i = 18; i + 7 <= len; ++i)
                if (strncasecmp(text + i, "chunked", 7) == 0)
                    pReply->bChunked = true;
        } else if (len > 9 && strncasecmp(text, "Location:", 9) == 0) {
            if (len - 9 < HTTP_LOCATION_SIZE)
                CopyFieldValue(text + 9, len - 9, pReply->szLocation, HTTP_LOCATION_SIZE);
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
    if (pReply->bHeaderEnd && pReply->bChunked) {
        size_t from = pReply->nBodyOffset + pReply->nChunkScanned;
        ChunkDecoderFeed(&pReply->chunks, pReply->szData + from, pReply->nLength - from, nullptr);
        pReply->nChunkScanned = pReply->nLength - pReply->nBodyOffset;
    }
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
    if (pReply->bChunked && pReply->chunks.state == CHUNK_BAD)
        return HTTP_REPLY_BAD_CHUNKS;
    if (pReply->bChunked && pReply->chunks.state != CHUNK_DONE)
        return HTTP_REPLY_SHORT_BODY;
    if (!pReply->bChunked && pReply->nContentLength >= 0 &&
        pReply->nLength - pReply->nBodyOffset < size_t(pReply->nContentLength))
        return HTTP_REPLY_SHORT_BODY;
    return HTTP_REPLY_COMPLETE;
}

bool HttpReplyBodyEnded(const HttpReply *pReply)
{
    if (!pReply->bHeaderEnd)
        return false;
    if (pReply->bChunked)
        return pReply->chunks.state == CHUNK_DONE || pReply->chunks.state == CHUNK_BAD;
    return pReply->nContentLength >= 0 &&
           pReply->nLength - pReply->nBodyOffset >= size_t(pReply->nContentLength);
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

/* Decodes the chunk framing of the body anew into body. */
void HttpReplyDecodedBody(const HttpReply *pReply, std::string &body)
{
    size_t len;
    const char *raw = HttpReplyBody(pReply, &len);
    body.clear();
    if (!pReply->bHeaderEnd || !pReply->bChunked) {
        if (pReply->bHeaderEnd && pReply->nContentLength >= 0 && size_t(pReply->nContentLength) < len)
            len = size_t(pReply->nContentLength);
        body.assign(raw, len);
        return;
    }
    ChunkDecoder dec;
    ChunkDecoderReset(&dec);
    ChunkDecoderFeed(&dec, raw, len, &body);
}

/* Names what keeps a complete reply from being a page. */
bool HttpReplyStatusProblem(const HttpReply *pReply, char *szText, size_t nSize)
{
    int code = pReply->nStatus;
    char reason[HTTP_REASON_SIZE + 1] = "";
    if (pReply->szReason[0])
        std::snprintf(reason, sizeof reason, " %s", pReply->szReason);
    szText[0] = '\0';
    if (code >= 300 || code < 200)
        std::snprintf(szText, nSize, "サーバーがエラーを返しました（HTTP %d%s）。", code, reason);
    else if (code == 202 || code == 204 || code == 205)
        std::snprintf(szText, nSize, "サーバーはページを返しませんでした（HTTP %d%s）。", code, reason);
    else {
        std::string body;
        HttpReplyDecodedBody(pReply, body);
        if (body.empty())
            std::snprintf(szText, nSize, "サーバーの応答に本文がありません（HTTP %d%s）。", code, reason);
    }
    return szText[0] != '\0';
}
