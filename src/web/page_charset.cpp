#include "web/page_charset.h"

#include "common/document_encoding.h"
#include "web/html_scan.h"

#include <cstring>
#include <strings.h>

PageCharset CharsetFromName(const char *szName)
{
    static const struct { const char *name; PageCharset charset; } kNames[] = {
        {"shift_jis", PAGE_CHARSET_SHIFT_JIS}, {"shift-jis", PAGE_CHARSET_SHIFT_JIS},
        {"sjis", PAGE_CHARSET_SHIFT_JIS}, {"x-sjis", PAGE_CHARSET_SHIFT_JIS},
        {"windows-31j", PAGE_CHARSET_SHIFT_JIS}, {"cp932", PAGE_CHARSET_SHIFT_JIS},
        {"ms932", PAGE_CHARSET_SHIFT_JIS}, {"utf-8", PAGE_CHARSET_UTF8}, {"utf8", PAGE_CHARSET_UTF8},
        {"euc-jp", PAGE_CHARSET_EUC_JP}, {"x-euc-jp", PAGE_CHARSET_EUC_JP}, {"eucjp", PAGE_CHARSET_EUC_JP},
        {"iso-2022-jp", PAGE_CHARSET_ISO2022JP}, {"us-ascii", PAGE_CHARSET_SHIFT_JIS}};
    if (!szName || !*szName)
        return PAGE_CHARSET_UNKNOWN;
    for (const auto &n : kNames)
        if (strcasecmp(szName, n.name) == 0)
            return n.charset;
    return PAGE_CHARSET_OTHER;
}

/* The charset named by the first meta tag that names one. */
static PageCharset MetaCharset(const char *pPage, size_t nLen)
{
    std::string lower = LowerCopy(pPage, nLen);
    for (size_t meta = lower.find("<meta"); meta != std::string::npos; meta = lower.find("<meta", meta + 1)) {
        size_t end = lower.find('>', meta);
        if (end == std::string::npos)
            end = lower.size();
        size_t cs = lower.find("charset", meta);
        if (cs == std::string::npos || cs > end)
            continue;
        size_t at = cs + 7;
        while (at < end && (lower[at] == ' ' || lower[at] == '\t'))
            ++at;
        if (at >= end || lower[at] != '=')
            continue;
        ++at;
        while (at < end && std::strchr(" \t\"'", lower[at]))
            ++at;
        size_t stop = at;
        while (stop < end && !std::strchr(" \t\"';/>", lower[stop]))
            ++stop;
        std::string name = lower.substr(at, stop - at);
        return CharsetFromName(name.c_str());
    }
    return PAGE_CHARSET_UNKNOWN;
}

PageCharset DetectPageCharset(const char *szHeaderCharset, const char *pPage, size_t nLen)
{
    PageCharset fromHeader = CharsetFromName(szHeaderCharset);
    if (fromHeader != PAGE_CHARSET_UNKNOWN)
        return fromHeader;
    if (nLen >= 3 && std::memcmp(pPage, "\xEF\xBB\xBF", 3) == 0)
        return PAGE_CHARSET_UTF8;
    return MetaCharset(pPage, nLen);
}

int ConvertPageToCp932(PageCharset charset, const char *pPage, size_t nLen,
                       const Cp932Converter &convert, std::string &out)
{
    if (charset == PAGE_CHARSET_UTF8 && nLen >= 3 && std::memcmp(pPage, "\xEF\xBB\xBF", 3) == 0) {
        pPage += 3;
        nLen -= 3;
    }
    bool wanted = charset == PAGE_CHARSET_UTF8 || charset == PAGE_CHARSET_EUC_JP ||
                  charset == PAGE_CHARSET_ISO2022JP;
    if (wanted && convert) {
        std::string converted;
        if (convert(charset, pPage, nLen, converted)) {
            out.swap(converted);
            return 1;
        }
    }
    out.assign(pPage, nLen);
    return 0;
}

bool PageToCp932(PageCharset from, const char *pIn, size_t nLen, const Cp932Codec &codec, std::string &out)
{
    DocumentEncoding doc;
    switch (from) {
    case PAGE_CHARSET_UTF8:      doc.encoding = TextEncoding::Utf8; break;
    case PAGE_CHARSET_EUC_JP:    doc.encoding = TextEncoding::EucJp; break;
    case PAGE_CHARSET_ISO2022JP: doc.encoding = TextEncoding::Iso2022Jp; break;
    default:                     return false;
    }
    ConversionReport report;
    DecodeDocument(pIn, nLen, doc, codec, out, report);
    return true;
}
