// Code page 932 (Shift-JIS) byte classes from the editor's own tables, so
// that text is stepped the same way whatever the system's code page is.
#pragma once
#include <cstddef>

namespace cp932 {

// A byte that starts a double-byte character: 0x81-0x9F and 0xE0-0xFC.
inline bool IsLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// A byte that may stand second in a double-byte character.
inline bool IsTrailByte(unsigned char b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// Alphanumeric class of the system's character test under code page 932:
// ASCII letters and digits and the half-width katakana 0xA6-0xDF are letters;
// half-width punctuation 0xA1-0xA5, lead bytes standing alone and the
// remaining high bytes are not.
extern const unsigned char kAlnumTable[256];
inline bool IsAlnumByte(unsigned char b)
{
    return kAlnumTable[b] != 0;
}

// Length in bytes of the character at p (1 or 2); a lead byte followed by
// the terminator or by the end counts as one byte, so stepping never runs
// past the end of the text.
inline size_t CharLength(const char *p, const char *end)
{
    unsigned char b = static_cast<unsigned char>(*p);
    if (IsLeadByte(b) && p + 1 < end && p[1] != '\0')
        return 2;
    return 1;
}

// Offset of the character after the one starting at pos in text[0, len).
inline size_t NextCharOffset(const char *text, size_t len, size_t pos)
{
    if (pos >= len)
        return len;
    return pos + CharLength(text + pos, text + len);
}

// Offset of the start of the character before pos. Steps from the text's
// start, so a trail byte in the lead-byte range is never taken for a lead.
size_t PrevCharOffset(const char *text, size_t pos);

// True when the byte at pos is the second byte of a double-byte character.
bool IsTrailAt(const char *text, size_t len, size_t pos);

// Largest length <= maxLen that does not cut a double-byte character in two.
size_t CutOnCharBoundary(const char *text, size_t len, size_t maxLen);

} // namespace cp932
