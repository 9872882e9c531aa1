// A document's encoding as read from its file, and the conversions between
// the file's bytes and the pane's CP932 text that keep an unedited document
// byte for byte: open with DecodeDocument, save with EncodeDocument.
#pragma once
#include "common/cp932_codec.h"
#include "common/jis_convert.h"
#include "common/text_encoding.h"

#include <string>

struct DocumentEncoding {
    TextEncoding encoding = TextEncoding::Cp932;
    bool bom = false;            // the file starts with a byte order mark
    unsigned twinForms = 0;      // UTF-8/16: twin pairs the file wrote in JIS form
    Iso2022Style iso;            // ISO-2022-JP: the file's escape choices
};

// The encoding a detection found, as a document's starting record.
DocumentEncoding DocumentEncodingOf(const EncodingGuess &guess);

// File bytes in doc's encoding (BOM included when doc.bom) to pane text.
// Records the file's twin forms and escapes in doc. Raw CP932 and ASCII
// files are copied; sequences CP932 does not define are reported as
// invalid. Converting back is tried: report.exact tells whether an
// overwrite without an edit would give the same bytes. Lines are filled in.
void DecodeDocument(const char *data, size_t len, DocumentEncoding &doc, const Cp932Codec &codec,
                    std::string &text, ConversionReport &report);

// Pane text to file bytes in doc's encoding (with its BOM). Raw CP932 and
// ASCII documents are written as they are. False, with the place (byte
// offset and line in the pane text), for a sequence that is not valid CP932
// or a character the encoding has no form for.
bool EncodeDocument(const char *text, size_t len, const DocumentEncoding &doc, const Cp932Codec &codec,
                    std::string &bytes, SaveProblem &problem);

// True when the pane holds the file exactly: nothing replaced, no twin pair
// in both forms, and converting back gives the file's bytes.
inline bool IsExact(const ConversionReport &r)
{
    return r.unmappable == 0 && r.invalid == 0 && !r.mixedTwins && r.exact;
}

// Japanese account of what opening found (empty when exact), e.g. the count
// and first place of characters put as "?"; the caller adds its question.
std::string ConversionMessage(const DocumentEncoding &doc, const ConversionReport &report);

// Japanese message refusing a save, naming the place.
std::string SaveProblemMessage(const DocumentEncoding &doc, const SaveProblem &problem);
