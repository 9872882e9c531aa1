#pragma once
// Finding the dialog resources of a script for the dialog list.
#include <string>
#include <vector>
#include "designer/parser.h"

struct DialogExtent {
    std::string name;
    std::string header; // from the name up to BEGIN (comments kept)
    std::string body;   // from BEGIN through the matching END
    size_t headerStart, bodyStart, bodyEnd; // npos (texts empty) unless all stand in the script's own text
};

const int kMaxListedDialogs = 256;

// The texts of the first 256 dialogs of a reading of text.
std::vector<DialogExtent> DialogExtents(const std::string &text, const ScriptReading &reading);
// Every DIALOG/DIALOGEX resource (at most 256) with a plain name whose header and block
// stand whole in text; returns the count. A keyword with no name before it makes the
// script bad: badScript is set and no dialog is given.
int EnumerateDialogs(const std::string &text, std::vector<DialogExtent> &out, bool *badScript);
// The #define lines of a script, for reading one dialog on its own.
std::string DefineLines(const std::string &text);
