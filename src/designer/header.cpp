// Finding and rewriting the statements of a dialog header.
#include "designer/header.h"
#include <cstdio>
#include <cstring>
#include <vector>
#include "common/cp932.h"
#include "designer/flags.h"
#include "designer/parser.h"
#include "designer/script_eval.h"
#include "designer/writer.h"

namespace {

const char *const kHeaderKeywords[] = {"CAPTION", "CHARACTERISTICS", "CLASS", "EXSTYLE", "FONT",
                                       "LANGUAGE", "MENU", "STYLE", "VERSION"};

bool IsWordByte(char c) { return isalnum((unsigned char)c) || c == '_'; }
bool IsBlankByte(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == ','; }

/* The statement pattern of a header keyword. */
std::vector<std::string> HeaderPattern(const std::string &kw)
{
    if (kw == "CHARACTERISTICS" || kw == "VERSION") return {kw, "*"};
    if (kw == "FONT") return {kw, "*", "*", "*o", "*o", "*o"};
    if (kw == "LANGUAGE") return {kw, "*", "*o"};
    return {kw, "*"};
}

/* End of the first line: the name, type, memory options and four coordinates, read as
   tokens (the coordinates may be expressions and run over line ends). */
size_t FirstLineEnd(const std::string &s)
{
    Preprocessed pp;
    Preprocess(s, ScriptOptions(), pp);
    const std::vector<ScriptToken> &t = pp.tokens;
    size_t i = 0;
    while (i < t.size() && !(t[i].kind == kTokWord && (pp.Spell(t[i]) == "DIALOG" || pp.Spell(t[i]) == "DIALOGEX")))
        i++;
    if (i >= t.size())
        return 0;
    for (i++; i < t.size() && (IsPunct(pp, t[i], "|") || IsMemoryOption(pp.Spell(t[i]))); i++) {}
    size_t end = PlaceOf(pp, t[i - 1]).end;
    for (int n = 0; n < 4 && i < t.size(); n++) {
        if (n > 0) {
            if (!IsPunct(pp, t[i], ",")) break;
            i++;
        }
        EvalResult e = EvalExpression(pp, t, i, kPrecAll, NameValues());
        if (e.end == i) break;
        i = e.end;
        end = PlaceOf(pp, t[i - 1]).end;
    }
    return end;
}

} // namespace

TextSpan FindHeaderStatement(const std::string &header, size_t from, std::string *keyword)
{
    std::string s = BlankComments(header);
    bool inQuote = false;
    for (size_t p = from; p < s.size();) {
        char c = s[p];
        if (c == '"') { inQuote = !inQuote; p++; continue; }
        if (inQuote || !isalpha((unsigned char)c) || (p > 0 && IsWordByte(s[p - 1]))) {
            p += cp932::CharLength(s.data() + p, s.data() + s.size());
            continue;
        }
        size_t e = p;
        while (e < s.size() && IsWordByte(s[e])) e++;
        std::string w = s.substr(p, e - p);
        for (const char *kw : kHeaderKeywords)
            if (w == kw) {
                TextSpan t = MatchStatement(s.substr(p), HeaderPattern(w));
                if (t.found && t.start == 0) {
                    if (keyword) *keyword = w;
                    return {true, p, t.length};
                }
            }
        p = e;
    }
    return {false, 0, 0};
}

std::string WriteDialogHeader(const std::string &header, const Dlgdata &dlg, const Dlgdata &org)
{
    (void)org; // the first line is found by its form, whatever its old words were
    std::string out = header;
    size_t lead = 0;
    while (lead < out.size() && IsBlankByte(out[lead])) lead++;
    std::string blanked = BlankComments(out);
    size_t end = FirstLineEnd(blanked.substr(lead)) + lead;
    char buf[400];
    snprintf(buf, sizeof buf, "%s %s %s  %u, %u, %u, %u", dlg.szName, dlg.szType[0] ? dlg.szType : "DIALOGEX",
             dlg.szMemOpt, dlg.x, dlg.y, dlg.cx, dlg.cy);
    out.replace(lead, end - lead, buf);
    size_t firstLen = strlen(buf);

    struct NewLine { const char *kw; std::string text; };
    std::vector<NewLine> lines;
    if (dlg.szCaption[0])
        lines.push_back({"CAPTION", std::string("CAPTION ") + QuoteScriptText(dlg.szCaption)});
    if (dlg.exStyle)
        lines.push_back({"EXSTYLE", "EXSTYLE " + DlgFlagsToStyleText(dlg, true)});
    if (dlg.szFace[0]) {
        snprintf(buf, sizeof buf, "FONT %u, ", dlg.pointSize);
        lines.push_back({"FONT", buf + QuoteScriptText(dlg.szFace)});
    }
    lines.push_back({"STYLE", "STYLE " + DlgFlagsToStyleText(dlg, false)});
    for (const NewLine &l : lines) {
        size_t from = lead + firstLen;
        std::string kw;
        TextSpan t;
        for (;;) {
            t = FindHeaderStatement(out, from, &kw);
            if (!t.found || kw == l.kw) break;
            from = t.start + t.length;
        }
        if (t.found) {
            // The old statement's trailing blanks stay in the text: none are added.
            std::string text = l.text;
            while (!text.empty() && IsBlankByte(text.back()) && text.back() != ',')
                text.pop_back();
            out.replace(t.start, t.length, text);
        }
        else {
            if (!out.empty() && out.back() != '\n') out += "\r\n";
            out += l.text + "\r\n";
        }
    }
    return out;
}
