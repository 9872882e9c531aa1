#include "web/iconv_converter.h"

#include "common/cp932_codec_iconv.h"

bool IconvToCp932(PageCharset from, const char *pIn, size_t nLen, std::string &out)
{
    return PageToCp932(from, pIn, nLen, IconvCp932Codec(), out);
}
