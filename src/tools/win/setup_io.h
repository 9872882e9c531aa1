// Reading and rewriting the compiler's installation files.
#pragma once
#include <windows.h>

#include <cstddef>

#include "tools/setup_check.h"

// Reads at most capacity - 1 bytes of the file into buf (zeroed first):
// a SetupReadResult. Open and read failures are reported with a message.
int ReadSetupFile(const char *szPath, char *buf, size_t capacity, size_t *pnLen);

// Rewrites a file: the old one (when it exists) is first copied beside it
// ("name.bak", or "name.bak2" ... when that exists), then the new text is
// written to a temporary file that replaces the old one in one step.
// Returns TRUE when the new text is in place; the old file is untouched
// otherwise.
BOOL RewriteSetupFile(const char *szPath, const char *text, size_t nLen);
