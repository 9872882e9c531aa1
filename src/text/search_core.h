// Byte-string search family over zero-terminated code page 932 text. None of
// these modifies its input; each returns a pointer into the searched text or
// null. A byte counts as a syntax character only when it starts a character.
#pragma once
#include <cstddef>

namespace search {

// Uniform call form of the seven selectable primitives.
typedef const char *(*SearchProc)(const char *text, const char *pattern, int *pnLen,
                                  const char *szExtra, int reserved);

const char *strstr(const char *text, const char *pattern, int *pnLen, const char *szExtra, int reserved);
const char *strchrExA(const char *text, const char *pattern, int *pnLen, const char *szExtra, int reserved);
const char *strstrpatn(const char *text, const char *pattern, int *pnLen, const char *szExtra, int reserved);
const char *strchrExA_Isl(const char *text, const char *pattern, int *pnLen, const char *szExtra, int reserved);
const char *strstrIsl_lang(const char *text, const char *pattern, int *pnLen, const char *szExtra, int reserved);
const char *strstrNoName(const char *text, const char *pattern, int *pnLen, const char *szExtra, int reserved);
const char *strstrpatn2(const char *text, const char *pattern, int *pnLen, const char *szExtra, int reserved);

// Character classes.
bool IsSpaceByte(unsigned char b);       // " \r\n\t\v"
bool IsOperatorByte(unsigned char b);    // "+-=<>%&|!"
bool IsPunctByte(unsigned char b);       // "(){}[]*/.,:;~?"
bool IsDelimiterByte(unsigned char b);   // any of the three above
bool IsIdentByte(unsigned char b, const char *szExtra); // alnum or in szExtra
bool InSet(unsigned char b, const char *szSet);         // b != 0 and in szSet

// 1 when the word standing at hit is isolated (no identifier character
// before it or right after it). Returns 0 when the word does not stand there.
int strstrIsl_langIsStrIsolated(const char *textStart, const char *hit, const char *word,
                                const char *szExtra);
const char *stristr(const char *text, const char *pattern);
size_t SkipStringLiteral(const char *quote);
size_t SkipBalanced(const char *text, char open, char close, int depth);
const char *FindCharPair(const char *text, char first, char second, int *pnLen);
const char *GetIdentifierToken(const char *pos, int *pnLen, const char *szExtra, const char *szSkip);
const char *GetToken(const char *pos, int *pnLen, const char *szStop, const char *szSkip);
const char *GetTokenBackward(const char *textStart, const char *end, int *pnLen,
                             const char *szStop, const char *szSkip);
const char *StartsWithAfterSpace(const char *pos, const char *word, const char *szSkip);
int FindFirstOfWords(const char *text, const char *words, const char **ppPos);
const char *SkipSpace(const char *pos);
bool HasSeveralWords(const char *phrase);

// Compiles a phrase into the multi-string used by strstrpatn2. The output
// holds nCapacity bytes (the editor passes 1024); a phrase that would not fit
// is cut at a whole token. Returns 0 when it was cut, 1 otherwise.
int CompileSyntaxPattern(char *out, size_t nCapacity, const char *phrase);
enum { kSyntaxPatternSize = 1024 };

// Length of a multi-string including its final empty word.
size_t MultiStringLength(const char *words);

} // namespace search

// Holds one primitive chosen by name.
class SearchFunction {
public:
    int Select(const char *szName);
    const char *Call(const char *text, const char *pattern, int *pnLen, const char *szExtra, int reserved) const;
    bool IsSelected() const { return m_proc != nullptr; }

private:
    search::SearchProc m_proc = nullptr;
};
