#pragma once
// Control catalogue: one row per window class with its script keyword,
// identifier word and the named style / extended style flags.
#include <cstdint>

struct FlagEntry {
    uint32_t value;
    const char *name; // nullptr: unused slot
};

struct ClassInfo {
    const char *className;
    const char *shortKeyword; // "" when the class has no short statement
    const char *identWord;
    int counter;
    FlagEntry style[32];
    FlagEntry exStyle[32];
};

const int kClassCount = 27;
const int kRowComctl = 24;
const int kRowDlgclass = 25;
const int kRowWndclass = 26;

// The 27 rows in their fixed order (counters are mutable).
extern ClassInfo g_classInfo[kClassCount];

// Win32 values the designer core needs by number.
const uint32_t kWsChild = 0x40000000;
const uint32_t kWsVisible = 0x10000000;
const uint32_t kDsSetFont = 0x00000040;
const int kIdFreeBegin = 700;
