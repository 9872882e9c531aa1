// The search word in the charset of its entry, through the document
// converters: UTF-8 by way of the system's CP932 table without best fit,
// EUC-JP by JIS arithmetic (Wine's code page 20932 loses 〜).
#include "web/query_word.h"

#include "app/frame/cp932_codec_win.h"
#include "common/cp932.h"
#include "common/cp932_validity.h"
#include "common/document_encoding.h"

#include <cstring>

bool ConvertSearchWord(const char *szCp932, QueryCharset to, std::string &out)
{
    out.clear();
    if (to == QUERY_CP932 || !*szCp932) {
        out = szCp932;
        return true;
    }
    // A byte sequence that is no CP932 character is left out.
    std::string word;
    size_t len = std::strlen(szCp932);
    for (size_t at = 0; at < len;) {
        size_t good = cp932::FirstUndefined(szCp932 + at, len - at);
        word.append(szCp932 + at, good);
        at += good;
        if (at < len)
            at += cp932::CharLength(szCp932 + at, szCp932 + len);
    }
    DocumentEncoding encoding;
    encoding.encoding = to == QUERY_EUC_JP ? TextEncoding::EucJp : TextEncoding::Utf8;
    SaveProblem problem;
    return EncodeDocument(word.data(), word.size(), encoding, Kernel32Cp932Codec(), out, problem);
}
