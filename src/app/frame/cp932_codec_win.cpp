#include "app/frame/cp932_codec_win.h"

#include <windows.h>

namespace {

const size_t kMaxChunk = 0x10000000;  // keeps the lengths inside an int

/* CP932 bytes to UTF-16 units; false on any sequence CP932 does not define. */
bool ToUtf16(const char *in, size_t len, std::u16string &out)
{
    if (len == 0)
        return true;
    if (len > kMaxChunk)
        return false;
    int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, in, static_cast<int>(len), NULL, 0);
    if (n <= 0)
        return false;
    size_t at = out.size();
    out.resize(at + n);
    return MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, in, static_cast<int>(len),
                               reinterpret_cast<LPWSTR>(&out[at]), n) == n;
}

/* UTF-16 units to CP932, no best fit: false when the default character was used. */
bool FromUtf16(const char16_t *in, size_t len, std::string &out)
{
    if (len == 0)
        return true;
    if (len > kMaxChunk)
        return false;
    LPCWSTR wide = reinterpret_cast<LPCWSTR>(in);
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, static_cast<int>(len), NULL, 0, NULL, &usedDefault);
    if (n <= 0 || usedDefault)
        return false;
    size_t at = out.size();
    out.resize(at + n);
    usedDefault = FALSE;
    if (WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, static_cast<int>(len), &out[at], n, NULL, &usedDefault) != n ||
        usedDefault) {
        out.resize(at);
        return false;
    }
    return true;
}

} // namespace

const Cp932Codec &Kernel32Cp932Codec()
{
    static const Cp932Codec codec = {ToUtf16, FromUtf16};
    return codec;
}
