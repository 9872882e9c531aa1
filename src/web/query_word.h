// The search word in the charset its entry sends it in. The conversion
// lives apart from the cores: the program converts through the system's
// code pages (web/win/query_word_win.cpp), sora-tool and the tests through
// iconv (query_word_iconv.cpp).
#pragma once
#include "web/search_entry.h"

#include <string>

// Converts the CP932 word into out in the charset to; a byte sequence that
// is no CP932 character is left out. Returns false when the conversion
// itself is not available.
bool ConvertSearchWord(const char *szCp932, QueryCharset to, std::string &out);
