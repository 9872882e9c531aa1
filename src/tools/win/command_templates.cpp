#include <windows.h>

#include "app/frame/globals.h"
#include "resource_ids.h"
#include "tools/build_commands.h"
#include "tools/win/build_tools.h"

namespace {

const int kTemplateMax = 256;

// One template from the string table, or the built-in text when the
// string is missing.
const char *LoadTemplate(UINT id, char *buffer, const char *szBuiltIn)
{
    if (LoadStringA(frame.hInst, id, buffer, kTemplateMax) <= 0)
        return szBuiltIn;
    return buffer;
}

} // namespace

/* The command-line templates of the string table, loaded once. */
const CommandTemplates *LoadedCommandTemplates(void)
{
    static const struct {
        UINT id;
        const char *CommandTemplates::*field;
    } kTable[] = {
        {IDS_CMD_CHANGE_FOLDER, &CommandTemplates::szChangeFolder},
        {IDS_CMD_COMPILE, &CommandTemplates::szCompile},
        {IDS_CMD_COMPILE_FOLDER, &CommandTemplates::szCompileFolder},
        {IDS_CMD_COMPILE_NAME, &CommandTemplates::szCompileName},
        {IDS_CMD_COMPILE_NAME_FOLDER, &CommandTemplates::szCompileNameFolder},
        {IDS_CMD_RESOURCE, &CommandTemplates::szResource},
        {IDS_CMD_LIB_OBJECT, &CommandTemplates::szLibraryObject},
        {IDS_CMD_LIBRARY, &CommandTemplates::szLibrary},
    };
    static char buffers[sizeof kTable / sizeof kTable[0]][kTemplateMax];
    static CommandTemplates templates;
    static bool bLoaded = false;
    if (!bLoaded) {
        for (size_t i = 0; i < sizeof kTable / sizeof kTable[0]; ++i)
            templates.*kTable[i].field =
                LoadTemplate(kTable[i].id, buffers[i], kDefaultCommandTemplates.*kTable[i].field);
        bLoaded = true;
    }
    return &templates;
}
