#include "filelist/file_tree_match.h"

#include <cstring>

#include "common/cp932.h"

static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v'; }

static std::string WithoutBlanks(const std::string &s)
{
    std::string out;
    for (char c : s)
        if (!IsBlank(c))
            out.push_back(c);
    return out;
}

static char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

/* FileNameOfPath: the part after the last folder separator. */
std::string FileNameOfPath(const std::string &szPath)
{
    const char *p = szPath.c_str();
    const char *end = p + szPath.size();
    size_t nStart = 0;
    for (const char *q = p; q < end;) {
        size_t n = cp932::CharLength(q, end);
        if (n == 1 && (*q == '\\' || *q == '/' || *q == ':'))
            nStart = static_cast<size_t>(q - p) + 1;
        q += n;
    }
    return szPath.substr(nStart);
}

/* MatchFileCategory: the extension against the items of the list. */
bool MatchFileCategory(const std::string &szPatterns, const std::string &szName)
{
    std::string list = WithoutBlanks(szPatterns) + ";";
    std::string name = FileNameOfPath(szName);
    // The last dot that is a character of its own (not a trail byte).
    const char *p = name.c_str();
    const char *end = p + name.size();
    const char *dot = nullptr;
    for (const char *q = p; q < end;) {
        size_t n = cp932::CharLength(q, end);
        if (n == 1 && *q == '.')
            dot = q;
        q += n;
    }
    if (!dot)
        return list == "*.*;";
    std::string ext = WithoutBlanks(std::string(dot));
    size_t pos = 0;
    while (pos < list.size()) {
        size_t semi = list.find(';', pos);
        if (semi == std::string::npos)
            break;
        std::string item = list.substr(pos, semi + 1 - pos);
        pos = semi + 1;
        size_t star = item.find('*');
        if (star != std::string::npos)
            item.erase(star, 1);
        if (item.size() < ext.size())
            continue;
        bool same = true;
        for (size_t i = 0; i < ext.size() && same; ++i)
            same = Lower(item[i]) == Lower(ext[i]);
        if (same)
            return true;
    }
    return false;
}
