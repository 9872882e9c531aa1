// The page converter for sora-tool and the tests: the document converters
// with the C library's iconv as CP932 code-unit mapping (the program hands
// over kernel32's instead).
#pragma once
#include "web/page_charset.h"

// Converts to CP932; a character without a CP932 form, or an invalid byte
// sequence, becomes one "?".
bool IconvToCp932(PageCharset from, const char *pIn, size_t nLen, std::string &out);
