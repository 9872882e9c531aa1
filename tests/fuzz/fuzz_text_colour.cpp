// Arbitrary bytes through the colouring scan: runs stay ordered and inside the text.
#include "text/colour_scan.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    std::string text(reinterpret_cast<const char *>(data), size);
    ColourScan scan;
    ScanColours(text.data(), text.size(), 0, scan);
    size_t last = 0;
    for (const ColourRun &r : scan.runs) {
        if (r.nStart < last || r.nEnd <= r.nStart || r.nEnd > size)
            __builtin_trap();
        last = r.nEnd;
    }
    return 0;
}
