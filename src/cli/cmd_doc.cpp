// sora-tool hexdump: the binary viewer's dump text of a file.
#include "cli/cli_command.h"
#include "cli/cli_io.h"
#include "doc/hexdump_core.h"
#include "doc/viewer_rows_core.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Rows read and written at a time.
static const uint64_t kRowsAChunk = 4096;

/* DumpRows: writes the dump of the rows [nFirst, nFirst + nCount) of the
   open file of nSize bytes; false when a read fails. */
static bool DumpRows(FILE *f, uint64_t nSize, uint64_t nFirst, uint64_t nCount)
{
    std::vector<unsigned char> buf;
    uint64_t rows = DumpRowCount(nSize);
    uint64_t end = nFirst + nCount < rows ? nFirst + nCount : rows;
    for (uint64_t row = nFirst; row < end; row += kRowsAChunk) {
        RowSpan span = RowsSpan(nSize, row, end - row < kRowsAChunk ? end - row : kRowsAChunk);
        buf.resize(span.nBytes);
        if (fseeko(f, (off_t)span.nReadFrom, SEEK_SET) != 0 || fread(buf.data(), 1, span.nBytes, f) != span.nBytes)
            return false;
        WriteStdout(DumpRowsText(buf.data(), span.nBytes, span));
    }
    return true;
}

// Prints the header and dump of FILE exactly as the viewer shows them, or
// with OFFSET (hex) and ROWS only those rows, from the row holding OFFSET,
// as the viewer copies them; files over 4 GiB - 1 are refused as the
// viewer does.
static int RunHexdump(int argc, char **argv)
{
    uint64_t offset = 0, count = 0;
    if ((argc != 2 && argc != 4) ||
        (argc == 4 && (!ParseViewerOffset(argv[2], &offset) || (count = std::strtoull(argv[3], NULL, 10)) == 0))) {
        std::fprintf(stderr, "usage: sora-tool hexdump FILE [OFFSET ROWS]\n");
        return 2;
    }
    FILE *f = std::fopen(argv[1], "rb");
    if (!f || fseeko(f, 0, SEEK_END) != 0) {
        std::fprintf(stderr, "sora-tool: %s: cannot read\n", argv[1]);
        if (f)
            std::fclose(f);
        return 1;
    }
    uint64_t size = (uint64_t)ftello(f);
    if (CheckViewerSize(true, size) != DOC_OK) {
        std::fprintf(stderr, "sora-tool: %s: %llu bytes, files over 4294967295 bytes are not shown\n", argv[1],
                     (unsigned long long)size);
        std::fclose(f);
        return 1;
    }
    bool ok;
    if (argc == 4) {
        ok = DumpRows(f, size, RowOfOffset(size, offset), count);
    } else {
        WriteStdout(std::string(szHexDumpHeader, HexDumpHeaderLength()));
        ok = DumpRows(f, size, 0, DumpRowCount(size));
    }
    std::fclose(f);
    if (!ok)
        std::fprintf(stderr, "sora-tool: %s: read failed\n", argv[1]);
    return ok ? 0 : 1;
}
SORA_CLI_COMMAND(hexdump, "hexdump", "hexdump FILE [OFFSET ROWS]  the binary viewer's dump of FILE (or of ROWS rows)",
                 RunHexdump);
