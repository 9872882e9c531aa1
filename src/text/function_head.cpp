#include "text/function_head.h"

#include "common/cp932.h"
#include "text/quoted_literal.h"

#include <cstring>

namespace {

inline unsigned char U(char c) { return static_cast<unsigned char>(c); }

inline bool IsWordByte(unsigned char b)
{
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '_' || b == '$' ||
           cp932::IsLeadByte(b);
}

inline bool IsDigit(unsigned char b) { return b >= '0' && b <= '9'; }

/* True when s[0, n) is one of the words of the list. */
bool InList(const char *s, size_t n, const char *const *list)
{
    for (; *list; ++list)
        if (**list == *s && std::strncmp(*list, s, n) == 0 && (*list)[n] == '\0')
            return true;
    return false;
}

// Words that are never the name of a function when "(" follows them.
const char *const kNotNames[] = {
    "if", "while", "for", "switch", "catch", "return", "sizeof", "alignof", "_Alignof", "decltype", "typeof",
    "__typeof__", "__typeof", "static_assert", "_Static_assert", "__attribute__", "__attribute", "__declspec",
    "alignas", "_Alignas", "noexcept", "throw", "void", "int", "char", "short", "long", "unsigned", "signed",
    "float", "double", "bool", "auto", "const", "volatile", "static", "extern", "inline", "virtual", "explicit",
    "register", "struct", "class", "union", "enum", "typename", "template", "new", "delete", "case", "do", "else",
    "goto", "using", "namespace", "typedef", "asm", "__asm__", "__asm", "requires", "co_return", "co_await",
    "co_yield", "default", "defined", "__pragma", "_Pragma", "operator", nullptr};

// Words whose parenthesised argument holds no declarator.
const char *const kOpaqueCalls[] = {"sizeof", "alignof", "_Alignof", "decltype", "typeof", "__typeof__", "__typeof",
                                    "static_assert", "_Static_assert", "__attribute__", "__attribute", "__declspec",
                                    "alignas", "_Alignas", "noexcept", "throw", "__asm__", "asm", "__asm",
                                    "__pragma", "_Pragma", nullptr};

// Words followed by a parenthesised argument that annotate a declaration.
const char *const kAnnotationCalls[] = {"__attribute__", "__attribute", "__declspec", "alignas", "_Alignas",
                                         "decltype",     "__asm__",     "asm",        "__asm",   nullptr};

// Words that may stand between a parameter list and the body.
const char *const kTailWords[] = {"const",      "volatile",   "mutable",    "override",         "final",
                                  "constexpr",  "consteval",  "__restrict", "__restrict__",     "restrict",
                                  "try",        "transaction_safe",         "transaction_safe_dynamic", nullptr};

const char *const kClassKeys[] = {"class", "struct", "union", "__interface", nullptr};

/* An upper-case macro word: capitals, digits and underscores, one capital at least. */
bool IsMacroWord(const char *s, size_t n)
{
    bool bCapital = false;
    for (size_t k = 0; k < n; ++k) {
        unsigned char b = U(s[k]);
        if (b >= 'A' && b <= 'Z')
            bCapital = true;
        else if (!(b == '_' || IsDigit(b)))
            return false;
    }
    return bCapital && n >= 2;
}

} // namespace

/* True when t[from, to) holds blanks only. */
bool HeadReader::IsEmpty(const char *t, size_t from, size_t to)
{
    for (size_t k = from; k < to; ++k)
        if (!(t[k] == ' ' || t[k] == '\t' || t[k] == '\r' || t[k] == '\n' || t[k] == '\f' || t[k] == '\v'))
            return false;
    return true;
}

