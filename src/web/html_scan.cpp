#include "web/html_scan.h"

#include "common/cp932.h"

#include <cctype>
#include <cstring>
#include <strings.h>

/* Lowers ASCII capitals outside double-byte characters. */
std::string LowerCopy(const char *text, size_t len)
{
    std::string out(text, len);
    for (size_t at = 0; at < len;) {
        size_t step = cp932::CharLength(text + at, text + len);
        if (step == 1 && out[at] >= 'A' && out[at] <= 'Z')
            out[at] = char(out[at] - 'A' + 'a');
        at += step;
    }
    return out;
}

/* Finds a word on a character boundary. */
size_t FindOnBoundary(const std::string &text, const char *word, size_t from)
{
    size_t hit = text.find(word, from);
    while (hit != std::string::npos) {
        // Only bytes from 0x40 on can be trail bytes; ASCII words starting
        // lower are always on a boundary.
        if (static_cast<unsigned char>(word[0]) < 0x40 || !cp932::IsTrailAt(text.data(), text.size(), hit))
            return hit;
        hit = text.find(word, hit + 1);
    }
    return hit;
}

bool IsWordByte(unsigned char b)
{
    return std::isalnum(b) || b == '_';
}

/* Finds an attribute and copies its value. */
int GetTagAttribute(const char *szTag, const char *szName, const char *szEquals,
                    char *szOut, size_t nSize)
{
    if (nSize == 0)
        return 0;
    szOut[0] = '\0';
    size_t tagLen = std::strlen(szTag), nameLen = std::strlen(szName);
    if (nameLen == 0)
        return 0;
    std::string lower = LowerCopy(szTag, tagLen);
    std::string name = LowerCopy(szName, nameLen);
    for (size_t hit = FindOnBoundary(lower, name.c_str(), 0); hit != std::string::npos;
         hit = FindOnBoundary(lower, name.c_str(), hit + 1)) {
        if (hit > 0 && IsWordByte(static_cast<unsigned char>(lower[hit - 1])))
            continue;
        size_t at = hit + nameLen;
        if (at < tagLen && IsWordByte(static_cast<unsigned char>(lower[at])))
            continue;
        while (at < tagLen && std::isspace(static_cast<unsigned char>(szTag[at])))
            ++at;
        size_t eqLen = std::strlen(szEquals);
        if (std::strncmp(szTag + at, szEquals, eqLen) != 0)
            continue;
        at += eqLen;
        while (at < tagLen && std::isspace(static_cast<unsigned char>(szTag[at])))
            ++at;
        size_t from = at, end;
        char quote = szTag[at];
        if (quote == '"' || quote == '\'') {
            const char *close = std::strchr(szTag + at + 1, quote);
            end = close ? size_t(close - szTag) + 1 : tagLen;
        } else {
            end = at;
            while (end < tagLen && !std::isspace(static_cast<unsigned char>(szTag[end])) && szTag[end] != '>')
                end = cp932::NextCharOffset(szTag, tagLen, end);
        }
        // Strip surrounding whitespace and quotes.
        while (from < end && (std::isspace(static_cast<unsigned char>(szTag[from])) ||
                              szTag[from] == '"' || szTag[from] == '\''))
            ++from;
        while (end > from && (std::isspace(static_cast<unsigned char>(szTag[end - 1])) ||
                              szTag[end - 1] == '"' || szTag[end - 1] == '\'') &&
               !cp932::IsTrailAt(szTag, tagLen, end - 1))
            --end;
        size_t keep = cp932::CutOnCharBoundary(szTag + from, end - from, nSize - 1);
        std::memcpy(szOut, szTag + from, keep);
        szOut[keep] = '\0';
        return 1;
    }
    return 0;
}

/* Replaces the common character references. */
void DecodeBasicEntities(std::string &text)
{
    static const struct { const char *ref; char ch; } kRefs[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}, {"&nbsp;", ' '}};
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        bool done = false;
        if (text[at] == '&')
            for (const auto &r : kRefs) {
                size_t len = std::strlen(r.ref);
                if (text.compare(at, len, r.ref) == 0) {
                    out += r.ch;
                    at += len;
                    done = true;
                    break;
                }
            }
        if (!done)
            out += text[at++];
    }
    text.swap(out);
}
