#pragma once
// Tokens of a resource script as its preprocessor sees them: words, numbers,
// quoted texts and punctuation, with line ends mattering only for directives.
#include <cstddef>
#include <cstdint>
#include <string>

enum TokKind : uint8_t { kTokWord, kTokNumber, kTokString, kTokPunct, kTokBadString };

struct RawToken {
    TokKind kind;
    bool lineStart; // the first token of a logical line (backslash-newline joins lines)
    uint32_t off, len;
    int32_t line;   // 1-based line of its first byte
};

struct Lexer {
    const std::string *text;
    size_t pos;
    int32_t line;
    bool cp932;       // double-byte characters of code page 932, else single bytes
    bool atLineStart;
};

void StartLexer(Lexer &lx, const std::string &text, bool cp932);
// The next token; false at the end of the text. Comments are blanks.
bool NextRawToken(Lexer &lx, RawToken &t);
// A quoted text without its quotes (and L prefix): "" and \" stand for a quote, \\ for a
// backslash unless an escape letter or a backslash follows it (then it stays as written,
// so that the writer can tell it from an escape); other escapes stay as written.
std::string QuotedText(const char *p, size_t len, bool cp932);
// True when c may follow a backslash as an escape the resource compiler decodes.
bool IsEscapeLetter(char c);
