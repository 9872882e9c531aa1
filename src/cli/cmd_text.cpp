// sora-tool functions / find / balance / indent / space / colour: the text
// analysis cores run over a file.
#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_io.h"
#include "text/colour_scan.h"
#include "text/find_all.h"
#include "text/function_list.h"
#include "text/indent.h"

namespace {

/* Parses a non-negative number; false when it is not one. */
bool ParseCount(const char *s, int &out)
{
    char *end = nullptr;
    long v = std::strtol(s, &end, 10);
    if (!*s || *end || v < 0 || v > 1000000000L)
        return false;
    out = static_cast<int>(v);
    return true;
}

/* The bytes with control characters shown as spaces, one record per line. */
std::string OneLine(const char *s)
{
    std::string o;
    for (; *s; ++s)
        o += (static_cast<unsigned char>(*s) < 0x20) ? ' ' : *s;
    return o;
}

/* CP932 to UTF-8 for the terminal; undecodable bytes become '?'. */
std::string ToUtf8(const std::string &in)
{
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return in;
    std::string out;
    char buf[256];
    char *pin = const_cast<char *>(in.data());
    size_t left = in.size();
    while (left > 0) {
        char *pout = buf;
        size_t room = sizeof buf;
        size_t r = iconv(cd, &pin, &left, &pout, &room);
        out.append(buf, static_cast<size_t>(pout - buf));
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            out += '?';
            ++pin;
            --left;
        }
    }
    iconv_close(cd);
    return out;
}

int Usage(const char *usage)
{
    std::fprintf(stderr, "usage: sora-tool %s\n", usage);
    return 2;
}

const char kFunctionsUsage[] = "functions [--max N] FILE";
const char kFindUsage[] = "find [--max N] --mode normal|variable|pattern PHRASE FILE";
const char kBalanceUsage[] = "balance [--cp932] FILE";
const char kIndentUsage[] = "indent [--step N] FILE";
const char kSpaceUsage[] = "space FILE";
const char kColourUsage[] = "colour FILE";

int RunFunctions(int argc, char **argv)
{
    int nMax = 0, i = 1;
    if (i + 1 < argc && std::strcmp(argv[i], "--max") == 0) {
        if (!ParseCount(argv[i + 1], nMax))
            return Usage(kFunctionsUsage);
        i += 2;
    }
    if (i + 1 != argc)
        return Usage(kFunctionsUsage);
    std::string text;
    if (!ReadWholeFile(argv[i], text))
        return 1;
    FunctionList list;
    EnumerateFunctions(text.data(), text.size(), nMax, list);
    std::string out;
    char head[64];
    int line = 1;
    size_t at = 0;
    for (const FunctionEntry &e : list.entries) {
        for (; at < e.nOffset; ++at)
            line += text[at] == '\n';
        std::snprintf(head, sizeof head, "%zu\t%d\t", e.nOffset, line);
        out += head + OneLine(e.szName) + "\n";
    }
    if (list.bCapped)
        out += "# capped\n";
    WriteStdout(out);
    return 0;
}

int RunFind(int argc, char **argv)
{
    int nMax = 0, nMode = -2, i = 1;
    while (i + 1 < argc && argv[i][0] == '-' && argv[i][1] == '-') {
        if (std::strcmp(argv[i], "--max") == 0 && ParseCount(argv[i + 1], nMax)) {
        } else if (std::strcmp(argv[i], "--mode") == 0) {
            const char *m = argv[i + 1];
            nMode = !std::strcmp(m, "normal") ? kFindNormal
                    : !std::strcmp(m, "variable") ? kFindVariable
                    : !std::strcmp(m, "pattern")  ? kFindPattern
                                                  : -2;
            if (nMode == -2)
                return Usage(kFindUsage);
        } else {
            return Usage(kFindUsage);
        }
        i += 2;
    }
    if (nMode == -2 || i + 2 != argc)
        return Usage(kFindUsage);
    std::string text;
    if (!ReadWholeFile(argv[i + 1], text))
        return 1;
    FindAllResult found;
    MyFindStringAll(text.c_str(), text.size(), argv[i], nMode, nMax, found);
    std::string out;
    char head[64];
    int line = 1;
    size_t at = 0;
    for (const FindHit &h : found.hits) {
        for (; at < h.nOffset; ++at)
            line += text[at] == '\n';
        std::snprintf(head, sizeof head, "%zu\t%d\t", h.nOffset, line);
        out += head + OneLine(h.szSnippet) + "\n";
    }
    if (found.bCapped)
        out += "# capped\n";
    WriteStdout(out);
    return 0;
}

int RunBalance(int argc, char **argv)
{
    bool bRaw = argc == 3 && std::strcmp(argv[1], "--cp932") == 0;
    if (argc != (bRaw ? 3 : 2))
        return Usage(kBalanceUsage);
    std::string text;
    if (!ReadWholeFile(argv[argc - 1], text))
        return 1;
    ColourScan scan;
    ScanColours(text.data(), text.size(), 0, scan);
    std::string out = BraceBalanceText(scan.nBraceBalance) + "\n" + ParenBalanceText(scan.nParenDepth) + "\n";
    WriteStdout(bRaw ? out : ToUtf8(out));
    return 0;
}

int RunIndent(int argc, char **argv)
{
    IndentOptions opt;
    int i = 1;
    if (i + 1 < argc && std::strcmp(argv[i], "--step") == 0) {
        if (!ParseCount(argv[i + 1], opt.nStep) || opt.nStep > 255)
            return Usage(kIndentUsage);
        i += 2;
    }
    if (i + 1 != argc)
        return Usage(kIndentUsage);
    std::string text, out;
    if (!ReadWholeFile(argv[i], text))
        return 1;
    if (!IndentText(text.data(), text.size(), opt, out)) {
        std::fprintf(stderr, "%s: the indented text would be too big\n", argv[i]);
        return 1;
    }
    WriteStdout(out);
    return 0;
}

int RunSpace(int argc, char **argv)
{
    if (argc != 2)
        return Usage(kSpaceUsage);
    std::string text, out;
    if (!ReadWholeFile(argv[1], text))
        return 1;
    SpaceParentheses(text.data(), text.size(), out);
    WriteStdout(out);
    return 0;
}

int RunColour(int argc, char **argv)
{
    if (argc != 2)
        return Usage(kColourUsage);
    std::string text;
    if (!ReadWholeFile(argv[1], text))
        return 1;
    ColourScan scan;
    ScanColours(text.data(), text.size(), 0, scan);
    LeaveCrowdedLinesPlain(text.data(), text.size(), kMaxRunsPerLine, scan.runs);
    std::string out;
    char line[64];
    for (const ColourRun &r : scan.runs) {
        std::snprintf(line, sizeof line, "%zu\t%zu\t%02X%02X%02X\n", r.nStart, r.nEnd, r.rgb & 0xFF,
                      (r.rgb >> 8) & 0xFF, (r.rgb >> 16) & 0xFF);
        out += line;
    }
    WriteStdout(out);
    return 0;
}

} // namespace

SORA_CLI_COMMAND(functions, "functions", kFunctionsUsage, RunFunctions);
SORA_CLI_COMMAND(find, "find", kFindUsage, RunFind);
SORA_CLI_COMMAND(balance, "balance", kBalanceUsage, RunBalance);
SORA_CLI_COMMAND(indent, "indent", kIndentUsage, RunIndent);
SORA_CLI_COMMAND(space, "space", kSpaceUsage, RunSpace);
SORA_CLI_COMMAND(colour, "colour", kColourUsage, RunColour);
