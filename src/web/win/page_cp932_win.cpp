// Conversion of fetched pages to CP932 through the system's code pages.
#include "web/win/http_client.h"

#include "web/page_charset.h"

/* The Windows code page of a page charset, 0 when not converted. */
static UINT CodePageOf(PageCharset charset)
{
    switch (charset) {
    case PAGE_CHARSET_UTF8:      return CP_UTF8;
    case PAGE_CHARSET_EUC_JP:    return 20932;
    case PAGE_CHARSET_ISO2022JP: return 50220;
    default:                     return 0;
    }
}

/* Converts through UTF-16; characters without a CP932 form become "?". */
static bool SystemToCp932(PageCharset from, const char *pIn, size_t nLen, std::string &out)
{
    UINT cp = CodePageOf(from);
    if (cp == 0 || nLen > 0x3fffffff)
        return false;
    out.clear();
    if (nLen == 0)
        return true;
    int wide = MultiByteToWideChar(cp, 0, pIn, (int)nLen, NULL, 0);
    if (wide <= 0)
        return false;
    std::wstring w(wide, L'\0');
    if (MultiByteToWideChar(cp, 0, pIn, (int)nLen, &w[0], wide) != wide)
        return false;
    int bytes = WideCharToMultiByte(932, 0, w.c_str(), wide, NULL, 0, "?", NULL);
    if (bytes <= 0)
        return false;
    out.resize(bytes);
    return WideCharToMultiByte(932, 0, w.c_str(), wide, &out[0], bytes, "?", NULL) == bytes;
}

/* ReceivedPageCp932: the body of the reply as CP932 text. */
void ReceivedPageCp932(const HttpReply *pReply, std::string &page)
{
    std::string body;
    HttpReplyDecodedBody(pReply, body);
    PageCharset charset = DetectPageCharset(pReply->szCharset, body.data(), body.size());
    ConvertPageToCp932(charset, body.data(), body.size(), SystemToCp932, page);
    page.resize(std::char_traits<char>::length(page.c_str()));
}
