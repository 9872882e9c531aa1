// Native CP932 -> UTF-16LE conversion through iconv; invalid bytes become U+FFFD.
#include "designer/wide_iconv.h"
#include <iconv.h>
#include <cstring>
#include <vector>

/* Converts src to UTF-16 units in dst; returns the units written or -1. */
int Cp932ToUtf16Iconv(const char *src, size_t len, uint16_t *dst, size_t cap)
{
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    if (cd == (iconv_t)-1)
        return -1;
    size_t written = 0;
    const char *p = src;
    size_t left = len;
    while (left > 0 && written < cap) {
        char out[8];
        char *in = const_cast<char *>(p);
        size_t step = (left > 1 && (unsigned char)p[0] >= 0x81) ? 2 : 1;
        size_t inLeft = step, outLeft = sizeof out;
        char *o = out;
        if (iconv(cd, &in, &inLeft, &o, &outLeft) == (size_t)-1 && step == 2) {
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            in = const_cast<char *>(p);
            step = 1;
            inLeft = 1;
            o = out;
            outLeft = sizeof out;
            if (iconv(cd, &in, &inLeft, &o, &outLeft) == (size_t)-1)
                outLeft = sizeof out;
        }
        size_t produced = sizeof out - outLeft;
        if (produced < 2) {
            dst[written++] = 0xFFFD;
        } else {
            for (size_t i = 0; i + 1 < produced && written < cap; i += 2)
                dst[written++] = (uint16_t)((unsigned char)out[i] | ((unsigned char)out[i + 1] << 8));
        }
        p += step;
        left -= step;
    }
    iconv_close(cd);
    return (int)written;
}
