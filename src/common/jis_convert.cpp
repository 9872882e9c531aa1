#include "common/jis_convert.h"

#include "common/cp932.h"
#include "common/cp932_validity.h"

namespace {

const unsigned kUserRowsFirst = 0x75;  // JIS row 85: the user-defined rows 85-94
const unsigned kUserRowShift = 10;     // ...sit where Shift-JIS rows 95-104 (0xF0-0xF4) are

bool IsJisByte(unsigned char c) { return c >= 0x21 && c <= 0x7E; }

/* The single-byte set an ISO-2022-JP writer is in. */
enum class IsoMode { SingleByte, Kanji, Kana, Supplement };

/* Checks one CP932 character at in[i] for writing as JIS; sets problem and
   returns 0 when it cannot be, else its length (1 or 2). */
size_t CheckCp932Char(const unsigned char *u, size_t len, size_t i, unsigned &j1, unsigned &j2, SaveProblem &problem)
{
    if (!cp932::IsLeadByte(u[i])) {
        if (cp932::IsDefinedSingle(u[i]))
            return 1;
        problem.kind = SaveProblemKind::InvalidCp932;
    } else if (i + 1 >= len || !cp932::IsDefinedPair(u[i], u[i + 1])) {
        problem.kind = SaveProblemKind::InvalidCp932;
    } else if (Cp932ToJis(u[i], u[i + 1], j1, j2)) {
        return 2;
    } else {
        problem.kind = SaveProblemKind::NoForm;
    }
    problem.place.offset = i;
    return 0;
}

/* PutQuestionMark: "?" in place of what cannot be read or has no CP932
   form, counted at its offset in the file. */
void PutQuestionMark(std::string &out, size_t &count, TextPlace &first, size_t offset)
{
    ConversionReport::Note(count, first, offset);
    out += '?';
}

/* AppendJisPair: the CP932 pair of a JIS character, or "?" counted as a
   character without a CP932 form. */
void AppendJisPair(std::string &out, bool mapped, unsigned char s1, unsigned char s2, ConversionReport &report,
                   size_t offset)
{
    if (!mapped) {
        PutQuestionMark(out, report.unmappable, report.firstUnmappable, offset);
        return;
    }
    out += static_cast<char>(s1);
    out += static_cast<char>(s2);
}

} // namespace

bool JisToCp932(unsigned j1, unsigned j2, unsigned char &s1, unsigned char &s2)
{
    if (j1 >= kUserRowsFirst)
        j1 += kUserRowShift;
    s1 = static_cast<unsigned char>(((j1 + 1) >> 1) + (j1 <= 0x5E ? 0x70 : 0xB0));
    s2 = static_cast<unsigned char>(j2 + ((j1 & 1) ? (j2 < 0x60 ? 0x1F : 0x20) : 0x7E));
    return cp932::IsDefinedPair(s1, s2);
}

bool Cp932ToJis(unsigned char s1, unsigned char s2, unsigned &j1, unsigned &j2)
{
    bool user = s1 >= 0xF0 && s1 <= 0xF4;
    if (!((s1 >= 0x81 && s1 <= 0x9F) || (s1 >= 0xE0 && s1 <= 0xEA) || user) || !cp932::IsTrailByte(s2))
        return false;
    unsigned even = (s1 <= 0x9F ? s1 - 0x70 : s1 - 0xB0) * 2;
    if (s2 < 0x9F) {
        j1 = even - 1;
        j2 = s2 - (s2 >= 0x80 ? 0x20 : 0x1F);
    } else {
        j1 = even;
        j2 = s2 - 0x7E;
    }
    if (user)
        j1 -= kUserRowShift;
    return true;
}

void EucJpToCp932(const char *in, size_t len, std::string &out, ConversionReport &report, size_t base)
{
    const unsigned char *u = reinterpret_cast<const unsigned char *>(in);
    auto isGraphic = [](unsigned char c) { return c >= 0xA1 && c <= 0xFE; };
    out.reserve(out.size() + len);
    for (size_t i = 0; i < len;) {
        unsigned char b = u[i];
        unsigned char s1, s2;
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
        } else if (b == 0x8E && i + 1 < len && u[i + 1] >= 0xA1 && u[i + 1] <= 0xDF) {
            out += static_cast<char>(u[i + 1]);
            i += 2;
        } else if (b == 0x8F && i + 2 < len && isGraphic(u[i + 1]) && isGraphic(u[i + 2])) {
            PutQuestionMark(out, report.unmappable, report.firstUnmappable, base + i);
            i += 3;
        } else if (isGraphic(b) && i + 1 < len && isGraphic(u[i + 1])) {
            bool mapped = JisToCp932(b - 0x80, u[i + 1] - 0x80, s1, s2);
            AppendJisPair(out, mapped, s1, s2, report, base + i);
            i += 2;
        } else {
            PutQuestionMark(out, report.invalid, report.firstInvalid, base + i);
            ++i;
        }
    }
}

