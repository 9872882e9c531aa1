// A CP932 converter on the C library's iconv, for sora-tool and the tests
// (the program itself converts through the system's code page functions).
#pragma once
#include "web/page_charset.h"

// Converts to CP932; a character without a CP932 form, or an invalid byte
// sequence, becomes one "?".
bool IconvToCp932(PageCharset from, const char *pIn, size_t nLen, std::string &out);
