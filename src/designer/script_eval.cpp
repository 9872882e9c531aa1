// Evaluating integer expressions of a resource script.
#include "designer/script_eval.h"
#include <cstdlib>
#include <cstring>

namespace {

const int kMaxNesting = 200;

struct Evaluator {
    const Preprocessed &pp;
    const std::vector<ScriptToken> &t;
    size_t i;
    const NameValues &names;
    int depth;
    bool ok;
    bool live; // false inside an operand that && || ?: pass over
    std::string unknown;

    bool At(const char *p) const { return i < t.size() && IsPunct(pp, t[i], p); }

    /* Precedence of the binary operator at the cursor, 0 when there is none. */
    int BinaryPrec(std::string_view &op) const
    {
        if (i >= t.size() || t[i].kind != kTokPunct)
            return 0;
        op = pp.Spell(t[i]);
        char a = op[0], b = op.size() > 1 ? op[1] : '\0';
        if (op.size() > 2 || (b && b != a && b != '=')) return 0;
        switch (a) {
        case '|': return b ? 1 : 3;
        case '&': return b ? 2 : 5;
        case '^': return b ? 0 : 4;
        case '=': return b == '=' ? 6 : 0;
        case '!': return b == '=' ? 6 : 0;
        case '<': case '>': return b == a ? 8 : 7;
        case '+': case '-': return b ? 0 : 9;
        case '*': case '/': case '%': return b ? 0 : 10;
        }
        return 0;
    }

    int64_t Number(std::string_view s)
    {
        std::string digits(s);
        return (int64_t)strtoull(digits.c_str(), nullptr, 0);
    }

    int64_t Primary()
    {
        if (i >= t.size()) { ok = false; return 0; }
        const ScriptToken &k = t[i];
        if (k.kind == kTokNumber) { i++; return Number(pp.Spell(k)); }
        if (k.kind == kTokWord) {
            i++;
            int64_t v = 0;
            if (!names || !names(pp.Spell(k), v)) {
                if (live && unknown.empty()) unknown = std::string(pp.Spell(k));
                v = 0;
            }
            return v;
        }
        if (At("(")) {
            if (++depth > kMaxNesting) { ok = false; i = t.size(); return 0; }
            i++;
            int64_t v = Conditional();
            depth--;
            if (At(")")) i++;
            else ok = false;
            return v;
        }
        static const char *const kUnary[] = {"-", "+", "~", "!"};
        for (const char *u : kUnary)
            if (At(u)) {
                if (++depth > kMaxNesting) { ok = false; i = t.size(); return 0; }
                i++;
                uint64_t v = (uint64_t)Primary();
                depth--;
                return u[0] == '-' ? (int64_t)(0 - v) : u[0] == '~' ? (int64_t)~v : u[0] == '!' ? !v : (int64_t)v;
            }
        ok = false;
        return 0;
    }

    static int64_t Apply(std::string_view op, int64_t a, int64_t b)
    {
        uint64_t x = (uint64_t)a, y = (uint64_t)b;
        switch (op[0]) {
        case '|': return op.size() == 2 ? (a || b) : (int64_t)(x | y);
        case '&': return op.size() == 2 ? (a && b) : (int64_t)(x & y);
        case '^': return (int64_t)(x ^ y);
        case '=': return a == b;
        case '!': return a != b;
        case '<': return op.size() == 1 ? a < b : op[1] == '=' ? a <= b : (y < 64 ? (int64_t)(x << y) : 0);
        case '>': return op.size() == 1 ? a > b : op[1] == '=' ? a >= b : (y < 64 ? (int64_t)(x >> y) : 0);
        case '+': return (int64_t)(x + y);
        case '-': return (int64_t)(x - y);
        case '*': return (int64_t)(x * y);
        case '/': return b == 0 || (a == INT64_MIN && b == -1) ? 0 : a / b;
        case '%': return b == 0 || (a == INT64_MIN && b == -1) ? 0 : a % b;
        }
        return 0;
    }

    int64_t Binary(int minPrec)
    {
        int64_t v = Primary();
        for (;;) {
            std::string_view op;
            int prec = BinaryPrec(op);
            if (!ok || prec == 0 || prec < minPrec)
                return v;
            i++;
            bool wasLive = live;
            if ((op == "&&" && !v) || (op == "||" && v))
                live = false; // the right operand does not count
            if (++depth > kMaxNesting) { ok = false; i = t.size(); return 0; }
            int64_t r = Binary(prec + 1);
            depth--;
            live = wasLive;
            v = Apply(op, v, r);
        }
    }

    int64_t Conditional()
    {
        int64_t c = Binary(1);
        if (!ok || !At("?"))
            return c;
        i++;
        bool wasLive = live;
        live = wasLive && c;
        int64_t a = Conditional();
        if (!At(":")) { ok = false; live = wasLive; return 0; }
        i++;
        live = wasLive && !c;
        int64_t b = Conditional();
        live = wasLive;
        return c ? a : b;
    }
};

} // namespace

/* Punctuation test by spelling. */
bool IsPunct(const Preprocessed &pp, const ScriptToken &t, const char *p)
{
    return t.kind == kTokPunct && pp.Spell(t) == p;
}

/* Evaluates the expression at toks[i]. */
EvalResult EvalExpression(const Preprocessed &pp, const std::vector<ScriptToken> &toks, size_t i, int minPrec,
                          const NameValues &names)
{
    Evaluator e{pp, toks, i, names, 0, true, true, std::string()};
    int64_t v = minPrec <= kPrecAll ? e.Conditional() : e.Binary(minPrec);
    return {v, e.ok, e.i, e.unknown};
}
