#include "settings/batch_folder.h"

#include "common/cp932.h"

static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

/* Components: the path cut at its backslashes (never at a trail byte). */
static std::vector<std::string> Components(const std::string &s)
{
    std::vector<std::string> parts(1);
    const char *p = s.c_str();
    const char *end = p + s.size();
    while (p < end) {
        size_t n = cp932::CharLength(p, end);
        if (n == 1 && *p == '\\')
            parts.emplace_back();
        else
            parts.back().append(p, n);
        p += n;
    }
    return parts;
}

/* EndsWithBackslash: a last byte 0x5C that is a character of its own. */
static bool EndsWithBackslash(const std::string &s)
{
    const char *p = s.c_str();
    const char *end = p + s.size();
    bool last = false;
    while (p < end) {
        size_t n = cp932::CharLength(p, end);
        last = n == 1 && *p == '\\';
        p += n;
    }
    return last;
}

bool ResolveBatchCd(const std::string &szCurrent, const std::string &szArg, std::string &szResult,
                    bool &bStripped)
{
    std::string cur = szCurrent;
    bStripped = false;
    if (EndsWithBackslash(cur)) {
        cur.pop_back();
        bStripped = true;
    }
    size_t start = 0;
    while (start < szArg.size() && IsBlank(szArg[start]))
        ++start;
    std::string arg = szArg.substr(start);
    while (!arg.empty() && IsBlank(arg.back()))
        arg.pop_back();
    if (EndsWithBackslash(arg))
        arg.pop_back();
    for (int k = 0; k < 2; ++k) {
        size_t q = arg.find('"');
        if (q != std::string::npos)
            arg.erase(q, 1);
    }
    if (arg.empty())
        return false;
    // A single letter names a drive; a lone "." is the folder itself.
    if (arg.size() == 1 && ((arg[0] >= 'A' && arg[0] <= 'Z') || (arg[0] >= 'a' && arg[0] <= 'z'))) {
        szResult = arg + ":";
        return true;
    }
    if (arg[1] == ':') {
        if (arg.size() > 2 && arg[2] != '\\')
            arg.insert(2, "\\");
        szResult = arg;
        return true;
    }
    std::vector<std::string> parts = Components(cur + "\\" + arg);
    std::vector<std::string> kept;
    for (const std::string &c : parts) {
        bool bDots = !c.empty() && c.find_first_not_of('.') == std::string::npos;
        if (!bDots) {
            if (!c.empty())
                kept.push_back(c);
            continue;
        }
        for (size_t up = 1; up < c.size(); ++up) {
            if (kept.size() <= 1)
                return false;   // above the root
            kept.pop_back();
        }
    }
    if (kept.empty())
        return false;
    szResult.clear();
    for (size_t i = 0; i < kept.size(); ++i)
        szResult += (i ? "\\" : "") + kept[i];
    return true;
}

std::vector<std::string> SplitBatchLines(const std::string &szBatch)
{
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos <= szBatch.size()) {
        size_t eol = szBatch.find("\r\n", pos);
        std::string line = szBatch.substr(pos, eol == std::string::npos ? std::string::npos : eol - pos);
        size_t comment = line.find("//");
        if (comment != std::string::npos)
            line.erase(comment);
        lines.push_back(line);
        if (eol == std::string::npos)
            break;
        pos = eol + 2;
    }
    return lines;
}

std::string FirstWord(const std::string &szLine)
{
    size_t a = 0;
    while (a < szLine.size() && IsBlank(szLine[a]))
        ++a;
    size_t b = a;
    while (b < szLine.size() && !IsBlank(szLine[b]))
        ++b;
    return szLine.substr(a, b - a);
}

std::string QuotedName(const std::string &szLine)
{
    size_t a = szLine.find('"');
    if (a == std::string::npos)
        return "";
    size_t b = szLine.find('"', a + 1);
    if (b == std::string::npos)
        return "";
    return szLine.substr(a + 1, b - a - 1);
}

bool CdArgument(const std::string &szLine, std::string &szArg)
{
    size_t a = 0;
    while (a < szLine.size() && IsBlank(szLine[a]))
        ++a;
    if (szLine.size() < a + 3)
        return false;
    char c = szLine[a], d = szLine[a + 1];
    if ((c != 'c' && c != 'C') || (d != 'd' && d != 'D') || szLine[a + 2] != ' ')
        return false;
    szArg = szLine.substr(a + 3);
    return true;
}
