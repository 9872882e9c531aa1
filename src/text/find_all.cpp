#include "text/find_all.h"

#include "common/cp932.h"
#include "text/search_core.h"

#include <cstdio>
#include <cstring>

namespace {

inline unsigned char U(char c) { return static_cast<unsigned char>(c); }

// True when the byte at pos starts a character: the run of lead-range bytes
// just before it has even length.
bool IsCharStart(const char *t, size_t pos)
{
    size_t k = 0;
    while (k < pos && cp932::IsLeadByte(U(t[pos - 1 - k])))
        ++k;
    return k % 2 == 0;
}

inline bool IsWordByte(unsigned char b) { return cp932::IsAlnumByte(b) || b == '_'; }

// The identifier around a hit: extended backward and forward over
// single-byte alphanumerics and "_".
void WordAround(const char *t, size_t len, size_t at, size_t hitLen, size_t &from, size_t &to)
{
    from = at;
    while (from > 0 && IsWordByte(U(t[from - 1])) && IsCharStart(t, from - 1))
        --from;
    to = at + hitLen;
    if (to > len)
        to = len;
    while (to < len && IsWordByte(U(t[to])))
        ++to;
}

void SetSnippet(FindHit &h, const char *p, size_t n)
{
    n = cp932::CutOnCharBoundary(p, n, 63);
    std::memcpy(h.szSnippet, p, n);
    h.szSnippet[n] = '\0';
}

} // namespace

/* ChooseFindPrimitive: one byte by character, else plain, isolated or syntax. */
const char *ChooseFindPrimitive(SearchFunction &fn, const char *phrase, int nCurMode, int btSearchMode,
                                int bVarSyntax, char *compiled)
{
    bool bSyntax;
    if (std::strlen(phrase) == 1) {
        fn.Select(nCurMode == 1 ? "strchrExA_Isl" : "strchrExA");
        return phrase;
    }
    if (nCurMode == 1) {
        bSyntax = bVarSyntax == 1 && search::HasSeveralWords(phrase);
        if (!bSyntax) {
            fn.Select("strstrIsl_lang");
            return phrase;
        }
    } else {
        bSyntax = btSearchMode == 2 || (btSearchMode == 1 && search::HasSeveralWords(phrase));
        if (!bSyntax) {
            fn.Select("strstr");
            return phrase;
        }
    }
    search::CompileSyntaxPattern(compiled, search::kSyntaxPatternSize, phrase);
    fn.Select("strstrpatn2");
    return compiled;
}

/* Every hit of the phrase by the primitive the mode asks for. */
int MyFindStringAll(const char *text, size_t len, const char *phrase, int nMode, int nMax, FindAllResult &out)
{
    out.hits.clear();
    out.bCapped = false;
    if (!text || !phrase || !*phrase || len == 0)
        return 0;
    size_t phraseLen = std::strlen(phrase);
    SearchFunction fn;
    char compiled[search::kSyntaxPatternSize];
    const char *pattern = phrase;
    if (nMode == kFindPattern) {
        search::CompileSyntaxPattern(compiled, sizeof compiled, phrase);
        pattern = compiled;
        fn.Select("strstrpatn2");
    } else if (nMode == kFindVariable) {
        fn.Select(phraseLen == 1 ? "strchrExA_Isl" : "strstrIsl_lang");
    } else {
        fn.Select(phraseLen == 1 ? "strchrExA" : "strstr");
    }
    const char *end = text + len;
    for (const char *from = text; from < end;) {
        int nLen = static_cast<int>(phraseLen);
        const char *hit = fn.Call(from, pattern, &nLen, " \r\n\t\v", 0);
        if (!hit || hit >= end)
            break;
        if (nMax > 0 && static_cast<int>(out.hits.size()) >= nMax) {
            out.bCapped = true;
            break;
        }
        FindHit h;
        h.nOffset = static_cast<size_t>(hit - text);
        h.nLen = nLen;
        if (nMode == kFindPattern) {
            SetSnippet(h, hit, static_cast<size_t>(nLen));
        } else {
            size_t a, b;
            WordAround(text, len, h.nOffset, phraseLen, a, b);
            SetSnippet(h, text + a, b - a);
        }
        out.hits.push_back(h);
        from = hit + 1;
    }
    return static_cast<int>(out.hits.size());
}

