#include "common/block_io.h"

#include <cstring>

#include "common/cp932.h"

/* MakeBlockReader: a reader positioned at the first byte. */
BlockReader MakeBlockReader(const void *pBytes, size_t nSize)
{
    BlockReader r;
    r.pData = static_cast<const unsigned char *>(pBytes);
    r.nSize = pBytes ? nSize : 0;
    r.nPos = 0;
    return r;
}

/* BytesLeft: bytes after the read position. */
size_t BytesLeft(const BlockReader &r)
{
    return r.nPos < r.nSize ? r.nSize - r.nPos : 0;
}

/* ReadU8: one byte. */
bool ReadU8(BlockReader &r, uint8_t &value)
{
    if (BytesLeft(r) < 1)
        return false;
    value = r.pData[r.nPos++];
    return true;
}

/* ReadU32: a 32-bit little-endian integer. */
bool ReadU32(BlockReader &r, uint32_t &value)
{
    if (BytesLeft(r) < 4)
        return false;
    const unsigned char *p = r.pData + r.nPos;
    value = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    r.nPos += 4;
    return true;
}

/* ReadBytes: a raw run of nCount bytes. */
bool ReadBytes(BlockReader &r, void *pOut, size_t nCount)
{
    if (BytesLeft(r) < nCount)
        return false;
    if (nCount)
        std::memcpy(pOut, r.pData + r.nPos, nCount);
    r.nPos += nCount;
    return true;
}

/* ReadText: a zero-terminated text, kept to nMaxLen bytes. */
bool ReadText(BlockReader &r, std::string &text, size_t nMaxLen, bool &bCut)
{
    bCut = false;
    size_t nLeft = BytesLeft(r);
    if (nLeft == 0)
        return false;
    const char *p = reinterpret_cast<const char *>(r.pData + r.nPos);
    const void *pNul = std::memchr(p, 0, nLeft);
    if (!pNul)
        return false;
    size_t nLen = static_cast<const char *>(pNul) - p;
    size_t nKeep = nLen;
    if (nLen > nMaxLen) {
        nKeep = cp932::CutOnCharBoundary(p, nLen, nMaxLen);
        bCut = true;
    }
    text.assign(p, nKeep);
    r.nPos += nLen + 1;
    return true;
}

/* MarkDamage: keeps the first damage found. */
bool MarkDamage(BlockDamage &damage, int nField, const char *szField,
                const char *szReason, size_t nOffset)
{
    if (!damage.bDamaged) {
        damage.bDamaged = true;
        damage.nField = nField;
        damage.szField = szField;
        damage.szReason = szReason;
        damage.nOffset = nOffset;
    }
    return false;
}

/* AppendU8: one byte. */
void AppendU8(std::string &out, uint8_t value)
{
    out.push_back(static_cast<char>(value));
}

/* AppendU32: a 32-bit little-endian integer. */
void AppendU32(std::string &out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

/* AppendBytes: a raw run of bytes. */
void AppendBytes(std::string &out, const void *pBytes, size_t nCount)
{
    out.append(static_cast<const char *>(pBytes), nCount);
}

/* AppendText: a text within its field, then its terminator. */
void AppendText(std::string &out, const std::string &text, size_t nMaxLen)
{
    size_t nLen = std::strlen(text.c_str());
    if (nLen > nMaxLen)
        nLen = cp932::CutOnCharBoundary(text.c_str(), nLen, nMaxLen);
    out.append(text.c_str(), nLen);
    out.push_back('\0');
}
