// sora-tool encoding / to-cp932 / from-cp932: the documents' encoding
// detection and conversions, with iconv as the CP932 code-unit mapping.
#include "cli/cli_command.h"
#include "cli/cli_io.h"
#include "common/cp932_codec_iconv.h"
#include "common/document_encoding.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

/* " at line L byte O" of a place (the byte counted from 1). */
std::string At(const TextPlace &place)
{
    return " at line " + std::to_string(place.line) + " byte " + std::to_string(place.offset + 1);
}

/* The details of a conversion report, each starting with "; ". */
std::string Details(const ConversionReport &r)
{
    std::string d;
    if (r.unmappable)
        d += "; " + std::to_string(r.unmappable) + " characters without a CP932 form, first" + At(r.firstUnmappable);
    if (r.invalid)
        d += "; " + std::to_string(r.invalid) + " invalid sequences, first" + At(r.firstInvalid);
    if (r.mixedTwins)
        d += "; a twin pair written in both forms";
    if (!r.unmappable && !r.invalid && !r.mixedTwins && !r.exact)
        d += "; converting back differs" + At(r.firstDifference);
    return d;
}

/* Reads FILE and its document encoding (detected, or named by --as). */
bool ReadDocument(const char *path, const char *forced, std::string &bytes, DocumentEncoding &doc,
                  EncodingGuess &guess)
{
    if (!ReadWholeFile(path, bytes))
        return false;
    guess = DetectTextEncoding(bytes.data(), bytes.size());
    doc = DocumentEncodingOf(guess);
    return !forced || EncodingFromName(forced, doc.encoding, doc.bom);
}

// Prints per file: NAME<TAB>FILE, then "; "-separated details (unsure,
// first invalid place, characters put as "?", refusal).
int RunEncoding(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: sora-tool encoding FILE...\n");
        return 2;
    }
    int status = 0;
    const Cp932Codec &codec = IconvCp932Codec();
    for (int i = 1; i < argc; ++i) {
        std::string bytes, text;
        DocumentEncoding doc;
        EncodingGuess guess;
        if (!ReadDocument(argv[i], nullptr, bytes, doc, guess)) {
            status = 1;
            continue;
        }
        if (guess.refusal) {
            std::printf("utf-32\t%s\t; refused\n", argv[i]);
            continue;
        }
        std::string details;
        if (guess.unsure)
            details += std::string("; unsure, also ") + EncodingName(guess.other, false);
        ConversionReport report;
        DecodeDocument(bytes.data(), bytes.size(), doc, codec, text, report);
        if (IsRawCp932(doc.encoding) && report.invalid)
            details += "; not valid cp932" + At(report.firstInvalid);
        else
            details += Details(report);
        std::printf("%s\t%s%s%s\n", EncodingName(doc.encoding, doc.bom), argv[i], details.empty() ? "" : "\t",
                    details.c_str());
    }
    return status;
}

// Writes FILE as the pane would hold it (CP932) to stdout; exit 1 when the
// file would not go back unchanged (the reason on stderr).
int RunToCp932(int argc, char **argv)
{
    const char *forced = argc == 4 && !std::strcmp(argv[1], "--as") ? argv[2] : nullptr;
    if (argc != 2 && !forced) {
        std::fprintf(stderr, "usage: sora-tool to-cp932 [--as ENCODING] FILE\n");
        return 2;
    }
    const char *path = argv[argc - 1];
    std::string bytes, text;
    DocumentEncoding doc;
    EncodingGuess guess;
    if (!ReadDocument(path, forced, bytes, doc, guess)) {
        if (forced)
            std::fprintf(stderr, "sora-tool: unknown encoding %s\n", forced);
        return forced ? 2 : 1;
    }
    if (guess.refusal && !forced) {
        std::fprintf(stderr, "sora-tool: %s: UTF-32 is not read\n", path);
        return 1;
    }
    ConversionReport report;
    DecodeDocument(bytes.data(), bytes.size(), doc, IconvCp932Codec(), text, report);
    WriteStdout(text);
    if (IsExact(report))
        return 0;
    std::fprintf(stderr, "sora-tool: %s: %s%s\n", path, EncodingName(doc.encoding, doc.bom), Details(report).c_str());
    return 1;
}

// Writes the CP932 text of FILE in ENCODING to stdout, as a save would.
int RunFromCp932(int argc, char **argv)
{
    DocumentEncoding doc;
    if (argc != 3 || !EncodingFromName(argv[1], doc.encoding, doc.bom)) {
        std::fprintf(stderr, "usage: sora-tool from-cp932 ENCODING FILE\n");
        return 2;
    }
    std::string text, bytes;
    if (!ReadWholeFile(argv[2], text))
        return 1;
    SaveProblem problem;
    if (!EncodeDocument(text.data(), text.size(), doc, IconvCp932Codec(), bytes, problem)) {
        std::fprintf(stderr, "sora-tool: %s: %s%s\n", argv[2],
                     problem.kind == SaveProblemKind::NoForm ? "a character without a form in the encoding"
                                                             : "a sequence that is not valid CP932",
                     At(problem.place).c_str());
        return 1;
    }
    WriteStdout(bytes);
    return 0;
}

} // namespace

SORA_CLI_COMMAND(encoding, "encoding", "encoding FILE...  the encoding found in each file, with details",
                 RunEncoding);
SORA_CLI_COMMAND(to_cp932, "to-cp932", "to-cp932 [--as ENCODING] FILE  FILE as CP932 text, as the editor opens it",
                 RunToCp932);
SORA_CLI_COMMAND(from_cp932, "from-cp932", "from-cp932 ENCODING FILE  CP932 text in ENCODING, as the editor saves it",
                 RunFromCp932);
