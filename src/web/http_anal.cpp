#include "web/http_anal.h"

#include "web/html_scan.h"

#include <cstring>

static const char kSeparators[] = " =\r\n\t\v";

/* Counts the occurrences of " href" in the lowered page. */
static int CountHrefs(const std::string &lower)
{
    int n = 0;
    for (size_t at = lower.find(" href"); at != std::string::npos; at = lower.find(" href", at + 1))
        ++n;
    return n;
}

/* Offset of the next "a" + separators + "href" that stands just after "<"
   (whitespace between allowed), searching from "from"; npos when none. */
static size_t FindAnchorStart(const std::string &lower, size_t from, size_t *pAfter)
{
    for (size_t hit = lower.find('a', from); hit != std::string::npos; hit = lower.find('a', hit + 1)) {
        size_t at = hit + 1;
        if (at >= lower.size() || !std::strchr(kSeparators, lower[at]) || lower[at] == '\0')
            continue;
        while (at < lower.size() && lower[at] && std::strchr(kSeparators, lower[at]))
            ++at;
        if (lower.compare(at, 4, "href") != 0)
            continue;
        size_t before = hit;
        while (before > 0 && std::strchr(" \r\n\t\v", lower[before - 1]))
            --before;
        if (before == 0 || lower[before - 1] != '<')
            continue;
        *pAfter = at + 4;
        return hit;
    }
    return std::string::npos;
}

/* Offset of the "/a" that closes the anchor (followed, after optional
   whitespace, by ">"), and the offset after that ">" in *pAfter. */
static size_t FindAnchorEnd(const std::string &lower, size_t from, size_t *pAfter)
{
    for (size_t hit = lower.find("/a", from); hit != std::string::npos; hit = lower.find("/a", hit + 1)) {
        size_t at = hit + 2;
        while (at < lower.size() && std::strchr(" \r\n\t\v", lower[at]) && lower[at])
            ++at;
        if (at < lower.size() && lower[at] == '>') {
            *pAfter = at + 1;
            return hit;
        }
    }
    return std::string::npos;
}

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

/* Rebuilds the anchors, URLs and titles of the page. */
int HttpAnal::GetReadyUrlAndTitle(const char *szPage)
{
    bReady = 0;
    aAnchors.clear();
    aUrls.clear();
    aTitles.clear();
    nAbsolute = nLinks = nNoCloseAnchors = 0;
    size_t len = std::strlen(szPage);
    std::string lower = LowerCopy(szPage, len);
    int nCount = CountHrefs(lower);
    nEntries = nCount > 0 ? nCount : 1;

    for (size_t from = 0; int(aAnchors.size()) < nEntries;) {
        size_t afterHref, afterEnd;
        size_t start = FindAnchorStart(lower, from, &afterHref);
        if (start == std::string::npos)
            break;
        size_t end = FindAnchorEnd(lower, afterHref, &afterEnd);
        if (end == std::string::npos)
            break;
        aAnchors.emplace_back(szPage + start, end - start);
        if (lower.substr(start, end - start).find("http://") != std::string::npos)
            ++nAbsolute;
        from = afterEnd;
    }

    for (const std::string &anchor : aAnchors) {
        std::string low = LowerCopy(anchor.data(), anchor.size());
        size_t eq = low.find('=');
        if (eq == std::string::npos)
            continue;
        size_t at = eq + 1;
        while (at < anchor.size() && std::strchr(" \t\r\n\v", anchor[at]))
            ++at;
        size_t tokEnd = at;
        if (at < anchor.size() && (anchor[at] == '"' || anchor[at] == '\'')) {
            size_t close = anchor.find(anchor[at], at + 1);
            tokEnd = close == std::string::npos ? anchor.size() : close + 1;
        } else {
            while (tokEnd < anchor.size() && !std::strchr(" \t\r\n\v<>", anchor[tokEnd]))
                ++tokEnd;
        }
        std::string url = anchor.substr(at, tokEnd - at);
        if (!url.empty() && (url[0] == '"' || url[0] == '\'')) {
            char q = url[0];
            url.erase(0, 1);
            if (!url.empty() && url.back() == q)
                url.pop_back();
        }
        DecodeBasicEntities(url);
        size_t gt = anchor.find('>', tokEnd);
        size_t titleFrom = tokEnd;
        if (gt == std::string::npos)
            ++nNoCloseAnchors;
        else
            titleFrom = gt + 1;
        aUrls.push_back(url);
        aTitles.push_back(StripTags(anchor.substr(titleFrom)));
        ++nLinks;
    }
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
