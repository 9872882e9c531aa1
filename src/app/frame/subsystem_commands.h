// Commands of the main window and who serves them. Each command handler
// (the frame's own and one per subsystem built on the frame) has a table of
// the ids it serves; the main window looks up the one owner of an id and
// calls that handler alone (command_owners.h). Each subsystem's handler
// lives in its win/ folder.
#pragma once
#include <windows.h>

// The ids first to last, both included.
struct CommandRange {
    UINT first, last;
};
#define COMMAND_ID(id) {(id), (id)}

struct CommandIds {
    const CommandRange *pRanges;
    int nRanges;
};
#define COMMAND_IDS(ranges) {(ranges), (int)(sizeof(ranges) / sizeof((ranges)[0]))}

// True when the table holds the id.
inline bool CommandIdsHold(const CommandIds &ids, UINT id)
{
    for (int i = 0; i < ids.nRanges; ++i)
        if (id >= ids.pRanges[i].first && id <= ids.pRanges[i].last)
            return true;
    return false;
}

// The system's notification code of a command given by a shortcut key
// (an accelerator); menus and buttons give 0. The high word of a command
// carries no meaning of the editor's own beside this and the Enter
// command's field id.
enum { KEY_COMMAND_CODE = 1 };

// True when the command came from a shortcut key (no control sent it).
inline bool IsKeyCommand(UINT code, LPARAM lParam)
{
    return code == KEY_COMMAND_CODE && lParam == 0;
}

// A handler returns TRUE when it did something with the command.
typedef BOOL (*CommandHandler)(HWND hwnd, UINT id, UINT code, LPARAM lParam);

struct CommandOwner {
    const char *szName;  // who serves them, for the messages of the tests
    CommandHandler handler;
    CommandIds ids;
};

extern const CommandOwner frameCommands;     // app/shell/commands.cpp
extern const CommandOwner docCommands;       // doc/win
extern const CommandOwner encodingCommands;  // doc/win: the encoding a document is saved in
extern const CommandOwner textCommands;      // text/win
extern const CommandOwner fileListCommands;  // filelist/win
extern const CommandOwner settingsCommands;  // settings/win
extern const CommandOwner toolsCommands;     // tools/win
extern const CommandOwner webCommands;       // web/win
extern const CommandOwner designerCommands;  // designer/win
extern const CommandOwner captureCommands;   // capture/win
extern const CommandOwner workspaceCommands; // app/workspace

// The commands of the design surface's own menus (MYPOPUP2, MYPOPUP3) and
// its cancel button; they go to the surface window, not to the main window.
extern const CommandIds designSurfaceCommandIds;  // designer/win
