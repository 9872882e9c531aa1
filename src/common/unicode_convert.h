// UTF-8 and UTF-16 text to and from CP932 through the system's code-unit
// mapping (a Cp932Codec). Characters with no CP932 form are counted and put
// as "?", never best-fitted. The seven JIS/Microsoft twin pairs (〜～ ‖∥ −－
// ¢ £ ¬ —―) are read as their CP932 character and written back in the form
// the file used, one bit per pair in twinForms.
#pragma once
#include "common/cp932_codec.h"
#include "common/text_encoding.h"

#include <string>

// Number of twin pairs; bit k of twinForms set: the file wrote pair k in
// its JIS form (U+301C, U+2016, U+2212, U+00A2, U+00A3, U+00AC, U+2014).
const unsigned kTwinPairCount = 7;

// UTF-8, UTF-16LE or UTF-16BE bytes (without the BOM; offsets from base) to
// CP932 appended to out; the twin forms met into twinForms.
void UnicodeToCp932(const char *in, size_t len, TextEncoding encoding, const Cp932Codec &codec,
                    std::string &out, ConversionReport &report, unsigned &twinForms, size_t base = 0);

// CP932 text to UTF-8 or UTF-16 bytes appended to out (no BOM), twin pairs
// in the given forms; false with the place for a sequence CP932 does not
// define.
bool Cp932ToUnicode(const char *in, size_t len, TextEncoding encoding, unsigned twinForms,
                    const Cp932Codec &codec, std::string &out, SaveProblem &problem);

// CP932 text as UTF-8 (twin pairs in their CP932 form); an undefined
// sequence becomes "?". For sora-tool's JSON and the like.
std::string Cp932ToUtf8(const char *in, size_t len, const Cp932Codec &codec);
