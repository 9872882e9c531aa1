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
