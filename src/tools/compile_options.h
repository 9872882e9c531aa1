// The compiler options of the quick compile, checked against the source.
#pragma once
#include <cstddef>

#include "tools/source_facts.h"

// Compiler options are a text of up to 255 bytes.
const size_t COMPILE_OPTIONS_MAX = 255;

// Offset of the option "-" + szName in szOptions, where the option counts
// only when the character after its letters is neither a letter nor a digit
// ("-tW" is not found in "-tWM"); -1 when absent.
long FindOption(const char *szOptions, const char *szName);

// True when the option is present in that sense.
bool HasOption(const char *szOptions, const char *szName);

// Removes the option that FindOption finds (its text only; the blanks
// around it stay). Returns 1 when it was there.
int RemoveOption(char *szOptions, size_t capacity, const char *szName);

// The questions the option check may ask; the texts are kAskAddTW etc.
enum OptionQuestion {
    ASK_ADD_TW,            // WinMain found, add -tW?
    ASK_REMOVE_TW,         // no WinMain, remove -tW?
    ASK_ADD_TWD,           // DllMain found, add -tWD?
    ASK_REMOVE_TW_FOR_DLL  // DllMain found, -tW is superfluous, remove it?
};

// The text of a question (CP932).
const char *OptionQuestionText(OptionQuestion question);

// Asks the user; returns true for Yes.
typedef bool (*OptionAskFn)(void *context, OptionQuestion question);

// Checks the options (szOptions, capacity bytes, changed in place) against
// the source facts: offers to add or remove -tW and -tWD through fnAsk, then
// appends "-f " for floating point and "-tWM " for threads without asking
// (after a separating blank when the options do not end in one). Returns 1,
// or 0 when a change would not fit; the options then keep the changes made
// so far, never overrun.
int CheckOptions(char *szOptions, size_t capacity, const SourceFacts *facts, OptionAskFn fnAsk,
                 void *context);
