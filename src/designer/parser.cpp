// Dialog script reader: DIALOG / DIALOGEX headers and their control blocks.
#include "designer/parser.h"
#include <cstring>
#include <cstdlib>
#include <strings.h>
#include <map>
#include "common/cp932.h"
#include "designer/flags.h"

namespace {

struct Cursor {
    const std::string &s; // comment-blanked text
    size_t pos;
    std::string error;
    std::map<std::string, long> defines;
};

/* Blank test over the separators of a script. */
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
bool IsWordChar(char c) { return isalnum((unsigned char)c) || c == '_'; }

/* 1-based line number of an offset. */
int LineOf(const std::string &s, size_t pos)
{
    int line = 1;
    for (size_t i = 0; i < pos && i < s.size(); i++)
        if (s[i] == '\n')
            line++;
    return line;
}

void Fail(Cursor &c, const char *what)
{
    if (c.error.empty())
        c.error = "line " + std::to_string(LineOf(c.s, c.pos)) + ": " + what;
}

void SkipBlanks(Cursor &c)
{
    while (c.pos < c.s.size() && IsBlank(c.s[c.pos]))
        c.pos++;
}

/* Reads a word (identifier characters). */
std::string ReadWord(Cursor &c)
{
    SkipBlanks(c);
    size_t st = c.pos;
    while (c.pos < c.s.size() && IsWordChar(c.s[c.pos]))
        c.pos++;
    return c.s.substr(st, c.pos - st);
}

/* Reads a quoted string ("" and \" escape a quote); adjacent pieces join. */
bool ReadQuoted(Cursor &c, std::string &out)
{
    SkipBlanks(c);
    if (c.pos >= c.s.size() || c.s[c.pos] != '"')
        return false;
    out.clear();
    while (c.pos < c.s.size() && c.s[c.pos] == '"') {
        size_t open = c.pos++;
        for (;;) {
            if (c.pos >= c.s.size()) {
                c.pos = open;
                Fail(c, "quoted text never closes");
                return false;
            }
            char ch = c.s[c.pos];
            if (ch == '"') {
                if (c.pos + 1 < c.s.size() && c.s[c.pos + 1] == '"') {
                    out += '"';
                    c.pos += 2;
                    continue;
                }
                c.pos++;
                break;
            }
            if (ch == '\\' && c.pos + 1 < c.s.size() && c.s[c.pos + 1] == '"') {
                out += '"';
                c.pos += 2;
                continue;
            }
            size_t n = cp932::CharLength(c.s.data() + c.pos, c.s.data() + c.s.size());
            out.append(c.s, c.pos, n);
            c.pos += n;
        }
        SkipBlanks(c);
    }
    return true;
}

/* True when an expression broken at a line end goes on: an operator ends the line or starts the next. */
bool ContinuesOnNextLine(const std::string &s, size_t start, size_t eol)
{
    size_t b = eol;
    while (b > start && IsBlank(s[b - 1]))
        b--;
    if (b > start && strchr("|&+-*/(", s[b - 1]))
        return true;
    size_t a = eol;
    while (a < s.size() && IsBlank(s[a]))
        a++;
    return a < s.size() && strchr("|&+*/", s[a]);
}

/* Reads an argument up to the next comma, or the line end unless the expression goes on. */
std::string ReadArg(Cursor &c)
{
    SkipBlanks(c);
    size_t st = c.pos;
    int depth = 0;
    while (c.pos < c.s.size()) {
        char ch = c.s[c.pos];
        if (ch == '(') depth++;
        else if (ch == ')') depth--;
        else if (ch == ',' && depth <= 0) break;
        else if (ch == '"' && depth <= 0) break;
        else if (ch == '\n' && depth <= 0 && !ContinuesOnNextLine(c.s, st, c.pos)) break;
        c.pos++;
    }
    size_t en = c.pos;
    while (en > st && IsBlank(c.s[en - 1]))
        en--;
    return c.s.substr(st, en - st);
}

bool SkipComma(Cursor &c)
{
    SkipBlanks(c);
    if (c.pos < c.s.size() && c.s[c.pos] == ',') {
        c.pos++;
        return true;
    }
    return false;
}

/* Evaluates an integer expression of numbers, #define names, + - * / | and parentheses. */
struct Eval {
    const std::string &e;
    size_t p;
    const std::map<std::string, long> &defs;
    int depth;
    void Sk() { while (p < e.size() && IsBlank(e[p])) p++; }
    long Prim()
    {
        Sk();
        if (p >= e.size()) return 0;
        if (e[p] == '(') {
            p++;
            if (++depth > 64) { p = e.size(); return 0; }
            long v = Or();
            depth--;
            Sk();
            if (p < e.size() && e[p] == ')') p++;
            return v;
        }
        if (e[p] == '-') { p++; return -Prim(); }
        if (e[p] == '~') { p++; return ~Prim(); }
        if (isdigit((unsigned char)e[p])) {
            char *endp;
            long v = strtol(e.c_str() + p, &endp, 0);
            p = endp - e.c_str();
            while (p < e.size() && (e[p] == 'L' || e[p] == 'l' || e[p] == 'U' || e[p] == 'u')) p++;
            return v;
        }
        size_t st = p;
        while (p < e.size() && IsWordChar(e[p])) p++;
        if (p == st) { p = e.size(); return 0; }
        auto it = defs.find(e.substr(st, p - st));
        return it == defs.end() ? 0 : it->second;
    }
    long Mul()
    {
        long v = Prim();
        for (;;) {
            Sk();
            if (p < e.size() && (e[p] == '*' || e[p] == '/')) {
                char op = e[p++];
                long r = Prim();
                v = op == '*' ? (long)((unsigned long)v * (unsigned long)r) : (r == 0 ? 0 : v / r);
            } else return v;
        }
    }
    long Add()
    {
        long v = Mul();
        for (;;) {
            Sk();
            if (p < e.size() && (e[p] == '+' || e[p] == '-')) {
                char op = e[p++];
                long r = Mul();
                v = op == '+' ? (long)((unsigned long)v + (unsigned long)r) : (long)((unsigned long)v - (unsigned long)r);
            } else return v;
        }
    }
    long Or()
    {
        long v = Add();
        for (;;) {
            Sk();
            if (p < e.size() && e[p] == '|') { p++; v |= Add(); } else return v;
        }
    }
};

long EvalExpr(const std::string &e, const std::map<std::string, long> &defs)
{
    Eval ev{e, 0, defs, 0};
    return ev.Or();
}

bool ReadNumber(Cursor &c, long &v, bool comma)
{
    if (comma && !SkipComma(c))
        return false;
    std::string a = ReadArg(c);
    if (a.empty())
        return false;
    v = EvalExpr(a, c.defines);
    return true;
}

struct ShortForm {
    const char *keyword;
    const char *className;
    uint32_t added;
    bool hasText;
};

const ShortForm kShortForms[] = {
    {"AUTO3STATE", "BUTTON_AUTO3STATE", 0x6, true}, {"AUTOCHECKBOX", "BUTTON_AUTOCHECKBOX", 0x3, true},
    {"AUTORADIOBUTTON", "BUTTON_AUTORADIOBUTTON", 0x9, true}, {"CHECKBOX", "BUTTON_CHECKBOX", 0x2, true},
    {"COMBOBOX", "COMBOBOX", 0x2, false}, {"CTEXT", "STATIC_CTEXT", 0x1, true},
    {"DEFPUSHBUTTON", "BUTTON_DEFPUSHBUTTON", 0x1, true}, {"EDITTEXT", "EDIT", 0x800000, false},
    {"GROUPBOX", "BUTTON_GROUPBOX", 0x7, true}, {"LISTBOX", "LISTBOX", 0x800000, false},
    {"LTEXT", "STATIC_LTEXT", 0, true}, {"PUSHBOX", "BUTTON_PUSHBOX", 0x1000, true},
    {"PUSHBUTTON", "BUTTON_PUSHBUTTON", 0, true}, {"RADIOBUTTON", "BUTTON_RADIOBUTTON", 0x4, true},
    {"RTEXT", "STATIC_RTEXT", 0x2, true}, {"SCROLLBAR", "SCROLLBAR", 0, false},
    {"STATE3", "BUTTON_STATE3", 0x5, true},
};

/* Reads the x, y, cx, cy fields into a record. */
bool ReadRect(Cursor &c, Ctrldata &r, bool firstComma)
{
    long v[4];
    for (int i = 0; i < 4; i++)
        if (!ReadNumber(c, v[i], i > 0 || firstComma))
            return false;
    r.left = (int32_t)v[0];
    r.top = (int32_t)v[1];
    r.right = (int32_t)v[2];
    r.bottom = (int32_t)v[3];
    return true;
}

/* Reads the identifier field: a number, a #define name, or an expression. */
bool ReadIdent(Cursor &c, Ctrldata &r)
{
    std::string a = ReadArg(c);
    if (a.empty())
        return false;
    CopyField(r.szIdent, sizeof r.szIdent, a.data(), a.size());
    r.id = (int32_t)EvalExpr(a, c.defines);
    return true;
}

/* Predefined class names are case-insensitive: store them in capitals. */
void NormalisePredefinedClass(std::string &cls)
{
    static const char *const kNames[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    for (const char *n : kNames)
        if (strcasecmp(cls.c_str(), n) == 0)
            cls = n;
}

/* Reads a CONTROL statement after its keyword. */
bool ReadControl(Cursor &c, Ctrldata &r)
{
    std::string text;
    if (ReadQuoted(c, text))
        CopyField(r.szText, sizeof r.szText, text.data(), text.size());
    else {
        if (!c.error.empty())
            return false;
        std::string a = ReadArg(c); // numeric resource reference as text
        if (a.empty()) { Fail(c, "CONTROL without text"); return false; }
        CopyField(r.szText, sizeof r.szText, a.data(), a.size());
    }
    if (!SkipComma(c) || !ReadIdent(c, r)) { Fail(c, "CONTROL without identifier"); return false; }
    if (!SkipComma(c)) { Fail(c, "CONTROL without class"); return false; }
    std::string cls;
    if (!ReadQuoted(c, cls)) {
        if (!c.error.empty()) return false;
        cls = ReadArg(c);
    }
    if (cls.empty()) { Fail(c, "CONTROL without class"); return false; }
    NormalisePredefinedClass(cls);
    CopyField(r.szClass, sizeof r.szClass, cls.data(), cls.size());
    if (!SkipComma(c)) { Fail(c, "CONTROL without style"); return false; }
    std::string style = ReadArg(c);
    r.style = StringToDword(style.c_str(), r.szClass) | (uint32_t)EvalExpr(style, c.defines);
    StringToflon(style.c_str(), r.szClass, &r);
    if (!ReadRect(c, r, true)) { Fail(c, "CONTROL without position and size"); return false; }
    if (SkipComma(c)) {
        std::string ex = ReadArg(c);
        r.exStyle = StringToDwordEx(ex.c_str(), r.szClass) | (uint32_t)EvalExpr(ex, c.defines);
        StringToflonEx(ex.c_str(), r.szClass, &r);
    }
    return true;
}

/* Reads a short-form statement after its keyword. */
bool ReadShort(Cursor &c, const ShortForm &f, Ctrldata &r)
{
    if (f.hasText) {
        std::string text;
        if (!ReadQuoted(c, text)) {
            if (!c.error.empty()) return false;
            text = ReadArg(c);
        }
        CopyField(r.szText, sizeof r.szText, text.data(), text.size());
        if (!SkipComma(c)) { Fail(c, "statement without identifier"); return false; }
    }
    if (!ReadIdent(c, r)) { Fail(c, "statement without identifier"); return false; }
    if (!ReadRect(c, r, true)) { Fail(c, "statement without position and size"); return false; }
    CopyField(r.szClass, sizeof r.szClass, f.className, strlen(f.className));
    if (SkipComma(c)) {
        std::string style = ReadArg(c);
        r.style = StringToDword(style.c_str(), r.szClass) | (uint32_t)EvalExpr(style, c.defines);
        StringToflon(style.c_str(), r.szClass, &r);
        if (SkipComma(c)) {
            std::string ex = ReadArg(c);
            r.exStyle = StringToDwordEx(ex.c_str(), r.szClass) | (uint32_t)EvalExpr(ex, c.defines);
            StringToflonEx(ex.c_str(), r.szClass, &r);
        }
    }
    r.style |= f.added;
    return true;
}

/* Reads a preprocessor line at the cursor, remembering #define values. */
void ReadDirective(Cursor &c)
{
    const std::string &s = c.s;
    size_t eol = s.find('\n', c.pos);
    if (eol == std::string::npos) eol = s.size();
    Cursor lc{s, c.pos + 1, std::string(), {}};
    if (ReadWord(lc) == "define") {
        std::string name = ReadWord(lc);
        std::string val = s.substr(lc.pos, eol - lc.pos);
        if (!name.empty()) c.defines[name] = EvalExpr(val, c.defines);
    }
    c.pos = eol;
}

/* Reads the BEGIN ... END block of one dialog. */
bool ReadBlock(Cursor &c, ParsedDialog &d)
{
    size_t beginPos = c.pos;
    d.controls.reserve(32);
    for (;;) {
        SkipBlanks(c);
        if (c.pos >= c.s.size()) {
            c.pos = beginPos;
            Fail(c, "BEGIN without END");
            return false;
        }
        if (c.s[c.pos] == '{' || c.s[c.pos] == '}') {
            if (c.s[c.pos++] == '}') break;
            continue;
        }
        if (c.s[c.pos] == '#') { // definitions may stand inside the block
            ReadDirective(c);
            continue;
        }
        size_t kwPos = c.pos;
        std::string kw = ReadWord(c);
        if (kw.empty()) { Fail(c, "unexpected character in control block"); return false; }
        if (kw == "END") break;
        if ((int)d.controls.size() >= kMaxControls) { Fail(c, "more than 256 controls"); return false; }
        d.controls.emplace_back(); // value-initialised: all fields zero
        Ctrldata &r = d.controls.back();
        bool ok;
        if (kw == "CONTROL")
            ok = ReadControl(c, r);
        else {
            const ShortForm *f = nullptr;
            for (const ShortForm &s : kShortForms)
                if (kw == s.keyword) f = &s;
            if (kw == "ICON") { // skipped without a record: text, id, x, y [, cx, cy ...]
                d.controls.pop_back();
                std::string t;
                if (!ReadQuoted(c, t) && c.error.empty()) ReadArg(c);
                while (c.error.empty() && SkipComma(c)) ReadArg(c);
                if (!c.error.empty()) return false;
                continue;
            }
            if (!f) { c.pos = kwPos; Fail(c, ("unknown control keyword " + kw.substr(0, 40)).c_str()); return false; }
            ok = ReadShort(c, *f, r);
        }
        if (!ok) return false;
        d.keywords.push_back(kw);
    }
    return true;
}

/* Reads header statements up to BEGIN. */
bool ReadHeader(Cursor &c, ParsedDialog &d)
{
    Dlgdata &g = d.dlg;
    std::string exExpr, styleExpr;
    for (;;) {
        SkipBlanks(c);
        if (c.pos >= c.s.size()) { Fail(c, "dialog without BEGIN"); return false; }
        if (c.s[c.pos] == '{') { c.pos++; break; }
        size_t kwPos = c.pos;
        std::string kw = ReadWord(c);
        if (kw == "BEGIN") break;
        if (kw == "CAPTION") {
            std::string t;
            if (!ReadQuoted(c, t)) { Fail(c, "CAPTION without text"); return false; }
            CopyField(g.szCaption, sizeof g.szCaption, t.data(), t.size());
        } else if (kw == "STYLE") {
            styleExpr = ReadArg(c);
        } else if (kw == "EXSTYLE") {
            exExpr = ReadArg(c);
        } else if (kw == "FONT") {
            long pt;
            if (!ReadNumber(c, pt, false)) { Fail(c, "FONT without size"); return false; }
            g.pointSize = (uint16_t)pt;
            std::string face;
            if (!SkipComma(c) || !ReadQuoted(c, face)) { Fail(c, "FONT without face"); return false; }
            CopyField(g.szFace, sizeof g.szFace, face.data(), face.size());
            while (SkipComma(c)) ReadArg(c);
        } else if (kw == "MENU" || kw == "CLASS") {
            std::string t;
            if (!ReadQuoted(c, t)) { if (!c.error.empty()) return false; t = ReadArg(c); }
            if (kw == "MENU") CopyField(g.szMenu, sizeof g.szMenu, t.data(), t.size());
            else CopyField(g.szClass, sizeof g.szClass, t.data(), t.size());
        } else if (kw == "LANGUAGE") {
            ReadArg(c);
            SkipComma(c) && !ReadArg(c).empty();
        } else if (kw == "VERSION" || kw == "CHARACTERISTICS") {
            ReadArg(c);
        } else {
            c.pos = kwPos;
            Fail(c, "unknown dialog header statement");
            return false;
        }
    }
    g.style = StringToDword(styleExpr.c_str(), "DLGCLASS") | (uint32_t)EvalExpr(styleExpr, c.defines);
    g.exStyle = StringToDwordEx(exExpr.c_str(), "DLGCLASS") | (uint32_t)EvalExpr(exExpr, c.defines);
    DlgdataStringToflon(&g, styleExpr.c_str());
    DlgdataStringToflon(&g, exExpr.c_str());
    if (g.szFace[0])
        g.style |= kDsSetFont;
    return true;
}

} // namespace

/* Blanks comments outside quoted strings, keeping offsets and line breaks. */
std::string BlankComments(const std::string &text)
{
    std::string s = text;
    bool inQuote = false;
    for (size_t i = 0; i < s.size(); i++) {
        char ch = s[i];
        if (inQuote) {
            if (ch == '"') inQuote = false;
            else if (ch == '\n') inQuote = false;
            continue;
        }
        if (ch == '"') inQuote = true;
        else if (ch == '/' && i + 1 < s.size() && s[i + 1] == '/') {
            while (i < s.size() && s[i] != '\n') s[i++] = ' ';
        } else if (ch == '/' && i + 1 < s.size() && s[i + 1] == '*') {
            size_t en = s.find("*/", i + 2);
            en = en == std::string::npos ? s.size() : en + 2;
            for (; i < en; i++)
                if (s[i] != '\n') s[i] = ' ';
            i--;
        }
    }
    return s;
}

/* Reads every DIALOG / DIALOGEX resource and the #define lines before it. */
bool ParseDialogs(const std::string &text, std::vector<ParsedDialog> &out, std::string &error)
{
    std::string s = BlankComments(text);
    Cursor c{s, 0, std::string(), {}};
    std::string prev;
    size_t prevPos = 0;
    while (c.pos < s.size()) {
        SkipBlanks(c);
        if (c.pos >= s.size()) break;
        if (s[c.pos] == '#') {
            ReadDirective(c);
            prev.clear();
            continue;
        }
        if (s[c.pos] == '"') {
            std::string t;
            if (!ReadQuoted(c, t)) { error = c.error; return false; }
            prev.clear();
            continue;
        }
        size_t wpos = c.pos;
        std::string w = ReadWord(c);
        if (w.empty()) { c.pos++; prev.clear(); continue; }
        if ((w == "DIALOG" || w == "DIALOGEX") && !prev.empty()) {
            ParsedDialog d;
            memset(&d.dlg, 0, sizeof d.dlg);
            d.headerStart = prevPos;
            CopyField(d.dlg.szName, sizeof d.dlg.szName, prev.data(), prev.size());
            CopyField(d.dlg.szType, sizeof d.dlg.szType, w.data(), w.size());
            std::string mem;
            for (;;) { // memory options before the coordinates
                SkipBlanks(c);
                size_t p = c.pos;
                bool bar = false;
                while (c.pos < s.size() && s[c.pos] == '|') { c.pos++; bar = true; SkipBlanks(c); }
                std::string m = ReadWord(c);
                if (m.empty() || isdigit((unsigned char)m[0])) { c.pos = p; break; }
                if (!mem.empty()) mem += bar ? " | " : " ";
                mem += m;
            }
            CopyField(d.dlg.szMemOpt, sizeof d.dlg.szMemOpt, mem.data(), mem.size());
            long v[4];
            for (int i = 0; i < 4; i++)
                if (!ReadNumber(c, v[i], i > 0)) { Fail(c, "dialog without position and size"); error = c.error; return false; }
            d.dlg.x = (uint16_t)v[0]; d.dlg.y = (uint16_t)v[1]; d.dlg.cx = (uint16_t)v[2]; d.dlg.cy = (uint16_t)v[3];
            if (w == "DIALOGEX" && SkipComma(c)) ReadArg(c); // help id
            if (!ReadHeader(c, d)) { error = c.error; return false; }
            d.bodyStart = c.pos;
            if (!ReadBlock(c, d)) { error = c.error; return false; }
            d.bodyEnd = c.pos;
            out.push_back(std::move(d));
            prev.clear();
            continue;
        }
        prev = w;
        prevPos = wpos;
    }
    return true;
}
