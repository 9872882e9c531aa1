// Arbitrary bytes coloured by the scan, written as RTF in slices of whole
// lines: read back, every slice is one whole document and together they give
// the same bytes with each run's colour.
#include "app/pane_stream_core.h"
#include "text/colour_rtf.h"

#include "../text/rtf_test_reader.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    if (size == 0)
        return 0;
    size_t target = 1 + data[0] % 64;
    std::string text(reinterpret_cast<const char *>(data) + 1, size - 1);
    ColourScan scan;
    ScanColours(text.data(), text.size(), 0, scan);
    std::vector<uint32_t> want(text.size(), kRtfAutoColour);
    for (const ColourRun &r : scan.runs)
        for (size_t i = r.nStart; i < r.nEnd; ++i)
            want[i] = r.rgb;
    std::string bytes;
    std::vector<uint32_t> colours;
    for (size_t at = 0; at < text.size();) {
        size_t n = NextLineSlice(text.data() + at, text.size() - at, target);
        if (n == 0)
            __builtin_trap();
        std::string rtf;
        WriteColourRtf(text.data(), at, at + n, scan.runs, kRtfAutoColour, rtf);
        RtfReadBack back = ReadColourRtf(rtf);
        if (!back.error.empty())
            __builtin_trap();
        bytes += back.bytes;
        colours.insert(colours.end(), back.colours.begin(), back.colours.end());
        at += n;
    }
    if (bytes != text)
        __builtin_trap();
    // A colour change inside a double-byte character waits for its end, so
    // only the second byte of such a character may differ.
    for (size_t i = 0; i < text.size(); ++i)
        if (colours[i] != want[i] && !(i > 0 && colours[i] == colours[i - 1]))
            __builtin_trap();
    return 0;
}
