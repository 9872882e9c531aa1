#include "tools/dos_input.h"

#include <cstring>

const char kDosExitInput[] = "\r\nexit\r\n";

/* Space, line, CR LF: the form every command line takes down the pipe. */
size_t ComposeDosInput(const char *szLine, char *out, size_t capacity)
{
    size_t nLine = std::strlen(szLine);
    size_t nTotal = nLine + 3;
    if (nTotal + 1 > capacity)
        return 0;
    out[0] = ' ';
    std::memcpy(out + 1, szLine, nLine);
    std::memcpy(out + 1 + nLine, "\r\n", 3);
    return nTotal;
}

/* Checks for "exit" as the first word, ignoring letter case. */
bool IsExitCommand(const char *szLine)
{
    const char *p = szLine;
    while (*p == ' ' || *p == '\t')
        ++p;
    static const char kWord[] = "exit";
    for (int i = 0; i < 4; ++i) {
        char c = p[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != kWord[i])
            return false;
    }
    char after = p[4];
    return after == '\0' || after == ' ' || after == '\t' || after == '/' ||
           after == '\r' || after == '\n';
}
