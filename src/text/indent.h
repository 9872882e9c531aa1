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

// The lines that differ between two texts: the common head of whole lines
// (head bytes) and the common tail of whole lines (tail bytes), so that
// from[head, from.size() - tail) replaced by to[head, to.size() - tail)
// turns from into to. Lines end with a line feed.
struct ChangedLines {
    size_t head = 0;
    size_t tail = 0;
};
ChangedLines FindChangedLines(const std::string &from, const std::string &to);
