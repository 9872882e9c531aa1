// Script writer for control statements, dialog frames and definitions.
#include "designer/writer.h"
#include <cstdio>
#include <cstring>
#include <set>
#include "common/cp932.h"
#include "designer/script_tokens.h"
#include "designer/flags.h"

namespace {

/* Value of the chosen names of a control (class, window, common-control lists). */
uint32_t ChosenValue(const Ctrldata &rec)
{
    ClassInfo *row = FindClassInfo(rec.szClass);
    uint32_t v = 0;
    for (int i = 0; i < 32; i++) {
        if (row && rec.selClass[i] && row->style[i].name) v |= row->style[i].value;
        if (rec.selWnd[i] && g_classInfo[kRowWndclass].style[i].name) v |= g_classInfo[kRowWndclass].style[i].value;
    }
    return v;
}

std::string Hex(uint32_t v)
{
    char b[16];
    snprintf(b, sizeof b, "0x%X", v);
    return b;
}

/* Short keyword stored in a decorated class name (BUTTON_x / STATIC_x), or "". */
std::string DecoratedKeyword(const char *cls)
{
    if (strlen(cls) > 7 && (strncmp(cls, "BUTTON_", 7) == 0 || strncmp(cls, "STATIC_", 7) == 0))
        return cls + 7;
    return "";
}

/* Bits the short keyword itself adds. */
uint32_t KeywordBits(const std::string &kw)
{
    static const struct { const char *k; uint32_t v; } kBits[] = {
        {"AUTO3STATE", 6}, {"AUTOCHECKBOX", 3}, {"AUTORADIOBUTTON", 9}, {"CHECKBOX", 2}, {"CTEXT", 1},
        {"DEFPUSHBUTTON", 1}, {"GROUPBOX", 7}, {"PUSHBOX", 0x1000}, {"RADIOBUTTON", 4}, {"RTEXT", 2},
        {"STATE3", 5}};
    for (auto &b : kBits)
        if (kw == b.k) return b.v;
    return 0;
}

} // namespace

/* Doubles every double quote not already doubled. */
std::string QuoteScriptText(const char *text)
{
    std::string out = "\"";
    size_t len = strlen(text);
    for (size_t i = 0; i < len;) {
        size_t n = cp932::CharLength(text + i, text + len);
        if (n == 1 && text[i] == '"') {
            out += "\"\"";
            if (i + 1 < len && text[i + 1] == '"') i++;
        } else if (n == 1 && text[i] == '\\') {
            // An escape or a backslash pair as the reader keeps them is written as it is;
            // any other backslash stands for itself and is doubled.
            char next = i + 1 < len ? text[i + 1] : '\0';
            if (next == '\\' || IsEscapeLetter(next)) {
                out.append(text + i, 2);
                n = 2;
            } else
                out += "\\\\";
        } else
            out.append(text + i, n);
        i += n;
    }
    return out + "\"";
}

/* Chosen names, then any remaining bits as a number. */
std::string ControlStyleText(const Ctrldata &rec)
{
    std::string text = FlagsToStyleText(rec);
    // WS_CHILD and WS_VISIBLE are every control statement's own defaults.
    uint32_t rest = rec.style & ~ChosenValue(rec) & ~KeywordBits(DecoratedKeyword(rec.szClass)) &
                    ~(kWsChild | kWsVisible);
    if (rec.szClass == std::string("EDIT") || rec.szClass == std::string("LISTBOX"))
        rest &= ~0x800000u; // WS_BORDER is added by the short keyword
    if (rec.szClass == std::string("COMBOBOX"))
        rest &= ~0x2u;
    if (rest == 0)
        return text;
    return text == "0L" ? Hex(rest) : text + " | " + Hex(rest);
}

