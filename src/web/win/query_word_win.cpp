// The search word converted through the system's code pages: CP932 to
// UTF-16, then to UTF-8 or EUC-JP (code page 20932).
#include "web/query_word.h"

#include <windows.h>

bool ConvertSearchWord(const char *szCp932, QueryCharset to, std::string &out)
{
    out.clear();
    if (to == QUERY_CP932 || !*szCp932) {
        out = szCp932;
        return true;
    }
    int wide = MultiByteToWideChar(932, 0, szCp932, -1, NULL, 0);
    if (wide <= 0)
        return false;
    std::wstring w(wide, L'\0');
    MultiByteToWideChar(932, 0, szCp932, -1, &w[0], wide);
    UINT cp = to == QUERY_EUC_JP ? 20932 : CP_UTF8;
    int bytes = WideCharToMultiByte(cp, 0, w.c_str(), -1, NULL, 0, NULL, NULL);
    if (bytes <= 0)
        return false;
    out.assign(bytes, '\0');
    WideCharToMultiByte(cp, 0, w.c_str(), -1, &out[0], bytes, NULL, NULL);
    out.resize(bytes - 1);
    return true;
}