bool Cp932ToEucJp(const char *in, size_t len, std::string &out, SaveProblem &problem)
{
    const unsigned char *u = reinterpret_cast<const unsigned char *>(in);
    out.reserve(out.size() + len);
    for (size_t i = 0; i < len;) {
        unsigned j1 = 0, j2 = 0;
        size_t n = CheckCp932Char(u, len, i, j1, j2, problem);
        if (n == 0)
            return false;
        if (n == 2) {
            out += static_cast<char>(j1 + 0x80);
            out += static_cast<char>(j2 + 0x80);
        } else {
            if (u[i] >= 0xA1 && u[i] <= 0xDF)
                out += '\x8E';
            out += static_cast<char>(u[i]);
        }
        i += n;
    }
    return true;
}

void Iso2022JpToCp932(const char *in, size_t len, std::string &out, ConversionReport &report,
                      Iso2022Style &style, size_t base)
{
    const unsigned char *u = reinterpret_cast<const unsigned char *>(in);
    IsoMode mode = IsoMode::SingleByte;
    bool sawKanji = false, sawRoman = false;
    out.reserve(out.size() + len);
    for (size_t i = 0; i < len;) {
        unsigned char b = u[i];
        if (b == 0x1B && i + 2 < len) {
            unsigned char c1 = u[i + 1], c2 = u[i + 2];
            unsigned char c3 = i + 3 < len ? u[i + 3] : 0;
            size_t n = 3;
            IsoMode next = mode;
            if (c1 == '(' && (c2 == 'B' || c2 == 'J')) {
                next = IsoMode::SingleByte;
                if (!sawRoman)
                    style.romanFinal = static_cast<char>(c2);
                sawRoman = true;
            } else if (c1 == '(' && c2 == 'I') {
                next = IsoMode::Kana;
            } else if (c1 == '$' && (c2 == 'B' || c2 == '@')) {
                next = IsoMode::Kanji;
                if (!sawKanji)
                    style.kanjiFinal = static_cast<char>(c2);
                sawKanji = true;
            } else if (c1 == '$' && c2 == '(' && (c3 == 'D' || c3 == 'B')) {
                next = c3 == 'D' ? IsoMode::Supplement : IsoMode::Kanji;
                n = 4;
            } else {
                n = 0;  // not a designation: the byte is kept as it is
            }
            if (n) {
                mode = next;
                i += n;
                continue;
            }
        }
        if (b <= 0x20 || b >= 0x7F || mode == IsoMode::SingleByte) {
            if (b >= 0x80) {
                PutQuestionMark(out, report.invalid, report.firstInvalid, base + i);
            } else {
                out += static_cast<char>(b);
            }
            ++i;
        } else if (mode == IsoMode::Kana) {
            if (b <= 0x5F) {
                out += static_cast<char>(b + 0x80);
            } else {
                PutQuestionMark(out, report.invalid, report.firstInvalid, base + i);
            }
            ++i;
        } else if (i + 1 < len && IsJisByte(u[i + 1])) {
            unsigned char s1, s2;
            bool mapped = mode == IsoMode::Kanji && JisToCp932(b, u[i + 1], s1, s2);
            AppendJisPair(out, mapped, s1, s2, report, base + i);
            i += 2;
        } else {
            PutQuestionMark(out, report.invalid, report.firstInvalid, base + i);
            ++i;
        }
    }
    style.resetAtEnd = mode == IsoMode::SingleByte;
}

bool Cp932ToIso2022Jp(const char *in, size_t len, const Iso2022Style &style, std::string &out,
                      SaveProblem &problem)
{
    const unsigned char *u = reinterpret_cast<const unsigned char *>(in);
    const char roman[] = {'\x1B', '(', style.romanFinal, 0};
    const char kanji[] = {'\x1B', '$', style.kanjiFinal, 0};
    IsoMode mode = IsoMode::SingleByte;
    auto enter = [&](IsoMode m, const char *escape) {
        if (mode != m)
            out += escape;
        mode = m;
    };
    out.reserve(out.size() + len + len / 4);
    for (size_t i = 0; i < len;) {
        unsigned j1 = 0, j2 = 0;
        size_t n = CheckCp932Char(u, len, i, j1, j2, problem);
        if (n == 0)
            return false;
        if (n == 2) {
            enter(IsoMode::Kanji, kanji);
            out += static_cast<char>(j1);
            out += static_cast<char>(j2);
        } else if (u[i] >= 0xA1 && u[i] <= 0xDF) {
            enter(IsoMode::Kana, "\x1B(I");
            out += static_cast<char>(u[i] - 0x80);
        } else {
            enter(IsoMode::SingleByte, roman);
            out += static_cast<char>(u[i]);
        }
        i += n;
    }
    if (style.resetAtEnd)
        enter(IsoMode::SingleByte, roman);
    return true;
}
