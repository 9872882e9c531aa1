// The compile options text of the settings sheet: which options it holds
// as isolated words, and adding or removing one of them.
#pragma once
#include <string>

// Position of szName in szText as an isolated word (letters, digits and
// "_" are word characters; double-byte characters are skipped whole), or
// std::string::npos.
size_t FindIsolatedOption(const std::string &szText, const std::string &szName);

// Makes the text hold "-<name>" exactly when bWanted: a present option is
// removed with its "-" (one character before the name unless the name
// starts the text) and one following space; a missing one is appended as
// "-<name> ".
void SetCompileOption(std::string &szText, const std::string &szName, bool bWanted);
