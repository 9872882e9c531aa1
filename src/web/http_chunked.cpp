#include "web/http_chunked.h"

enum { MAX_SIZE_DIGITS = 15 };  // 15 hex digits lie far beyond any body kept

void ChunkDecoderReset(ChunkDecoder *pDec)
{
    pDec->state = CHUNK_SIZE;
    pDec->nLeft = 0;
    pDec->nDigits = 0;
}

/* Value of a hex digit, -1 for another byte. */
static int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

/* The size line has ended: data follows, or the last chunk's trailer. */
static void EndSizeLine(ChunkDecoder *pDec)
{
    pDec->state = pDec->nLeft ? CHUNK_DATA : CHUNK_TRAILER_START;
}

/* Walks the framing byte by byte; the data of a chunk is taken whole. Lines
   may end in CRLF or a bare LF. */
size_t ChunkDecoderFeed(ChunkDecoder *pDec, const char *pIn, size_t nLen, std::string *pOut)
{
    size_t at = 0;
    while (at < nLen && pDec->state != CHUNK_DONE && pDec->state != CHUNK_BAD) {
        char c = pIn[at];
        switch (pDec->state) {
        case CHUNK_SIZE: {
            int v = HexValue(c);
            if (v >= 0 && pDec->nDigits < MAX_SIZE_DIGITS) {
                pDec->nLeft = pDec->nLeft * 16 + unsigned(v);
                ++pDec->nDigits;
            } else if (v >= 0 || pDec->nDigits == 0) {
                pDec->state = CHUNK_BAD;
                continue;
            } else if (c == ';' || c == ' ' || c == '\t') {
                pDec->state = CHUNK_EXTENSION;
            } else if (c == '\r') {
                pDec->state = CHUNK_SIZE_LF;
            } else if (c == '\n') {
                EndSizeLine(pDec);
            } else {
                pDec->state = CHUNK_BAD;
                continue;
            }
            ++at;
            break;
        }
        case CHUNK_EXTENSION:
            if (c == '\r')
                pDec->state = CHUNK_SIZE_LF;
            else if (c == '\n')
                EndSizeLine(pDec);
            ++at;
            break;
        case CHUNK_SIZE_LF:
            if (c != '\n') {
                pDec->state = CHUNK_BAD;
                continue;
            }
            EndSizeLine(pDec);
            ++at;
            break;
        case CHUNK_DATA: {
            size_t take = nLen - at;
            if (take > pDec->nLeft)
                take = size_t(pDec->nLeft);
            if (pOut)
                pOut->append(pIn + at, take);
            at += take;
            pDec->nLeft -= take;
            if (pDec->nLeft == 0)
                pDec->state = CHUNK_DATA_CR;
            break;
        }
        case CHUNK_DATA_CR:
        case CHUNK_DATA_LF:
            if (c == '\r' && pDec->state == CHUNK_DATA_CR) {
                pDec->state = CHUNK_DATA_LF;
            } else if (c == '\n') {
                pDec->state = CHUNK_SIZE;
                pDec->nDigits = 0;
            } else {
                pDec->state = CHUNK_BAD;
                continue;
            }
            ++at;
            break;
        case CHUNK_TRAILER_START:
            // An empty line ends the body; any other line is a trailer field.
            pDec->state = c == '\r' ? CHUNK_END_LF : c == '\n' ? CHUNK_DONE : CHUNK_TRAILER_LINE;
            ++at;
            break;
        case CHUNK_TRAILER_LINE:
            if (c == '\r')
                pDec->state = CHUNK_TRAILER_LF;
            else if (c == '\n')
                pDec->state = CHUNK_TRAILER_START;
            ++at;
            break;
        case CHUNK_TRAILER_LF:
            pDec->state = c == '\n' ? CHUNK_TRAILER_START : CHUNK_BAD;
            if (pDec->state == CHUNK_BAD)
                continue;
            ++at;
            break;
        case CHUNK_END_LF:
            pDec->state = c == '\n' ? CHUNK_DONE : CHUNK_BAD;
            if (pDec->state == CHUNK_BAD)
                continue;
            ++at;
            break;
        default:
            break;
        }
    }
    return at;
}