/* Splits t[from, to) into words, literals and punctuation, and pairs the brackets. */
void HeadReader::Tokenize(const char *t, size_t from, size_t to)
{
    t_ = t;
    toks_.clear();
    size_t i = from;
    while (i < to) {
        unsigned char b = U(t[i]);
        if (b <= ' ' || b == 0x7f) {
            ++i;
            continue;
        }
        if (b == '\\' && (i + 1 < to && (t[i + 1] == '\n' || (t[i + 1] == '\r' && i + 2 < to && t[i + 2] == '\n')))) {
            ++i; // a line continued
            continue;
        }
        HeadToken tok{i, i + 1, static_cast<char>(b)};
        if (IsWordByte(b)) {
            bool bNumber = IsDigit(b);
            size_t e = i;
            while (e < to) {
                unsigned char c = U(t[e]);
                if (IsWordByte(c))
                    e += cp932::CharLength(t + e, t + to);
                else if (bNumber && c == '\'' && e + 1 < to && IsWordByte(U(t[e + 1])))
                    ++e; // digit separator
                else
                    break;
            }
            tok.to = e > to ? to : e;
            tok.kind = 'i';
        } else if (b == '"' || b == '\'') {
            size_t e = b == '"' ? SkipRawStringLiteral(t, to, i) : i;
            e = e != i ? e : SkipQuotedLiteral(t, to, i);
            tok.to = e > i ? e : i + 1;
            tok.kind = 's';
        } else if (i + 1 < to && ((b == ':' && t[i + 1] == ':') || (b == '-' && t[i + 1] == '>') ||
                                  (b == '&' && t[i + 1] == '&'))) {
            tok.to = i + 2;
        } else if (b == '.' && i + 2 < to && t[i + 1] == '.' && t[i + 2] == '.') {
            tok.to = i + 3;
        }
        toks_.push_back(tok);
        i = tok.to;
    }
    mate_.assign(toks_.size(), toks_.size());
    std::vector<size_t> open;
    for (size_t k = 0; k < toks_.size(); ++k) {
        char c = toks_[k].kind;
        if (c == '(' || c == '[') {
            open.push_back(k);
        } else if ((c == ')' || c == ']') && !open.empty()) {
            size_t o = open.back();
            if ((c == ')') != (toks_[o].kind == '('))
                continue;
            open.pop_back();
            mate_[o] = k;
            mate_[k] = o;
        }
    }
}

/* True when token k is the word. */
bool HeadReader::Is(size_t k, const char *word) const
{
    if (k >= toks_.size() || toks_[k].kind != 'i')
        return false;
    size_t n = toks_[k].to - toks_[k].from;
    return std::strlen(word) == n && std::memcmp(t_ + toks_[k].from, word, n) == 0;
}

/* True when token k is the punctuation p. */
bool HeadReader::IsPunct(size_t k, const char *p) const
{
    if (k >= toks_.size() || toks_[k].kind == 'i' || toks_[k].kind == 's')
        return false;
    size_t n = toks_[k].to - toks_[k].from;
    return std::strlen(p) == n && std::memcmp(t_ + toks_[k].from, p, n) == 0;
}

/* From an "operator" word at k: the "(" that opens its parameters. */
bool HeadReader::OperatorName(size_t k, size_t &open) const
{
    size_t n = toks_.size(), m = k + 1;
    if (m >= n)
        return false;
    if (IsPunct(m, "(") && IsPunct(m + 1, ")") && IsPunct(m + 2, "(")) {
        m += 2;
    } else if (Is(m, "new") || Is(m, "delete")) {
        ++m;
        if (IsPunct(m, "[") && IsPunct(m + 1, "]"))
            m += 2;
    } else if (toks_[m].kind == 's') {
        ++m;
        if (m < n && toks_[m].kind == 'i')
            ++m;
    } else if (toks_[m].kind != 'i') {
        while (m < n && toks_[m].kind != 'i' && toks_[m].kind != 's' && !IsPunct(m, "("))
            ++m;
    } else { // conversion: the type runs to the "(" outside template arguments
        int angle = 0;
        while (m < n && !(angle == 0 && IsPunct(m, "("))) {
            if (IsPunct(m, "<"))
                ++angle;
            else if (IsPunct(m, ">") && angle > 0)
                --angle;
            else if (IsPunct(m, "(") && mate_[m] < n)
                m = mate_[m];
            ++m;
        }
    }
    open = m;
    return m < n && IsPunct(m, "(") && mate_[m] < n;
}

/* True when the tokens from k to the end may follow a declarator's
   parameter list: closing parentheses of the declarator, qualifiers,
   annotations, a trailing return type or a constructor's initialisers. */
