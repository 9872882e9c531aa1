#include "tools/makefile_text.h"

#include <cstring>

#include "tools/path_parts.h"
#include "tools/placeholder_fill.h"
#include "tools/tools_texts.h"

/* Concatenates the chosen target options. */
void MakefileOptions(MakefileTarget target, bool bMultiThread, char *out)
{
    out[0] = '\0';
    if (target == TARGET_WINDOWS)
        std::strcat(out, "-tW ");
    else if (target == TARGET_DLL)
        std::strcat(out, "-tWD ");
    if (bMultiThread)
        std::strcat(out, "-tWM");
    if (out[0] == '\0')
        std::strcpy(out, "\"\"");
}

/* Fills the four placeholders of the makefile template. */
ToolsError BuildMakefileText(const MakefileState *state, char *out, size_t capacity)
{
    if (capacity > 0)
        out[0] = '\0';
    const char *szSource = state->szSourcePath;
    const char *szRc = state->szRcPath;
    ToolsError error = CheckToolText(szSource, TOOL_PATH_MAX, true);
    if (error == TOOLS_OK)
        error = CheckToolText(szRc, TOOL_PATH_MAX, true);
    if (error != TOOLS_OK)
        return error;
    char szRcName[TOOL_PATH_MAX + 8], szTarget[TOOL_PATH_MAX + 8], szOptions[16];
    if (szSource[0] == '\0') {
        szSource = "user.cpp";
        std::strcpy(szRcName, "user.rc");
        std::strcpy(szTarget, "user.exe");
    } else {
        if (szSource[FindNameOffset(szSource)] == '\0')
            return TOOLS_BAD_PATH;
        if (szRc[0] != '\0')
            std::strcpy(szRcName, szRc);
        else
            ReplaceExtension(szSource, ".rc", szRcName, sizeof(szRcName));
        ReplaceExtension(szSource + FindNameOffset(szSource), ".exe", szTarget, sizeof(szTarget));
    }
    MakefileOptions(state->target, state->bMultiThread, szOptions);
    const char *values[] = {szSource, szRcName, szTarget, szOptions};
    const char *szTemplate = state->szTemplate ? state->szTemplate : kMakefileTemplate;
    if (!FillPlaceholders(out, capacity, szTemplate, values, 4))
        return TOOLS_NO_FIT;
    return TOOLS_OK;
}

/* "makefile" beside the file on show, or in the system drive's root. */
ToolsError MakefileSavePath(const char *szSourcePath, const char *szSysRoot, char *out,
                            size_t capacity)
{
    ToolsError error = CheckToolText(szSourcePath, TOOL_PATH_MAX, true);
    if (error == TOOLS_OK)
        error = CheckToolText(szSysRoot, TOOL_PATH_MAX, true);
    if (error != TOOLS_OK)
        return error;
    const char *szFolder = szSysRoot;
    size_t nFolder = std::strlen(szSysRoot);
    if (szSourcePath[0] != '\0') {
        szFolder = szSourcePath;
        nFolder = FindNameOffset(szSourcePath);
    }
    bool bNeedSep = nFolder > 0 && szFolder[nFolder - 1] != '\\' && szFolder[nFolder - 1] != ':' &&
                    szFolder[nFolder - 1] != '/';
    if (!CopyJoined(out, capacity, szFolder, nFolder, bNeedSep ? "\\makefile" : "makefile"))
        return TOOLS_NO_FIT;
    return TOOLS_OK;
}
