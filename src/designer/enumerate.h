#pragma once
// Finding the dialog resources of a script for the dialog list.
#include <string>
#include <vector>

struct DialogExtent {
    std::string name;
    std::string header; // from the name up to BEGIN (comments kept)
    std::string body;   // from BEGIN through the matching END
    size_t headerStart, bodyStart, bodyEnd;
};

const int kMaxListedDialogs = 256;

// Every DIALOG/DIALOGEX resource (at most 256) with a plain name; returns the count.
// A keyword with no name before it ends the search with badScript set.
int EnumerateDialogs(const std::string &text, std::vector<DialogExtent> &out, bool *badScript);
// The #define lines of a script, for reading one dialog on its own.
std::string DefineLines(const std::string &text);
