// Messages of the build commands for texts the tools cores refused.
#pragma once
#include <windows.h>

#include "tools/tools_error.h"

// Tells the user why no command was sent.
void ShowToolsError(HWND owner, ToolsError error);

// Reads a field of at most nMax bytes into out (nMax + 1 bytes). A longer
// text is refused with a message naming the field; returns FALSE then.
BOOL ReadToolField(HWND hDlg, int id, char *out, size_t nMax, const char *szFieldName);
