// Names of the files that hold a parked pane's text while another file of
// the list is on show: "<work dir><id>.tmp<instance>" for the main pane and
// "<work dir><id>.rc.tmp<instance>" for the resource pane.
#pragma once
#include <cstddef>

enum TempPane { TEMP_PANE_MAIN = 0, TEMP_PANE_RC = 1 };

// Forms the name into szOut of nSize bytes. Returns 1, or 0 with szOut
// empty when it does not fit.
int MakeTempBackupName(const char *szWorkDir, unsigned id, int nInstanceNo, TempPane pane,
                       char *szOut, size_t nSize);

// Length of the text restored from a parked file: up to its first NUL.
size_t RestoredTextLength(const char *pBytes, size_t nSize);