bool HeadReader::ValidTail(size_t k, int depth) const
{
    size_t n = toks_.size();
    bool bGroupOk = false; // after a declarator's ")": "(...)" or "[...]" of the type
    while (k < n) {
        const HeadToken &tok = toks_[k];
        if (IsPunct(k, ")") && depth > 0) {
            --depth;
            ++k;
            bGroupOk = true;
            continue;
        }
        if (bGroupOk && (IsPunct(k, "(") || IsPunct(k, "[")) && mate_[k] < n) {
            k = mate_[k] + 1;
            continue;
        }
        bGroupOk = false;
        if (depth > 0)
            return false;
        if (tok.kind == 'i') {
            const char *w = t_ + tok.from;
            size_t len = tok.to - tok.from;
            bool bCall = k + 1 < n && IsPunct(k + 1, "(") && mate_[k + 1] < n;
            if (Is(k, "noexcept") || Is(k, "throw")) {
                k = bCall ? mate_[k + 1] + 1 : k + 1;
            } else if (InList(w, len, kTailWords)) {
                ++k;
            } else if (InList(w, len, kAnnotationCalls) && bCall) {
                k = mate_[k + 1] + 1;
            } else if (Is(k, "requires")) {
                return true;
            } else if (IsMacroWord(w, len)) {
                k = bCall ? mate_[k + 1] + 1 : k + 1;
            } else {
                return false;
            }
        } else if (IsPunct(k, "&") || IsPunct(k, "&&")) {
            ++k;
        } else if (IsPunct(k, "->") || IsPunct(k, ":")) {
            return true; // trailing return type; initialiser list
        } else if (IsPunct(k, "[") && IsPunct(k + 1, "[") && mate_[k] < n) {
            k = mate_[k] + 1;
        } else {
            return false;
        }
    }
    return depth == 0;
}

/* True when the "<" at k opens template arguments rather than comparing or
   shifting: it follows a name, and in a default value (bDefault) it is not
   followed by a number or "(". */
bool HeadReader::OpensAngle(size_t k, bool bDefault) const
{
    if (k == 0 || toks_[k - 1].kind != 'i' || IsDigit(U(t_[toks_[k - 1].from])) || Is(k - 1, "operator"))
        return false;
    if (IsPunct(k + 1, "<") || IsPunct(k + 1, "="))
        return false;
    if (bDefault && k + 1 < toks_.size() &&
        (IsPunct(k + 1, "(") || (toks_[k + 1].kind == 'i' && IsDigit(U(t_[toks_[k + 1].from])))))
        return false;
    return true;
}

/* First token of the qualified name that ends at k ("A<T>::~A", "::f"). */
size_t HeadReader::NameStart(size_t k) const
{
    size_t s = k;
    if (s > 0 && IsPunct(s - 1, "~"))
        --s;
    while (s >= 1 && IsPunct(s - 1, "::")) {
        if (s < 2) {
            --s;
            break;
        }
        size_t p = s - 2;
        if (IsPunct(p, ">")) {
            int angle = 0;
            size_t q = p + 1;
            while (q > 0) {
                --q;
                if (IsPunct(q, ">"))
                    ++angle;
                else if (IsPunct(q, "<") && --angle == 0)
                    break;
            }
            if (angle != 0 || q == 0)
                break;
            p = q - 1;
        }
        if (toks_[p].kind != 'i' || Is(p, "operator"))
            break;
        s = p;
        if (s > 0 && IsPunct(s - 1, "~"))
            --s;
    }
    return s;
}

/* Skips the words that may lead a declaration without saying what it is:
   "template <...>", "typedef", "export", attributes. */
size_t HeadReader::SkipPrefixWords(size_t k) const
{
    size_t n = toks_.size();
    while (k < n) {
        if (Is(k, "template") && IsPunct(k + 1, "<")) {
            int angle = 1;
            bool bDefault = false; // in a parameter's default value
            size_t m = k + 2;
            for (; m < n; ++m) {
                if (IsPunct(m, "<") && OpensAngle(m, bDefault))
                    ++angle;
                else if (IsPunct(m, ">") && --angle == 0)
                    break;
                else if (IsPunct(m, "(") && mate_[m] < n)
                    m = mate_[m];
                else if (angle == 1 && (IsPunct(m, "=") || IsPunct(m, ",")))
                    bDefault = IsPunct(m, "=");
            }
            k = m + 1;
        } else if (Is(k, "typedef") || Is(k, "export") || Is(k, "inline")) {
            ++k;
        } else if (IsPunct(k, "[") && IsPunct(k + 1, "[") && mate_[k] < n) {
            k = mate_[k] + 1;
        } else if (k + 1 < n && toks_[k].kind == 'i' &&
                   InList(t_ + toks_[k].from, toks_[k].to - toks_[k].from, kAnnotationCalls) &&
                   IsPunct(k + 1, "(") && mate_[k + 1] < n) {
            k = mate_[k + 1] + 1;
        } else {
            break;
        }
    }
    return k;
}

/* The declarator of a function: k is its name's last word (or "operator"),
   open the "(" of its parameters. False when the tokens declare no function. */
