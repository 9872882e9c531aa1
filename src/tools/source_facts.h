// What the quick compile learns from the source text before it runs the
// compiler: entry points, floating point and threads.
#pragma once
#include <cstddef>

struct SourceFacts {
    bool bWinMain;   // WINAPI or APIENTRY WinMain(
    bool bDllMain;   // WINAPI or APIENTRY DllMain(
    bool bFloat;     // a simple float or double declaration "double x;"
    bool bThreads;   // _beginthread(, CreateThread( or CreateRemoteThread(
    bool bVoidMain;  // void main(
};

// Comments are blanked by BlankComments of the text analysis.
#include "text/function_list.h"

// True when the token run matches somewhere in text[0, nLen). Tokens are
// compared byte-wise; blanks may stand between them. A token " *" needs a
// blank first and then stands for one word, one run of operator characters
// or one punctuation character. Matches start on character boundaries.
bool MatchTokenRun(const char *text, size_t nLen, const char *const *tokens, int nTokens);

// Scans a copy of the text with its comments blanked. Bytes after a NUL are
// not looked at.
SourceFacts ScanSourceFacts(const char *text, size_t nLen);
