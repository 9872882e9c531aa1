// The dump must fill exactly the size it announces for any bytes.
#include "doc/hexdump_core.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    size_t need = HexDumpSize(size);
    std::vector<char> out(need + 1);
    if (BuildHexDump(data, size, out.data(), out.size()) != need || out[need] != '\0')
        std::abort();
    return 0;
}
