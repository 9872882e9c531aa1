// The snippet list of the edit context menu: a decimal count followed by
// that many NUL-separated item texts, as string resource 7598 holds it.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

enum { SNIPPET_FIRST_ID = 956, SNIPPET_WARN_COUNT = 44 };

struct SnippetList {
    unsigned nDeclared = 0;             // the count at the front
    std::vector<std::string> items;     // the items present, at most nDeclared
};

// Parses list[0, size). Never reads past size: a count larger than the items
// present yields only the items present.
SnippetList ParseSnippetList(const char *list, size_t size);
