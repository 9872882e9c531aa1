// The stored user-button block, kept in "config.cfg" and alone in
// "ubuttons.cfg": the number of pages, then per page the number of buttons
// and per button the label with its terminator, the kind (1 byte), the
// value (4 bytes) and the text with its terminator (empty for kinds 0, 3).
#pragma once
#include <string>

#include "common/block_io.h"
#include "settings/user_button.h"

// Appends the block: the leading slots that hold buttons (at most 32).
void EncodeButtonBlock(const UserButtonPages &pages, std::string &out);

// Reads a block into pages (cleared first; nUserButtons is kept and the
// loaded buttons get the next ids). Returns true when whole; on damage
// records field nField with its offset and keeps the buttons read whole
// before it. Buttons past the run's limit of 100 are dropped. Slot 0 is
// on show afterwards.
bool DecodeButtonBlock(BlockReader &r, UserButtonPages &pages, BlockDamage &damage, int nField);

// "ubuttons.cfg" as a whole file.
std::string EncodeButtonFile(const UserButtonPages &pages);
bool DecodeButtonFile(const void *pBytes, size_t nSize, UserButtonPages &pages, BlockDamage &damage);
