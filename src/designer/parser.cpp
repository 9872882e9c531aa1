// Dialog script reader: DIALOG / DIALOGEX headers and their control blocks, read from
// the preprocessed token stream of a script.
#include "designer/parser.h"
#include <cstring>
#include <strings.h>
#include "common/cp932.h"
#include "designer/flags.h"
#include "designer/script_eval.h"

namespace {

struct ShortForm {
    std::string_view keyword;
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


/* Values of the dialog-box command identifiers that scripts use without a header of their own. */
bool WellKnownId(std::string_view name, int64_t &v)
{
    static const struct { const char *name; int value; } kIds[] = {
        {"IDOK", 1}, {"IDCANCEL", 2}, {"IDABORT", 3}, {"IDRETRY", 4}, {"IDIGNORE", 5}, {"IDYES", 6},
        {"IDNO", 7}, {"IDCLOSE", 8}, {"IDHELP", 9}, {"IDTRYAGAIN", 10}, {"IDCONTINUE", 11}, {"IDC_STATIC", -1}};
    for (const auto &k : kIds)
        if (name == k.name) { v = k.value; return true; }
    return false;
}

/* The reader's place in the token stream of a script. */
struct Reader {
    const Preprocessed &pp;
    const std::vector<ScriptToken> &t;
    size_t i;
    ParsedDialog *d;

    bool IsWord(size_t k, std::string_view w) const { return k < t.size() && t[k].kind == kTokWord && pp.Spell(t[k]) == w; }
    bool IsPunctAt(size_t k, char p) const
    {
        return k < t.size() && t[k].kind == kTokPunct && t[k].len == 1 && pp.files[t[k].file].text[t[k].off] == p;
    }
    bool IsBegin(size_t k) const { return IsWord(k, "BEGIN") || IsPunctAt(k, '{'); }
    bool IsEnd(size_t k) const { return IsWord(k, "END") || IsPunctAt(k, '}'); }
    bool Comma()
    {
        if (!IsPunctAt(i, ',')) return false;
        i++;
        return true;
    }

    /* Ends the dialog at the current token. */
    bool Stop(StopKind kind, const std::string &what)
    {
        if (d->stop.kind != kStopNone) return false;
        size_t k = i < t.size() ? i : t.size() - 1;
        SourcePlace p = PlaceOf(pp, t[k]);
        d->stop.kind = kind;
        d->stop.file = pp.files[p.file].name;
        d->stop.line = p.line;
        d->stop.word = i < t.size() ? std::string(pp.Spell(t[k])) : std::string();
        d->stop.what = what;
        return false;
    }

    /* Stops at the first name without a value in [a, end). */
    bool StopAtUnknown(size_t a, size_t end, const std::string &name)
    {
        for (i = a; i < end && !(t[i].kind == kTokWord && pp.Spell(t[i]) == name); i++) {}
        return Stop(kStopUnknownWord, "unknown word " + name);
    }

    /* Adjacent quoted texts joined; false when none stands here. */
    bool Quoted(std::string &out)
    {
        if (i < t.size() && t[i].kind == kTokBadString)
            return Stop(kStopBadString, "quoted text never closes");
        if (i >= t.size() || t[i].kind != kTokString) return false;
        out.clear();
        for (; i < t.size() && t[i].kind == kTokString; i++) {
            std::string_view s = pp.Spell(t[i]);
            out += QuotedText(s.data(), s.size(), t[i].cp932);
        }
        if (i < t.size() && t[i].kind == kTokBadString)
            return Stop(kStopBadString, "quoted text never closes");
        return true;
    }

    /* An expression argument: its value and its text as written; false when none stands here. */
    bool Expression(const NameValues &names, int64_t &value, std::string *written, size_t *start = nullptr)
    {
        size_t a = i;
        EvalResult e = EvalExpression(pp, t, i, kPrecAll, names);
        if (e.end == a) return false;
        if (written) *written = WrittenText(pp, a, e.end);
        if (start) *start = a;
        value = e.value;
        i = e.end;
        return e.ok;
    }

