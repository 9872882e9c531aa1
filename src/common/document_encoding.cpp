#include "common/document_encoding.h"

#include "common/cp932.h"
#include "common/cp932_validity.h"
#include "common/unicode_convert.h"

#include <cstring>

namespace {

size_t BomLength(const DocumentEncoding &doc)
{
    if (!doc.bom)
        return 0;
    if (doc.encoding == TextEncoding::Utf8)
        return 3;
    return doc.encoding == TextEncoding::Utf16Le || doc.encoding == TextEncoding::Utf16Be ? 2 : 0;
}

const char *Bom(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 ? "\xEF\xBB\xBF" : encoding == TextEncoding::Utf16Le ? "\xFF\xFE" : "\xFE\xFF";
}

void FillLine(TextPlace &place, const char *data, size_t len, TextEncoding encoding)
{
    if (place.Found())
        place.line = LineAtOffset(data, len, encoding, place.offset);
}

/* "12 行目（NNN バイト目）" for a place. */
std::string PlaceText(const TextPlace &place)
{
    return std::to_string(place.line) + " 行目（" + std::to_string(place.offset + 1) + " バイト目）";
}

} // namespace

DocumentEncoding DocumentEncodingOf(const EncodingGuess &guess)
{
    DocumentEncoding doc;
    doc.encoding = guess.encoding;
    doc.bom = guess.bom;
    return doc;
}

void DecodeDocument(const char *data, size_t len, DocumentEncoding &doc, const Cp932Codec &codec,
                    std::string &text, ConversionReport &report)
{
    report = ConversionReport();
    text.clear();
    size_t bom = BomLength(doc);
    if (bom > len || (bom && std::memcmp(data, Bom(doc.encoding), bom) != 0))
        doc.bom = false, bom = 0;
    const char *body = data + bom;
    size_t bodyLen = len - bom;
    switch (doc.encoding) {
    case TextEncoding::Ascii:
    case TextEncoding::Cp932:
        text.assign(data, len);
        for (size_t i = cp932::FirstUndefined(data, len); i < len;) {
            ConversionReport::Note(report.invalid, report.firstInvalid, i);
            i += cp932::CharLength(data + i, data + len);
            i += cp932::FirstUndefined(data + i, len - i);
        }
        report.exact = report.invalid == 0;
        break;
    case TextEncoding::EucJp:
        EucJpToCp932(body, bodyLen, text, report, bom);
        break;
    case TextEncoding::Iso2022Jp:
        doc.iso = Iso2022Style();
        Iso2022JpToCp932(body, bodyLen, text, report, doc.iso, bom);
        break;
    case TextEncoding::Utf8:
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        doc.twinForms = 0;
        UnicodeToCp932(body, bodyLen, doc.encoding, codec, text, report, doc.twinForms, bom);
        break;
    }
    if (!IsRawCp932(doc.encoding)) {
        std::string back;
        SaveProblem problem;
        bool encoded = EncodeDocument(text.data(), text.size(), doc, codec, back, problem);
        report.exact = encoded && back.size() == len && std::memcmp(back.data(), data, len) == 0;
        if (!report.exact) {
            size_t i = 0;
            while (encoded && i < len && i < back.size() && back[i] == data[i])
                ++i;
            report.firstDifference.offset = i;
        }
    }
    FillLine(report.firstUnmappable, data, len, doc.encoding);
    FillLine(report.firstInvalid, data, len, doc.encoding);
    FillLine(report.firstDifference, data, len, doc.encoding);
}

bool EncodeDocument(const char *text, size_t len, const DocumentEncoding &doc, const Cp932Codec &codec,
                    std::string &bytes, SaveProblem &problem)
{
    problem = SaveProblem();
    bytes.clear();
    size_t bom = BomLength(doc);
    if (bom)
        bytes.assign(Bom(doc.encoding), bom);
    bool done = true;
    switch (doc.encoding) {
    case TextEncoding::Ascii:
    case TextEncoding::Cp932:
        bytes.assign(text, len);
        break;
    case TextEncoding::EucJp:
        done = Cp932ToEucJp(text, len, bytes, problem);
        break;
    case TextEncoding::Iso2022Jp:
        done = Cp932ToIso2022Jp(text, len, doc.iso, bytes, problem);
        break;
    case TextEncoding::Utf8:
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        done = Cp932ToUnicode(text, len, doc.encoding, doc.twinForms, codec, bytes, problem);
        break;
    }
    if (!done) {
        bytes.clear();
        FillLine(problem.place, text, len, TextEncoding::Cp932);
    }
    return done;
}

std::string ConversionMessage(const DocumentEncoding &doc, const ConversionReport &report)
{
    std::string m;
    const std::string name = EncodingName(doc.encoding, doc.bom);
    if (IsRawCp932(doc.encoding)) {
        if (report.invalid)
            m = "Shift-JIS として正しくないバイト列が " + std::to_string(report.invalid) + " 箇所あります。\r\n最初は " +
                PlaceText(report.firstInvalid) + " です。\r\nこのまま上書きするとファイルが変わるため、上書きはできません。";
        return m;
    }
    if (report.unmappable)
        m += "Shift-JIS で表せない文字が " + std::to_string(report.unmappable) + " 個あります（最初は " +
             PlaceText(report.firstUnmappable) + "）。\r\n";
    if (report.invalid)
        m += name + " として正しくないバイト列が " + std::to_string(report.invalid) + " 箇所あります（最初は " +
             PlaceText(report.firstInvalid) + "）。\r\n";
    if (report.mixedTwins)
        m += "〜と～のように、同じ文字の二つの形が混ざっています。\r\n";
    if (!m.empty())
        m += "それらは「?」などに置き換わり、上書きはできません。";
    else if (!report.exact)
        m = name + " に戻すと元のファイルと " + PlaceText(report.firstDifference) +
            " から違ってしまうため、上書きはできません。";
    return m;
}

std::string SaveProblemMessage(const DocumentEncoding &doc, const SaveProblem &problem)
{
    const std::string name = EncodingName(doc.encoding, doc.bom);
    if (problem.kind == SaveProblemKind::InvalidCp932)
        return PlaceText(problem.place) + "に Shift-JIS として正しくないバイト列があるため、" + name +
               " で保存できません。";
    if (problem.kind == SaveProblemKind::NoForm)
        return PlaceText(problem.place) + "の文字は " + name + " で表せないため、保存できません。";
    return std::string();
}