std::vector<FindRow> BuildFindRows(const char *text, size_t len, const FunctionList &funcs,
                                   const FindAllResult &found)
{
    std::vector<FindRow> rows;
    size_t k = 0, lineAt = 0;
    int line = 1;
    auto addHit = [&](size_t h) {
        const FindHit &hit = found.hits[h];
        for (; lineAt < hit.nOffset && lineAt < len; ++lineAt)
            if (text[lineAt] == '\n')
                ++line;
        char loc[32];
        std::snprintf(loc, sizeof loc, "  LINE  %-8d", line);
        rows.push_back({loc, hit.szSnippet, hit.nOffset, static_cast<int>(h)});
    };
    size_t nHits = found.hits.size();
    size_t firstFunc = funcs.entries.empty() ? static_cast<size_t>(-1) : funcs.entries[0].nOffset;
    while (k < nHits && found.hits[k].nOffset < firstFunc)
        addHit(k++);
    for (size_t f = 0; f < funcs.entries.size(); ++f) {
        size_t next = f + 1 < funcs.entries.size() ? funcs.entries[f + 1].nOffset : static_cast<size_t>(-1);
        bool bHeader = false;
        while (k < nHits && found.hits[k].nOffset < next) {
            if (!bHeader) {
                rows.push_back({funcs.entries[f].szName, " ", funcs.entries[f].nOffset, -1});
                bHeader = true;
            }
            addHit(k++);
        }
    }
    return rows;
}

std::vector<std::string> FindSummaryLines(const char *phrase, int nHits, int nFunctions, int nMode)
{
    char buf[160];
    std::vector<std::string> lines;
    std::snprintf(buf, sizeof buf, "\x94\xed\x8c\x9f\x8d\xf5\x8c\xea:%-.63s", phrase ? phrase : ""); // 被検索語:
    lines.push_back(buf);
    std::snprintf(buf, sizeof buf, "\x91\x8d\x90\x94\x81\x46%-d\x8c\xc2", nHits); // 総数：%d個
    lines.push_back(buf);
    std::snprintf(buf, sizeof buf, "\x8a\xd6\x90\x94\x81\x46%-d\x8c\xc2", nFunctions); // 関数：%d個
    lines.push_back(buf);
    // 検索モード：通常モード / 変数モード / パターンモード
    const char *mode = nMode == kFindNormal     ? "\x92\xca\x8f\xed"
                       : nMode == kFindVariable ? "\x95\xcf\x90\x94"
                                                : "\x83\x70\x83\x5e\x81\x5b\x83\x93";
    std::snprintf(buf, sizeof buf, "\x8c\x9f\x8d\xf5\x83\x82\x81\x5b\x83\x68\x81\x46%s\x83\x82\x81\x5b\x83\x68",
                  mode);
    lines.push_back(buf);
    return lines;
}

int ReplaceCheckedRows(std::string &text, const std::vector<FindRow> &rows, const FindAllResult &found,
                       const std::vector<size_t> &checked, const char *phrase, const char *szReplacement,
                       int nMode, std::vector<TextEdit> *pEdits)
{
    if (!phrase || !szReplacement || !*szReplacement)
        return 0;
    std::string repl(szReplacement, cp932::CutOnCharBoundary(szReplacement, std::strlen(szReplacement), 128));
    size_t phraseLen = std::strlen(phrase);
    long long shift = 0;
    int done = 0;
    size_t prevPos = static_cast<size_t>(-1);
    for (size_t r : checked) {
        if (r >= rows.size())
            continue;
        const FindRow &row = rows[r];
        bool bRepeat = row.nPos == prevPos;
        prevPos = row.nPos;
        if (row.nHit < 0 || bRepeat)
            continue;
        const FindHit &h = found.hits[static_cast<size_t>(row.nHit)];
        size_t selLen = nMode == kFindPattern ? std::strlen(h.szSnippet) : phraseLen;
        long long start = static_cast<long long>(row.nPos) + shift;
        if (start < 0 || static_cast<size_t>(start) > text.size())
            continue;
        std::string sel = text.substr(static_cast<size_t>(start), selLen);
        if (sel != phrase && sel != h.szSnippet)
            continue;
        text.replace(static_cast<size_t>(start), sel.size(), repl);
        if (pEdits)
            pEdits->push_back({static_cast<size_t>(start), sel.size(), repl});
        shift += static_cast<long long>(repl.size()) - static_cast<long long>(sel.size());
        ++done;
    }
    return done;
}
