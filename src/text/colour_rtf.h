// The coloured text as RTF for the rich-edit pane: a colour table, one
// colour switch ("\cfN") per change of colour, every byte of a double-byte
// character and every other byte above 0x7F as "\'xx", CR LF as "\par", a
// CR or LF standing alone as "\u13" / "\u10", tabs as "\tab", and "\", "{",
// "}" escaped. Read by the control, it gives back the same bytes with the
// runs' colours. Each call writes one complete document, so a long text can
// be loaded in slices.
#pragma once
#include "text/colour_scan.h"

#include <cstdint>
#include <string>
#include <vector>

// Colour of the text outside the runs when it is the pane's automatic one.
enum : uint32_t { kRtfAutoColour = 0xFFFFFFFFu };

// Appends to out the RTF of text[from, to) (offsets as in the runs: the
// scan's base included) coloured by the runs, which are in text order
// without overlaps; bytes outside every run get plainColour (0x00BBGGRR,
// or kRtfAutoColour). A colour change that falls inside a double-byte
// character waits for the character's end: the control would garble a
// character whose two bytes get two formats.
void WriteColourRtf(const char *text, size_t from, size_t to, const std::vector<ColourRun> &runs,
                    uint32_t plainColour, std::string &out);
