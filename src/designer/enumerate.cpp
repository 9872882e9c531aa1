// Listing the DIALOG and DIALOGEX resources of a script.
#include "designer/enumerate.h"
#include <cctype>
#include "common/cp932.h"
#include "designer/parser.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
bool IsNameChar(char c) { return isalnum((unsigned char)c) || c == '_'; }

/* Next whole word at or after p, outside quoted strings; word gets it. */
size_t NextWord(const std::string &s, size_t p, std::string &word)
{
    while (p < s.size()) {
        char c = s[p];
        if (c == '"') {
            p++;
            while (p < s.size() && s[p] != '"' && s[p] != '\n')
                p += cp932::CharLength(s.data() + p, s.data() + s.size());
            p++;
            continue;
        }
        if (c == '{' || c == '}') {
            word.assign(1, c);
            return p;
        }
        if (IsNameChar(c) && (p == 0 || !IsNameChar(s[p - 1]))) {
            size_t e = p;
            while (e < s.size() && IsNameChar(s[e])) e++;
            word = s.substr(p, e - p);
            return p;
        }
        p += cp932::CharLength(s.data() + p, s.data() + s.size());
    }
    return std::string::npos;
}

} // namespace

int EnumerateDialogs(const std::string &text, std::vector<DialogExtent> &out, bool *badScript)
{
    if (badScript) *badScript = false;
    std::string s = BlankComments(text);
    std::string w;
    for (size_t p = NextWord(s, 0, w); p != std::string::npos && (int)out.size() < kMaxListedDialogs;
         p = NextWord(s, p + w.size(), w)) {
        if (w != "DIALOG" && w != "DIALOGEX")
            continue;
        // The name is the word before the keyword, separated by blanks only.
        size_t b = p;
        while (b > 0 && IsBlank(s[b - 1])) b--;
        size_t a = b;
        while (a > 0 && !IsBlank(s[a - 1])) a--;
        if (a == b) {
            if (badScript) *badScript = true;
            return 0;
        }
        if (b == p || (p + w.size() < s.size() && !IsBlank(s[p + w.size()])))
            continue;
        bool plain = true;
        for (size_t i = a; i < b; i++)
            plain = plain && IsNameChar(s[i]);
        if (!plain)
            continue;
        // BEGIN (or {) and its matching END (or }).
        std::string v;
        size_t q = NextWord(s, p + w.size(), v);
        while (q != std::string::npos && v != "BEGIN" && v != "{")
            q = NextWord(s, q + v.size(), v);
        if (q == std::string::npos)
            break;
        size_t beginPos = q;
        int depth = 0;
        size_t endPos = std::string::npos;
        for (; q != std::string::npos; q = NextWord(s, q + v.size(), v)) {
            if (v == "BEGIN" || v == "{") depth++;
            else if (v == "END" || v == "}") {
                if (--depth == 0) {
                    endPos = q + v.size();
                    break;
                }
            }
        }
        if (endPos == std::string::npos)
            break;
        DialogExtent d;
        d.name = s.substr(a, b - a);
        d.headerStart = a;
        d.bodyStart = beginPos;
        d.bodyEnd = endPos;
        d.header = text.substr(a, beginPos - a);
        d.body = text.substr(beginPos, endPos - beginPos);
        out.push_back(std::move(d));
        p = endPos;
        w.clear();
    }
    return (int)out.size();
}

std::string DefineLines(const std::string &text)
{
    std::string s = BlankComments(text), out;
    for (size_t p = 0; p < s.size();) {
        size_t eol = s.find('\n', p);
        if (eol == std::string::npos) eol = s.size();
        size_t q = p;
        while (q < eol && (s[q] == ' ' || s[q] == '\t')) q++;
        if (s.compare(q, 7, "#define") == 0)
            out += s.substr(q, eol - q) + "\n";
        p = eol + 1;
    }
    return out;
}
