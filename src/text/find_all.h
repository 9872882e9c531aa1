// Find-all over a text, the rows of the result list grouped under the
// functions, and the replacement of checked rows.
#pragma once
#include "text/function_list.h"
#include "text/search_core.h"

#include <cstddef>
#include <string>
#include <vector>

enum FindMode { kFindPattern = -1, kFindNormal = 0, kFindVariable = 1 };

struct FindHit {
    size_t nOffset;
    int nLen;          // matched length (phrase length unless the primitive reports one)
    char szSnippet[64]; // at most 63 bytes, cut on a character boundary
};

struct FindAllResult {
    std::vector<FindHit> hits;
    bool bCapped = false; // more hits exist than the cap allowed
};

// Finds every hit of phrase in the zero-terminated text (len bytes), each
// search resuming one byte after the previous hit; nMax <= 0 means no cap
// (the editor passes 998). Returns the number of hits.
// The primitive of find next and find previous for a phrase in search mode
// nCurMode (0 normal, 1 variable, 2 pattern) under the two syntax settings
// (btSearchMode 0 never, 1 with several words, 2 always; bVarSyntax 1:
// several words in variable mode are a syntax pattern). Selects it in fn
// and returns the pattern to pass: the phrase, or its compiled form in
// compiled (kSyntaxPatternSize bytes).
const char *ChooseFindPrimitive(SearchFunction &fn, const char *phrase, int nCurMode, int btSearchMode,
                                int bVarSyntax, char *compiled);

int MyFindStringAll(const char *text, size_t len, const char *phrase, int nMode, int nMax, FindAllResult &out);

struct FindRow {
    std::string szLocation; // function name, or "  LINE  %-8d"
    std::string szResult;   // snippet, or " " on a function row
    size_t nPos;            // byte offset the row selects
    int nHit;               // index into the hits, -1 on a function row
};

// Rows in text order: hits before the first function, then per function
// with hits a function row followed by its hit rows.
std::vector<FindRow> BuildFindRows(const char *text, size_t len, const FunctionList &funcs,
                                   const FindAllResult &found);

// The four summary lines of the information column (code page 932).
std::vector<std::string> FindSummaryLines(const char *phrase, int nHits, int nFunctions, int nMode);

struct TextEdit {
    size_t nStart;  // in the text as it stands when this edit is applied
    size_t nOldLen;
    std::string szNew;
};

// Replaces the checked rows (indices in ascending order) of text with
// szReplacement (at most 128 bytes are used), keeping a running offset;
// a row is replaced only when the text there still equals the phrase or the
// row's snippet. Function rows and rows repeating the previous position are
// skipped. Fills the edits applied in order and returns their count.
int ReplaceCheckedRows(std::string &text, const std::vector<FindRow> &rows, const FindAllResult &found,
                       const std::vector<size_t> &checked, const char *phrase, const char *szReplacement,
                       int nMode, std::vector<TextEdit> *pEdits);
