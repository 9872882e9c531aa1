#include "tools/tools_error.h"

#include <cstring>

/* Names the errors for messages. */
const char *ToolsErrorName(ToolsError error)
{
    switch (error) {
    case TOOLS_OK: return "ok";
    case TOOLS_TOO_LONG: return "text longer than its field";
    case TOOLS_BAD_PATH: return "bad path";
    case TOOLS_BAD_TEXT: return "control character in text";
    case TOOLS_BAD_MODE: return "unknown compile mode";
    case TOOLS_NO_FIT: return "result does not fit";
    }
    return "unknown error";
}

/* Length, control bytes and quotes of one command-line text. */
ToolsError CheckToolText(const char *szText, size_t nMax, bool bPath)
{
    size_t nLen = strnlen(szText, nMax + 1);
    if (nLen > nMax)
        return TOOLS_TOO_LONG;
    for (size_t i = 0; i < nLen; ++i) {
        unsigned char b = static_cast<unsigned char>(szText[i]);
        if (b < 0x20 || b == 0x7F)
            return TOOLS_BAD_TEXT;
        if (bPath && b == '"')
            return TOOLS_BAD_PATH;
    }
    return TOOLS_OK;
}
