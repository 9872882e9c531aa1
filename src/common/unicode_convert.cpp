#include "common/unicode_convert.h"

#include "common/cp932.h"
#include "common/cp932_validity.h"

#include <cstdint>
#include <vector>

namespace {

struct TwinPair { char16_t jis, microsoft; };
const TwinPair kTwins[kTwinPairCount] = {
    {0x301C, 0xFF5E}, {0x2016, 0x2225}, {0x2212, 0xFF0D}, {0x00A2, 0xFFE0},
    {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}, {0x2014, 0x2015},
};

/* The code point at in[i] and its length in bytes; kBadCodePoint (length 1 or 2)
   for a sequence that is not valid. */
char32_t NextCodePoint(const unsigned char *u, size_t len, size_t i, TextEncoding encoding, size_t &n)
{
    if (encoding == TextEncoding::Utf8)
        return DecodeUtf8At(u, len, i, n);
    bool le = encoding == TextEncoding::Utf16Le;
    auto unit = [&](size_t at) -> char32_t { return le ? u[at] | u[at + 1] << 8 : u[at] << 8 | u[at + 1]; };
    n = i + 2 <= len ? 2 : 1;
    if (n == 1)
        return kBadCodePoint;
    char32_t c = unit(i);
    if (c >= 0xDC00 && c <= 0xDFFF)
        return kBadCodePoint;
    if (c >= 0xD800 && c <= 0xDBFF) {
        if (i + 4 > len || unit(i + 2) < 0xDC00 || unit(i + 2) > 0xDFFF)
            return kBadCodePoint;
        n = 4;
        return 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
    }
    return c;
}

void AppendUnits(std::u16string &s, char32_t c)
{
    if (c < 0x10000) {
        s += static_cast<char16_t>(c);
    } else {
        s += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        s += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
}

/* Units [from, to) through the codec, unit runs it refuses done one code
   point at a time with "?" for each that has no CP932 form. */
void EncodeRun(const std::u16string &units, const std::vector<uint32_t> &offsets, size_t from, size_t to,
               const Cp932Codec &codec, std::string &out, ConversionReport &report, size_t base, bool split)
{
    size_t mark = out.size();
    if (codec.fromUtf16(units.data() + from, to - from, out))
        return;
    out.resize(mark);
    if (split) {  // line by line first: only the lines with a problem go unit by unit
        for (size_t start = from; start < to;) {
            size_t end = start;
            while (end < to && units[end++] != u'\n') {}
            EncodeRun(units, offsets, start, end, codec, out, report, base, false);
            start = end;
        }
        return;
    }
    for (size_t i = from; i < to;) {
        size_t n = units[i] >= 0xD800 && units[i] <= 0xDBFF && i + 1 < to ? 2 : 1;
        mark = out.size();
        if (!codec.fromUtf16(units.data() + i, n, out)) {
            out.resize(mark);
            out += '?';
            ConversionReport::Note(report.unmappable, report.firstUnmappable, base + offsets[i]);
        }
        i += n;
    }
}

void PutUnit(std::string &out, char16_t unit, TextEncoding encoding)
{
    char lo = static_cast<char>(unit & 0xFF), hi = static_cast<char>(unit >> 8);
    if (encoding == TextEncoding::Utf16Le) {
        out += lo;
        out += hi;
    } else {
        out += hi;
        out += lo;
    }
}

void PutUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

/* UTF-16 units to UTF-8 or UTF-16 bytes, twin pairs in the given forms. */
void PutUnits(const std::u16string &units, TextEncoding encoding, unsigned twinForms, std::string &out)
{
    out.reserve(out.size() + units.size() * (encoding == TextEncoding::Utf8 ? 3 : 2));
    for (size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        for (unsigned k = 0; k < kTwinPairCount; ++k)
            if (c == kTwins[k].microsoft && (twinForms >> k & 1))
                c = kTwins[k].jis;
        if (encoding != TextEncoding::Utf8) {
            PutUnit(out, static_cast<char16_t>(c), encoding);
            continue;
        }
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        PutUtf8(out, c);
    }
}

} // namespace

void UnicodeToCp932(const char *in, size_t len, TextEncoding encoding, const Cp932Codec &codec,
                    std::string &out, ConversionReport &report, unsigned &twinForms, size_t base)
{
    const unsigned char *u = reinterpret_cast<const unsigned char *>(in);
    std::u16string units;
    std::vector<uint32_t> offsets;  // file offset of each unit's character
    units.reserve(len);
    offsets.reserve(len);
    unsigned microsoftForms = 0;
    for (size_t i = 0; i < len;) {
        size_t n = 1;
        char32_t c = NextCodePoint(u, len, i, encoding, n);
        if (c == kBadCodePoint) {
            ConversionReport::Note(report.invalid, report.firstInvalid, base + i);
            c = '?';
        }
        for (unsigned k = 0; k < kTwinPairCount; ++k) {
            if (c == kTwins[k].jis) {
                twinForms |= 1u << k;
                c = kTwins[k].microsoft;
            } else if (c == kTwins[k].microsoft) {
                microsoftForms |= 1u << k;
            }
        }
        AppendUnits(units, c);
        offsets.resize(units.size(), static_cast<uint32_t>(i));
        i += n;
    }
    if (twinForms & microsoftForms)
        report.mixedTwins = true;
    out.reserve(out.size() + units.size() * 2);
    EncodeRun(units, offsets, 0, units.size(), codec, out, report, base, true);
}

bool Cp932ToUnicode(const char *in, size_t len, TextEncoding encoding, unsigned twinForms,
                    const Cp932Codec &codec, std::string &out, SaveProblem &problem)
{
    size_t bad = cp932::FirstUndefined(in, len);
    std::u16string units;
    if (bad == len && !codec.toUtf16(in, len, units))
        bad = 0;
    if (bad != len) {
        problem.kind = SaveProblemKind::InvalidCp932;
        problem.place.offset = bad;
        return false;
    }
    PutUnits(units, encoding, twinForms, out);
    return true;
}

std::string Cp932ToUtf8(const char *in, size_t len, const Cp932Codec &codec)
{
    std::string out;
    std::u16string units;
    for (size_t i = 0; i < len;) {
        size_t bad = i + cp932::FirstUndefined(in + i, len - i);
        units.clear();
        codec.toUtf16(in + i, bad - i, units);
        PutUnits(units, TextEncoding::Utf8, 0, out);
        if (bad == len)
            break;
        out += '?';
        i = bad + cp932::CharLength(in + bad, in + len);
    }
    return out;
}
