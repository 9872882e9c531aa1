// Putting chosen recovery copies back into the editor: in multi-file mode
// each text goes into the file list as if its file had been opened, else
// into the panes; every restored text is marked modified and nothing is
// written to the user's files.
#pragma once
#include <windows.h>

#include <vector>

#include "filelist/win/recovery_session.h"

// Restores the chosen copies. Returns, for each found copy, whether it is
// now in the editor; nKept counts the chosen ones left on disk (no place
// for them now, or changed since they were listed).
std::vector<bool> RestoreRecoveryCopies(const std::vector<FoundRecoveryCopy> &found,
                                        const std::vector<bool> &chosen, int &nKept);
