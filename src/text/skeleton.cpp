#include "text/skeleton.h"

#include "common/cp932.h"

#include <cstring>

namespace {

const char kPlaceholder[] = "INSERTION";

// Replaces the first occurrence of word at or after *pFrom; *pFrom moves
// past the replacement. False when there is none.
bool FillNext(std::string &text, size_t *pFrom, const char *word, const std::string &value)
{
    size_t at = text.find(word, *pFrom);
    if (at == std::string::npos)
        return false;
    text.replace(at, std::strlen(word), value);
    *pFrom = at + value.size();
    return true;
}

} // namespace

std::string SkeletonClassStyle(const bool abStyle[5])
{
    static const char *const kNames[5] = {"CS_HREDRAW|CS_VREDRAW", "CS_NOCLOSE", "CS_DBLCLKS",
                                          "CS_BYTEALIGNCLIENT", "CS_BYTEALIGNWINDOW"};
    std::string s;
    for (int k = 0; k < 5; ++k)
        if (abStyle[k])
            s += (s.empty() ? "" : "|") + std::string(kNames[k]);
    return s.empty() ? "NULL" : s;
}

/* Fills the placeholders in order, then the option markers. */
int FillSkeleton(const char *szTemplate, const SkeletonChoices &c, const SkeletonOptionTexts &o,
                 size_t nCapacity, std::string &out)
{
    static const char *const kIcons[6] = {"IDI_APPLICATION", "IDI_ASTERISK", "IDI_EXCLAMATION",
                                          "IDI_HAND",        "IDI_QUESTION", "IDI_WINLOGO"};
    out = szTemplate ? szTemplate : "";
    std::string menu = c.szMenu.substr(0, cp932::CutOnCharBoundary(c.szMenu.data(), c.szMenu.size(), 255));
    std::string values[8] = {SkeletonClassStyle(c.abStyle),
                             kIcons[(c.nIcon >= 0 && c.nIcon < 6) ? c.nIcon : 0],
                             c.szCursor,
                             c.szBrush,
                             menu.empty() ? "NULL" : "\"" + menu + "\"",
                             c.szClassName,
                             c.szClassName,
                             c.szTitle};
    size_t from = 0;
    for (const std::string &v : values)
        if (!FillNext(out, &from, kPlaceholder, v))
            return 0;
    bool ok = true;
    if (c.bPreTranslator) {
        from = 0;
        ok = FillNext(out, &from, "//Option_Insertion", o.szLoopOpen ? o.szLoopOpen : "") &&
             FillNext(out, &from, "//Option_Insertion", o.szLoopClose ? o.szLoopClose : "");
        from = 0;
        ok = ok && FillNext(out, &from, "//FuncDecl_Insertion",
                            std::string(o.szDecl ? o.szDecl : "") + "\r\n//FuncDecl_Insertion");
        from = 0;
        ok = ok && FillNext(out, &from, "//PreFunc_Insertion", o.szFunction ? o.szFunction : "");
    } else {
        from = 0;
        ok = FillNext(out, &from, "//Option_Insertion", " ") && FillNext(out, &from, "//Option_Insertion", " ");
        from = 0;
        ok = ok && FillNext(out, &from, "//PreFunc_Insertion", " ");
    }
    if (!ok || out.size() + 1 > nCapacity) {
        out.clear();
        return 0;
    }
    return 1;
}
