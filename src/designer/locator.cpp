// Statement pattern matcher over script text.
#include "designer/locator.h"
#include <cstring>
#include "common/cp932.h"
#include "designer/parser.h"

namespace {

bool IsSep(char c) { return c == ',' || c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '\v'; }
bool IsOperator(char c) { return strchr("|&*/+-", c) != nullptr && c != '\0'; }

/* Skips blanks and line breaks (no comma) from p. */
size_t SkipBlanksFrom(const std::string &s, size_t p)
{
    while (p < s.size() && IsSep(s[p]) && s[p] != ',')
        p++;
    return p;
}

/* Skips one operand: a parenthesised group, NOT and ~ before an operand, or a word or number. */
size_t SkipOperand(const std::string &s, size_t p)
{
    if (p < s.size() && s[p] == '(') {
        int depth = 0;
        for (; p < s.size(); p += cp932::CharLength(s.data() + p, s.data() + s.size())) {
            if (s[p] == '(') depth++;
            else if (s[p] == ')' && --depth == 0) return p + 1;
        }
        return p;
    }
    if (p < s.size() && s[p] == '~')
        return SkipOperand(s, SkipBlanksFrom(s, p + 1));
    size_t start = p;
    while (p < s.size() && !IsSep(s[p]) && !IsOperator(s[p]) && s[p] != '(' && s[p] != ')')
        p += cp932::CharLength(s.data() + p, s.data() + s.size());
    size_t next = SkipBlanksFrom(s, p);
    if (p - start == 3 && s.compare(start, 3, "NOT") == 0 && next > p && next < s.size() && s[next] != ',')
        return SkipOperand(s, next); // NOT takes the next operand, on this line or the next
    return p;
}

/* Skips one argument: a quoted string or an operand chain joined by operators. */
size_t SkipArgument(const std::string &s, size_t p)
{
    if (p < s.size() && s[p] == '"') {
        p++;
        while (p < s.size()) {
            if (s[p] == '"') {
                if (p + 1 < s.size() && s[p + 1] == '"') { p += 2; continue; }
                return p + 1;
            }
            if (s[p] == '\\' && p + 1 < s.size()) { p += 2; continue; }
            p += cp932::CharLength(s.data() + p, s.data() + s.size());
        }
        return s.size();
    }
    for (;;) {
        p = SkipOperand(s, p);
        size_t q = SkipBlanksFrom(s, p); // an expression may go on after a line break with its operator
        if (q < s.size() && IsOperator(s[q])) {
            p = SkipBlanksFrom(s, q + 1);
            continue;
        }
        return p;
    }
}

/* Tries the pattern at one occurrence of its first word; returns the end or npos. */
size_t MatchAt(const std::string &s, size_t p, const std::vector<std::string> &pat)
{
    p += pat[0].size();
    size_t lastEnd = p;
    for (size_t i = 1; i < pat.size(); i++) {
        if (p >= s.size() || !IsSep(s[p]))
            return pat[i] == "*o" ? lastEnd : std::string::npos;
        size_t q = p;
        bool comma = false;
        while (q < s.size() && IsSep(s[q]))
            comma |= s[q++] == ',';
        if (pat[i] == "*o") {
            if (!comma || q >= s.size())
                continue;
            p = SkipArgument(s, q);
        } else if (pat[i] == "*") {
            if (q >= s.size())
                return std::string::npos;
            p = SkipArgument(s, q);
        } else {
            if (s.compare(q, pat[i].size(), pat[i]) != 0)
                return std::string::npos;
            p = q + pat[i].size();
        }
        lastEnd = p;
    }
    return lastEnd;
}

} // namespace

/* First stretch of text matching the pattern. */
TextSpan MatchStatement(const std::string &text, const std::vector<std::string> &pattern)
{
    if (pattern.empty() || pattern[0].empty())
        return {false, 0, 0};
    // Comments are blanks (offsets kept): a statement may run past one, one commented out is none.
    std::string s = BlankComments(text);
    for (size_t p = s.find(pattern[0]); p != std::string::npos; p = s.find(pattern[0], p + 1)) {
        size_t end = MatchAt(s, p, pattern);
        if (end != std::string::npos)
            return {true, p, end - p};
    }
    return {false, 0, 0};
}

/* Locates the statement of a control by its keyword and identifier. */
TextSpan FindControlStatement(const std::string &text, const Ctrldata &rec)
{
    std::string cls = rec.szClass, id = rec.szIdent;
    if (id.empty())
        return {false, 0, 0};
    const char *kw = nullptr;
    if (cls.compare(0, 4, "EDIT") == 0) kw = "EDITTEXT";
    else if (cls.compare(0, 7, "LISTBOX") == 0) kw = "LISTBOX";
    else if (cls.compare(0, 8, "COMBOBOX") == 0) kw = "COMBOBOX";
    else if (cls.compare(0, 9, "SCROLLBAR") == 0) kw = "SCROLLBAR";
    TextSpan t{false, 0, 0};
    if (kw)
        t = MatchStatement(text, {kw, id, "*", "*", "*", "*", "*o", "*o"});
    else if (cls.size() > 7 && (cls.compare(0, 7, "BUTTON_") == 0 || cls.compare(0, 7, "STATIC_") == 0))
        t = MatchStatement(text, {cls.substr(7), "*", id, "*", "*", "*", "*", "*o"});
    if (!t.found)
        t = MatchStatement(text, {"CONTROL", "*", id, "*", "*", "*", "*", "*", "*", "*o"});
    return t;
}
