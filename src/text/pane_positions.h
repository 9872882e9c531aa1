// Byte offsets of a CP932 text against the positions of a rich-edit pane.
// Depending on the control a position is either one byte or one character
// (a double-byte character then counts once); the editor finds out which
// by comparing the control's character count with the byte length.
#pragma once
#include <cstddef>
#include <string>

// Number of characters in t[0, len) (a double-byte character counts once).
size_t CountChars(const char *t, size_t len);

// Walks a text forward turning ascending byte offsets into pane positions
// and back, so a pass over many sorted offsets stays linear.
class PanePositions {
public:
    PanePositions(const char *text, size_t len, bool bBytePositions)
        : m_text(text), m_len(len), m_bBytes(bBytePositions) {}

    // Pane position of byte offset off (clamped to the text); cheapest when
    // called with ascending offsets, correct in any order.
    long ToPane(size_t off);
    // Byte offset of pane position pos (clamped to the text).
    size_t ToByte(long pos);

private:
    void Rewind() { m_byte = 0; m_pos = 0; }
    const char *m_text;
    size_t m_len;
    bool m_bBytes;
    size_t m_byte = 0; // byte offset of the walk (always a character start)
    long m_pos = 0;    // its pane position
};
