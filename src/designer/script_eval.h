#pragma once
// Integer expressions over script tokens: numbers, names, parentheses and the C operators,
// as #if lines, coordinates, identifiers and styles of a resource script write them.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>
#include "designer/script_preprocess.h"

struct EvalResult {
    int64_t value;
    bool ok;             // an operand stood wherever one was needed
    size_t end;          // the first token after the expression
    std::string unknown; // the first name without a value that the value depends on
};

// A name's value; false when the name has none (it then counts 0).
typedef std::function<bool(std::string_view name, int64_t &value)> NameValues;

// Every operator, the conditional ?: included.
const int kPrecAll = 0;
// Operators that bind tighter than '|': one term of a style expression.
const int kPrecAboveBar = 4;

// The expression starting at toks[i]; it ends before the first token that cannot continue it.
EvalResult EvalExpression(const Preprocessed &pp, const std::vector<ScriptToken> &toks, size_t i, int minPrec,
                          const NameValues &names);
// True when the token is the punctuation p.
bool IsPunct(const Preprocessed &pp, const ScriptToken &t, const char *p);
