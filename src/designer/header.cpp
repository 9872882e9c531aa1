// Finding and rewriting the statements of a dialog header.
#include "designer/header.h"
#include <cstdio>
#include <cstring>
#include <vector>
#include "common/cp932.h"
#include "designer/flags.h"
#include "designer/parser.h"
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

/* End of the first line: the name, type, options and four numbers. */
size_t FirstLineEnd(const std::string &s)
{
    size_t p = 0;
    while (p < s.size() && IsBlankByte(s[p])) p++;
    // name and statement type
    for (int w = 0; w < 2; w++) {
        while (p < s.size() && !IsBlankByte(s[p])) p += cp932::CharLength(s.data() + p, s.data() + s.size());
        while (p < s.size() && IsBlankByte(s[p]) && s[p] != ',') p++;
    }
    // memory options up to the first number
    while (p < s.size() && !isdigit((unsigned char)s[p]) && s[p] != '-' && s[p] != '(' && s[p] != '\n') p++;
    for (int n = 0; n < 4 && p < s.size(); n++) {
        if (n > 0) {
            size_t c = s.find(',', p);
            if (c == std::string::npos)
                return p;
            p = c + 1;
        }
        while (p < s.size() && (s[p] == ' ' || s[p] == '\t')) p++;
        while (p < s.size() && s[p] != ',' && s[p] != '\r' && s[p] != '\n') p++;
        while (p > 0 && (s[p - 1] == ' ' || s[p - 1] == '\t')) p--;
    }
    return p;
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
