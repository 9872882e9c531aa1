#pragma once
// Reading dialog resources from a resource script (CP932 text) as the resource compiler
// reads them: after its preprocessor, with statements running over line ends.
#include <string>
#include <vector>
#include "designer/records.h"
#include "designer/script_preprocess.h"

enum StopKind { kStopNone, kStopUnknownWord, kStopMissingField, kStopBadString, kStopNoEnd, kStopNoBegin, kStopTooMany };

// Where and why the reading of a dialog stopped.
struct ReadStop {
    StopKind kind;
    std::string file; // "" for the script itself
    int line;
    std::string word; // what stood where the statement could not go on
    std::string what; // in English, for tools ("unknown control keyword OK_CANCEL")
};

struct ParsedDialog {
    Dlgdata dlg;
    std::vector<Ctrldata> controls;
    std::vector<std::string> keywords; // statement keyword of each control
    std::vector<char> plainRects;      // 1 where x, y, cx, cy are written as plain numbers
    size_t headerStart, bodyStart, bodyEnd; // offsets in the script; npos unless all stand in its own text
    bool numbered;     // the name is a number, or a name #defined as one
    int32_t number;
    std::string file;  // file holding the name ("" for the script itself)
    int line;          // line of the name
    ReadStop stop;     // kStopNone when the whole dialog was read
};

struct ScriptReading {
    std::vector<ParsedDialog> dialogs;
    std::vector<ScriptNote> notes;
    bool badScript; // a DIALOG keyword without a name before it
};

// Every DIALOG / DIALOGEX resource of a script and of the files it includes. A statement
// that cannot be read ends only its own dialog (the controls before it are kept).
ScriptReading ReadDialogScript(const std::string &text, const ScriptOptions &options);
// The same without included files; false with the first stop ("line N: what") when a
// dialog could not be read whole (the dialogs are still all given).
bool ParseDialogs(const std::string &text, std::vector<ParsedDialog> &out, std::string &error);
// A memory option of a resource (MOVEABLE, DISCARDABLE, ...).
bool IsMemoryOption(std::string_view word);
// Blanks /* */ and // comments outside quoted strings (length kept).
std::string BlankComments(const std::string &text);

// Texts of a stop and of a note: English for tools, Japanese (CP932) for the user.
std::string StopText(const ParsedDialog &d);
std::string StopMessage(const ParsedDialog &d);
std::string NoteText(const ScriptNote &n);
std::string NoteMessage(const ScriptNote &n);
