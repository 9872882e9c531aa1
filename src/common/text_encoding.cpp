#include "common/text_encoding.h"

#include "common/cp932_validity.h"

#include <cstring>
#include <strings.h>

namespace {

struct NamedEncoding { const char *name; TextEncoding encoding; bool bom; };
const NamedEncoding kNames[] = {
    {"ascii", TextEncoding::Ascii, false},       {"cp932", TextEncoding::Cp932, false},
    {"utf-8", TextEncoding::Utf8, false},        {"utf-8-bom", TextEncoding::Utf8, true},
    {"utf-16le", TextEncoding::Utf16Le, true},   {"utf-16be", TextEncoding::Utf16Be, true},
    {"euc-jp", TextEncoding::EucJp, false},      {"iso-2022-jp", TextEncoding::Iso2022Jp, false},
    {"shift_jis", TextEncoding::Cp932, false},   {"sjis", TextEncoding::Cp932, false},
    {"utf8", TextEncoding::Utf8, false},         {"utf-16le-nobom", TextEncoding::Utf16Le, false},
    {"utf-16be-nobom", TextEncoding::Utf16Be, false},
};

// Below this many multibyte characters a reading that also decodes another
// way is a guess the user is asked about.
const size_t kSureCharacters = 2;

const char kUtf32Refusal[] =
    "UTF-32 のファイルは開けません。\r\nUTF-8 か UTF-16 で保存し直してください。";

bool Is(const char *data, size_t len, const char *prefix, size_t n)
{
    return len >= n && std::memcmp(data, prefix, n) == 0;
}

/* BOM-less UTF-16: even length, zero bytes on one parity (a few on the other
   from characters like U+4E00 allowed), no zero unit, valid surrogates.
   Returns 1 for little endian, 2 for big endian, 0 for neither. */
int Utf16Pattern(const unsigned char *u, size_t len)
{
    if (len < 2 || len % 2)
        return 0;
    size_t zeroHigh[2] = {0, 0};  // [0]: zero at even offsets, [1]: at odd
    for (size_t i = 0; i < len; i += 2) {
        if (u[i] == 0 && u[i + 1] == 0)
            return 0;
        zeroHigh[0] += u[i] == 0;
        zeroHigh[1] += u[i + 1] == 0;
    }
    // The main parity needs enough zeros that a stray zero byte in CP932
    // text does not make it UTF-16: one unit in 16, or two with none on the
    // other parity.
    auto dominant = [&](size_t main, size_t other) {
        size_t units = len / 2;
        return other * 8 <= main && (main * 16 >= units || (main >= 2 && other == 0));
    };
    int order = 0;
    if (zeroHigh[1] > 0 && dominant(zeroHigh[1], zeroHigh[0]))
        order = 1;
    else if (zeroHigh[0] > 0 && dominant(zeroHigh[0], zeroHigh[1]))
        order = 2;
    if (!order)
        return 0;
    bool pendingHigh = false;
    for (size_t i = 0; i < len; i += 2) {
        unsigned unit = order == 1 ? u[i] | u[i + 1] << 8 : u[i] << 8 | u[i + 1];
        bool high = unit >= 0xD800 && unit <= 0xDBFF, low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (low != pendingHigh || (high && pendingHigh))
            return 0;
        pendingHigh = high;
    }
    return pendingHigh ? 0 : order;
}

bool IsSevenBit(const unsigned char *u, size_t len)
{
    for (size_t i = 0; i < len; ++i)
        if (u[i] >= 0x80)
            return false;
    return true;
}

} // namespace

const char *EncodingName(TextEncoding encoding, bool bom)
{
    switch (encoding) {
    case TextEncoding::Ascii:     return "ascii";
    case TextEncoding::Cp932:     return "cp932";
    case TextEncoding::Utf8:      return bom ? "utf-8-bom" : "utf-8";
    case TextEncoding::Utf16Le:   return "utf-16le";
    case TextEncoding::Utf16Be:   return "utf-16be";
    case TextEncoding::EucJp:     return "euc-jp";
    case TextEncoding::Iso2022Jp: return "iso-2022-jp";
    }
    return "cp932";
}

bool EncodingFromName(const char *name, TextEncoding &encoding, bool &bom)
{
    for (const NamedEncoding &n : kNames)
        if (strcasecmp(name, n.name) == 0) {
            encoding = n.encoding;
            bom = n.bom;
            return true;
        }
    return false;
}

size_t LineAtOffset(const char *data, size_t len, TextEncoding encoding, size_t offset)
{
    const unsigned char *u = reinterpret_cast<const unsigned char *>(data);
    size_t step = 1, low = 0;  // low: offset of the unit's low byte
    if (encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be) {
        step = 2;
        low = encoding == TextEncoding::Utf16Be;
    }
    size_t line = 1;
    for (size_t i = 0; i + step <= len && i < offset; i += step) {
        if (step == 2 && u[i + 1 - low] != 0)
            continue;
        unsigned char c = u[i + low];
        bool crlf = c == '\r' && i + 2 * step <= len && u[i + step + low] == '\n' &&
                    (step == 1 || u[i + step + 1 - low] == 0);
        if (c == '\n' || (c == '\r' && !crlf))
            ++line;
    }
    return line;
}

