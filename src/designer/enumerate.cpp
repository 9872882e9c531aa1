// Listing the DIALOG and DIALOGEX resources of a script.
#include "designer/enumerate.h"
#include "designer/parser.h"

/* The header and block texts of the dialogs read, where they stand in text. */
std::vector<DialogExtent> DialogExtents(const std::string &text, const ScriptReading &reading)
{
    std::vector<DialogExtent> out;
    for (const ParsedDialog &d : reading.dialogs) {
        if ((int)out.size() >= kMaxListedDialogs)
            break;
        DialogExtent e{d.dlg.szName, std::string(), std::string(), d.headerStart, d.bodyStart, d.bodyEnd};
        if (d.headerStart != std::string::npos) {
            e.header = text.substr(d.headerStart, d.bodyStart - d.headerStart);
            e.body = text.substr(d.bodyStart, d.bodyEnd - d.bodyStart);
        }
        out.push_back(std::move(e));
    }
    return out;
}

/* The dialogs whose texts stand whole in text, none when the script is bad. */
int EnumerateDialogs(const std::string &text, std::vector<DialogExtent> &out, bool *badScript)
{
    ScriptReading reading = ReadDialogScript(text, ScriptOptions());
    if (badScript) *badScript = reading.badScript;
    if (reading.badScript)
        return 0;
    for (DialogExtent &e : DialogExtents(text, reading))
        if (e.headerStart != std::string::npos)
            out.push_back(std::move(e));
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
