// Placeholder filling for the editor's generated texts.
#pragma once
#include <cstddef>

// Replaces the n-th occurrence (n >= 1) of word in the zero-terminated text,
// each search resuming one byte after the previous hit. The buffer holds
// capacity bytes; returns 1 when done, 0 when there is no n-th occurrence or
// when the result with its terminator would not fit (the text is unchanged).
int ReplaceNth(char *text, size_t capacity, const char *word, int n, const char *replacement);
