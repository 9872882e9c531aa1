#include "web/iconv_converter.h"

#include <cerrno>
#include <iconv.h>

/* Length of the UTF-8 sequence starting with b (1 for a stray byte). */
static size_t Utf8SequenceLength(unsigned char b)
{
    if (b >= 0xF0 && b <= 0xF4) return 4;
    if (b >= 0xE0) return b <= 0xEF ? 3 : 1;
    if (b >= 0xC2) return 2;
    return 1;
}

bool IconvToCp932(PageCharset from, const char *pIn, size_t nLen, std::string &out)
{
    const char *name = from == PAGE_CHARSET_UTF8     ? "UTF-8"
                       : from == PAGE_CHARSET_EUC_JP ? "EUC-JP-MS"
                       : from == PAGE_CHARSET_ISO2022JP ? "ISO-2022-JP" : nullptr;
    if (!name)
        return false;
    iconv_t cd = iconv_open("CP932", name);
    if (cd == iconv_t(-1))
        return false;
    out.clear();
    char buffer[4096];
    char *in = const_cast<char *>(pIn);
    size_t left = nLen;
    while (left > 0) {
        char *to = buffer;
        size_t room = sizeof buffer;
        size_t r = iconv(cd, &in, &left, &to, &room);
        out.append(buffer, to - buffer);
        if (r != size_t(-1))
            break;
        if (errno == E2BIG)
            continue;
        // Not convertible or cut short: one "?" for the character.
        out += '?';
        size_t skip = from == PAGE_CHARSET_UTF8 ? Utf8SequenceLength(static_cast<unsigned char>(*in)) : 1;
        if (errno == EINVAL || skip > left)
            skip = left;
        in += skip;
        left -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return true;
}