bool HeadReader::FindDeclarator(size_t &k, size_t &open, size_t &nameEnd) const
{
    size_t n = toks_.size();
    int depth = 0, angle = 0, tries = 0;
    size_t angleFrom = 0; // the outermost open "<"
    bool bClassKey = false;
    for (size_t m = SkipPrefixWords(0); m < n; ++m) {
        const HeadToken &tok = toks_[m];
        if (tok.kind == 'i') {
            const char *w = t_ + tok.from;
            size_t len = tok.to - tok.from;
            bool bParen = IsPunct(m + 1, "(") && mate_[m + 1] < n;
            if (InList(w, len, kClassKeys) || Is(m, "enum"))
                bClassKey = true;
            if (Is(m, "operator")) {
                size_t o;
                if (angle == 0 && OperatorName(m, o)) {
                    if (ValidTail(mate_[o] + 1, depth)) {
                        k = m;
                        open = o;
                        nameEnd = o;
                        return true;
                    }
                    if (++tries > 16)
                        return false;
                }
                continue;
            }
            if (bParen && InList(w, len, kOpaqueCalls)) {
                m = mate_[m + 1]; // sizeof(...), decltype(...), __attribute__((...)) hold no name
                continue;
            }
            if (bParen && angle == 0 && !InList(w, len, kNotNames)) {
                if (ValidTail(mate_[m + 1] + 1, depth)) {
                    k = m;
                    open = m + 1;
                    nameEnd = m + 1;
                    return true;
                }
                if (++tries > 16)
                    return false;
            }
        } else if (IsPunct(m, "<")) {
            if (OpensAngle(m, false) && angle++ == 0)
                angleFrom = m;
        } else if (IsPunct(m, "(")) {
            ++depth;
        } else if (IsPunct(m, ")")) {
            if (--depth < 0)
                return false;
        } else if (IsPunct(m, ">")) {
            if (angle > 0 && --angle == 0 && IsPunct(m + 1, "(") && mate_[m + 1] < n && angleFrom > 0 &&
                !InList(t_ + toks_[angleFrom - 1].from, toks_[angleFrom - 1].to - toks_[angleFrom - 1].from,
                        kNotNames)) { // "f<int>(...)", "C<T>(...)"
                if (ValidTail(mate_[m + 1] + 1, depth)) {
                    k = angleFrom - 1;
                    open = m + 1;
                    nameEnd = m + 1;
                    return true;
                }
                if (++tries > 16)
                    return false;
            }
        } else if (IsPunct(m, "[") && IsPunct(m + 1, "[") && mate_[m] < n) {
            m = mate_[m];
        } else if (IsPunct(m, ":") && bClassKey) {
            return false; // base classes of a class head
        } else if (IsPunct(m, "=")) {
            return false; // an initialiser: a variable, or a lambda
        }
    }
    return false;
}

/* The name of a class head whose key is at k: the last word before its bases. */
void HeadReader::ReadClassName(size_t k, BraceHead &head) const
{
    size_t n = toks_.size();
    int angle = 0;
    for (size_t m = k + 1; m < n; ++m) {
        if (IsPunct(m, "(") || (IsPunct(m, "[") && mate_[m] < n)) {
            if (mate_[m] >= n)
                return;
            m = mate_[m];
        } else if (IsPunct(m, "<")) {
            ++angle;
        } else if (IsPunct(m, ">")) {
            if (angle > 0)
                --angle;
        } else if (IsPunct(m, ":") && angle == 0) {
            return;
        } else if (toks_[m].kind == 'i' && angle == 0 && !Is(m, "final") && !(IsPunct(m + 1, "("))) {
            head.nNameFrom = toks_[m].from;
            head.nNameTo = toks_[m].to;
        }
    }
}

/* Namespace and extern "C" heads, then a function's declarator, then a
   class head; anything else opens a block. */
