// Brace and parenthesis colouring of C source as a list of coloured runs,
// with the brace and parenthesis balance of the same pass.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct ColourRun {
    size_t nStart;   // first byte (with the base offset added)
    size_t nEnd;     // one past the last byte
    uint32_t rgb;    // 0x00BBGGRR
};

struct ColourScan {
    std::vector<ColourRun> runs; // in text order, no overlaps, neighbours of one colour merged
    int nBraceBalance = 0;       // "{" minus "}"
    int nParenDepth = 0;         // "(" minus ")"
};

// Scans text[0, len) (a selection is passed with its start as nBase) and
// fills the runs; bytes left in the pane's own colour get no run.
void ScanColours(const char *text, size_t len, size_t nBase, ColourScan &out);

// At most this many runs start on one coloured line. Wine's control lays
// out and paints a row in a time that grows faster than the square of the
// colour changes on it, and the panes do not wrap, so a line is one row:
// after the pass the window was held 8 ms by 2,000 runs on one line, 52 ms
// by 6,000, 1.5 s by 20,000 and 45 s by 60,000 (x86_64 build, wine64).
enum : size_t { kMaxRunsPerLine = 4000 };

// Drops the runs that start on a line of text[0, len) on which more than
// maxRuns runs start: that line keeps the pane's own colour, except for
// what a run from an earlier line paints of it; the part of its last run
// that goes on past the line's end is kept. The runs' offsets are offsets
// into this text.
void LeaveCrowdedLinesPlain(const char *text, size_t len, size_t maxRuns, std::vector<ColourRun> &runs);

uint32_t BracePaletteColour(int k);   // entry k of the twelve-entry wheel
uint32_t ParenTint(int nDepth);       // tint inside parentheses of that depth

// Status texts (code page 932): "{ が%d個多い" / "} が%d個多い" / "{ と } は同数です",
// and the same with "(" and ")".
std::string BraceBalanceText(int nBalance);
std::string ParenBalanceText(int nBalance);

enum : uint32_t {
    kStringColour = 0x008001FF,       // (255, 1, 128)
    kLineCommentColour = 0x00FF00B4,  // (180, 0, 255)
    kBlockCommentColour = 0x003F7DFF, // (255, 125, 63)
};
