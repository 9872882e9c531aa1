// Byte-level helpers of the page analysis. Pages are CP932 text: a match
// never starts on the second byte of a double-byte character and lower-
// casing never touches such a byte.
#pragma once
#include <cstddef>
#include <string>

// Copy of text[0, len) with ASCII capitals lowered, trail bytes kept.
std::string LowerCopy(const char *text, size_t len);

// Offset of the first occurrence of word in text at or after from that
// starts on a character boundary; npos when none.
size_t FindOnBoundary(const std::string &text, const char *word, size_t from);

// True for a letter, digit or "_".
bool IsWordByte(unsigned char b);

// Finds the attribute (case-insensitive, as an isolated word) followed by
// optional whitespace and "=" in the tag text, and copies its value (a
// quoted string or the text up to whitespace or ">") as written, at most
// nSize - 1 bytes cut on a character boundary, surrounding whitespace and
// quotes stripped. Returns 1, or 0 with szOut empty when not found.
int GetTagAttribute(const char *szTag, const char *szName, const char *szEquals,
                    char *szOut, size_t nSize);

// Replaces the character references &amp; &lt; &gt; &quot; &#39; &nbsp; in place.
void DecodeBasicEntities(std::string &text);
