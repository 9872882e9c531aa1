#pragma once
// Reading dialog resources from a resource script (CP932 text).
#include <string>
#include <vector>
#include "designer/records.h"

struct ParsedDialog {
    Dlgdata dlg;
    std::vector<Ctrldata> controls;
    std::vector<std::string> keywords; // statement keyword of each control
    size_t headerStart, bodyStart, bodyEnd; // offsets in the script
};

// Blanks /* */ and // comments outside quoted strings (length kept).
std::string BlankComments(const std::string &text);
// Reads every dialog; returns false with a message naming the line on a broken script.
bool ParseDialogs(const std::string &text, std::vector<ParsedDialog> &out, std::string &error);
