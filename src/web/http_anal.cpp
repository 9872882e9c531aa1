#include "web/http_anal.h"

#include "web/anchor_scan.h"
#include "web/html_scan.h"

#include <algorithm>
#include <cstring>

/* The text with every "<...>" span removed, then a stray "<" and ">" once
   each; line breaks and tabs become spaces, ends trimmed, references decoded. */
static std::string StripTags(const std::string &text)
{
    std::string out;
    for (size_t at = 0; at < text.size();) {
        if (text[at] == '<') {
            size_t close = text.find('>', at);
            if (close != std::string::npos) {
                at = close + 1;
                continue;
            }
        }
        out += text[at++];
    }
    size_t lt = out.find('<');
    if (lt != std::string::npos)
        out.erase(lt, 1);
    size_t gt = out.find('>');
    if (gt != std::string::npos)
        out.erase(gt, 1);
    DecodeBasicEntities(out);
    for (char &c : out)
        if (c == '\r' || c == '\n' || c == '\t' || c == '\v')
            c = ' ';
    size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

/* The href value as a URL: references decoded, line breaks and tabs
   dropped and blanks around it trimmed, as browsers read an address. */
static std::string UrlOfHref(const char *szValue, size_t nLen)
{
    std::string url;
    for (size_t at = 0; at < nLen; ++at)
        if (szValue[at] != '\r' && szValue[at] != '\n' && szValue[at] != '\t')
            url += szValue[at];
    DecodeBasicEntities(url);
    size_t first = url.find_first_not_of(" \v\f");
    if (first == std::string::npos)
        return std::string();
    return url.substr(first, url.find_last_not_of(" \v\f") - first + 1);
}

/* Rebuilds the anchors, URLs and titles of the page: one row per anchor
   with an href, however many there are. */
int HttpAnal::GetReadyUrlAndTitle(const char *szPage)
{
    bReady = 0;
    aAnchors.clear();
    aUrls.clear();
    aTitles.clear();
    nAbsolute = nLinks = nNoCloseAnchors = 0;
    std::string lower = LowerCopy(szPage, std::strlen(szPage));
    AnchorScan scan(lower);
    AnchorTag tag;
    while (scan.Next(&tag)) {
        if (!tag.bHasHref)
            continue;  // a named target
        aAnchors.emplace_back(szPage + tag.nStart + 1, tag.nTextEnd - tag.nStart - 1);
        static const char kHttp[] = "http://";
        auto from = lower.begin() + tag.nStart, to = lower.begin() + tag.nTextEnd;
        if (std::search(from, to, kHttp, kHttp + 7) != to)
            ++nAbsolute;
        if (!tag.bClosed)
            ++nNoCloseAnchors;
        aUrls.push_back(UrlOfHref(szPage + tag.nHrefFrom, tag.nHrefLen));
        aTitles.push_back(StripTags(std::string(szPage + tag.nTagEnd, tag.nTextEnd - tag.nTagEnd)));
    }
    nLinks = int(aUrls.size());
    nEntries = nLinks > 0 ? nLinks : 1;
    bReady = 1;
    return nLinks;
}

const char *HttpAnal::GetUrl(int n) const
{
    return bReady && n >= 0 && n < int(aUrls.size()) ? aUrls[n].c_str() : "";
}

const char *HttpAnal::GetTitle(int n) const
{
    return bReady && n >= 0 && n < int(aTitles.size()) ? aTitles[n].c_str() : "";
}