    /* A coordinate; unknown names stop the dialog. */
    bool Coordinate(int64_t &v, bool &plain)
    {
        size_t a = i;
        EvalResult e = EvalExpression(pp, t, i, kPrecAll, NameValues());
        if (e.end == a || !e.ok) return false;
        if (!e.unknown.empty()) return StopAtUnknown(a, e.end, e.unknown);
        size_t n = e.end - a, num = a + n - 1;
        plain = plain && t[num].kind == kTokNumber && t[num].use < 0 &&
                (n == 1 || (n == 2 && IsPunctAt(a, '-') && t[a].use < 0));
        v = e.value;
        i = e.end;
        return true;
    }

    /* A style expression: terms joined by '|', each maybe after NOT (which removes its bits).
       value starts as given; names gets the flag names of the terms that add bits. */
    bool Style(const char *cls, bool ex, uint32_t &value, std::string &names)
    {
        FlagRows rows = FlagRowsOf(cls);
        NameValues flags = [&rows, ex](std::string_view name, int64_t &v) {
            uint32_t f;
            if (!FlagNameValue(rows, std::string(name).c_str(), ex, f)) return false;
            v = f;
            return true;
        };
        for (;;) {
            bool remove = false;
            while (IsWord(i, "NOT")) { remove = true; i++; }
            size_t a = i;
            EvalResult e = EvalExpression(pp, t, i, kPrecAboveBar, flags);
            if (e.end == a || !e.ok) return false;
            if (remove)
                value &= ~(uint32_t)e.value;
            else {
                value |= (uint32_t)e.value;
                for (size_t k = a; k < e.end; k++)
                    if (t[k].kind == kTokWord) names += std::string(names.empty() ? "" : " | ") + std::string(pp.Spell(t[k]));
            }
            i = e.end;
            if (!IsPunctAt(i, '|')) return true;
            i++;
        }
    }

