#include "tools/setup_files.h"

#include <cstring>
#include <string>

#include "common/cp932.h"
#include "tools/path_parts.h"
#include "tools/placeholder_fill.h"

namespace {

const char kPathLine[] = "PATH = \"%PATH%;C:\\BORLAND\\BCC55\\BIN\"";
const char kIncludeLine[] = "-I\"C:\\borland\\bcc55\\include\"\r\n";
const char kLibLine[] = "-L\"C:\\borland\\bcc55\\lib;C:\\borland\\bcc55\\lib\\PSDK\"\r\n";

const char kBinKey[] = "BORLAND\\BCC55\\BIN";
const char kIncludeKey[] = "BORLAND\\BCC55\\INCLUDE";
const char kLibKey[] = "BORLAND\\BCC55\\LIB";
const char kPsdkKey[] = "BORLAND\\BCC55\\LIB\\PSDK";

const char kEndOfFileMark = '\x1A';

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

bool IsAsciiAlnum(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// Upper-cases the ASCII letters of text[0, nLen) that are not second bytes
// of double-byte characters.
std::string UpperCased(const char *text, size_t nLen)
{
    std::string upper(text, nLen);
    for (size_t i = 0; i < nLen; i = cp932::NextCharOffset(text, nLen, i)) {
        if (upper[i] >= 'a' && upper[i] <= 'z')
            upper[i] = static_cast<char>(upper[i] - 'a' + 'A');
    }
    return upper;
}

// True when key occurs in text starting on a character boundary.
bool ContainsOnBoundary(const std::string &text, const char *key)
{
    size_t nKey = std::strlen(key);
    for (size_t i = 0; i + nKey <= text.size(); i = cp932::NextCharOffset(text.data(), text.size(), i)) {
        if (text.compare(i, nKey, key) == 0)
            return true;
    }
    return false;
}

// Checks the bytes of a file and gives the length without a final
// end-of-file mark.
SetupParse CheckFileBytes(const char *text, size_t nLen, size_t *pnUsable)
{
    *pnUsable = 0;
    if (nLen >= SETUP_FILE_MAX)
        return SETUP_TOO_LARGE;
    while (nLen > 0 && text[nLen - 1] == kEndOfFileMark)
        --nLen;
    if (std::memchr(text, '\0', nLen) || std::memchr(text, kEndOfFileMark, nLen))
        return SETUP_BINARY;
    *pnUsable = nLen;
    return SETUP_PARSED;
}

// Calls fnLine for every line of text[0, nLen) without its line break; stops
// early when it returns false.
template <typename Fn>
void ForEachLine(const char *text, size_t nLen, Fn fnLine)
{
    size_t at = 0;
    while (at < nLen) {
        const char *nl = static_cast<const char *>(std::memchr(text + at, '\n', nLen - at));
        size_t nEnd = nl ? static_cast<size_t>(nl - text) : nLen;
        size_t nLineEnd = nEnd;
        if (nLineEnd > at && text[nLineEnd - 1] == '\r')
            --nLineEnd;
        if (!fnLine(text + at, nLineEnd - at))
            return;
        at = nEnd + 1;
    }
}

// True when one folder of a -I or -L list is the compiler folder key.
bool FolderIsKey(std::string folder, const char *key)
{
    while (!folder.empty() && IsBlank(folder.back()))
        folder.pop_back();
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/') &&
           !cp932::IsTrailAt(folder.data(), folder.size(), folder.size() - 1))
        folder.pop_back();
    size_t nFrom = folder.find_first_not_of(" \t");
    if (nFrom == std::string::npos)
        return false;
    folder.erase(0, nFrom);
    size_t nKey = std::strlen(key);
    if (folder.size() < nKey || folder.compare(folder.size() - nKey, nKey, key) != 0)
        return false;
    if (folder.size() == nKey)
        return true;
    char before = folder[folder.size() - nKey - 1];
    return before == '\\' || before == '/' || before == ':';
}

// Looks through the folders of one -I or -L option value.
void NoteFolders(const std::string &upperList, bool bInclude, CfgFindings *findings)
{
    size_t at = 0;
    for (;;) {
        size_t semi = upperList.find(';', at);
        std::string folder = upperList.substr(at, semi == std::string::npos ? std::string::npos : semi - at);
        if (bInclude) {
            findings->bInclude = findings->bInclude || FolderIsKey(folder, kIncludeKey);
        } else {
            findings->bLib = findings->bLib || FolderIsKey(folder, kLibKey);
            findings->bPsdk = findings->bPsdk || FolderIsKey(folder, kPsdkKey);
        }
        if (semi == std::string::npos)
            return;
        at = semi + 1;
    }
}

// Takes one option token (quotes already removed).
void NoteOption(const std::string &token, CfgFindings *findings)
{
    if (token.size() < 2 || (token[0] != '-' && token[0] != '/'))
        return;
    if (token[1] == 'I' || token[1] == 'L')
        NoteFolders(UpperCased(token.data() + 2, token.size() - 2), token[1] == 'I', findings);
}

// Splits one configuration line into options at blanks outside quotes.
bool ParseCfgLine(const char *line, size_t nLen, CfgFindings *findings)
{
    std::string token;
    bool bQuoted = false;
    for (size_t i = 0; i < nLen; i = cp932::NextCharOffset(line, nLen, i)) {
        size_t nChar = cp932::CharLength(line + i, line + nLen);
        char c = line[i];
        if (c == '"' && nChar == 1) {
            bQuoted = !bQuoted;
        } else if (!bQuoted && nChar == 1 && (IsBlank(c) || c == '\r')) {
            NoteOption(token, findings);
            token.clear();
        } else {
            token.append(line + i, nChar);
        }
    }
    NoteOption(token, findings);
    return !bQuoted;
}

// Skips blanks from at in the upper-cased line.
size_t SkipBlanks(const std::string &line, size_t at)
{
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    return at;
}

// True when line holds word at at, not followed by a letter or digit.
bool WordAt(const std::string &line, size_t at, const char *word)
{
    size_t nWord = std::strlen(word);
    if (line.compare(at, nWord, word) != 0)
        return false;
    return at + nWord >= line.size() || !IsAsciiAlnum(line[at + nWord]);
}

// The value of a PATH statement in an upper-cased batch line, or npos when
// the line sets no PATH.
size_t PathStatementValue(const std::string &line)
{
    size_t at = SkipBlanks(line, 0);
    while (at < line.size() && (line[at] == '@' || IsBlank(line[at])))
        ++at;
    if (WordAt(line, at, "REM") || line.compare(at, 2, "::") == 0)
        return std::string::npos;
    if (WordAt(line, at, "SET")) {
        at = SkipBlanks(line, at + 3);
        if (!WordAt(line, at, "PATH"))
            return std::string::npos;
        at = SkipBlanks(line, at + 4);
        return at < line.size() && line[at] == '=' ? at + 1 : std::string::npos;
    }
    if (!WordAt(line, at, "PATH"))
        return std::string::npos;
    at = SkipBlanks(line, at + 4);
    bool bAssign = at < line.size() && line[at] == '=';
    if (bAssign)
        ++at;
    size_t nValue = SkipBlanks(line, at);
    if (nValue >= line.size() && !bAssign)
        return std::string::npos;  // "PATH" alone shows the path
    return nValue;
}

// "X:\\" for the system drive's root, or an empty text when it names none.
std::string DriveRoot(const char *szSysRoot)
{
    char chDrive = PathDriveLetter(szSysRoot);
    if (!chDrive)
        return std::string();
    return std::string(1, chDrive) + ":\\";
}

// Appends a template line with every "C:\\" replaced by the drive root.
bool AppendWithRoot(std::string &out, const char *szLine, const std::string &root)
{
    char buf[512];
    std::strcpy(buf, szLine);
    if (!ReplaceEach(buf, sizeof(buf), "C:\\", root.c_str()))
        return false;
    out += buf;
    return true;
}

} // namespace

