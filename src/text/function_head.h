// What the words before a "{" of C or C++ source open: a function body, a
// class body, a namespace or extern "C" block, or any other block. Read from
// the tokens of a comment-free stretch of text (one declaration).
#pragma once
#include <cstddef>
#include <string>
#include <vector>

enum class BraceOpens { kBlock, kFunction, kClass, kNamespace };

struct BraceHead {
    BraceOpens kind = BraceOpens::kBlock;
    size_t nNameFrom = 0, nNameTo = 0;   // function: qualified name; class: its name (may be empty)
    size_t nParamFrom = 0, nParamTo = 0; // function: "(" through ")" inclusive, as [from, to)
    bool bFriend = false;                // function declared friend (not a member)
};

struct HeadToken {
    size_t from, to;
    char kind; // 'i' word or number, 's' string or character literal, else the punctuation's first byte
};

// Reads heads; holds its token buffer so that one reader serves a whole scan.
class HeadReader {
public:
    // The head of the declaration t[from, to) that a "{" at `to` ends. In a
    // function body only class bodies count (local classes).
    BraceHead ReadBrace(const char *t, size_t from, size_t to, bool bInBody);
    // A K&R definition's head ended by its first parameter declaration's ";"
    // at `to` ("int f(a, b) int a"): true with the name and parameters.
    bool ReadKnrHead(const char *t, size_t from, size_t to, BraceHead &head);
    // True when t[from, to) (ended by ";") can declare K&R parameters.
    bool IsParamDeclaration(const char *t, size_t from, size_t to);
    // True when t[from, to) holds no token.
    static bool IsEmpty(const char *t, size_t from, size_t to);

private:
    std::vector<HeadToken> toks_;
    std::vector<size_t> mate_; // index of the matching bracket, or size when unmatched

    void Tokenize(const char *t, size_t from, size_t to);
    bool Is(size_t k, const char *word) const;
    bool IsPunct(size_t k, const char *p) const;
    bool FindDeclarator(size_t &k, size_t &open, size_t &nameEnd) const;
    bool OperatorName(size_t k, size_t &open) const;
    bool ValidTail(size_t k, int depth) const;
    bool OpensAngle(size_t k, bool bDefault) const;
    size_t NameStart(size_t k) const;
    void ReadClassName(size_t k, BraceHead &head) const;
    size_t SkipPrefixWords(size_t k) const;
    const char *t_ = nullptr;
};

// The name t[from, to) with the blanks between its parts closed up (one
// blank kept between two words, as in "operator new").
std::string ClosedUpName(const char *t, size_t from, size_t to);
