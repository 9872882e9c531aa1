#include "common/cp932_codec_iconv.h"

#include <iconv.h>

namespace {

/* Runs the whole input through iconv; false on any sequence it refuses. */
bool Convert(const char *to, const char *from, const char *in, size_t len, std::string &out)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1))
        return false;
    char buffer[8192];
    char *src = const_cast<char *>(in);
    size_t left = len;
    bool ok = true;
    for (;;) {
        char *dst = buffer;
        size_t room = sizeof buffer;
        size_t r = left ? iconv(cd, &src, &left, &dst, &room) : iconv(cd, nullptr, nullptr, &dst, &room);
        out.append(buffer, dst - buffer);
        if (r != size_t(-1) && left == 0) {
            if (dst != buffer || r != 0)
                continue;  // flushed something: flush again until nothing
            break;
        }
        if (r == size_t(-1) && room == sizeof buffer) {
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    return ok;
}

bool ToUtf16(const char *in, size_t len, std::u16string &out)
{
    std::string bytes;
    if (!Convert("UTF-16LE", "CP932", in, len, bytes))
        return false;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        out += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    return true;
}

bool FromUtf16(const char16_t *in, size_t len, std::string &out)
{
    std::string bytes;
    bytes.reserve(len * 2);
    for (size_t i = 0; i < len; ++i) {
        bytes += static_cast<char>(in[i] & 0xFF);
        bytes += static_cast<char>(in[i] >> 8);
    }
    // glibc maps a few characters one way (¥ to 0x5C, ‾ to 0x7E, 〜 to 0x8160):
    // only a mapping that reads back as the same units counts.
    std::string cp932, back;
    if (!Convert("CP932", "UTF-16LE", bytes.data(), bytes.size(), cp932) ||
        !Convert("UTF-16LE", "CP932", cp932.data(), cp932.size(), back) || back != bytes)
        return false;
    out += cp932;
    return true;
}

} // namespace

const Cp932Codec &IconvCp932Codec()
{
    static const Cp932Codec codec = {ToUtf16, FromUtf16};
    return codec;
}