/* Names the parse results for messages. */
const char *SetupParseName(SetupParse parse)
{
    switch (parse) {
    case SETUP_PARSED: return "parsed";
    case SETUP_TOO_LARGE: return "too large";
    case SETUP_BINARY: return "binary data";
    case SETUP_BAD_QUOTES: return "unclosed quote";
    }
    return "unknown";
}

/* Reads the -I and -L options of a configuration file, line by line. */
SetupParse ParseCompilerCfg(const char *text, size_t nLen, CfgFindings *findings)
{
    findings->bInclude = findings->bLib = findings->bPsdk = false;
    size_t nUsable;
    SetupParse parse = CheckFileBytes(text, nLen, &nUsable);
    if (parse != SETUP_PARSED)
        return parse;
    CfgFindings found = {false, false, false};
    bool bQuotesOk = true;
    ForEachLine(text, nUsable, [&](const char *line, size_t nLine) {
        bQuotesOk = ParseCfgLine(line, nLine, &found);
        return bQuotesOk;
    });
    if (!bQuotesOk)
        return SETUP_BAD_QUOTES;
    *findings = found;
    return SETUP_PARSED;
}

/* Follows the PATH statements of a batch file to its end. */
SetupParse ParseAutoexec(const char *text, size_t nLen, bool *pbSetsPath)
{
    *pbSetsPath = false;
    size_t nUsable;
    SetupParse parse = CheckFileBytes(text, nLen, &nUsable);
    if (parse != SETUP_PARSED)
        return parse;
    bool bSets = false;
    ForEachLine(text, nUsable, [&](const char *line, size_t nLine) {
        std::string upper = UpperCased(line, nLine);
        size_t nValue = PathStatementValue(upper);
        if (nValue != std::string::npos) {
            std::string value = upper.substr(nValue);
            if (ContainsOnBoundary(value, kBinKey))
                bSets = true;
            else if (!ContainsOnBoundary(value, "%PATH%"))
                bSets = false;
        }
        return true;
    });
    *pbSetsPath = bSets;
    return SETUP_PARSED;
}

