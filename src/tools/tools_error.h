// Results and input checks shared by the tool command texts.
#pragma once
#include <cstddef>

// Paths and the compiler options are texts of up to 255 bytes.
const size_t TOOL_PATH_MAX = 255;
const size_t TOOL_FIELD_MAX = 255;

// Why a tool text could not be made.
enum ToolsError {
    TOOLS_OK,
    TOOLS_TOO_LONG,    // a path or option text is longer than its field
    TOOLS_BAD_PATH,    // a path holds a double quote or names no file
    TOOLS_BAD_TEXT,    // a line break or other control byte in a text
    TOOLS_BAD_MODE,    // an unknown compile mode
    TOOLS_NO_FIT       // the result does not fit its buffer
};

// A short English name of the error, for logs and sora-tool.
const char *ToolsErrorName(ToolsError error);

// Checks a text that goes onto a command line: at most nMax bytes, no
// control bytes (a line break would start a second command), and for a
// path no double quote (it would end the quoting early).
ToolsError CheckToolText(const char *szText, size_t nMax, bool bPath);
