#include "text/pane_positions.h"

#include "common/cp932.h"

size_t CountChars(const char *t, size_t len)
{
    size_t n = 0;
    for (size_t i = 0; i < len; i = cp932::NextCharOffset(t, len, i))
        ++n;
    return n;
}

/* ToPane: walks from the last answer (or the start) up to off. */
long PanePositions::ToPane(size_t off)
{
    if (off > m_len)
        off = m_len;
    if (m_bBytes)
        return static_cast<long>(off);
    if (off < m_byte)
        Rewind();
    while (m_byte < off) {
        size_t next = cp932::NextCharOffset(m_text, m_len, m_byte);
        if (next > off) // off is the trail byte of a character: count that character
            break;
        m_byte = next;
        ++m_pos;
    }
    return m_byte < off ? m_pos + 1 : m_pos;
}

/* ToByte: walks from the last answer (or the start) up to pos. */
size_t PanePositions::ToByte(long pos)
{
    if (pos < 0)
        pos = 0;
    if (m_bBytes)
        return static_cast<size_t>(pos) > m_len ? m_len : static_cast<size_t>(pos);
    if (pos < m_pos)
        Rewind();
    while (m_pos < pos && m_byte < m_len) {
        m_byte = cp932::NextCharOffset(m_text, m_len, m_byte);
        ++m_pos;
    }
    return m_byte;
}
