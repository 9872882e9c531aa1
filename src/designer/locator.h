#pragma once
// Finding the exact stretch of text of one statement in a script.
#include <cstddef>
#include <string>
#include <vector>
#include "designer/records.h"

struct TextSpan {
    bool found;
    size_t start;
    size_t length;
};

// Pattern words: a literal, "*" (one argument) or "*o" (an optional argument after a comma).
TextSpan MatchStatement(const std::string &text, const std::vector<std::string> &pattern);
// The statement of a control record in a block (short form first, then CONTROL).
TextSpan FindControlStatement(const std::string &text, const Ctrldata &rec);
