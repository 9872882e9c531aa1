#pragma once
// Rewriting the control block of a customised dialog: only the statements of
// changed, added or deleted controls change.
#include <string>
#include <vector>
#include "designer/records.h"

// The "廃" mark of a control deleted during customising.
extern const char kDeletedMark[];
// The "未" mark of a control not yet named.
extern const char kUnnamedMark[];

struct UpdateResult {
    std::string body;        // the new block, BEGIN through END
    std::string definitions; // #define lines made for new names (also placed in the body)
    int nextId;              // the start id after the new definitions
};

// records: the controls now (rectangles in dialog units); saved: as they were read.
UpdateResult UpdateDialogScript(const std::string &body, std::vector<Ctrldata> &records,
                                const std::vector<Ctrldata> &saved, const char *prefix, int startId);
// True when two records differ in anything the script shows.
bool RecordChanged(const Ctrldata &a, const Ctrldata &b);
