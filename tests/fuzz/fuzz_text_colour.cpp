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
    // Crowded lines left plain (a small limit, so that short inputs have
    // them): still ordered runs inside the text, every one of them a part
    // of a run of the scan.
    std::vector<ColourRun> left = scan.runs;
    LeaveCrowdedLinesPlain(text.data(), text.size(), 3, left);
    last = 0;
    size_t k = 0;
    for (const ColourRun &r : left) {
        if (r.nStart < last || r.nEnd <= r.nStart || r.nEnd > size)
            __builtin_trap();
        while (k < scan.runs.size() && scan.runs[k].nEnd < r.nEnd)
            ++k;
        if (k == scan.runs.size() || scan.runs[k].nEnd != r.nEnd || scan.runs[k].nStart > r.nStart ||
            scan.runs[k].rgb != r.rgb)
            __builtin_trap();
        last = r.nEnd;
    }
    return 0;
}
