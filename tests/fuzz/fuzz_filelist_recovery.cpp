// Any bytes as a recovery copy and as a copy's file name. A copy the reader
// takes must be written back to the very same bytes, and a name it takes
// must name the same copy when made again. The bytes are read a second time
// with both checksums made right, so that the fields behind them are
// reached too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "filelist/recovery_copy.h"
#include "filelist/recovery_name.h"

namespace {

/* CheckCopy: a copy the reader takes is written back byte for byte. */
void CheckCopy(const uint8_t *data, size_t size)
{
    RecoveryHeader h;
    size_t nOffset = 0;
    if (DecodeRecoveryCopy(data, size, h, &nOffset) != RECOVERY_OK)
        return;
    if (nOffset > size || size - nOffset != h.nTextSize)
        std::abort();
    std::string again = EncodeRecoveryHeader(h, (const char *)data + nOffset, size - nOffset);
    if (again.size() != nOffset || std::memcmp(again.data(), data, nOffset) != 0)
        std::abort();
}

void PutU32(std::string &s, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[at + i] = (char)(v >> (8 * i));
}

/* Sealed: the bytes with the text's and the header's checksums made right,
   the header's size taken from the bytes; "" when they are too short. */
std::string Sealed(const uint8_t *data, size_t size)
{
    const size_t kSizeAt = 12, kTextCrcAt = 52;
    if (size < kTextCrcAt + 8)
        return std::string();
    std::string s((const char *)data, size);
    size_t nHeader = (uint8_t)s[kSizeAt] | (size_t)(uint8_t)s[kSizeAt + 1] << 8;
    if (nHeader < kTextCrcAt + 8 || nHeader > size)
        return std::string();
    PutU32(s, kTextCrcAt, Crc32(s.data() + nHeader, size - nHeader));
    PutU32(s, nHeader - 4, Crc32(s.data(), nHeader - 4));
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CheckCopy(data, size);
    std::string sealed = Sealed(data, size);
    CheckCopy((const uint8_t *)sealed.data(), sealed.size());
    std::string name((const char *)data, size);
    RecoveryName parsed, back;
    if (name.find('\0') == std::string::npos && ParseRecoveryName(name.c_str(), parsed)) {
        char made[128];
        if (!MakeRecoveryName(parsed, made, sizeof made) || !ParseRecoveryName(made, back) ||
            back.nInstanceNo != parsed.nInstanceNo || back.nSession != parsed.nSession || back.id != parsed.id ||
            back.pane != parsed.pane)
            std::abort();
    }
    return 0;
}
