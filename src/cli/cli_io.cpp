#include "cli/cli_io.h"

#include "common/cp932_codec_iconv.h"
#include "common/unicode_convert.h"

#include <iconv.h>

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

/* Text of a code page other than 932 and 65001 as UTF-8 through iconv; when
   it refuses the whole, byte by byte with "?" for each it cannot take. */
static std::string CodePageToUtf8(const char *text, unsigned codePage)
{
    std::string name = "CP" + std::to_string(codePage), out;
    iconv_t cd = iconv_open("UTF-8", name.c_str());
    if (cd != iconv_t(-1)) {  // the whole text first: double-byte code pages need it
        size_t len = std::strlen(text), room = len * 4 + 4;
        out.resize(room);
        char *in = const_cast<char *>(text), *to = &out[0];
        if (iconv(cd, &in, &len, &to, &room) != size_t(-1)) {
            out.resize(to - out.data());
            iconv_close(cd);
            return out;
        }
        out.clear();
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    for (const char *p = text; *p; ++p) {
        char buffer[8], *in = const_cast<char *>(p), *to = buffer;
        size_t left = 1, room = sizeof buffer;
        if (cd != iconv_t(-1) && iconv(cd, &in, &left, &to, &room) != size_t(-1))
            out.append(buffer, to - buffer);
        else
            out += static_cast<unsigned char>(*p) < 0x80 ? *p : '?';
    }
    if (cd != iconv_t(-1))
        iconv_close(cd);
    return out;
}

/* Text of a code page as UTF-8, invalid sequences as "?". */
static std::string TextToUtf8(const char *text, unsigned codePage)
{
    size_t len = std::strlen(text);
    if (codePage == 932)
        return Cp932ToUtf8(text, len, IconvCp932Codec());
    if (codePage != 65001)
        return CodePageToUtf8(text, codePage);
    std::string out;
    const unsigned char *u = reinterpret_cast<const unsigned char *>(text);
    for (size_t i = 0, n = 0; i < len; i += n) {
        if (DecodeUtf8At(u, len, i, n) == kBadCodePoint)
            out += '?';
        else
            out.append(text + i, n);
    }
    return out;
}

std::string JsonString(const char *text, unsigned codePage)
{
    std::string utf8 = TextToUtf8(text, codePage);
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
