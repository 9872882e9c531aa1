// Fuzz target: the preprocessor of a resource script alone, then the written text of token
// ranges and an expression read from every token.
#include <cstddef>
#include <cstdint>
#include <string>
#include "designer/script_eval.h"
#include "designer/script_preprocess.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > (64 << 10))
        return 0;
    std::string text(reinterpret_cast<const char *>(data), size);
    ScriptOptions options; // no folder: includes are not found
    options.textIsCp932 = size & 1; // the pane's reading, which keeps CP932 under any pragma
    Preprocessed pp;
    Preprocess(text, options, pp);
    for (size_t i = 0; i < pp.tokens.size() && i < 4096; i++) {
        EvalResult e = EvalExpression(pp, pp.tokens, i, (int)(i % 5), NameValues());
        WrittenText(pp, i, e.end > i ? e.end : i + 1);
        PlaceOf(pp, pp.tokens[i]);
        if (pp.tokens[i].kind == kTokString || pp.tokens[i].kind == kTokBadString) {
            std::string_view s = pp.Spell(pp.tokens[i]);
            QuotedText(s.data(), s.size(), pp.tokens[i].cp932);
        }
    }
    return 0;
}
