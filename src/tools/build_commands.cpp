#include "tools/build_commands.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "tools/compile_options.h"
#include "tools/path_parts.h"
#include "tools/placeholder_fill.h"
#include "tools/tools_texts.h"

const CommandTemplates kDefaultCommandTemplates = {
    "cd \"INSERTION\"",
    "bcc32 INSERTION \"INSERTION\"",
    "bcc32 INSERTION -n\"INSERTION\" \"INSERTION\"",
    "bcc32 INSERTION -e\"INSERTION\" \"INSERTION\"",
    "bcc32 INSERTION -e\"INSERTION\" -n\"INSERTION\" \"INSERTION\"",
    "brc32 \"INSERTION\" \"INSERTION\\INSERTION\"",
    "bcc32 -c \"INSERTION\"",
    "tlib \"INSERTION\" -+\"INSERTION\"",
};

namespace {

const size_t DIALOG_LINE_MAX = 1024;

// printf into a bounded buffer; TOOLS_NO_FIT when the text was cut.
ToolsError FormatInto(char *out, size_t capacity, const char *szFormat, ...)
{
    va_list args;
    va_start(args, szFormat);
    int n = std::vsnprintf(out, capacity, szFormat, args);
    va_end(args);
    if (n < 0 || static_cast<size_t>(n) >= capacity) {
        if (capacity > 0)
            out[0] = '\0';
        return TOOLS_NO_FIT;
    }
    return TOOLS_OK;
}

const CommandTemplates *Chosen(const CommandTemplates *templates)
{
    return templates ? templates : &kDefaultCommandTemplates;
}

// Fills a command template with its values in text order; TOOLS_NO_FIT
// when the result does not fit or the template lacks a placeholder.
template <int N>
ToolsError FillLine(char *out, size_t capacity, const char *szTemplate, const char *const (&values)[N])
{
    return FillPlaceholders(out, capacity, szTemplate, values, N) ? TOOLS_OK : TOOLS_NO_FIT;
}

// Appends a copy of a line to the list.
ToolsError AddLine(CommandList *list, const char *szLine)
{
    if (list->nCount >= COMMAND_LIST_MAX)
        return TOOLS_NO_FIT;
    size_t nLen = std::strlen(szLine);
    if (nLen + 1 > COMMAND_LINE_MAX)
        return TOOLS_NO_FIT;
    std::memcpy(list->szLines[list->nCount++], szLine, nLen + 1);
    return TOOLS_OK;
}

// Checks every text of a compile request.
ToolsError CheckRequest(const CompileRequest *request)
{
    if (request->nMode < COMPILE_BESIDE_SOURCE || request->nMode > COMPILE_FIXED_FOLDER)
        return TOOLS_BAD_MODE;
    const char *paths[] = {request->szSourceName, request->szSourceFolder, request->szRcPath,
                           request->nMode != COMPILE_BESIDE_SOURCE ? request->szOutFolder : "",
                           request->nMode == COMPILE_ASK ? request->szOutName : ""};
    for (const char *szPath : paths) {
        ToolsError error = CheckToolText(szPath, TOOL_PATH_MAX, true);
        if (error != TOOLS_OK)
            return error;
    }
    if (request->szSourceName[0] == '\0' || request->szSourceName[FindNameOffset(request->szSourceName)] == '\0')
        return TOOLS_BAD_PATH;
    if (request->nMode == COMPILE_ASK && request->szOutName[0] == '\0')
        return TOOLS_BAD_PATH;
    return CheckToolText(request->szOptions, TOOL_FIELD_MAX, false);
}

// The output folder and name the request resolves to.
ToolsError ResolveOutput(const CompileRequest *request, const char **pszFolder, char *szName,
                         size_t nameCap)
{
    if (request->nMode == COMPILE_BESIDE_SOURCE)
        *pszFolder = request->szSourceFolder;
    else
        *pszFolder = request->szOutFolder;
    if (request->nMode == COMPILE_ASK)
        return FormatInto(szName, nameCap, "%s", request->szOutName);
    return DefaultOutputName(request->szSourceName, szName, nameCap);
}

} // namespace

