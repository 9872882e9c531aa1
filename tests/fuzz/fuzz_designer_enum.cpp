// Fuzz target: listing the dialogs of a script, then reading, rewriting the header and the block of each.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>
#include "designer/enumerate.h"
#include "designer/header.h"
#include "designer/parser.h"
#include "designer/update.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > (1 << 20))
        return 0;
    std::string text(reinterpret_cast<const char *>(data), size);
    std::vector<DialogExtent> list;
    bool bad = false;
    EnumerateDialogs(text, list, &bad);
    std::string defs = DefineLines(text);
    for (const DialogExtent &d : list) {
        std::vector<ParsedDialog> parsed;
        std::string error;
        if (!ParseDialogs(defs + d.header + d.body, parsed, error) || parsed.empty())
            continue;
        WriteDialogHeader(d.header, parsed[0].dlg, parsed[0].dlg);
        std::vector<Ctrldata> now = parsed[0].controls;
        if (!now.empty())
            now[0].left += 1;
        UpdateDialogScript(d.body, now, parsed[0].controls, "IDC_", 100);
    }
    return 0;
}