BraceHead HeadReader::ReadBrace(const char *t, size_t from, size_t to, bool bInBody)
{
    BraceHead head;
    Tokenize(t, from, to);
    size_t n = toks_.size();
    size_t k = SkipPrefixWords(0);
    if (bInBody) {
        if (k < n && toks_[k].kind == 'i' && InList(t + toks_[k].from, toks_[k].to - toks_[k].from, kClassKeys)) {
            for (size_t m = k; m < n; ++m)
                if (IsPunct(m, "=") || (IsPunct(m, "(") && !(m > 0 && toks_[m - 1].kind == 'i' &&
                                                            InList(t + toks_[m - 1].from,
                                                                   toks_[m - 1].to - toks_[m - 1].from,
                                                                   kAnnotationCalls))))
                    return head;
            head.kind = BraceOpens::kClass;
            ReadClassName(k, head);
        }
        return head;
    }
    if (n >= 2 && Is(n - 2, "extern") && toks_[n - 1].kind == 's') {
        head.kind = BraceOpens::kNamespace;
        return head;
    }
    for (size_t m = k; m < n && toks_[m].kind == 'i'; ++m) {
        if (Is(m, "namespace")) {
            head.kind = BraceOpens::kNamespace;
            return head;
        }
        if (!Is(m, "inline") && !Is(m, "export"))
            break;
    }
    size_t name, open, nameEnd;
    if (FindDeclarator(name, open, nameEnd)) {
        head.kind = BraceOpens::kFunction;
        head.nNameFrom = toks_[NameStart(name)].from;
        head.nNameTo = toks_[nameEnd - 1].to;
        head.nParamFrom = toks_[open].from;
        head.nParamTo = toks_[mate_[open]].to;
        for (size_t m = 0; m < n && m < name; ++m)
            if (Is(m, "friend"))
                head.bFriend = true;
        return head;
    }
    for (size_t m = k; m < n; ++m) {
        if (IsPunct(m, "=") || IsPunct(m, "("))
            break;
        if (toks_[m].kind == 'i' && InList(t + toks_[m].from, toks_[m].to - toks_[m].from, kClassKeys)) {
            head.kind = BraceOpens::kClass;
            ReadClassName(m, head);
            break;
        }
    }
    return head;
}

/* "name(a, b)" with identifiers only, followed by the first parameter's
   declaration. */
bool HeadReader::ReadKnrHead(const char *t, size_t from, size_t to, BraceHead &head)
{
    Tokenize(t, from, to);
    size_t n = toks_.size();
    for (size_t m = 0; m + 1 < n; ++m) {
        if (toks_[m].kind != 'i' || !IsPunct(m + 1, "(") || mate_[m + 1] >= n)
            continue;
        if (InList(t + toks_[m].from, toks_[m].to - toks_[m].from, kNotNames) || Is(m, "typedef"))
            return false;
        size_t close = mate_[m + 1];
        bool bNames = close > m + 2;
        for (size_t p = m + 2; p < close && bNames; ++p)
            bNames = ((p - m) % 2 == 0) ? ((toks_[p].kind == 'i' && !InList(t + toks_[p].from,
                                                                            toks_[p].to - toks_[p].from, kNotNames)) ||
                                           (IsPunct(p, "...") && p + 1 == close))
                                        : IsPunct(p, ",");
        size_t r = close + 1;
        bool bQualified = (Is(r, "const") || Is(r, "volatile")) && r + 2 < n && toks_[r + 1].kind == 'i';
        if (!bNames || r >= n || toks_[r].kind != 'i' ||
            (!bQualified && InList(t + toks_[r].from, toks_[r].to - toks_[r].from, kTailWords)) ||
            InList(t + toks_[r].from, toks_[r].to - toks_[r].from, kAnnotationCalls) || Is(r, "noexcept") ||
            Is(r, "throw"))
            return false;
        for (size_t p = r; p < n; ++p)
            if (IsPunct(p, "=") || IsPunct(p, "("))
                return false;
        head.kind = BraceOpens::kFunction;
        head.nNameFrom = toks_[m].from;
        head.nNameTo = toks_[m].to;
        head.nParamFrom = toks_[m + 1].from;
        head.nParamTo = toks_[close].to;
        return true;
    }
    return false;
}

/* A declaration that starts with a word and has no initialiser. */
bool HeadReader::IsParamDeclaration(const char *t, size_t from, size_t to)
{
    Tokenize(t, from, to);
    if (toks_.empty() || toks_[0].kind != 'i' || Is(0, "typedef"))
        return false;
    for (size_t m = 0; m < toks_.size(); ++m)
        if (IsPunct(m, "="))
            return false;
    return true;
}

/* Copies the name, dropping blanks except one between two words. */
std::string ClosedUpName(const char *t, size_t from, size_t to)
{
    std::string out;
    bool bBlank = false;
    for (size_t i = from; i < to;) {
        unsigned char b = U(t[i]);
        if (b <= ' ') {
            bBlank = true;
            ++i;
            continue;
        }
        if (bBlank && !out.empty() && IsWordByte(U(out.back())) && IsWordByte(b))
            out += ' ';
        bBlank = false;
        size_t n = cp932::CharLength(t + i, t + to);
        out.append(t + i, n);
        i += n;
    }
    return out;
}