/* Picks the folder a compile mode starts from. */
const char *ChooseOutputFolder(int nMode, const char *szConfigured, bool bConfiguredExists,
                               const char *szSourceFolder, bool *pbMissing)
{
    *pbMissing = false;
    if (nMode == COMPILE_BESIDE_SOURCE || szConfigured[0] == '\0')
        return szSourceFolder;
    if (!bConfiguredExists) {
        *pbMissing = true;
        return szSourceFolder;
    }
    return szConfigured;
}

/* Source name with ".exe". */
ToolsError DefaultOutputName(const char *szSourceName, char *out, size_t capacity)
{
    return ReplaceExtension(szSourceName, ".exe", out, capacity) ? TOOLS_OK : TOOLS_NO_FIT;
}

/* The bcc32 line for the mode, with the output name and folder options
   only where they differ from what the compiler does by itself. */
ToolsError BuildCompilerLine(const CompileRequest *request, char *out, size_t capacity)
{
    ToolsError error = CheckRequest(request);
    if (error != TOOLS_OK)
        return error;
    const CommandTemplates *t = Chosen(request->templates);
    const char *szOptions = request->szOptions;
    const char *szSource = request->szSourceName;
    if (request->nMode == COMPILE_BESIDE_SOURCE)
        return FillLine(out, capacity, t->szCompile, {szOptions, szSource});
    char szFolder[TOOL_PATH_MAX + 4];
    if (!QuotableFolder(request->szOutFolder, szFolder, sizeof(szFolder)))
        return TOOLS_NO_FIT;
    if (request->nMode == COMPILE_FIXED_FOLDER)
        return FillLine(out, capacity, t->szCompileFolder, {szOptions, szFolder, szSource});
    char szDefaultName[TOOL_PATH_MAX + 8];
    if (DefaultOutputName(szSource, szDefaultName, sizeof(szDefaultName)) != TOOLS_OK)
        return TOOLS_NO_FIT;
    bool bNameDiffers = !SameFileName(request->szOutName, szDefaultName);
    bool bFolderDiffers = !SameFolder(request->szOutFolder, request->szSourceFolder);
    const char *szName = request->szOutName;
    if (bNameDiffers && bFolderDiffers)
        return FillLine(out, capacity, t->szCompileNameFolder, {szOptions, szName, szFolder, szSource});
    if (bNameDiffers)
        return FillLine(out, capacity, t->szCompileName, {szOptions, szName, szSource});
    if (bFolderDiffers)
        return FillLine(out, capacity, t->szCompileFolder, {szOptions, szFolder, szSource});
    return FillLine(out, capacity, t->szCompile, {szOptions, szSource});
}

/* Drive, then cd, for one folder. */
ToolsError AddChangeFolder(CommandList *list, const char *szFolder, const CommandTemplates *templates)
{
    char szLine[COMMAND_LINE_MAX];
    char chDrive = PathDriveLetter(szFolder);
    if (chDrive) {
        char szDrive[3] = {chDrive, ':', '\0'};
        ToolsError error = AddLine(list, szDrive);
        if (error != TOOLS_OK)
            return error;
    }
    char szQuotable[TOOL_PATH_MAX + 4];
    if (!QuotableFolder(szFolder, szQuotable, sizeof(szQuotable)))
        return TOOLS_NO_FIT;
    ToolsError error = FillLine(szLine, sizeof(szLine), Chosen(templates)->szChangeFolder, {szQuotable});
    return error != TOOLS_OK ? error : AddLine(list, szLine);
}

/* The whole compile: folder, compiler, and the resources of a Windows
   program. */
