// Compilation of search phrases into token lists and the syntax search.
#include "text/search_core.h"

#include "common/cp932.h"

#include <cstring>
#include <string>
#include <vector>

namespace search {

namespace {

inline unsigned char U(char c) { return static_cast<unsigned char>(c); }
inline size_t Step(const char *p)
{
    return (cp932::IsLeadByte(U(*p)) && p[1] != '\0') ? 2 : 1;
}

// End of the word starting at p: up to the next delimiter or the end.
const char *WordEnd(const char *p)
{
    while (*p && !IsDelimiterByte(U(*p)))
        p += Step(p);
    return p;
}

struct Token {
    const char *body;
    size_t len;
    bool bSpace; // must be preceded by whitespace in the text
};

bool IsStar(const Token &t) { return t.len == 1 && t.body[0] == '*'; }

std::vector<Token> SplitTokens(const char *pattern)
{
    std::vector<Token> tokens;
    for (const char *w = pattern; *w; w += std::strlen(w) + 1) {
        bool sp = w[0] == ' ';
        const char *b = w + (sp ? 1 : 0);
        size_t l = std::strlen(b);
        if (l > 0)
            tokens.push_back({b, l, sp});
    }
    return tokens;
}

// Finds body[0, len) inside [from, end); null when absent.
const char *FindWithin(const char *from, const char *end, const char *body, size_t len)
{
    for (const char *p = from; p + len <= end; ++p)
        if (std::memcmp(p, body, len) == 0)
            return p;
    return nullptr;
}

// "*" standing for the rest of the current word; a further token inside the
// word is consumed too. Advances cur and i.
void MatchStarInWord(const std::vector<Token> &t, size_t &i, const char *&cur)
{
    const char *end = WordEnd(cur);
    if (i + 1 < t.size()) {
        const char *q = FindWithin(cur, end, t[i + 1].body, t[i + 1].len);
        if (q) {
            cur = q + t[i + 1].len;
            i += 2;
            return;
        }
    }
    cur = end;
    i += 1;
}

const char *NextSpace(const char *p)
{
    while (*p && !IsSpaceByte(U(*p)))
        p += Step(p);
    return p;
}

// Where "**" stops before the token t.
const char *SkipDoubleStar(const char *cur, const Token &t)
{
    static const char kClose[] = ")}]>", kOpen[] = "({[<";
    unsigned char c = U(t.body[0]);
    if (t.len == 1 && std::strchr(kClose, c)) {
        size_t k = static_cast<size_t>(std::strchr(kClose, c) - kClose);
        return cur + SkipBalanced(cur, kOpen[k], kClose[k], 0);
    }
    if (t.len == 1 && (c == '"' || c == '\'')) {
        const char *q = cur;
        while (*q && *q != static_cast<char>(c) && *q != '\n')
            q += Step(q);
        return q;
    }
    std::string body(t.body, t.len);
    if (IsOperatorByte(c) || IsPunctByte(c))
        return std::strstr(cur, body.c_str());
    const char *q = t.bSpace ? strstrIsl_lang(cur, body.c_str(), nullptr, nullptr, 0)
                             : std::strstr(cur, body.c_str());
    return q ? q : NextSpace(cur);
}

// Matches the tokens from index i on at cur; returns the end or null.
const char *MatchRest(const std::vector<Token> &t, size_t i, const char *cur)
{
    if (i < t.size() && IsStar(t[i]) && !t[i].bSpace && !IsDelimiterByte(U(cur[-1])))
        MatchStarInWord(t, i, cur);
    bool bPlaced = false; // the token was placed by "**"
    while (i < t.size()) {
        const Token &k = t[i];
        if (!bPlaced) {
            if (k.bSpace && !IsSpaceByte(U(*cur)))
                return nullptr;
            cur = SkipSpace(cur);
            if (!*cur)
                return nullptr;
        }
        bPlaced = false;
        if (!IsStar(k)) {
            if (std::strncmp(cur, k.body, k.len) != 0)
                return nullptr;
            cur += k.len;
            ++i;
        } else if (i + 1 < t.size() && IsStar(t[i + 1])) {
            if (i + 2 >= t.size())
                return cur + std::strlen(cur);
            cur = SkipDoubleStar(cur, t[i + 2]);
            if (!cur)
                return nullptr;
            i += 2;
            bPlaced = true;
        } else if (IsOperatorByte(U(*cur))) {
            while (IsOperatorByte(U(*cur)))
                ++cur;
            ++i;
        } else if (IsPunctByte(U(*cur))) {
            ++cur;
            ++i;
        } else {
            MatchStarInWord(t, i, cur);
        }
    }
    return cur;
}

// Appends one token with its optional leading space; false when it does not
// fit with the final terminator.
bool Emit(char *out, size_t cap, size_t &w, const char *p, size_t len, bool &bSpace)
{
    size_t need = (bSpace ? 1 : 0) + len + 1;
    if (w + need + 1 > cap)
        return false;
    if (bSpace)
        out[w++] = ' ';
    std::memcpy(out + w, p, len);
    w += len;
    out[w++] = '\0';
    bSpace = false;
    return true;
}

} // namespace

/* Turns a phrase into tokens; a token that must follow whitespace carries a
   leading space. The output always ends with two zero bytes. */
int CompileSyntaxPattern(char *out, size_t cap, const char *phrase)
{
    if (!out || cap < 2)
        return 0;
    size_t w = 0;
    bool bSpace = false;
    int ok = 1;
    const char *p = SkipSpace(phrase ? phrase : "");
    while (*p) {
        const char *s = p;
        if (IsOperatorByte(U(*p))) {
            while (IsOperatorByte(U(*p)))
                ++p;
        } else if (IsSpaceByte(U(*p))) {
            p = SkipSpace(p);
            if (IsOperatorByte(U(*p)))
                bSpace = true;
            continue;
        } else if (IsPunctByte(U(*p))) {
            ++p;
            if (!Emit(out, cap, w, s, 1, bSpace)) {
                ok = 0;
                break;
            }
            if (*s != '*')
                p = SkipSpace(p);
            s = nullptr;
        } else {
            p = WordEnd(p);
            if (!Emit(out, cap, w, s, static_cast<size_t>(p - s), bSpace)) {
                ok = 0;
                break;
            }
            s = nullptr;
            const char *r = SkipSpace(p);
            if (r > p && (*r == '\0' || !IsDelimiterByte(U(*r)))) {
                bSpace = true;
                p = r;
            }
        }
        if (s && !Emit(out, cap, w, s, static_cast<size_t>(p - s), bSpace)) {
            ok = 0;
            break;
        }
        if (IsSpaceByte(U(*p))) {
            p = SkipSpace(p);
            if (*p == '*' || !(IsOperatorByte(U(*p)) || IsPunctByte(U(*p))))
                bSpace = true;
        }
    }
    out[w] = '\0';
    if (w + 1 < cap)
        out[w + 1] = '\0';
    else if (w > 0)
        out[w - 1] = '\0';
    return ok;
}

/* Syntax search over a compiled pattern; reports the matched length. */
const char *strstrpatn2(const char *text, const char *pattern, int *pnLen, const char *, int)
{
    if (!text || !pattern)
        return nullptr;
    std::vector<Token> t = SplitTokens(pattern);
    if (t.empty())
        return nullptr;
    size_t i0 = (IsStar(t[0]) && t.size() > 1) ? 1 : 0;
    std::string first(t[i0].body, t[i0].len);
    for (const char *from = text;;) {
        const char *hit = std::strstr(from, first.c_str());
        if (!hit)
            return nullptr;
        const char *end = MatchRest(t, i0 + 1, hit + t[i0].len);
        if (end) {
            if (pnLen)
                *pnLen = static_cast<int>(end - hit);
            return hit;
        }
        from = hit + 1;
    }
}

} // namespace search
