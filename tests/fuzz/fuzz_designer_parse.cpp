// Fuzz target: dialog script reading (the preprocessor with an included file made of the
// input's second half), then template building, writing and statement finding for every dialog.
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
    if (size > (64 << 10))
        return 0;
    std::string text(reinterpret_cast<const char *>(data), size);
    std::string included = text.substr(size / 2);
    ScriptOptions options;
    options.folder = "f/";
    options.load = [&included](const std::string &, std::string &out) {
        out = included;
        return true;
    };
    ScriptReading reading = ReadDialogScript(text, options);
    for (const ScriptNote &n : reading.notes)
        NoteMessage(n);
    for (const ParsedDialog &d : reading.dialogs) {
        StopMessage(d);
        std::vector<uint8_t> bytes;
        BuildPreviewTemplate(d.dlg, d.controls, Cp932ToUtf16Iconv, bytes);
        std::string emitted = EmitDialog(d.dlg, d.controls);
        for (const Ctrldata &c : d.controls)
            FindControlStatement(text, c);
    }
    return 0;
}