ToolsError BuildCompileCommands(const CompileRequest *request, CommandList *list)
{
    list->nCount = 0;
    char szLine[COMMAND_LINE_MAX];
    ToolsError error = BuildCompilerLine(request, szLine, sizeof(szLine));
    if (error == TOOLS_OK)
        error = AddChangeFolder(list, request->szSourceFolder, request->templates);
    if (error == TOOLS_OK)
        error = AddLine(list, szLine);
    if (error != TOOLS_OK || request->szRcPath[0] == '\0' || !request->bRcExists ||
        !HasOption(request->szOptions, "tW"))
        return error;
    const char *szOutFolder = nullptr;
    char szOutName[TOOL_PATH_MAX + 8], szRcFolder[TOOL_PATH_MAX + 1], szRcName[TOOL_PATH_MAX + 1];
    char szOutQuotable[TOOL_PATH_MAX + 4];
    error = ResolveOutput(request, &szOutFolder, szOutName, sizeof(szOutName));
    if (error != TOOLS_OK)
        return error;
    if (!SplitFullPath(request->szRcPath, szRcFolder, sizeof(szRcFolder), szRcName, sizeof(szRcName)))
        return TOOLS_BAD_PATH;
    if (!QuotableFolder(szOutFolder, szOutQuotable, sizeof(szOutQuotable)))
        return TOOLS_NO_FIT;
    // "X:\\." + "\\name" reads oddly; a root folder joins as "X:\\name".
    size_t nQuotable = std::strlen(szOutQuotable);
    if (nQuotable >= 2 && std::strcmp(szOutQuotable + nQuotable - 2, "\\.") == 0)
        szOutQuotable[nQuotable - 2] = '\0';
    error = AddChangeFolder(list, szRcFolder, request->templates);
    if (error == TOOLS_OK)
        error = FillLine(szLine, sizeof(szLine), Chosen(request->templates)->szResource,
                         {szRcName, szOutQuotable, szOutName});
    if (error == TOOLS_OK)
        error = AddLine(list, szLine);
    if (error == TOOLS_OK)
        error = AddChangeFolder(list, szOutFolder, request->templates);
    return error;
}

/* The question shown before modes 0 and 2 compile. */
ToolsError BuildCompileConfirmText(const CompileRequest *request, char *out, size_t capacity)
{
    char szLine[COMMAND_LINE_MAX], szOutName[TOOL_PATH_MAX + 8];
    const char *szOutFolder = nullptr;
    ToolsError error = BuildCompilerLine(request, szLine, sizeof(szLine));
    if (error == TOOLS_OK)
        error = ResolveOutput(request, &szOutFolder, szOutName, sizeof(szOutName));
    if (error != TOOLS_OK)
        return error;
    char szTail[COMMAND_LINE_MAX];
    error = FormatInto(szTail, sizeof(szTail), kConfirmCompileTail, szOutFolder, szOutName);
    if (error != TOOLS_OK)
        return error;
    return FormatInto(out, capacity, "%s%s%s", kConfirmCompile, szLine, szTail);
}

/* The object and librarian lines of the static library dialog. */
ToolsError BuildLibraryLines(const char *szSourceName, char *szObjLine, size_t objCap,
                             char *szLibLine, size_t libCap, const CommandTemplates *templates)
{
    ToolsError error = CheckToolText(szSourceName, TOOL_PATH_MAX, true);
    if (error != TOOLS_OK)
        return error;
    if (szSourceName[0] == '\0' || szSourceName[FindNameOffset(szSourceName)] == '\0')
        return TOOLS_BAD_PATH;
    char szBase[TOOL_PATH_MAX + 1];
    ReplaceExtension(szSourceName, "", szBase, sizeof(szBase));
    const CommandTemplates *t = Chosen(templates);
    error = FillLine(szObjLine, objCap, t->szLibraryObject, {szSourceName});
    if (error == TOOLS_OK)
        error = FillLine(szLibLine, libCap, t->szLibrary, {szBase, szBase});
    return error;
}

/* Folder, object compile, librarian. */
ToolsError BuildLibraryCommands(const char *szSourceFolder, const char *szObjLine,
                                const char *szLibLine, CommandList *list,
                                const CommandTemplates *templates)
{
    list->nCount = 0;
    ToolsError error = CheckToolText(szSourceFolder, TOOL_PATH_MAX, true);
    if (error == TOOLS_OK)
        error = CheckToolText(szObjLine, DIALOG_LINE_MAX, false);
    if (error == TOOLS_OK)
        error = CheckToolText(szLibLine, DIALOG_LINE_MAX, false);
    if (error == TOOLS_OK)
        error = AddChangeFolder(list, szSourceFolder, templates);
    if (error == TOOLS_OK)
        error = AddLine(list, szObjLine);
    if (error == TOOLS_OK)
        error = AddLine(list, szLibLine);
    return error;
}
