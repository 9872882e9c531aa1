#pragma once
// The preprocessor of a resource script as the resource compiler runs it: #define
// (with and without arguments), #undef, #include "file", #if/#ifdef/#ifndef/#elif/
// #else/#endif, #pragma code_page; the result is the script's token stream with
// every macro expanded and each token's origin kept.
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>
#include "designer/script_tokens.h"

struct ScriptFile {
    std::string name; // as the script names it ("" for the script itself)
    std::string folder; // where its own quoted includes are looked up first
    std::string text;
};

struct ScriptToken {
    TokKind kind;
    bool cp932;      // read under code page 932
    uint16_t file;   // file whose text holds the spelling
    uint32_t off, len;
    int32_t line;    // line of the spelling in that file
    int32_t use;     // innermost macro expansion that made it, -1 when written in the text
};

// One expansion of a macro: where its name (and arguments) stand, and the tokens it made.
struct MacroUse {
    int32_t parent;  // expansion that the name itself came from, -1 when written in the text
    uint16_t file;
    uint32_t off, end;
    int32_t line;
    uint32_t first, last; // output tokens [first, last) made by it, directly or not
};

enum NoteKind { kNoteIfUnknown, kNoteIncludeMissing, kNoteTooDeep, kNoteNamelessDialog };

struct ScriptNote {
    NoteKind kind;
    std::string file; // "" for the script itself
    int32_t line;
    std::string word;
};

typedef std::function<bool(const std::string &path, std::string &text)> ScriptLoader;

struct ScriptOptions {
    std::string folder;  // the script's folder: quoted includes are looked up there ("" = none)
    ScriptLoader load;   // reads an included file; empty: read from disk
    // The script's own text is code page 932 whatever its "#pragma code_page" says, as
    // the pane's text converted from the file's encoding is. The pragma still decides how
    // the files it includes are read: they come from disk as their bytes stand.
    bool textIsCp932 = false;
};

struct Preprocessed {
    std::deque<ScriptFile> files; // 0: the script itself
    std::vector<ScriptToken> tokens;
    std::vector<MacroUse> uses;
    std::vector<ScriptNote> notes;

    std::string_view Spell(const ScriptToken &t) const
    {
        return std::string_view(files[t.file].text.data() + t.off, t.len);
    }
};

void Preprocess(const std::string &text, const ScriptOptions &options, Preprocessed &out);

// Where a token stands in the text it was read from: its spelling, or for a token
// made by macros the outermost macro name (with its arguments) in the text.
struct SourcePlace {
    uint16_t file;
    uint32_t start, end;
    int32_t line;
};
SourcePlace PlaceOf(const Preprocessed &pp, const ScriptToken &t);
// Tokens [a, b) as the script writes them: macro names kept where the range holds
// all that a macro made, the spellings of expanded tokens elsewhere.
std::string WrittenText(const Preprocessed &pp, size_t a, size_t b);
// Reads a file whole (at most 8 MiB); false when it cannot be read.
bool LoadScriptFile(const std::string &path, std::string &text);