/* Builds one statement in the writer's layout. */
std::string ControlStatement(const Ctrldata &rec, const char *ident, bool allowTextForms)
{
    char buf[160];
    std::string style = ControlStyleText(rec);
    const char *shortKw = nullptr;
    if (strncmp(rec.szClass, "EDIT", 4) == 0) shortKw = "EDITTEXT";
    else if (strncmp(rec.szClass, "LISTBOX", 7) == 0) shortKw = "LISTBOX";
    else if (strncmp(rec.szClass, "COMBOBOX", 8) == 0) shortKw = "COMBOBOX";
    else if (strncmp(rec.szClass, "SCROLLBAR", 9) == 0) shortKw = "SCROLLBAR";
    std::string deco = DecoratedKeyword(rec.szClass);
    if (shortKw) {
        snprintf(buf, sizeof buf, " ,%d ,%d ,%d ,%d ,\r\n      ", rec.left, rec.top, rec.right, rec.bottom);
        return std::string(shortKw) + "\r\n      " + ident + buf + style;
    }
    if (allowTextForms && !deco.empty()) {
        // Without a style the compiler keeps the keyword's own defaults (such as WS_TABSTOP).
        snprintf(buf, sizeof buf, " ,%d ,%d ,%d ,%d", rec.left, rec.top, rec.right, rec.bottom);
        std::string s = deco + " " + QuoteScriptText(rec.szText) + " ,\r\n      " + ident + buf;
        return style == "0L" ? s : s + " ,\r\n      " + style;
    }
    std::string cls = rec.szClass;
    if (!deco.empty()) { // a decorated name written in the generic form
        cls = cls.substr(0, 6);
        uint32_t bits = KeywordBits(deco);
        if (bits) style = style == "0L" ? Hex(bits) : style + " | " + Hex(bits);
    }
    snprintf(buf, sizeof buf, ",\r\n      %d ,%d ,%d ,%d", rec.left, rec.top, rec.right, rec.bottom);
    std::string s = "CONTROL " + QuoteScriptText(rec.szText) + " ,\r\n      " + ident + " ," +
                    QuoteScriptText(cls.c_str()) + ", " + style + buf;
    if (rec.exStyle)
        s += ", " + Hex(rec.exStyle);
    return s;
}

/* True when an identifier is a plain name (not a number or expression). */
static bool IsName(const char *s)
{
    if (!(isalpha((unsigned char)s[0]) || s[0] == '_')) return false;
    for (; *s; s++)
        if (!(isalnum((unsigned char)*s) || *s == '_')) return false;
    return true;
}

/* Header lines and block of a dialog. */
static std::string DialogFrame(const Dlgdata &dlg, const std::string &styleText, const std::string &body)
{
    char buf[128];
    std::string s = "\r\n";
    s += dlg.szName;
    s += dlg.szType[0] ? std::string(" ") + dlg.szType : std::string(" DIALOGEX");
    s += dlg.szMemOpt[0] ? std::string(" ") + dlg.szMemOpt : std::string(" DISCARDABLE");
    snprintf(buf, sizeof buf, " %u, %u, %u, %u\r\n", dlg.x, dlg.y, dlg.cx, dlg.cy);
    s += buf;
    s += "STYLE " + styleText + "\r\n";
    if (dlg.exStyle)
        s += "EXSTYLE " + Hex(dlg.exStyle) + "\r\n";
    s += "CAPTION " + QuoteScriptText(dlg.szCaption) + "\r\n";
    if (dlg.szFace[0]) {
        snprintf(buf, sizeof buf, "FONT %u, ", dlg.pointSize);
        s += buf + QuoteScriptText(dlg.szFace) + "\r\n";
    }
    if (dlg.szMenu[0]) s += std::string("MENU ") + dlg.szMenu + "\r\n";
    if (dlg.szClass[0]) s += "CLASS " + QuoteScriptText(dlg.szClass) + "\r\n";
    s += "BEGIN\r\n" + body + "END\r\n\r\n";
    return s;
}

