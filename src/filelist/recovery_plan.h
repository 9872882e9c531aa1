// Which of the recovery copies the user chose to restore go where. Copies
// are grouped by the source file they belong to (a main text by its own
// path, a resource text by the path of the source shown with it); each
// group is shown like a file being opened, the last one stays on show.
#pragma once
#include <vector>

#include "filelist/recovery_copy.h"

struct RecoveryCandidate {
    RecoveryHeader header;
    bool bSelected = false;
};

struct RecoveryGroup {
    std::string szPath;   // the source file to show, "" for an unnamed text
    int nMain = -1;       // index of its main-pane copy, -1 when none
    int nRc = -1;         // index of its resource-pane copy, -1 when none
};

struct RecoveryPlan {
    std::vector<RecoveryGroup> groups;  // in the order to restore
    std::vector<int> kept;              // chosen, but left on disk for a later start
};

// Plans the restore of the selected candidates.
// - Of two chosen copies for the same file and pane, the newer one is
//   restored and the older one kept.
// - Multi-file mode: every named group goes into the file list, the one
//   that was on show last; one unnamed group can follow (it needs the panes
//   with no listed file current), further unnamed ones are kept.
// - Otherwise only the panes can take a text: one group is restored (the
//   one on show, else the newest) and the others are kept.
RecoveryPlan PlanRecoveryRestore(const std::vector<RecoveryCandidate> &candidates, bool bMultiFile);
