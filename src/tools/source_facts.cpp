#include "tools/source_facts.h"

#include <cstring>
#include <vector>

#include "common/cp932.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\r';
}

bool IsOperatorChar(char c)
{
    return c != '\0' && std::strchr("+-=<>%&|!", c) != nullptr;
}

bool IsPunctuationChar(char c)
{
    return c != '\0' && std::strchr("(){}[]*/.,:;~?", c) != nullptr;
}

bool IsDelimiter(char c)
{
    return IsBlank(c) || IsOperatorChar(c) || IsPunctuationChar(c);
}


// Matches the tokens after the first one from offset at. Returns true when
// all of them stand there in turn.
bool MatchRestAt(const char *text, size_t nLen, size_t at, const char *const *tokens, int nTokens)
{
    for (int i = 1; i < nTokens; ++i) {
        const char *token = tokens[i];
        if (token[0] == ' ') {
            if (at >= nLen || !IsBlank(text[at]))
                return false;
            ++token;
        }
        while (at < nLen && IsBlank(text[at]))
            ++at;
        if (at >= nLen)
            return false;
        if (std::strcmp(token, "*") == 0) {
            if (IsOperatorChar(text[at])) {
                while (at < nLen && IsOperatorChar(text[at]))
                    ++at;
            } else if (IsPunctuationChar(text[at])) {
                ++at;
            } else {
                while (at < nLen && !IsDelimiter(text[at]))
                    at = cp932::NextCharOffset(text, nLen, at);
            }
            continue;
        }
        size_t nToken = std::strlen(token);
        if (nLen - at < nToken || std::memcmp(text + at, token, nToken) != 0)
            return false;
        at += nToken;
    }
    return true;
}

const char *const kWinMainWinapi[] = {"WINAPI", "WinMain", "("};
const char *const kWinMainApientry[] = {"APIENTRY", "WinMain", "("};
const char *const kDllMainWinapi[] = {"WINAPI", "DllMain", "("};
const char *const kDllMainApientry[] = {"APIENTRY", "DllMain", "("};
const char *const kFloatDecl[] = {"float", " *", ";"};
const char *const kDoubleDecl[] = {"double", " *", ";"};
const char *const kBeginThread[] = {"_beginthread", "("};
const char *const kCreateThread[] = {"CreateThread", "("};
const char *const kCreateRemoteThread[] = {"CreateRemoteThread", "("};
const char *const kVoidMain[] = {"void", "main", "("};

template <int N>
bool Matches(const std::vector<char> &text, const char *const (&tokens)[N])
{
    return MatchTokenRun(text.data(), text.size(), tokens, N);
}

} // namespace

/* Looks for the first token at each character start, then the rest. */
bool MatchTokenRun(const char *text, size_t nLen, const char *const *tokens, int nTokens)
{
    if (nTokens < 1)
        return false;
    size_t nFirst = std::strlen(tokens[0]);
    for (size_t at = 0; at < nLen && nLen - at >= nFirst; at = cp932::NextCharOffset(text, nLen, at)) {
        if (std::memcmp(text + at, tokens[0], nFirst) == 0 &&
            MatchRestAt(text, nLen, at + nFirst, tokens, nTokens))
            return true;
    }
    return false;
}

/* Runs the five source tests on a comment-free copy of the text. */
SourceFacts ScanSourceFacts(const char *text, size_t nLen)
{
    const void *nul = std::memchr(text, '\0', nLen);
    if (nul)
        nLen = static_cast<size_t>(static_cast<const char *>(nul) - text);
    std::vector<char> copy(text, text + nLen);
    BlankComments(copy.data(), copy.size());
    SourceFacts facts;
    facts.bWinMain = Matches(copy, kWinMainWinapi) || Matches(copy, kWinMainApientry);
    facts.bDllMain = Matches(copy, kDllMainWinapi) || Matches(copy, kDllMainApientry);
    facts.bFloat = Matches(copy, kFloatDecl) || Matches(copy, kDoubleDecl);
    facts.bThreads = Matches(copy, kBeginThread) || Matches(copy, kCreateThread) ||
                     Matches(copy, kCreateRemoteThread);
    facts.bVoidMain = Matches(copy, kVoidMain);
    return facts;
}
