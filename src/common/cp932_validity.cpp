#include "common/cp932_validity.h"

#include "common/cp932.h"

namespace cp932 {

namespace {
struct TrailRange { unsigned char lead, first, last; };
const TrailRange kDefined[] = {
#include "common/cp932_defined_table.inc"
};
/* One bit per double-byte code, from the ranges above. */
struct PairBits {
    unsigned char bits[256 * 256 / 8] = {};
    PairBits()
    {
        for (const TrailRange &r : kDefined)
            for (int t = r.first; t <= r.last; ++t)
                if (t != 0x7F)
                    bits[(r.lead * 256 + t) / 8] |= static_cast<unsigned char>(1u << (t % 8));
    }
};
} // namespace

bool IsDefinedSingle(unsigned char b)
{
    return !IsLeadByte(b) && b != 0x80 && b != 0xA0 && b < 0xFD;
}

bool IsDefinedPair(unsigned char lead, unsigned char trail)
{
    static const PairBits table;
    return (table.bits[(lead * 256 + trail) / 8] >> (trail % 8)) & 1;
}

size_t FirstUndefined(const char *p, size_t len)
{
    const unsigned char *u = reinterpret_cast<const unsigned char *>(p);
    for (size_t i = 0; i < len; ++i) {
        if (u[i] < 0x80)
            continue;
        if (IsLeadByte(u[i])) {
            if (i + 1 >= len || !IsDefinedPair(u[i], u[i + 1]))
                return i;
            ++i;
        } else if (!IsDefinedSingle(u[i])) {
            return i;
        }
    }
    return len;
}

} // namespace cp932
