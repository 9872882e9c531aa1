// Fuzz target: dialog script reading, then template building and writing for every dialog read.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>
#include "designer/locator.h"
#include "designer/parser.h"
#include "designer/template.h"
#include "designer/wide_iconv.h"
#include "designer/writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > (1 << 20))
        return 0;
    std::string text(reinterpret_cast<const char *>(data), size);
    std::vector<ParsedDialog> dialogs;
    std::string error;
    ParseDialogs(text, dialogs, error);
    for (const ParsedDialog &d : dialogs) {
        std::vector<uint8_t> bytes;
        BuildPreviewTemplate(d.dlg, d.controls, Cp932ToUtf16Iconv, bytes);
        std::string emitted = EmitDialog(d.dlg, d.controls);
        for (const Ctrldata &c : d.controls)
            FindControlStatement(text, c);
    }
    return 0;
}
