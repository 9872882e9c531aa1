// Which category of the file tree a file name belongs to: a pattern list
// such as "*.c;*.cpp" against the file's extension.
#pragma once
#include <string>

// True when the extension of szName (the part from its last ".", the dot
// included) matches an item of szPatterns. Whitespace is ignored in both;
// the comparison ignores case and runs over the extension's length only,
// so an extension that begins a listed one matches too (".r" and "*.rh").
// A name without a dot matches only the list "*.*".
bool MatchFileCategory(const std::string &szPatterns, const std::string &szName);

// The name part of a path (after the last '\\', '/' or ':'), CP932-aware.
std::string FileNameOfPath(const std::string &szPath);
