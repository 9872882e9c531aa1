// Arbitrary phrases compiled into syntax patterns and searched in arbitrary text.
#include "text/search_core.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    // First line: the phrase; the rest: the text.
    std::string all(reinterpret_cast<const char *>(data), size);
    size_t cut = all.find('\n');
    std::string phrase = all.substr(0, cut), text = cut == std::string::npos ? "" : all.substr(cut + 1);
    char pattern[search::kSyntaxPatternSize];
    search::CompileSyntaxPattern(pattern, sizeof pattern, phrase.c_str());
    int len = 0;
    const char *hit = search::strstrpatn2(text.c_str(), pattern, &len, " ", 0);
    if (hit && (hit < text.c_str() || hit + len > text.c_str() + text.size()))
        __builtin_trap();
    for (const char *name : {"strchrExA", "strchrExA_Isl", "strstrIsl_lang", "strstrNoName"}) {
        SearchFunction fn;
        fn.Select(name);
        fn.Call(text.c_str(), phrase.c_str(), &len, " ", 0);
    }
    search::SkipBalanced(text.c_str(), '(', ')', 0);
    return 0;
}
