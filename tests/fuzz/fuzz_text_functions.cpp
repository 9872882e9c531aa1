// Arbitrary bytes through the function enumeration and the lookups on it.
#include "text/function_list.h"

#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    std::string text(reinterpret_cast<const char *>(data), size);
    FunctionList list;
    EnumerateFunctions(text.data(), text.size(), 384, list);
    char name[64];
    for (size_t caret : {size_t(0), size / 2, size})
        CurrentFunctionName(text.size(), list, caret, name, sizeof name);
    for (const FunctionEntry &e : list.entries)
        if (e.nOffset >= e.nEnd || e.nEnd > size || e.nNameLen > std::strlen(e.szName))
            __builtin_trap();
    return 0;
}