    /* Passes over one argument of any kind. */
    bool SkipArgument()
    {
        std::string s;
        if (Quoted(s)) return true;
        uint32_t v = 0;
        return d->stop.kind == kStopNone && Style("WNDCLASS", false, v, s);
    }
};

/* True when a DIALOG or DIALOGEX keyword stands at k with a name before it; nameAt gets the name's first token. */
bool DialogAt(const Reader &r, size_t k, size_t &nameAt)
{
    if (!r.IsWord(k, "DIALOG") && !r.IsWord(k, "DIALOGEX"))
        return false;
    if (k == 0) return false;
    nameAt = k - 1;
    int32_t u = r.t[nameAt].use;
    while (u >= 0 && r.pp.uses[u].parent >= 0) u = r.pp.uses[u].parent;
    if (u >= 0 && r.pp.uses[u].last == k) // a name #defined as an expression
        nameAt = r.pp.uses[u].first;
    return true;
}

/* Reads the x, y, cx, cy fields into a record. */
bool ReadRect(Reader &r, Ctrldata &c, const char *what, bool &plain)
{
    int64_t v[4];
    for (int k = 0; k < 4; k++)
        if (!r.Comma() || !r.Coordinate(v[k], plain))
            return r.Stop(kStopMissingField, what);
    c.left = (int32_t)v[0];
    c.top = (int32_t)v[1];
    c.right = (int32_t)v[2];
    c.bottom = (int32_t)v[3];
    return true;
}

/* Reads the identifier field: a number, a #define name, or an expression. */
bool ReadIdent(Reader &r, Ctrldata &c)
{
    int64_t v;
    std::string written;
    if (!r.Expression(WellKnownId, v, &written)) return false;
    CopyField(c.szIdent, sizeof c.szIdent, written.data(), written.size());
    c.id = (int32_t)v;
    return true;
}

/* A text field: quoted, or a resource number or name as written. */
bool ReadTextField(Reader &r, std::string &text)
{
    if (r.Quoted(text)) return true;
    if (r.d->stop.kind != kStopNone) return false;
    int64_t v;
    return r.Expression(NameValues(), v, &text) && !text.empty();
}

/* Predefined class names are case-insensitive: store them in capitals. */
void NormalisePredefinedClass(std::string &cls)
{
    static const char *const kNames[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    for (const char *n : kNames)
        if (strcasecmp(cls.c_str(), n) == 0)
            cls = n;
}

/* The optional extended style and help id after a statement's last field. */
bool ReadStyleTail(Reader &r, Ctrldata &c, bool withStyle)
{
    std::string names;
    if (withStyle) {
        if (!r.Comma()) return true;
        uint32_t v = c.style;
        if (!r.Style(c.szClass, false, v, names)) return r.Stop(kStopMissingField, "statement without style");
        c.style = v;
        StringToflon(names.c_str(), c.szClass, &c);
    }
    if (!r.Comma()) return true;
    names.clear();
    uint32_t ex = 0;
    if (!r.Style(c.szClass, true, ex, names)) return r.Stop(kStopMissingField, "statement without extended style");
    c.exStyle = ex;
    StringToflonEx(names.c_str(), c.szClass, &c);
    return !r.Comma() || r.SkipArgument() || r.Stop(kStopMissingField, "statement without help id");
}

/* Reads a CONTROL statement after its keyword. */
bool ReadControl(Reader &r, Ctrldata &c, bool &plain)
{
    std::string text;
    if (!ReadTextField(r, text)) return r.Stop(kStopMissingField, "CONTROL without text");
    CopyField(c.szText, sizeof c.szText, text.data(), text.size());
    if (!r.Comma() || !ReadIdent(r, c)) return r.Stop(kStopMissingField, "CONTROL without identifier");
    std::string cls;
    if (!r.Comma() || !ReadTextField(r, cls)) return r.Stop(kStopMissingField, "CONTROL without class");
    NormalisePredefinedClass(cls);
    CopyField(c.szClass, sizeof c.szClass, cls.data(), cls.size());
    std::string names;
    if (!r.Comma() || !r.Style(c.szClass, false, c.style, names)) return r.Stop(kStopMissingField, "CONTROL without style");
    StringToflon(names.c_str(), c.szClass, &c);
    return ReadRect(r, c, "CONTROL without position and size", plain) && ReadStyleTail(r, c, false);
}

/* Reads a short-form statement after its keyword. */
bool ReadShort(Reader &r, const ShortForm &f, Ctrldata &c, bool &plain)
{
    if (f.hasText) {
        std::string text;
        if (!ReadTextField(r, text) && r.d->stop.kind != kStopNone) return false;
        CopyField(c.szText, sizeof c.szText, text.data(), text.size());
        if (!r.Comma()) return r.Stop(kStopMissingField, "statement without identifier");
    }
    if (!ReadIdent(r, c)) return r.Stop(kStopMissingField, "statement without identifier");
    CopyField(c.szClass, sizeof c.szClass, f.className, strlen(f.className));
    c.style = f.added; // NOT in the style may take the keyword's own bits away
    return ReadRect(r, c, "statement without position and size", plain) && ReadStyleTail(r, c, true);
}

/* Passes over an ICON statement: text, id, x, y [, cx, cy [, style [, exstyle]]]. */
bool SkipIcon(Reader &r)
{
    std::string text;
    if (!ReadTextField(r, text)) return r.Stop(kStopMissingField, "ICON without text");
    while (r.Comma())
        if (!r.SkipArgument()) return r.Stop(kStopMissingField, "ICON statement broken");
    return true;
}

/* Passes over a nested BEGIN ... END data block. */
bool SkipDataBlock(Reader &r)
{
    size_t begin = r.i;
    for (int depth = 0; r.i < r.t.size(); r.i++) {
        if (r.IsBegin(r.i)) depth++;
        else if (r.IsEnd(r.i) && --depth == 0) { r.i++; return true; }
    }
    r.i = begin;
    return r.Stop(kStopNoEnd, "BEGIN without END");
}

/* The short form of a keyword, or none. */
const ShortForm *FindShortForm(std::string_view kw)
{
    for (const ShortForm &s : kShortForms)
        if (kw == s.keyword) return &s;
    return nullptr;
}

/* Reads the control block from BEGIN; false when it stopped. */
bool ReadBlock(Reader &r)
{
    ParsedDialog &d = *r.d;
    size_t beginAt = r.i++;
    for (;;) {
        if (r.i >= r.t.size()) {
            r.i = beginAt;
            return r.Stop(kStopNoEnd, "BEGIN without END");
        }
        if (r.IsEnd(r.i)) {
            SourcePlace p = PlaceOf(r.pp, r.t[r.i++]);
            d.bodyEnd = p.file == 0 ? p.end : std::string::npos;
            return true;
        }
        if (r.IsBegin(r.i)) { // a control's data block
            if (!SkipDataBlock(r)) return false;
            continue;
        }
        const ScriptToken &k = r.t[r.i];
        if (k.kind == kTokBadString) return r.Stop(kStopBadString, "quoted text never closes");
        std::string kw(r.pp.Spell(k));
        size_t nextName;
        if (DialogAt(r, r.i + 1, nextName)) { // the next dialog: this block never ended
            r.i = beginAt;
            r.Stop(kStopNoEnd, "BEGIN without END");
            r.i = nextName;
            return false;
        }
        if (k.kind != kTokWord) return r.Stop(kStopUnknownWord, "unexpected text in control block");
        const ShortForm *f = FindShortForm(kw);
        if (kw != "CONTROL" && kw != "ICON" && !f)
            return r.Stop(kStopUnknownWord, "unknown control keyword " + kw.substr(0, 40));
        size_t kwAt = r.i++;
        if (kw == "ICON") { // skipped without a record
            if (!SkipIcon(r)) return false;
            continue;
        }
        if ((int)d.controls.size() >= kMaxControls) {
            r.i = kwAt;
            return r.Stop(kStopTooMany, "more than 256 controls");
        }
        Ctrldata c = Ctrldata(); // value-initialised: all fields zero
        bool plain = true;
        if (!(kw == "CONTROL" ? ReadControl(r, c, plain) : ReadShort(r, *f, c, plain))) return false;
        d.controls.push_back(c);
        d.keywords.push_back(kw);
        d.plainRects.push_back(plain ? 1 : 0);
    }
}

/* Reads header statements up to BEGIN. */
bool ReadHeader(Reader &r)
{
    Dlgdata &g = r.d->dlg;
    std::string styleNames, exNames;
    uint32_t style = 0, ex = 0;
    for (;;) {
        if (r.i >= r.t.size()) return r.Stop(kStopNoBegin, "dialog without BEGIN");
        if (r.IsBegin(r.i)) break;
        std::string kw(r.pp.Spell(r.t[r.i]));
        if (r.t[r.i].kind != kTokWord) return r.Stop(kStopUnknownWord, "unknown dialog header statement");
        r.i++;
        int64_t v;
        std::string t;
        if (kw == "CAPTION") {
            if (!r.Quoted(t)) return r.Stop(kStopMissingField, "CAPTION without text");
            CopyField(g.szCaption, sizeof g.szCaption, t.data(), t.size());
        } else if (kw == "STYLE") {
            if (!r.Style("DLGCLASS", false, style, styleNames)) return r.Stop(kStopMissingField, "STYLE without value");
        } else if (kw == "EXSTYLE") {
            if (!r.Style("DLGCLASS", true, ex, exNames)) return r.Stop(kStopMissingField, "EXSTYLE without value");
        } else if (kw == "FONT") {
            if (!r.Expression(NameValues(), v, nullptr)) return r.Stop(kStopMissingField, "FONT without size");
            g.pointSize = (uint16_t)v;
            if (!r.Comma() || !r.Quoted(t)) return r.Stop(kStopMissingField, "FONT without face");
            CopyField(g.szFace, sizeof g.szFace, t.data(), t.size());
            while (r.Comma())
                if (!r.SkipArgument()) return r.Stop(kStopMissingField, "FONT statement broken");
        } else if (kw == "MENU" || kw == "CLASS") {
            if (!ReadTextField(r, t)) return r.Stop(kStopMissingField, kw + " without name");
            if (kw == "MENU") CopyField(g.szMenu, sizeof g.szMenu, t.data(), t.size());
            else CopyField(g.szClass, sizeof g.szClass, t.data(), t.size());
        } else if (kw == "LANGUAGE" || kw == "VERSION" || kw == "CHARACTERISTICS") {
            if (!r.Expression(NameValues(), v, nullptr)) return r.Stop(kStopMissingField, kw + " without value");
            if (kw == "LANGUAGE" && r.Comma() && !r.Expression(NameValues(), v, nullptr))
                return r.Stop(kStopMissingField, "LANGUAGE without sublanguage");
        } else {
            r.i--;
            return r.Stop(kStopUnknownWord, "unknown dialog header statement " + kw.substr(0, 40));
        }
    }
    g.style = style;
    g.exStyle = ex;
    DlgdataStringToflon(&g, styleNames.c_str());
    DlgdataStringToflon(&g, exNames.c_str());
    if (g.szFace[0])
        g.style |= kDsSetFont;
    return true;
}

/* Reads the name, type, memory options and the four coordinates. */
bool ReadFirstLine(Reader &r, size_t nameAt, size_t kwAt)
{
    ParsedDialog &d = *r.d;
    std::string name = WrittenText(r.pp, nameAt, kwAt);
    CopyField(d.dlg.szName, sizeof d.dlg.szName, name.data(), name.size());
    EvalResult n = EvalExpression(r.pp, r.t, nameAt, kPrecAll, NameValues());
    d.numbered = n.ok && n.end == kwAt && n.unknown.empty();
    d.number = (int32_t)n.value;
    std::string type(r.pp.Spell(r.t[kwAt]));
    CopyField(d.dlg.szType, sizeof d.dlg.szType, type.data(), type.size());
    r.i = kwAt + 1;
    std::string mem;
    bool bar = false;
    for (;; r.i++) { // memory options before the coordinates
        if (r.IsPunctAt(r.i, '|')) { bar = true; continue; }
        if (r.i >= r.t.size() || r.t[r.i].kind != kTokWord || !IsMemoryOption(r.pp.Spell(r.t[r.i]))) break;
        if (!mem.empty()) mem += bar ? " | " : " ";
        mem += std::string(r.pp.Spell(r.t[r.i]));
        bar = false;
    }
    CopyField(d.dlg.szMemOpt, sizeof d.dlg.szMemOpt, mem.data(), mem.size());
    int64_t v[4];
    bool plain = true;
    for (int k = 0; k < 4; k++)
        if ((k > 0 && !r.Comma()) || !r.Coordinate(v[k], plain))
            return r.Stop(kStopMissingField, "dialog without position and size");
    d.dlg.x = (uint16_t)v[0];
    d.dlg.y = (uint16_t)v[1];
    d.dlg.cx = (uint16_t)v[2];
    d.dlg.cy = (uint16_t)v[3];
    if (type == "DIALOGEX" && r.Comma() && !r.SkipArgument()) // help id
        return r.Stop(kStopMissingField, "DIALOGEX without help id");
    return true;
}

/* True when the name is a plain word or number standing apart (not quoted, not part of an expression). */
bool PlainName(const Reader &r, size_t nameAt, size_t kwAt)
{
    const ScriptToken &n = r.t[nameAt];
    if (nameAt + 1 == kwAt && n.kind != kTokWord && n.kind != kTokNumber) return false;
    SourcePlace p = PlaceOf(r.pp, n);
    const std::string &text = r.pp.files[p.file].text;
    char before = p.start > 0 ? text[p.start - 1] : ' ';
    return strchr(" \t\r\n\v\f", before) != nullptr;
}

/* After a stop: on to the END of the dialog, or to the next dialog when its block never began. */
void SkipToDialogEnd(Reader &r, bool inBlock)
{
    int depth = inBlock ? 1 : 0;
    for (; r.i < r.t.size(); r.i++) {
        size_t nameAt;
        if (DialogAt(r, r.i, nameAt)) { // the next dialog begins: no block to pass over
            r.i = nameAt;
            return;
        }
        if (r.IsBegin(r.i)) depth++;
        else if (depth > 0 && r.IsEnd(r.i) && --depth == 0) {
            SourcePlace p = PlaceOf(r.pp, r.t[r.i++]);
            r.d->bodyEnd = p.file == 0 ? p.end : std::string::npos;
            return;
        }
    }
}

/* Reads one dialog from its name; the reader ends after it (or after what was passed over). */
void ReadDialog(Reader &r, size_t nameAt, size_t kwAt)
{
    ParsedDialog &d = *r.d;
    SourcePlace name = PlaceOf(r.pp, r.t[nameAt]);
    d.file = r.pp.files[name.file].name;
    d.line = name.line;
    d.headerStart = name.file == 0 ? name.start : std::string::npos;
    bool inBlock = false;
    if (ReadFirstLine(r, nameAt, kwAt) && ReadHeader(r)) {
        SourcePlace b = PlaceOf(r.pp, r.t[r.i]);
        d.bodyStart = b.file == 0 ? b.start : std::string::npos;
        inBlock = true;
        if (ReadBlock(r)) return;
    }
    if (d.stop.kind != kStopNoEnd && r.i < r.t.size())
        SkipToDialogEnd(r, inBlock && d.stop.kind != kStopNoBegin);
}

} // namespace

/* True for the memory options a resource may name before its coordinates. */
bool IsMemoryOption(std::string_view word)
{
    static const std::string_view kMemoryOptions[] = {"MOVEABLE", "MOVABLE", "FIXED", "PURE", "IMPURE", "PRELOAD",
                                                      "LOADONCALL", "DISCARDABLE", "SHARED", "NONSHARED"};
    for (std::string_view m : kMemoryOptions)
        if (word == m) return true;
    return false;
}

/* Reads every dialog of a script: each DIALOG keyword after a name starts one. */
ScriptReading ReadDialogScript(const std::string &text, const ScriptOptions &options)
{
    ScriptReading out;
    out.badScript = false;
    Preprocessed pp;
    Preprocess(text, options, pp);
    out.notes = pp.notes;
    ParsedDialog scratch;
    Reader r{pp, pp.tokens, 0, &scratch};
    while (r.i < pp.tokens.size()) {
        size_t kwAt = r.i, nameAt;
        if (!r.IsWord(kwAt, "DIALOG") && !r.IsWord(kwAt, "DIALOGEX")) {
            r.i++;
            continue;
        }
        if (!DialogAt(r, kwAt, nameAt)) { // nothing before it at all
            SourcePlace p = PlaceOf(pp, pp.tokens[kwAt]);
            out.notes.push_back({kNoteNamelessDialog, pp.files[p.file].name, p.line, std::string(pp.Spell(pp.tokens[kwAt]))});
            out.badScript = true;
            r.i++;
            continue;
        }
        ParsedDialog d;
        memset(&d.dlg, 0, sizeof d.dlg);
        d.headerStart = d.bodyStart = d.bodyEnd = std::string::npos;
        d.numbered = false;
        d.number = 0;
        d.line = 0;
        d.stop = ReadStop{kStopNone, std::string(), 0, std::string(), std::string()};
        r.d = &d;
        bool listed = PlainName(r, nameAt, kwAt);
        ReadDialog(r, nameAt, kwAt);
        if (r.i <= kwAt) r.i = kwAt + 1;
        if (d.headerStart == std::string::npos || d.bodyStart == std::string::npos || d.bodyEnd == std::string::npos)
            d.headerStart = d.bodyStart = d.bodyEnd = std::string::npos;
        if (listed)
            out.dialogs.push_back(std::move(d));
    }
    return out;
}

/* Reads a script without includes; false with the first stop when one dialog was not read whole. */
bool ParseDialogs(const std::string &text, std::vector<ParsedDialog> &out, std::string &error)
{
    ScriptReading r = ReadDialogScript(text, ScriptOptions());
    bool whole = !r.badScript;
    for (const ParsedDialog &d : r.dialogs)
        if (d.stop.kind != kStopNone && whole) {
            error = StopText(d);
            whole = false;
        }
    if (r.badScript && error.empty())
        for (const ScriptNote &n : r.notes)
            if (n.kind == kNoteNamelessDialog && error.empty()) error = NoteText(n);
    for (ParsedDialog &d : r.dialogs)
        out.push_back(std::move(d));
    return whole;
}

/* Blanks comments outside quoted strings, keeping offsets and line breaks. */
std::string BlankComments(const std::string &text)
{
    std::string s = text;
    bool inQuote = false;
    for (size_t i = 0; i < s.size(); i++) {
        char ch = s[i];
        if (inQuote) {
            if (ch == '"' || ch == '\n') inQuote = false;
            else if (ch == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) i++;
            else i += cp932::CharLength(s.data() + i, s.data() + s.size()) - 1;
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
