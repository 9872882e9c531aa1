// The source-to-resource association list: source path -> the resource
// script last used with it. Pairs are appended; an existing key is refused.
// Stored as a count and per pair the two zero-terminated paths.
#pragma once
#include <string>
#include <vector>

#include "common/block_io.h"

struct RcPair {
    std::string szSource;
    std::string szRc;
};

struct RcAssociation {
    std::vector<RcPair> pairs;
};

// Appends a pair. Returns 1, or 0 when szSource is already a key, either
// path is empty, or a path does not fit a path buffer (255 bytes).
int AddRcAssociation(RcAssociation &list, const std::string &szSource, const std::string &szRc);

// The resource script path of szSource, or null.
const char *FindRcAssociation(const RcAssociation &list, const std::string &szSource);

// Appends the stored block of the list.
void EncodeRcAssociation(const RcAssociation &list, std::string &out);

// Reads the block into list (cleared first). Returns true when whole; on
// damage keeps the pairs read before it. Duplicate keys and overlong
// paths in the file are dropped.
bool DecodeRcAssociation(BlockReader &r, RcAssociation &list, BlockDamage &damage, int nField);
