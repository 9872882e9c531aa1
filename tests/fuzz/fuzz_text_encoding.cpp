// Any bytes: detect, open (convert to CP932), and save again. An opening
// that reports itself exact must give the file's bytes back. Pane text
// saved in another encoding (or refused) and opened again obeys the same
// rule; through EUC-JP and ISO-2022-JP (JIS arithmetic) the text itself
// comes back unless it holds an ESC byte of its own.
#include "common/cp932_codec_iconv.h"
#include "common/document_encoding.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    const Cp932Codec &codec = IconvCp932Codec();
    EncodingGuess guess = DetectTextEncoding(bytes, size);
    if (guess.refusal)
        return 0;
    DocumentEncoding doc = DocumentEncodingOf(guess);
    std::string text, back;
    ConversionReport report;
    DecodeDocument(bytes, size, doc, codec, text, report);
    SaveProblem problem;
    if (IsExact(report) &&
        (!EncodeDocument(text.data(), text.size(), doc, codec, back, problem) || back != std::string(bytes, size)))
        std::abort();

    // The pane text saved in an encoding picked by the first byte.
    static const char *const kNames[] = {"utf-8", "utf-8-bom", "utf-16le", "utf-16be-nobom", "euc-jp", "iso-2022-jp"};
    DocumentEncoding target;
    EncodingFromName(kNames[size ? data[0] % 6 : 0], target.encoding, target.bom);
    if (EncodeDocument(text.data(), text.size(), target, codec, back, problem)) {
        std::string again, third;
        DecodeDocument(back.data(), back.size(), target, codec, again, report);
        bool arithmetic = target.encoding == TextEncoding::EucJp ||
                          (target.encoding == TextEncoding::Iso2022Jp && text.find('\x1B') == std::string::npos);
        if (arithmetic && (again != text || !IsExact(report)))
            std::abort();
        if (IsExact(report) &&
            (!EncodeDocument(again.data(), again.size(), target, codec, third, problem) || third != back))
            std::abort();
    }
    return 0;
}
