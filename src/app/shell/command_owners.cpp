#include "app/shell/command_owners.h"

const CommandOwner *const kCommandOwners[] = {&frameCommands,    &docCommands,      &encodingCommands,
                                              &textCommands,     &fileListCommands, &settingsCommands,
                                              &toolsCommands,    &webCommands,      &designerCommands,
                                              &captureCommands,  &workspaceCommands};
const int nCommandOwners = sizeof kCommandOwners / sizeof kCommandOwners[0];

// The owner of each 16-bit command id: its index in kCommandOwners + 1, 0 for none.
static unsigned char aOwnerOf[0x10000];

/* BuildCommandLookup: the owner of every id from the handlers' tables. */
int BuildCommandLookup(std::string *pClashes)
{
    static_assert(sizeof kCommandOwners / sizeof kCommandOwners[0] < 255, "owner index fits a byte");
    int nClashes = 0;
    for (unsigned char &owner : aOwnerOf)
        owner = 0;
    for (int k = 0; k < nCommandOwners; ++k) {
        const CommandIds &ids = kCommandOwners[k]->ids;
        for (int r = 0; r < ids.nRanges; ++r)
            for (UINT id = ids.pRanges[r].first; id <= ids.pRanges[r].last && id <= 0xFFFF; ++id) {
                if (aOwnerOf[id] == 0) {
                    aOwnerOf[id] = (unsigned char)(k + 1);
                    continue;
                }
                ++nClashes;
                if (pClashes)
                    *pClashes += std::to_string(id) + " " + kCommandOwners[aOwnerOf[id] - 1]->szName + "/" +
                                 kCommandOwners[k]->szName + "\n";
            }
    }
    return nClashes;
}

const CommandOwner *CommandOwnerOf(UINT id)
{
    return id <= 0xFFFF && aOwnerOf[id] ? kCommandOwners[aOwnerOf[id] - 1] : NULL;
}
