// The file-list page block stored in "config.cfg": the number of pages,
// then per page the number of entries and per entry three zero-terminated
// texts (full path, resource script path, label).
#pragma once
#include <string>
#include <vector>

#include "common/block_io.h"

enum {
    FILELIST_PAGE_SLOTS = 256,
    STORED_PATH_MAX = 255,   // a path fills a 256-byte buffer with its terminator
    STORED_LABEL_MAX = 255,
};

struct StoredFileEntry {
    std::string szFull;
    std::string szRcFull;
    std::string szLabel;
};

struct StoredPage {
    std::vector<StoredFileEntry> entries;
};

// Appends the block for the pages (at most FILELIST_PAGE_SLOTS are written).
void EncodePageBlock(const std::vector<StoredPage> &pages, std::string &out);

// Reads the block at the reader's position into pages. Returns true when
// the whole block was read; on damage records the field number nField and
// the offset and keeps the pages and entries read whole before it. An
// entry whose path does not fit a path buffer is skipped.
bool DecodePageBlock(BlockReader &r, std::vector<StoredPage> &pages, BlockDamage &damage, int nField);
