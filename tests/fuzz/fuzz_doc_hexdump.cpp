// The dump must fill exactly the size it announces for any bytes, the rows
// of any part of them must be the whole dump's at that place, and the go-to
// box's parser must take any text without reading past it.
#include "doc/hexdump_core.h"
#include "doc/viewer_rows_core.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    size_t need = HexDumpSize(size);
    std::vector<char> out(need + 1);
    if (BuildHexDump(data, size, out.data(), out.size()) != need || out[need] != '\0')
        std::abort();

    // The rows from the one the first byte names, as the viewer reads them.
    uint64_t rows = DumpRowCount(size);
    uint64_t first = rows ? data[0] % rows : 0;
    RowSpan span = RowsSpan(size, first, 1 + (size > 1 ? data[1] % 8 : 0));
    std::string part = DumpRowsText(data + span.nReadFrom, span.nBytes, span);
    if (part.compare(0, std::string::npos, out.data() + first * HEXDUMP_LINE_BYTES, part.size()) != 0)
        std::abort();

    std::string text(reinterpret_cast<const char *>(data), size);
    uint64_t offset;
    ParseViewerOffset(text.c_str(), &offset);
    return 0;
}
