// Filling the "INSERTION" placeholders of the tool templates in text order.
#pragma once
#include <cstddef>

// Copies the template into text (capacity bytes) and fills its placeholders
// one after the other with values[0..nValues), each search starting after
// the previous inserted value, so a value that itself holds the placeholder
// word is never filled again. Returns 1 when done, 0 when the template has
// fewer placeholders or the result would not fit (text is then empty).
int FillPlaceholders(char *text, size_t capacity, const char *szTemplate,
                     const char *const *values, int nValues);

// Replaces every occurrence of word in text (capacity bytes), left to right,
// never looking inside an inserted replacement. Returns 1 when done, 0 when
// the result would not fit (text is then unchanged).
int ReplaceEach(char *text, size_t capacity, const char *word, const char *replacement);