char32_t DecodeUtf8At(const unsigned char *u, size_t len, size_t i, size_t &n)
{
    unsigned char b = u[i];
    n = 1;
    if (b < 0x80)
        return b;
    size_t need = b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
    if (!need)
        return kBadCodePoint;
    unsigned char lo = 0x80, hi = 0xBF;  // range of the second byte: no overlong form, surrogate or > U+10FFFF
    if (b == 0xE0) lo = 0xA0;
    if (b == 0xED) hi = 0x9F;
    if (b == 0xF0) lo = 0x90;
    if (b == 0xF4) hi = 0x8F;
    char32_t c = b & (0x7F >> need);
    for (size_t k = 1; k < need; ++k) {
        unsigned char t = i + k < len ? u[i + k] : 0;
        if (k == 1 ? (t < lo || t > hi) : (t & 0xC0) != 0x80) {
            n = k;
            return kBadCodePoint;
        }
        c = c << 6 | (t & 0x3F);
    }
    n = need;
    return c;
}

bool IsValidUtf8(const char *data, size_t len, size_t *multibyte)
{
    const unsigned char *u = reinterpret_cast<const unsigned char *>(data);
    size_t count = 0;
    for (size_t i = 0, n = 0; i < len; i += n) {
        if (DecodeUtf8At(u, len, i, n) == kBadCodePoint)
            return false;
        count += n > 1;
    }
    if (multibyte)
        *multibyte = count;
    return true;
}

bool IsValidEucJp(const char *data, size_t len, size_t *characters)
{
    const unsigned char *u = reinterpret_cast<const unsigned char *>(data);
    auto isGraphic = [](unsigned char c) { return c >= 0xA1 && c <= 0xFE; };
    size_t count = 0;
    for (size_t i = 0; i < len;) {
        unsigned char b = u[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        if (b == 0x8E) {
            if (i + 1 >= len || u[i + 1] < 0xA1 || u[i + 1] > 0xDF)
                return false;
            i += 2;
        } else if (b == 0x8F) {
            if (i + 2 >= len || !isGraphic(u[i + 1]) || !isGraphic(u[i + 2]))
                return false;
            i += 3;
        } else if (isGraphic(b)) {
            if (i + 1 >= len || !isGraphic(u[i + 1]))
                return false;
            i += 2;
        } else {
            return false;
        }
        ++count;
    }
    if (characters)
        *characters = count;
    return true;
}

bool LooksIso2022Jp(const char *data, size_t len)
{
    const unsigned char *u = reinterpret_cast<const unsigned char *>(data);
    if (len == 0 || !IsSevenBit(u, len))
        return false;
    for (const char *esc = static_cast<const char *>(std::memchr(data, 0x1B, len)); esc;
         esc = static_cast<const char *>(std::memchr(esc + 1, 0x1B, data + len - esc - 1))) {
        size_t left = data + len - esc;
        if (Is(esc, left, "\x1B$B", 3) || Is(esc, left, "\x1B$@", 3) || Is(esc, left, "\x1B(I", 3) ||
            Is(esc, left, "\x1B(J", 3) || Is(esc, left, "\x1B$(D", 4) || Is(esc, left, "\x1B$(B", 4))
            return true;
    }
    return false;
}

EncodingGuess DetectTextEncoding(const char *data, size_t len)
{
    EncodingGuess g;
    const unsigned char *u = reinterpret_cast<const unsigned char *>(data);
    if (Is(data, len, "\xFF\xFE\0\0", 4) || Is(data, len, "\0\0\xFE\xFF", 4)) {
        g.encoding = TextEncoding::Cp932;
        g.refusal = kUtf32Refusal;
        return g;
    }
    g.bom = true;
    if (Is(data, len, "\xEF\xBB\xBF", 3)) { g.encoding = TextEncoding::Utf8; return g; }
    if (Is(data, len, "\xFF\xFE", 2))     { g.encoding = TextEncoding::Utf16Le; return g; }
    if (Is(data, len, "\xFE\xFF", 2))     { g.encoding = TextEncoding::Utf16Be; return g; }
    g.bom = false;
    if (int order = Utf16Pattern(u, len)) {
        g.encoding = order == 1 ? TextEncoding::Utf16Le : TextEncoding::Utf16Be;
        return g;
    }
    if (IsSevenBit(u, len)) {
        g.encoding = LooksIso2022Jp(data, len) ? TextEncoding::Iso2022Jp : TextEncoding::Ascii;
        return g;
    }
    size_t utf8Count = 0, eucCount = 0;
    bool utf8 = IsValidUtf8(data, len, &utf8Count);
    bool euc = IsValidEucJp(data, len, &eucCount);
    size_t undefined = cp932::FirstUndefined(data, len);
    bool sjis = undefined == len;
    if (utf8) {
        g.encoding = TextEncoding::Utf8;
        g.other = euc ? TextEncoding::EucJp : TextEncoding::Cp932;
        g.unsure = (euc || sjis) && utf8Count < kSureCharacters;
    } else if (euc) {
        g.encoding = TextEncoding::EucJp;
        g.unsure = sjis && eucCount < kSureCharacters;
    } else {
        g.encoding = TextEncoding::Cp932;
        if (!sjis) {
            g.firstInvalid.offset = undefined;
            g.firstInvalid.line = LineAtOffset(data, len, TextEncoding::Cp932, undefined);
        }
    }
    return g;
}
