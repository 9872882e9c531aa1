#include "text/colour_rtf.h"

#include "common/cp932.h"

#include <algorithm>
#include <cstdio>

namespace {

/* ColourTable: the colours used in [from, to), numbered from 1 in order of use. */
class ColourTable {
public:
    int Index(uint32_t rgb)
    {
        if (rgb == kRtfAutoColour)
            return 0;
        for (size_t k = 0; k < m_colours.size(); ++k)
            if (m_colours[k] == rgb)
                return (int)k + 1;
        m_colours.push_back(rgb);
        return (int)m_colours.size();
    }
    void Write(std::string &out) const
    {
        out += "{\\colortbl;";
        char buf[48];
        for (uint32_t c : m_colours) {
            std::snprintf(buf, sizeof buf, "\\red%u\\green%u\\blue%u;", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
            out += buf;
        }
        out += "}";
    }

private:
    std::vector<uint32_t> m_colours;
};

void WriteHex(unsigned char b, std::string &out)
{
    static const char digits[] = "0123456789abcdef";
    out += "\\'";
    out += digits[b >> 4];
    out += digits[b & 15];
}

/* WriteChar: one character (one or two bytes) of the text in RTF. */
void WriteChar(const char *p, size_t n, const char *end, std::string &out)
{
    unsigned char b = (unsigned char)p[0];
    if (n == 2) {
        WriteHex(b, out);
        WriteHex((unsigned char)p[1], out);
    } else if (b == '\r' && p + 1 < end && p[1] == '\n') {
        out += "\\par\r\n";
    } else if (b == '\r') {
        out += "\\u13 ";
    } else if (b == '\n') {
        out += "\\u10 ";
    } else if (b == '\t') {
        out += "\\tab ";
    } else if (b == '\\' || b == '{' || b == '}') {
        out += '\\';
        out += (char)b;
    } else if (b < 0x20 || b >= 0x7F) {
        WriteHex(b, out);
    } else {
        out += (char)b;
    }
}

/* CharSize: a lead byte counts double only with a real trail byte after it. */
size_t CharSize(const char *p, const char *end)
{
    return p + 1 < end && cp932::IsLeadByte((unsigned char)p[0]) && cp932::IsTrailByte((unsigned char)p[1]) ? 2 : 1;
}

} // namespace

/* WriteColourRtf: the slice in two passes, the colour table first. */
void WriteColourRtf(const char *text, size_t from, size_t to, const std::vector<ColourRun> &runs,
                    uint32_t plainColour, std::string &out)
{
    auto firstRun = std::upper_bound(runs.begin(), runs.end(), from,
                                     [](size_t at, const ColourRun &r) { return at < r.nEnd; });
    // Colour of each character start; the walk over the runs moves forward only.
    auto colourAt = [&](std::vector<ColourRun>::const_iterator &r, size_t at) {
        while (r != runs.end() && r->nEnd <= at)
            ++r;
        return r != runs.end() && r->nStart <= at ? r->rgb : plainColour;
    };
    const char *end = text + to;
    ColourTable table;
    std::string body;
    body.reserve((to - from) + (to - from) / 4 + 64);
    auto r = firstRun;
    int current = -1;
    char buf[24];
    for (size_t at = from; at < to;) {
        int k = table.Index(colourAt(r, at));
        if (k != current) {
            std::snprintf(buf, sizeof buf, "\\cf%d ", k);
            body += buf;
            current = k;
        }
        size_t n = CharSize(text + at, end);
        WriteChar(text + at, n, end, body);
        // CR LF is one line end: both bytes in one step.
        at += (n == 1 && text[at] == '\r' && at + 1 < to && text[at + 1] == '\n') ? 2 : n;
    }
    out += "{\\rtf1\\ansi\\ansicpg932\\uc0";
    table.Write(out);
    out += body;
    out += "}";
}
