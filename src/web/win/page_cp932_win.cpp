// Conversion of fetched pages to CP932 with the document converters and
// kernel32's CP932 mapping (no best fit; EUC-JP and ISO-2022-JP by JIS
// arithmetic, as Wine has no code page for ISO-2022-JP and loses 〜 in 20932).
#include "web/win/http_client.h"

#include "app/frame/cp932_codec_win.h"
#include "web/page_charset.h"

/* UTF-8, EUC-JP and ISO-2022-JP pages in CP932; characters without a CP932 form become "?". */
static bool SystemToCp932(PageCharset from, const char *pIn, size_t nLen, std::string &out)
{
    return PageToCp932(from, pIn, nLen, Kernel32Cp932Codec(), out);
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
