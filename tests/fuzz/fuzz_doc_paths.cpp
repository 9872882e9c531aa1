// Path helpers, the read analysis and the line limit on arbitrary bytes.
#include "doc/document_core.h"
#include "doc/path_core.h"

#include <cstdint>
#include <algorithm>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string path(reinterpret_cast<const char *>(data), size);
    path = path.c_str();  // up to the first zero byte
    char folder[SYSTEM_PATH_SIZE], name[FILE_TITLE_SIZE], out[FULL_PATH_SIZE];
    GetFolderOfPath(path.c_str(), folder, sizeof folder);
    GetNameOfPath(path.c_str(), name, sizeof name);
    ReplaceExtension(path.c_str(), ".rc", out, sizeof out);
    MakeSaveTempPath(path.c_str(), 7, out, sizeof out);
    FormatDocumentTitle(name, size, path.size(), true);

    std::vector<char> buf(ReadBufferSize(size));
    std::copy(data, data + size, buf.begin());
    ReadAnalysis a = AnalyseReadBuffer(buf.data(), size, size);
    ReplaceZeroBytes(buf.data(), a.nTextLen, size);
    LongLine line;
    if (FindLongLine(reinterpret_cast<const char *>(data), size, size % 64, &line) &&
        (line.nBytes <= size % 64 || line.nBytes > size || line.nLine == 0 || line.nLine > size + 1))
        __builtin_trap();
    return 0;
}
