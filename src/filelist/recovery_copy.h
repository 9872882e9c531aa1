// Recovery copies: the unsaved text of a pane, kept in the working folder
// so that a crash loses nothing. A copy is a small self-describing header
// followed by the text exactly as the pane held it:
//
//   magic "SoraRcv" 0x1A, version, header size, instance number, session,
//   file button id (0 for the text on show), pane, flags, time written,
//   text size, CRC-32 of the text, the file's path and (for a resource
//   script) the path of the source it belongs to, each as a 32-bit length
//   and its bytes, and last the CRC-32 of every header byte before it.
//
// Integers are little-endian. The reader trusts nothing: a file that does
// not start with the magic is foreign, one of a later version is not ours
// to read, and any size, bound or checksum that does not hold makes it
// damaged.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

enum RecoveryPane { RECOVERY_PANE_MAIN = 0, RECOVERY_PANE_RC = 1 };

enum {
    RECOVERY_VERSION = 1,
    RECOVERY_FLAG_ON_SHOW = 1,              // the text was on show when written
    RECOVERY_MAX_PATH = 1024,               // longest path a copy may name
    RECOVERY_MAX_TEXT = 64 * 1024 * 1024,   // largest text a copy may hold
};

struct RecoveryHeader {
    uint32_t nInstanceNo = 0;
    uint64_t nSession = 0;
    uint32_t id = 0;            // file button id, 0 for the text on show
    uint32_t pane = RECOVERY_PANE_MAIN;
    uint32_t flags = 0;
    uint64_t nTime = 0;         // 100 ns steps since 1601-01-01 (UTC)
    uint32_t nTextSize = 0;
    uint32_t nTextCrc = 0;
    std::string szPath;         // the file the text belongs to, "" when unnamed
    std::string szOwnerPath;    // resource pane: the source file shown with it
};

enum RecoveryStatus {
    RECOVERY_OK = 0,
    RECOVERY_FOREIGN,   // not a recovery copy at all
    RECOVERY_NEWER,     // a recovery copy of a later version
    RECOVERY_DAMAGED,   // ours, but cut short or changed
};

// CRC-32 (the polynomial of zip and PNG) of bytes[0, n), continuing from crc
// (0 to start).
uint32_t Crc32(const void *pBytes, size_t n, uint32_t crc = 0);

// The header bytes for text[0, nText): the text's size and checksum are
// filled in from the text, the other fields from header. Paths longer
// than RECOVERY_MAX_PATH are refused (empty result), as is a text larger
// than RECOVERY_MAX_TEXT.
std::string EncodeRecoveryHeader(const RecoveryHeader &header, const char *pText, size_t nText);

// Reads a whole copy. On RECOVERY_OK, header holds its fields and
// *pTextOffset where the text starts (the text runs to the end).
RecoveryStatus DecodeRecoveryCopy(const void *pBytes, size_t nSize, RecoveryHeader &header,
                                  size_t *pTextOffset);
