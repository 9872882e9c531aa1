// The folder of the batch buttons: how a "cd" line of a batch changes it,
// and how a batch text is cut into its lines.
#pragma once
#include <string>
#include <vector>

// The folder a "cd ARG" line names, from the current batch folder. A
// trailing backslash of the current folder is dropped (bStripped set), the
// first two double quotes of the argument go, a single character is a
// drive, a relative argument is joined to the current folder with its
// dot-only components folded ("." stays, each further dot one folder up).
// False when the result would go above the root or is empty. Whether the
// folder exists is the caller's question.
bool ResolveBatchCd(const std::string &szCurrent, const std::string &szArg, std::string &szResult,
                    bool &bStripped);

// The batch cut at "\r\n", each line without its "//" comment.
std::vector<std::string> SplitBatchLines(const std::string &szBatch);

// The first word of a line (after spaces, tabs and line breaks).
std::string FirstWord(const std::string &szLine);

// The text between the first two double quotes, or "" when there are not two.
std::string QuotedName(const std::string &szLine);

// The argument of a "cd " line (any letter case, after leading blanks), or
// false when the line is no cd line.
bool CdArgument(const std::string &szLine, std::string &szArg);
