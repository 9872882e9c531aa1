#include "text/search_core.h"

#include "common/cp932.h"

#include <cstring>
#include <string>
#include <vector>

namespace search {

namespace {

// Bytes of the character at p (a lead byte before the terminator counts one).
inline size_t Step(const char *p)
{
    return (cp932::IsLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') ? 2 : 1;
}

inline unsigned char U(char c) { return static_cast<unsigned char>(c); }

// First character start at or after text holding byte c, or null.
const char *FindByteAtCharStart(const char *text, char c)
{
    for (const char *p = text; *p; p += Step(p))
        if (*p == c)
            return p;
    return nullptr;
}

// Isolation test when the character before the hit is already known:
// prevIdent tells whether it was an identifier character.
bool IsolatedAfter(const char *hit, size_t wordLen, const char *szExtra)
{
    unsigned char after = U(hit[wordLen]);
    return after == 0 || !IsIdentByte(after, szExtra);
}

// First isolated occurrence of word (wordLen > 0) starting at a character.
const char *FindIsolated(const char *text, const char *word, size_t wordLen, const char *szExtra)
{
    bool prevIdent = false;
    for (const char *p = text; *p;) {
        size_t n = Step(p);
        if (!prevIdent && std::strncmp(p, word, wordLen) == 0 && IsolatedAfter(p, wordLen, szExtra))
            return p;
        prevIdent = (n == 1) && IsIdentByte(U(*p), szExtra);
        p += n;
    }
    return nullptr;
}

} // namespace

bool IsSpaceByte(unsigned char b) { return b == ' ' || b == '\r' || b == '\n' || b == '\t' || b == '\v'; }
bool IsOperatorByte(unsigned char b) { return b != 0 && std::strchr("+-=<>%&|!", b) != nullptr; }
bool IsPunctByte(unsigned char b) { return b != 0 && std::strchr("(){}[]*/.,:;~?", b) != nullptr; }
bool IsDelimiterByte(unsigned char b) { return IsSpaceByte(b) || IsOperatorByte(b) || IsPunctByte(b); }
bool InSet(unsigned char b, const char *szSet) { return b != 0 && szSet && std::strchr(szSet, b) != nullptr; }
bool IsIdentByte(unsigned char b, const char *szExtra) { return cp932::IsAlnumByte(b) || InSet(b, szExtra); }

/* Plain byte-wise occurrence; an empty pattern never matches. */
const char *strstr(const char *text, const char *pattern, int *, const char *, int)
{
    if (!text || !pattern || !*pattern)
        return nullptr;
    return std::strstr(text, pattern);
}

/* First occurrence of the pattern's first byte that starts a character. */
const char *strchrExA(const char *text, const char *pattern, int *, const char *, int)
{
    if (!text || !pattern || !*pattern)
        return nullptr;
    return FindByteAtCharStart(text, *pattern);
}

/* As strchrExA, and the byte must stand alone between non-identifiers. */
const char *strchrExA_Isl(const char *text, const char *pattern, int *, const char *, int)
{
    if (!text || !pattern || !*pattern)
        return nullptr;
    return FindIsolated(text, pattern, 1, "_");
}

/* First isolated occurrence of the whole pattern. */
const char *strstrIsl_lang(const char *text, const char *pattern, int *, const char *, int)
{
    if (!text || !pattern || !*pattern)
        return nullptr;
    return FindIsolated(text, pattern, std::strlen(pattern), "_");
}

/* Words of a multi-string in order, separated by runs of szExtra bytes. */
const char *strstrpatn(const char *text, const char *pattern, int *pnLen, const char *szExtra, int)
{
    if (!text || !pattern || !*pattern)
        return nullptr;
    const char *sep = szExtra ? szExtra : " \r\n\t\v";
    size_t firstLen = std::strlen(pattern);
    for (const char *from = text;;) {
        const char *hit = std::strstr(from, pattern);
        if (!hit)
            return nullptr;
        const char *word = pattern + firstLen + 1;
        if (!*word)
            return hit;
        const char *cur = hit + firstLen;
        bool ok = true;
        for (; *word; word += std::strlen(word) + 1) {
            size_t wl = std::strlen(word);
            int tl = 0;
            const char *tok = InSet(U(*cur), sep) ? GetToken(cur, &tl, "", sep) : nullptr;
            if (!tok || std::strncmp(tok, word, wl) != 0) {
                ok = false;
                break;
            }
            cur = tok + wl;
        }
        if (ok) {
            if (pnLen)
                *pnLen = static_cast<int>(cur - hit);
            return hit;
        }
        from = hit + 1;
    }
}

/* Pieces of the pattern (separator runs and the stretches between them) in
   order, whitespace allowed between them in the text. */
const char *strstrNoName(const char *text, const char *pattern, int *pnLen, const char *, int)
{
    if (!text || !pattern || !*pattern)
        return nullptr;
    static const char kSep[] = "+-*/%!=&|(){}[]<>;?:'~^.,";
    std::vector<std::string::size_type> starts, lens;
    for (size_t i = 0; pattern[i];) {
        bool sep = InSet(U(pattern[i]), kSep);
        size_t j = i;
        while (pattern[j] && InSet(U(pattern[j]), kSep) == sep)
            ++j;
        starts.push_back(i);
        lens.push_back(j - i);
        i = j;
    }
    std::string first(pattern + starts[0], lens[0]);
    for (const char *from = text;;) {
        const char *hit = std::strstr(from, first.c_str());
        if (!hit)
            return nullptr;
        const char *cur = hit + lens[0];
        bool ok = true;
        for (size_t k = 1; k < starts.size() && ok; ++k) {
            int tl = 0;
            const char *tok = GetToken(cur, &tl, "", " \r\n\t\v");
            ok = tok && std::strncmp(tok, pattern + starts[k], lens[k]) == 0;
            if (ok)
                cur = tok + lens[k];
        }
        if (ok) {
            if (pnLen)
                *pnLen = static_cast<int>(cur - hit);
            return hit;
        }
        from = hit + 1;
    }
}

/* Whether the word at hit is isolated; 0 also when it does not stand there. */
int strstrIsl_langIsStrIsolated(const char *textStart, const char *hit, const char *word, const char *szExtra)
{
    size_t wl = std::strlen(word);
    if (!hit || wl == 0 || std::strncmp(hit, word, wl) != 0)
        return 0;
    if (hit > textStart) {
        size_t prev = cp932::PrevCharOffset(textStart, static_cast<size_t>(hit - textStart));
        const char *pc = textStart + prev;
        if (hit - pc == 1 && IsIdentByte(U(*pc), szExtra))
            return 0;
    }
    return IsolatedAfter(hit, wl, szExtra) ? 1 : 0;
}

/* Case-insensitive occurrence; ASCII letters fold, double-byte characters
   compare exactly. */
const char *stristr(const char *text, const char *pattern)
{
    if (!text || !pattern || !*pattern)
        return nullptr;
    auto fold = [](unsigned char b) { return (b >= 'A' && b <= 'Z') ? b + 32 : b; };
    for (const char *p = text; *p; p += Step(p)) {
        size_t i = 0;
        while (pattern[i] && p[i]) {
            size_t n = Step(pattern + i);
            if (n == 2) {
                if (p[i] != pattern[i] || p[i + 1] != pattern[i + 1])
                    break;
            } else if (fold(U(p[i])) != fold(U(pattern[i]))) {
                break;
            }
            i += n;
        }
        if (!pattern[i])
            return p;
    }
    return nullptr;
}

/* Bytes from an opening double quote through its literal (and any literal
   continuing it after whitespace or backslashes); stops at a line end. */
size_t SkipStringLiteral(const char *quote)
{
    const char *p = quote + 1;
    for (;;) {
        if (*p == '\0' || *p == '\r' || *p == '\n')
            return static_cast<size_t>(p - quote);
        if (*p == '\\' && p[1] != '\0') {
            p += 1 + Step(p + 1);
            continue;
        }
        if (*p == '"') {
            ++p;
            const char *r = p;
            while (IsSpaceByte(U(*r)) || *r == '\\')
                ++r;
            if (*r != '"')
                return static_cast<size_t>(p - quote);
            p = r + 1;
            continue;
        }
        p += Step(p);
    }
}

/* Offset of the close byte that ends the level opened before text. */
size_t SkipBalanced(const char *text, char open, char close, int depth)
{
    int count = depth + 1;
    const char *last = text;
    for (const char *p = text; *p;) {
        if (*p == '"' && (p == text || p[-1] != '\\')) {
            last = p;
            p += SkipStringLiteral(p);
            continue;
        }
        if (*p == open)
            ++count;
        else if (*p == close && --count == 0)
            return static_cast<size_t>(p - text);
        last = p;
        p += Step(p);
    }
    return static_cast<size_t>(last - text);
}

const char *FindCharPair(const char *text, char first, char second, int *pnLen)
{
    const char *p = FindByteAtCharStart(text, first);
    if (!p)
        return nullptr;
    const char *q = FindByteAtCharStart(p + 1, second);
    if (pnLen)
        *pnLen = q ? static_cast<int>(q - p + 1) : 0;
    return p;
}

const char *GetIdentifierToken(const char *pos, int *pnLen, const char *szExtra, const char *szSkip)
{
    while (InSet(U(*pos), szSkip))
        ++pos;
    const char *e = pos;
    while (*e && IsIdentByte(U(*e), szExtra))
        ++e;
    if (e == pos)
        return nullptr;
    if (pnLen)
        *pnLen = static_cast<int>(e - pos);
    return pos;
}

const char *GetToken(const char *pos, int *pnLen, const char *szStop, const char *szSkip)
{
    while (InSet(U(*pos), szSkip))
        ++pos;
    if (!*pos)
        return nullptr;
    const char *e;
    if (*pos == '"') {
        const char *q = FindByteAtCharStart(pos + 1, '"');
        e = q ? q + 1 : pos + std::strlen(pos);
    } else {
        e = pos;
        while (*e && !InSet(U(*e), szSkip) && !InSet(U(*e), szStop))
            e += Step(e);
    }
    if (pnLen)
        *pnLen = e == pos ? 1 : static_cast<int>(e - pos);
    return pos;
}

const char *GetTokenBackward(const char *textStart, const char *end, int *pnLen, const char *szStop,
                             const char *szSkip)
{
    const char *p = end;
    while (p > textStart && InSet(U(p[-1]), szSkip))
        --p;
    const char *e = p;
    while (p > textStart && !InSet(U(p[-1]), szSkip) && !InSet(U(p[-1]), szStop))
        --p;
    if (e == p) {
        if (pnLen)
            *pnLen = 1;
        return e > textStart ? e - 1 : textStart;
    }
    if (pnLen)
        *pnLen = static_cast<int>(e - p);
    return p;
}

const char *StartsWithAfterSpace(const char *pos, const char *word, const char *szSkip)
{
    while (InSet(U(*pos), szSkip))
        ++pos;
    if (!*pos)
        return nullptr;
    return std::strncmp(pos, word, std::strlen(word)) == 0 ? pos : nullptr;
}

int FindFirstOfWords(const char *text, const char *words, const char **ppPos)
{
    for (const char *p = text; *p; p += Step(p)) {
        int k = 1;
        for (const char *w = words; *w; w += std::strlen(w) + 1, ++k) {
            if (std::strncmp(p, w, std::strlen(w)) == 0) {
                if (ppPos)
                    *ppPos = p;
                return k;
            }
        }
    }
    if (ppPos)
        *ppPos = nullptr;
    return 0;
}

const char *SkipSpace(const char *pos)
{
    while (IsSpaceByte(U(*pos)))
        ++pos;
    return pos;
}

bool HasSeveralWords(const char *phrase)
{
    const char *p = SkipSpace(phrase);
    for (; *p; ++p)
        if (IsSpaceByte(U(*p)) && p[1] && !IsSpaceByte(U(p[1])))
            return true;
    return false;
}

size_t MultiStringLength(const char *words)
{
    const char *p = words;
    while (*p)
        p += std::strlen(p) + 1;
    return static_cast<size_t>(p - words) + 1;
}

} // namespace search

/* Chooses a primitive by its exact name; unknown names leave it unchanged. */
int SearchFunction::Select(const char *szName)
{
    static const struct {
        const char *name;
        search::SearchProc proc;
    } kTable[] = {
        {"strstr", search::strstr},           {"strchrExA", search::strchrExA},
        {"strstrpatn", search::strstrpatn},   {"strchrExA_Isl", search::strchrExA_Isl},
        {"strstrIsl_lang", search::strstrIsl_lang}, {"strstrNoName", search::strstrNoName},
        {"strstrpatn2", search::strstrpatn2},
    };
    if (!szName)
        return 0;
    for (const auto &e : kTable)
        if (std::strcmp(e.name, szName) == 0) {
            m_proc = e.proc;
            return 1;
        }
    return 0;
}

/* Runs the chosen primitive; with none chosen nothing is found. */
const char *SearchFunction::Call(const char *text, const char *pattern, int *pnLen, const char *szExtra,
                                 int reserved) const
{
    return m_proc ? m_proc(text, pattern, pnLen, szExtra, reserved) : nullptr;
}
