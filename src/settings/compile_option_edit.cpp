#include "settings/compile_option_edit.h"

#include "common/cp932.h"

static bool IsWordByte(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

size_t FindIsolatedOption(const std::string &szText, const std::string &szName)
{
    if (szName.empty())
        return std::string::npos;
    const char *p = szText.c_str();
    const char *end = p + szText.size();
    bool bPrevWord = false;
    for (const char *q = p; q < end;) {
        size_t n = cp932::CharLength(q, end);
        if (n == 1 && !bPrevWord && static_cast<size_t>(end - q) >= szName.size() &&
            szText.compare(static_cast<size_t>(q - p), szName.size(), szName) == 0) {
            const char *after = q + szName.size();
            if (after >= end || !IsWordByte(static_cast<unsigned char>(*after)))
                return static_cast<size_t>(q - p);
        }
        bPrevWord = n == 1 && IsWordByte(static_cast<unsigned char>(*q));
        q += n;
    }
    return std::string::npos;
}

void SetCompileOption(std::string &szText, const std::string &szName, bool bWanted)
{
    size_t pos = FindIsolatedOption(szText, szName);
    if (bWanted) {
        if (pos == std::string::npos) {
            // A text that does not end in a space would glue the option to its last word.
            if (!szText.empty() && szText.back() != ' ')
                szText += " ";
            szText += "-" + szName + " ";
        }
        return;
    }
    if (pos == std::string::npos)
        return;
    size_t start = pos > 0 ? pos - 1 : 0;
    size_t stop = pos + szName.size();
    if (stop < szText.size() && szText[stop] == ' ')
        ++stop;
    szText.erase(start, stop - start);
}
