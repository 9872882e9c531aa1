#include "web/query_word.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

bool ConvertSearchWord(const char *szCp932, QueryCharset to, std::string &out)
{
    out.clear();
    if (to == QUERY_CP932) {
        out = szCp932;
        return true;
    }
    iconv_t cd = iconv_open(to == QUERY_EUC_JP ? "EUC-JP-MS" : "UTF-8", "CP932");
    if (cd == iconv_t(-1))
        return false;
    char *in = const_cast<char *>(szCp932);
    size_t left = std::strlen(szCp932);
    char buffer[1024];
    while (left > 0) {
        char *at = buffer;
        size_t room = sizeof buffer;
        size_t r = iconv(cd, &in, &left, &at, &room);
        out.append(buffer, at - buffer);
        if (r != size_t(-1) || errno == E2BIG)
            continue;
        ++in;  // not a CP932 character: left out
        --left;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return true;
}
