#include "cli/cli_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

bool ReadWholeFile(const char *path, std::string &bytes)
{
    FILE *file = std::fopen(path, "rb");
    if (!file) {
        std::fprintf(stderr, "sora-tool: cannot open %s: %s\n", path, std::strerror(errno));
        return false;
    }
    bytes.clear();
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    bool failed = std::ferror(file);
    std::fclose(file);
    if (failed) {
        std::fprintf(stderr, "sora-tool: cannot read %s\n", path);
        return false;
    }
    return true;
}

void WriteStdout(const std::string &bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}
