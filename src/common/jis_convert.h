// EUC-JP and ISO-2022-JP to and from CP932 by the JIS code arithmetic they
// share with Shift-JIS, without going through Unicode: 〜 and the NEC row 13
// survive, and CP932 text read from such a file goes back byte for byte.
#pragma once
#include "common/text_encoding.h"

#include <string>

// The escape sequences an ISO-2022-JP file chose, kept for writing it back.
struct Iso2022Style {
    char kanjiFinal = 'B';   // ESC $ B, or '@' for ESC $ @
    char romanFinal = 'B';   // ESC ( B, or 'J' for ESC ( J
    bool resetAtEnd = true;  // the text ends back in the single-byte set
};

// The CP932 code of JIS X 0208 row/cell bytes j1 j2 (0x21-0x7E); rows
// 85-94 are the user-defined area 0xF040-0xF4FC. False when CP932 does not
// define the code.
bool JisToCp932(unsigned j1, unsigned j2, unsigned char &s1, unsigned char &s2);

// The JIS row/cell bytes of a CP932 code; false for codes with no JIS X 0208
// place (the IBM extensions 0xED-0xEE and 0xFA-0xFC, user-defined 0xF5-0xF9).
bool Cp932ToJis(unsigned char s1, unsigned char s2, unsigned &j1, unsigned &j2);

// EUC-JP bytes to CP932 appended to out. Half-width katakana (8E) become
// single bytes; JIS X 0212 (8F) and undefined codes count as unmappable and
// invalid sequences as invalid, each put as "?" (offsets from base).
void EucJpToCp932(const char *in, size_t len, std::string &out, ConversionReport &report, size_t base = 0);

// CP932 text to EUC-JP appended to out; false with the problem's place
// offset for a sequence CP932 does not define or a character EUC-JP lacks.
bool Cp932ToEucJp(const char *in, size_t len, std::string &out, SaveProblem &problem);

// ISO-2022-JP bytes to CP932 appended to out, the file's escape choices into
// style. JIS X 0212 (ESC $ ( D) counts as unmappable, "?" per character.
void Iso2022JpToCp932(const char *in, size_t len, std::string &out, ConversionReport &report,
                      Iso2022Style &style, size_t base = 0);

// CP932 text to ISO-2022-JP with the given escape choices, back in the
// single-byte set before each line end; false as for Cp932ToEucJp.
bool Cp932ToIso2022Jp(const char *in, size_t len, const Iso2022Style &style, std::string &out,
                      SaveProblem &problem);
