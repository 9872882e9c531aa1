// Splitting a resource script into tokens.
#include "designer/script_tokens.h"
#include <cctype>
#include <cstring>
#include "common/cp932.h"

namespace {

bool IsWordStart(unsigned char c) { return isalpha(c) || c == '_'; }
bool IsWordByte(unsigned char c) { return isalnum(c) || c == '_'; }

/* Length of the character at p: two bytes for a CP932 double-byte character when reading CP932. */
size_t StepAt(const std::string &s, size_t p, bool cp932)
{
    return cp932 ? cp932::CharLength(s.data() + p, s.data() + s.size()) : 1;
}

/* Length of a line break at p (\n or \r\n), 0 when there is none. */
size_t LineBreakAt(const std::string &s, size_t p)
{
    if (p < s.size() && s[p] == '\n') return 1;
    if (p + 1 < s.size() && s[p] == '\r' && s[p + 1] == '\n') return 2;
    return 0;
}

/* Skips blanks, comments and backslash-newline joins, noting line ends. */
void SkipBlanks(Lexer &lx)
{
    const std::string &s = *lx.text;
    while (lx.pos < s.size()) {
        char c = s[lx.pos];
        if (c == '\n') {
            lx.pos++;
            lx.line++;
            lx.atLineStart = true;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f') {
            lx.pos++;
        } else if (c == '\\' && LineBreakAt(s, lx.pos + 1)) {
            lx.pos += 1 + LineBreakAt(s, lx.pos + 1);
            lx.line++;
        } else if (c == '/' && lx.pos + 1 < s.size() && s[lx.pos + 1] == '/') {
            while (lx.pos < s.size() && s[lx.pos] != '\n')
                lx.pos++;
        } else if (c == '/' && lx.pos + 1 < s.size() && s[lx.pos + 1] == '*') {
            size_t end = s.find("*/", lx.pos + 2);
            end = end == std::string::npos ? s.size() : end + 2;
            for (; lx.pos < end; lx.pos++)
                if (s[lx.pos] == '\n') lx.line++;
        } else
            return;
    }
}

/* Runs over a quoted text from its opening quote; false when the line ends first. */
bool ScanQuoted(Lexer &lx)
{
    const std::string &s = *lx.text;
    size_t p = lx.pos + 1;
    while (p < s.size()) {
        char c = s[p];
        if (c == '\n' || LineBreakAt(s, p) == 2) {
            lx.pos = p;
            return false;
        }
        if (c == '"') {
            if (p + 1 < s.size() && s[p + 1] == '"') { p += 2; continue; }
            lx.pos = p + 1;
            return true;
        }
        if (c == '\\') {
            size_t br = LineBreakAt(s, p + 1);
            if (br) { p += 1 + br; lx.line++; continue; }
            if (p + 1 < s.size() && (s[p + 1] == '\\' || s[p + 1] == '"')) { p += 2; continue; }
            p++;
            continue;
        }
        p += StepAt(s, p, lx.cp932);
    }
    lx.pos = p;
    return false;
}

/* Punctuation of two characters that the expressions of directives use. */
bool IsTwoCharPunct(const char *p)
{
    static const char *const kPairs[] = {"##", "&&", "||", "==", "!=", "<=", ">=", "<<", ">>"};
    for (const char *pair : kPairs)
        if (p[0] == pair[0] && p[1] == pair[1]) return true;
    return false;
}

} // namespace

/* Starts reading a text from its beginning. */
void StartLexer(Lexer &lx, const std::string &text, bool cp932)
{
    lx.text = &text;
    lx.pos = 0;
    lx.line = 1;
    lx.cp932 = cp932;
    lx.atLineStart = true;
}

/* The next word, number, quoted text or punctuation, noting whether it starts a line. */
bool NextRawToken(Lexer &lx, RawToken &t)
{
    SkipBlanks(lx);
    const std::string &s = *lx.text;
    if (lx.pos >= s.size())
        return false;
    t.lineStart = lx.atLineStart;
    lx.atLineStart = false;
    t.off = (uint32_t)lx.pos;
    t.line = lx.line;
    unsigned char c = (unsigned char)s[lx.pos];
    if (c == '"' || (c == 'L' && lx.pos + 1 < s.size() && s[lx.pos + 1] == '"')) {
        if (c == 'L') lx.pos++;
        t.kind = ScanQuoted(lx) ? kTokString : kTokBadString;
    } else if (IsWordStart(c)) {
        t.kind = kTokWord;
        while (lx.pos < s.size() && IsWordByte((unsigned char)s[lx.pos]))
            lx.pos++;
    } else if (isdigit(c) || (c == '.' && lx.pos + 1 < s.size() && isdigit((unsigned char)s[lx.pos + 1]))) {
        t.kind = kTokNumber;
        while (lx.pos < s.size() && (IsWordByte((unsigned char)s[lx.pos]) || s[lx.pos] == '.'))
            lx.pos++;
    } else {
        t.kind = kTokPunct;
        lx.pos += lx.pos + 1 < s.size() && IsTwoCharPunct(s.data() + lx.pos) ? 2 : StepAt(s, lx.pos, lx.cp932);
    }
    t.len = (uint32_t)(lx.pos - t.off);
    return true;
}

/* Letters (and digits) that the resource compiler decodes after a backslash. */
bool IsEscapeLetter(char c)
{
    return c != '\0' && strchr("abfnrtvx01234567", c) != nullptr;
}

/* The text of a quoted token, as the header says. */
std::string QuotedText(const char *p, size_t len, bool cp932)
{
    std::string out;
    size_t i = 0;
    if (i < len && p[i] == 'L') i++;
    if (i < len && p[i] == '"') i++;
    while (i < len) {
        char c = p[i];
        if (c == '"') {
            if (i + 1 < len && p[i + 1] == '"') { out += '"'; i += 2; continue; }
            break; // the closing quote
        }
        if (c == '\\' && i + 1 < len) {
            char n = p[i + 1];
            if (n == '"') { out += '"'; i += 2; continue; }
            if (n == '\n') { i += 2; continue; }
            if (n == '\r' && i + 2 < len && p[i + 2] == '\n') { i += 3; continue; }
            if (n == '\\') {
                // Kept as written before an escape letter or a backslash, so that the
                // writer can tell it from an escape ("c:\\temp" stays no tab).
                bool keep = i + 2 < len && (IsEscapeLetter(p[i + 2]) || p[i + 2] == '\\');
                out.append(keep ? "\\\\" : "\\");
                i += 2;
                continue;
            }
            out += c;
            i++;
            continue;
        }
        size_t n = cp932 ? cp932::CharLength(p + i, p + len) : 1;
        out.append(p + i, n);
        i += n;
    }
    return out;
}