/* Dialog style text with bits outside the chosen names as a number. */
static std::string DialogStyleText(const Dlgdata &dlg)
{
    std::string text = DlgFlagsToStyleText(dlg, false);
    uint32_t chosen = 0;
    for (int i = 0; i < 32; i++) {
        if (dlg.selDlg[i] && g_classInfo[kRowDlgclass].style[i].name) chosen |= g_classInfo[kRowDlgclass].style[i].value;
        if (dlg.selWnd[i] && g_classInfo[kRowWndclass].style[i].name) chosen |= g_classInfo[kRowWndclass].style[i].value;
    }
    uint32_t rest = dlg.style & ~chosen & ~(dlg.szFace[0] ? kDsSetFont : 0u);
    if (rest == 0) return text;
    return text == "0L" ? Hex(rest) : text + " | " + Hex(rest);
}

/* Writes a parsed dialog back, with its named identifiers defined first. */
std::string EmitDialog(const Dlgdata &dlg, const std::vector<Ctrldata> &controls)
{
    std::string defs, body;
    char buf[320];
    for (const Ctrldata &c : controls) {
        if (IsName(c.szIdent) && defs.find(std::string(" ") + c.szIdent + " ") == std::string::npos) {
            snprintf(buf, sizeof buf, "#define %s   %d\r\n", c.szIdent, c.id);
            defs += buf;
        }
        const char *ident = c.szIdent;
        std::string num;
        if (!IsName(ident)) { num = std::to_string(c.id); ident = num.c_str(); }
        body += ControlStatement(c, ident, true) + "\r\n";
    }
    std::string head;
    if (!defs.empty())
        head = std::string("//--") + dlg.szName + "\r\n" + defs + "//--\r\n";
    return head + DialogFrame(dlg, DialogStyleText(dlg), body);
}

/* Writes a newly designed dialog and its definitions. */
std::string WriteNewDialog(const Dlgdata &dlg, std::vector<Ctrldata> &controls, const char *prefix,
                           int startId, const std::string &styleText, std::string &definitions)
{
    std::string body;
    definitions = std::string("//--") + dlg.szName + "\r\n";
    char buf[320];
    int n = 1;
    for (Ctrldata &c : controls) {
        if (!c.szIdent[0] || strncmp(c.szIdent, "\x96\xA2", 2) == 0) { // "未": not yet named
            ClassInfo *row = FindClassInfo(c.szClass);
            int count = row ? ++row->counter : n;
            snprintf(buf, sizeof buf, "%s%s%d", prefix, row ? row->identWord : "CTRL", count);
            CopyField(c.szIdent, sizeof c.szIdent, buf, strlen(buf));
        }
        body += ControlStatement(c, c.szIdent, false) + "\r\n";
        snprintf(buf, sizeof buf, "#define %s   %d\r\n", c.szIdent, n + startId - 1);
        definitions += buf;
        n++;
    }
    if (n == 1) definitions.clear();
    else definitions += "//--\r\n";
    Dlgdata d = dlg;
    strcpy(d.szType, "DIALOGEX");
    strcpy(d.szMemOpt, "DISCARDABLE");
    return DialogFrame(d, styleText, body);
}

std::string BackupFileName(const char *configDir)
{
    return std::string(configDir) + "backup.rc";
}

/* The record appended to the backup file before a dialog is rewritten. */
std::string BackupEntry(const char *dialogName, const char *ascTime, const std::string &header,
                        const std::string &body)
{
    return std::string("\r\n save backup \"") + dialogName + "\" " + ascTime + " \r\n" + header + "\r\n" + body +
           "\r\n\r\n------------end of script \"" + dialogName + "\"------------";
}

/* AddControlCases: a case with its own break for each control in the command switch. */
void AddControlCases(std::string &source, const std::vector<Ctrldata> &controls)
{
    static const char kSwitch[] = "switch(LOWORD(wp)){";
    size_t at = source.find(kSwitch);
    if (at == std::string::npos)
        return;
    at += sizeof kSwitch - 1;
    std::string cases;
    std::set<std::string> seen = {"IDOK", "IDCANCEL"}; // a name given twice gets one case
    for (size_t i = controls.size(); i-- > 0;) {
        const char *id = controls[i].szIdent;
        if (!id[0] || !seen.insert(id).second)
            continue;
        cases += std::string("\r\n           case ") + id + ":\r\n                break;";
    }
    source.insert(at, cases);
}
