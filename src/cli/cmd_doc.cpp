// sora-tool hexdump: the binary viewer's dump text of a file.
#include "cli/cli_command.h"
#include "cli/cli_io.h"
#include "doc/document_core.h"
#include "doc/hexdump_core.h"

#include <cstdio>
#include <string>

// Prints the header and dump of FILE exactly as the viewer shows them;
// files of 1,048,576 bytes or more are refused as the viewer does.
static int RunHexdump(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sora-tool hexdump FILE\n");
        return 2;
    }
    std::string bytes;
    if (!ReadWholeFile(argv[1], bytes))
        return 1;
    if (CheckReadSize(true, bytes.size()) != DOC_OK) {
        std::fprintf(stderr, "sora-tool: %s: %zu bytes, files of 1048576 bytes or more are not shown\n",
                     argv[1], bytes.size());
        return 1;
    }
    WriteStdout(HexDumpText(reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size()));
    return 0;
}
SORA_CLI_COMMAND(hexdump, "hexdump", "hexdump FILE  the binary viewer's dump of FILE", RunHexdump);
