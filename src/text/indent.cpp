#include "text/indent.h"

#include "common/cp932.h"
#include "text/quoted_literal.h"

namespace {

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

struct IndentState {
    const char *t;
    size_t len;
    std::string &out;
    int nCur, nNext;
    bool bChanged = false;
    size_t nLineStart = 0;
    bool bAfterComment = false; // the line continues a block comment's last line
};

// Emits the line [nLineStart, end) with its leading blanks replaced by the
// current indent, then starts the next line at end.
void EmitLine(IndentState &s, size_t end)
{
    size_t p = s.nLineStart;
    while (!s.bAfterComment && p < end && IsBlank(s.t[p]))
        ++p;
    bool bContent = !s.bAfterComment && p < end && s.t[p] != '\r' && s.t[p] != '\n';
    s.bAfterComment = false;
    if (bContent && s.nCur > 0)
        s.out.append(static_cast<size_t>(s.nCur), ' ');
    s.out.append(s.t + p, end - p);
    if (s.bChanged) {
        s.nCur = s.nNext;
        s.bChanged = false;
    }
    s.nLineStart = end;
}

} // namespace

/* Line by line: an open character raises the next line's indent, a close
   character lowers its own line's. Literals and comments do not count. */
int IndentText(const char *t, size_t len, const IndentOptions &opt, std::string &out)
{
    out.clear();
    IndentState s{t, len, out, opt.nInitial, opt.nInitial};
    size_t limit = 3 * len + 65536;
    size_t charEnd = 0;
    for (size_t i = 0; i < len;) {
        if (out.size() > limit) {
            out.clear();
            return 0;
        }
        if (i < charEnd) { // trail byte
            ++i;
            continue;
        }
        charEnd = i + cp932::CharLength(t + i, t + len);
        char c = t[i];
        if (c == '\n') {
            EmitLine(s, i + 1);
            ++i;
        } else if (c == '"' || c == '\'') {
            i = SkipQuotedLiteral(t, len, i); // a line end is handled above
            charEnd = i;
        } else if (c == '/' && i + 1 < len && t[i + 1] == '/') {
            while (i < len && t[i] != '\n')
                ++i;
            charEnd = i;
        } else if (c == '/' && i + 1 < len && t[i + 1] == '*') {
            size_t e = i + 2;
            while (e + 1 < len && !(t[e] == '*' && t[e + 1] == '/'))
                ++e;
            e = e + 1 < len ? e + 2 : len;
            out.append(t + s.nLineStart, e - s.nLineStart);
            s.nLineStart = e;
            s.bAfterComment = true;
            i = charEnd = e;
        } else {
            if (c == opt.chOpen) {
                s.nNext += opt.nStep;
                s.bChanged = true;
            } else if (c == opt.chClose) {
                s.nNext -= opt.nStep;
                s.nCur = s.nNext;
                s.bChanged = true;
            }
            ++i;
        }
    }
    if (s.nLineStart < len)
        EmitLine(s, len);
    if (out.size() > limit) {
        out.clear();
        return 0;
    }
    return 1;
}

void SpaceParentheses(const char *t, size_t len, std::string &out)
{
    out.clear();
    out.reserve(len + len / 4);
    auto quiet = [](char c) { return c == ' ' || c == '(' || c == ')' || c == '\t' || c == '\n' || c == '\v' || c == '\r'; };
    for (size_t i = 0; i < len;) {
        size_t n = cp932::CharLength(t + i, t + len);
        char c = t[i];
        if (n == 2) {
            out.append(t + i, 2);
            i += 2;
            continue;
        }
        if (c == '"' || c == '\'') { // literal copied as it stands
            size_t p = SkipQuotedLiteral(t, len, i);
            out.append(t + i, p - i);
            i = p;
            continue;
        }
        if (c == ')' && !out.empty() && !quiet(out.back()))
            out.push_back(' ');
        out.push_back(c);
        ++i;
        if ((c == '(' || c == ')' || c == ',') && i < len && !quiet(t[i]))
            out.push_back(' ');
    }
}

/* FindChangedLines: the whole lines the two texts share at their start and at their end. */
ChangedLines FindChangedLines(const std::string &from, const std::string &to)
{
    size_t shorter = from.size() < to.size() ? from.size() : to.size();
    size_t head = 0;
    while (head < shorter && from[head] == to[head])
        ++head;
    size_t tail = 0;
    while (tail < shorter - head && from[from.size() - 1 - tail] == to[to.size() - 1 - tail])
        ++tail;
    ChangedLines c;
    // The head ends after its last line feed; the tail starts after its first one.
    size_t lf = head ? from.rfind('\n', head - 1) : std::string::npos;
    c.head = lf == std::string::npos ? 0 : lf + 1;
    if (head == from.size() && head == to.size())
        c.head = head; // the same text
    size_t tailStart = from.size() - tail;
    size_t first = tail ? from.find('\n', tailStart) : std::string::npos;
    c.tail = first == std::string::npos ? 0 : from.size() - (first + 1);
    return c;
}
