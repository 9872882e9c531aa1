#include "cli/cli_io.h"

#include "common/cp932_codec_iconv.h"
#include "common/unicode_convert.h"

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

std::string JsonString(const char *cp932)
{
    std::string utf8 = Cp932ToUtf8(cp932, std::strlen(cp932), IconvCp932Codec());
    std::string o = "\"";
    for (unsigned char c : utf8) {
        if (c == '"' || c == '\\') {
            o += '\\';
            o += static_cast<char>(c);
        } else if (c < 0x20) {
            char b[8];
            std::snprintf(b, sizeof b, "\\u%04x", c);
            o += b;
        } else {
            o += static_cast<char>(c);
        }
    }
    return o + "\"";
}
