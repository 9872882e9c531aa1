// Character set of a fetched page and its conversion to CP932. The
// conversion is the document converters' (common/document_encoding.h):
// EUC-JP and ISO-2022-JP by JIS arithmetic, UTF-8 through a CP932 code-unit
// mapping the caller hands over (kernel32 in the program, iconv in sora-tool
// and the tests); characters without a CP932 form become "?".
#pragma once
#include "common/cp932_codec.h"

#include <cstddef>
#include <functional>
#include <string>

enum PageCharset {
    PAGE_CHARSET_UNKNOWN,    // taken as CP932
    PAGE_CHARSET_SHIFT_JIS,  // CP932 already
    PAGE_CHARSET_UTF8,
    PAGE_CHARSET_EUC_JP,
    PAGE_CHARSET_ISO2022JP,
    PAGE_CHARSET_OTHER       // left as it is
};

// Converts nLen bytes in the given charset to CP932 into out; false when it
// cannot convert that charset.
using Cp932Converter =
    std::function<bool(PageCharset from, const char *pIn, size_t nLen, std::string &out)>;

// Converts a UTF-8, EUC-JP or ISO-2022-JP page to CP932 with the document
// converters; false for the other charsets.
bool PageToCp932(PageCharset from, const char *pIn, size_t nLen, const Cp932Codec &codec, std::string &out);

// The charset a name (as in Content-Type or a meta tag) stands for.
PageCharset CharsetFromName(const char *szName);

// The page's charset: the reply header's charset when it names one, else a
// UTF-8 byte order mark, else the first meta tag naming a charset.
PageCharset DetectPageCharset(const char *szHeaderCharset, const char *pPage, size_t nLen);

// The page in CP932 into out: converted for UTF-8, EUC-JP and ISO-2022-JP
// (a UTF-8 byte order mark dropped), copied otherwise or when the converter
// refuses. Returns 1 when converted, 0 when copied.
int ConvertPageToCp932(PageCharset charset, const char *pPage, size_t nLen,
                       const Cp932Converter &convert, std::string &out);
