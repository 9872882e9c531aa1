#include "filelist/recovery_copy.h"

#include <cstring>

#include "common/block_io.h"

namespace {

const char kMagic[8] = {'S', 'o', 'r', 'a', 'R', 'c', 'v', 0x1A};

// Offset of the first path length: every fixed field lies before it.
const size_t kFixedSize = 56;

struct CrcTable {
    uint32_t v[256];
    CrcTable()
    {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            v[n] = c;
        }
    }
};

void AppendU64(std::string &out, uint64_t value)
{
    AppendU32(out, (uint32_t)value);
    AppendU32(out, (uint32_t)(value >> 32));
}

bool ReadU64(BlockReader &r, uint64_t &value)
{
    uint32_t lo = 0, hi = 0;
    if (BytesLeft(r) < 8)
        return false;
    ReadU32(r, lo);
    ReadU32(r, hi);
    value = (uint64_t)hi << 32 | lo;
    return true;
}

/* ReadPath: a length and that many bytes, the length bounded. */
bool ReadPath(BlockReader &r, std::string &path)
{
    uint32_t n = 0;
    if (!ReadU32(r, n) || n > RECOVERY_MAX_PATH || BytesLeft(r) < n)
        return false;
    path.assign((const char *)r.pData + r.nPos, n);
    r.nPos += n;
    // A path is a C string to everything that uses it.
    return path.find('\0') == std::string::npos;
}

} // namespace

/* Crc32: the zip checksum, table-driven. */
uint32_t Crc32(const void *pBytes, size_t n, uint32_t crc)
{
    static const CrcTable table;
    const unsigned char *p = (const unsigned char *)pBytes;
    crc = ~crc;
    for (size_t i = 0; i < n; ++i)
        crc = table.v[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

/* EncodeRecoveryHeader: the header of a copy of the text, checksums included. */
std::string EncodeRecoveryHeader(const RecoveryHeader &header, const char *pText, size_t nText)
{
    std::string out;
    if (header.szPath.size() > RECOVERY_MAX_PATH || header.szOwnerPath.size() > RECOVERY_MAX_PATH ||
        nText > RECOVERY_MAX_TEXT)
        return out;
    size_t nHeader = kFixedSize + 4 + header.szPath.size() + 4 + header.szOwnerPath.size() + 4;
    AppendBytes(out, kMagic, sizeof kMagic);
    AppendU32(out, RECOVERY_VERSION);
    AppendU32(out, (uint32_t)nHeader);
    AppendU32(out, header.nInstanceNo);
    AppendU64(out, header.nSession);
    AppendU32(out, header.id);
    AppendU32(out, header.pane);
    AppendU32(out, header.flags);
    AppendU64(out, header.nTime);
    AppendU32(out, (uint32_t)nText);
    AppendU32(out, Crc32(pText, nText));
    AppendU32(out, (uint32_t)header.szPath.size());
    AppendBytes(out, header.szPath.data(), header.szPath.size());
    AppendU32(out, (uint32_t)header.szOwnerPath.size());
    AppendBytes(out, header.szOwnerPath.data(), header.szOwnerPath.size());
    AppendU32(out, Crc32(out.data(), out.size()));
    return out;
}

/* DecodeRecoveryCopy: the header of a whole copy, every bound and checksum checked. */
RecoveryStatus DecodeRecoveryCopy(const void *pBytes, size_t nSize, RecoveryHeader &header, size_t *pTextOffset)
{
    header = RecoveryHeader();
    if (!pBytes || nSize < sizeof kMagic || std::memcmp(pBytes, kMagic, sizeof kMagic) != 0)
        return RECOVERY_FOREIGN;
    BlockReader r = MakeBlockReader(pBytes, nSize);
    r.nPos = sizeof kMagic;
    uint32_t version = 0, nHeader = 0;
    if (!ReadU32(r, version))
        return RECOVERY_DAMAGED;
    if (version > RECOVERY_VERSION)
        return RECOVERY_NEWER;
    if (version != RECOVERY_VERSION || !ReadU32(r, nHeader) || nHeader > nSize)
        return RECOVERY_DAMAGED;
    RecoveryHeader h;
    bool ok = ReadU32(r, h.nInstanceNo) && ReadU64(r, h.nSession) && ReadU32(r, h.id) && ReadU32(r, h.pane) &&
              ReadU32(r, h.flags) && ReadU64(r, h.nTime) && ReadU32(r, h.nTextSize) && ReadU32(r, h.nTextCrc) &&
              ReadPath(r, h.szPath) && ReadPath(r, h.szOwnerPath);
    uint32_t nHeaderCrc = 0;
    size_t nCovered = r.nPos;
    if (!ok || !ReadU32(r, nHeaderCrc) || r.nPos != nHeader || Crc32(pBytes, nCovered) != nHeaderCrc)
        return RECOVERY_DAMAGED;
    if (h.pane > RECOVERY_PANE_RC || h.nTextSize > RECOVERY_MAX_TEXT || nSize - nHeader != h.nTextSize ||
        Crc32((const char *)pBytes + nHeader, h.nTextSize) != h.nTextCrc)
        return RECOVERY_DAMAGED;
    header = h;
    if (pTextOffset)
        *pTextOffset = nHeader;
    return RECOVERY_OK;
}
