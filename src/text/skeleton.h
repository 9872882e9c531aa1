// Filling of the new-project skeleton from the dialog's choices.
#pragma once
#include <string>

struct SkeletonChoices {
    bool abStyle[5] = {true, false, false, false, false}; // standard, NOCLOSE, DBLCLKS, BYTEALIGNCLIENT, BYTEALIGNWINDOW
    int nIcon = 0;                 // 0 IDI_APPLICATION .. 5 IDI_WINLOGO
    std::string szCursor = "IDC_ARROW";
    std::string szBrush = "LTGRAY";
    std::string szMenu;            // empty: NULL
    std::string szClassName;
    std::string szTitle;
    bool bPreTranslator = false;
};

// The texts that the PreTranslator option inserts (string table 7404-7407).
struct SkeletonOptionTexts {
    const char *szLoopOpen;  // replaces the first "//Option_Insertion"
    const char *szLoopClose; // replaces the second
    const char *szDecl;      // declaration put before "//FuncDecl_Insertion"
    const char *szFunction;  // replaces "//PreFunc_Insertion"
};

// The class style text: checked names joined by "|", "NULL" when none.
std::string SkeletonClassStyle(const bool abStyle[5]);

// Fills the eight placeholders of szTemplate in text order (a value that
// itself holds the placeholder word is never filled again) and applies the
// PreTranslator option. The result must fit nCapacity bytes with its
// terminator (the editor's buffer is 16384). Returns 1, or 0 when the
// template lacks a placeholder or the result would not fit.
int FillSkeleton(const char *szTemplate, const SkeletonChoices &choices, const SkeletonOptionTexts &options,
                 size_t nCapacity, std::string &out);