/* Looks for "X:\\BORLAND\\BCC55\\BIN" among the folders of a PATH list. */
bool PathListHasCompilerBin(const char *szPath)
{
    std::string upper = UpperCased(szPath, std::strlen(szPath));
    size_t at = 0;
    for (;;) {
        size_t semi = upper.find(';', at);
        std::string folder = upper.substr(at, semi == std::string::npos ? std::string::npos : semi - at);
        std::string bare;
        for (char c : folder) {
            if (c != '"')
                bare += c;
        }
        if (FolderIsKey(bare, kBinKey)) {
            size_t nFrom = bare.find_first_not_of(" \t");
            if (bare.size() > nFrom + 2 && bare[nFrom + 1] == ':' && bare[nFrom + 2] == '\\')
                return true;
        }
        if (semi == std::string::npos)
            return false;
        at = semi + 1;
    }
}

/* The item's fixed path on the system drive. */
ToolsError SetupFilePath(SetupItem item, const char *szSysRoot, char *out, size_t capacity)
{
    static const char *const kRest[SETUP_ITEM_COUNT] = {
        "AUTOEXEC.BAT", "BORLAND\\BCC55", "BORLAND\\BCC55\\BIN\\BCC32.CFG",
        "BORLAND\\BCC55\\BIN\\ILINK32.CFG"};
    std::string root = DriveRoot(szSysRoot);
    if (root.empty() || (int)item < 0 || (int)item >= (int)SETUP_ITEM_COUNT)
        return TOOLS_BAD_PATH;
    return CopyJoined(out, capacity, root.data(), root.size(), kRest[item]) ? TOOLS_OK : TOOLS_NO_FIT;
}

/* The short name shown in the preview captions. */
const char *SetupShortName(SetupItem item)
{
    switch (item) {
    case SETUP_AUTOEXEC: return "autoexec.bat";
    case SETUP_BCC_CFG: return "bcc32.cfg";
    case SETUP_ILINK_CFG: return "ilink32.cfg";
    default: return "";
    }
}

/* The lines still missing from the file. */
ToolsError SetupAddition(SetupItem item, const char *szSysRoot, const char *text, size_t nLen,
                         char *out, size_t capacity)
{
    std::string root = DriveRoot(szSysRoot);
    if (root.empty())
        return TOOLS_BAD_PATH;
    std::string addition;
    bool bOk = true;
    if (item == SETUP_AUTOEXEC) {
        bool bSets = false;
        if (ParseAutoexec(text, nLen, &bSets) != SETUP_PARSED)
            return TOOLS_BAD_TEXT;
        if (!bSets)
            bOk = AppendWithRoot(addition, kPathLine, root);
    } else if (item == SETUP_BCC_CFG || item == SETUP_ILINK_CFG) {
        CfgFindings found;
        if (ParseCompilerCfg(text, nLen, &found) != SETUP_PARSED)
            return TOOLS_BAD_TEXT;
        if (item == SETUP_BCC_CFG && !found.bInclude)
            bOk = AppendWithRoot(addition, kIncludeLine, root);
        if (bOk && (!found.bLib || !found.bPsdk))
            bOk = AppendWithRoot(addition, kLibLine, root);
    } else {
        return TOOLS_BAD_PATH;
    }
    if (!bOk)
        return TOOLS_NO_FIT;
    return CopyJoined(out, capacity, addition.data(), addition.size(), "") ? TOOLS_OK : TOOLS_NO_FIT;
}

/* The file's text with the missing lines appended. */
ToolsError CompleteSetupFile(SetupItem item, const char *szSysRoot, const char *text, size_t nLen,
                             char *out, size_t capacity, size_t *pnOut, SetupParse *pParse)
{
    *pnOut = 0;
    if (capacity > 0)
        out[0] = '\0';
    size_t nUsable;
    *pParse = CheckFileBytes(text, nLen, &nUsable);
    if (*pParse == SETUP_PARSED && item != SETUP_AUTOEXEC) {
        CfgFindings found;
        *pParse = ParseCompilerCfg(text, nLen, &found);
    }
    if (*pParse != SETUP_PARSED)
        return TOOLS_BAD_TEXT;
    char szAddition[512];
    ToolsError error = SetupAddition(item, szSysRoot, text, nLen, szAddition, sizeof(szAddition));
    if (error != TOOLS_OK)
        return error;
    std::string result(text, nUsable);
    if (szAddition[0] != '\0') {
        if (!result.empty() && result.back() != '\n')
            result += "\r\n";
        result += szAddition;
        if (item == SETUP_AUTOEXEC)
            result += "\r\n";
    } else {
        result.assign(text, nLen);
    }
    if (result.size() >= SETUP_EDIT_MAX || result.size() + 1 > capacity)
        return TOOLS_NO_FIT;
    std::memcpy(out, result.data(), result.size());
    out[result.size()] = '\0';
    *pnOut = result.size();
    return TOOLS_OK;
}
