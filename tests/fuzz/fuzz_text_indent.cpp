// Arbitrary bytes through the indentation (stable when run twice) and spacing.
#include "text/indent.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    std::string text(reinterpret_cast<const char *>(data), size), once, twice, spaced;
    IndentOptions opt;
    if (IndentText(text.data(), text.size(), opt, once) && IndentText(once.data(), once.size(), opt, twice) &&
        once != twice)
        __builtin_trap();
    SpaceParentheses(text.data(), text.size(), spaced);
    return 0;
}
