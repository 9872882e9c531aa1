// The owner of each command id of the main window, looked up from the
// command handlers' tables once at start-up.
#pragma once
#include <string>

#include "app/frame/subsystem_commands.h"

// Every handler of the main window's commands, the frame's own first.
extern const CommandOwner *const kCommandOwners[];
extern const int nCommandOwners;

// Builds the lookup from the handlers' tables. An id claimed by two
// handlers keeps the first and is described in *pClashes (may be null);
// returns the number of such ids.
int BuildCommandLookup(std::string *pClashes);

// The handler that serves the id, or NULL: then the command has no effect.
const CommandOwner *CommandOwnerOf(UINT id);
