#include <windows.h>

#include "app/win/globals.h"
#include "resource_ids.h"
#include "tools/build_commands.h"
#include "tools/win/build_tools.h"

namespace {

const int kTemplateMax = 256;

// One template from the string table, or the built-in text when the
// string is missing.
const char *LoadTemplate(UINT id, char *buffer, const char *szBuiltIn)
{
    if (LoadStringA(hInst, id, buffer, kTemplateMax) <= 0)
        return szBuiltIn;
    return buffer;
}

} // namespace

/* The command-line templates of the string table, loaded once. */
const CommandTemplates *LoadedCommandTemplates(void)
{
    static char buffers[8][kTemplateMax];
    static CommandTemplates templates;
    static bool bLoaded = false;
    if (bLoaded)
        return &templates;
    const CommandTemplates &d = kDefaultCommandTemplates;
    templates.szChangeFolder = LoadTemplate(IDS_CMD_CHANGE_FOLDER, buffers[0], d.szChangeFolder);
    templates.szCompile = LoadTemplate(IDS_CMD_COMPILE, buffers[1], d.szCompile);
    templates.szCompileFolder = LoadTemplate(IDS_CMD_COMPILE_FOLDER, buffers[2], d.szCompileFolder);
    templates.szCompileName = LoadTemplate(IDS_CMD_COMPILE_NAME, buffers[3], d.szCompileName);
    templates.szCompileNameFolder =
        LoadTemplate(IDS_CMD_COMPILE_NAME_FOLDER, buffers[4], d.szCompileNameFolder);
    templates.szResource = LoadTemplate(IDS_CMD_RESOURCE, buffers[5], d.szResource);
    templates.szLibraryObject = LoadTemplate(IDS_CMD_LIB_OBJECT, buffers[6], d.szLibraryObject);
    templates.szLibrary = LoadTemplate(IDS_CMD_LIBRARY, buffers[7], d.szLibrary);
    bLoaded = true;
    return &templates;
}
