// Function definitions of a C or C++ text found by one scan of its braces:
// at any depth in namespaces, extern "C" blocks and class bodies, never in a
// function body (a local class's members excepted).
#pragma once
#include <cstddef>
#include <vector>

struct FunctionEntry {
    size_t nOffset;   // offset of the name in the text
    size_t nEnd;      // offset just past the parameter list's ")"
    size_t nNameLen;  // bytes of szName before the parameter list
    char szName[64];  // "Class::name(params)" as written, blanks in the name closed up, cut at 63 bytes
};

struct FunctionList {
    std::vector<FunctionEntry> entries; // in text order
    bool bCapped = false;               // the cap was reached; later ones ignored
};

// Overwrites every comment of text[0, len) with spaces in place; line breaks
// inside comments are kept, so offsets, lengths and line numbers stay; an
// unterminated block comment runs to the end.
void BlankComments(char *text, size_t len);

// Lists the functions of text[0, len); nMax <= 0 means no cap (the editor
// passes 384). Returns the count, or -1 for an empty text. Members defined
// in a class body are named with their class; "#if 0" blocks are skipped,
// and of an #if/#elif/#else chain the braces of the first branch count.
int EnumerateFunctions(const char *text, size_t len, int nMax, FunctionList &out);

// Index of the function holding the caret: the last one starting before it
// (a caret right at a function's offset belongs to the one before). -1: none.
int FunctionIndexAt(const FunctionList &list, size_t nCaret);

// Offset of the first function starting after the caret, or -1.
long NextFunctionOffset(const FunctionList &list, size_t nCaret);

// Offset of the start of the function holding the caret, or 0.
size_t FunctionTopOffset(const FunctionList &list, size_t nCaret);

// Writes the name of the function holding the caret in a text of len bytes
// ("Class::name" as listed, without its parameters) followed by "()" into
// buf (nSize bytes, cut on a character boundary) and returns its offset;
// outside every function, or for an empty text, writes
// "not in function area" and returns 0; with no functions at all writes ""
// and returns -1.
long CurrentFunctionName(size_t len, const FunctionList &list, size_t nCaret, char *buf, size_t nSize);

// 1-based line number of offset in text (counting line feeds before it).
int LineOfOffset(const char *text, size_t len, size_t nOffset);
