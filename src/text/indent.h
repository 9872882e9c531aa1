// Re-indentation by block characters and spacing around parentheses.
#pragma once
#include <cstddef>
#include <string>

struct IndentOptions {
    char chOpen = '{';
    char chClose = '}';
    int nStep = 6;    // spaces per level
    int nInitial = 0; // spaces before the first level
};

// Re-indents every line of text[0, len) into out. Returns 1 on success, 0
// when the result would grow past 3 x the text length + 64 KiB (out is then
// cleared and the pane must stay unchanged).
int IndentText(const char *text, size_t len, const IndentOptions &opt, std::string &out);

// Puts one space inside "(" and ")" and after ",", unless whitespace or a
// parenthesis already stands there; literals are copied unchanged.
void SpaceParentheses(const char *text, size_t len, std::string &out);
