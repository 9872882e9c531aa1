#include "web/web_url.h"

#include <cctype>
#include <cstdio>
#include <strings.h>
#include <vector>

static const char kHex[] = "0123456789ABCDEF";

/* Appends byte c as "%XX". */
static void AppendEscaped(std::string &out, unsigned char c)
{
    out += '%';
    out += kHex[c >> 4];
    out += kHex[c & 15];
}

/* The target with every byte a request line cannot carry percent-encoded. */
static std::string SafeTarget(const std::string &raw)
{
    std::string out;
    out.reserve(raw.size());
    for (unsigned char c : raw) {
        if (c <= 0x20 || c >= 0x7F || c == '"' || c == '<' || c == '>' || c == '\\' || c == '^' ||
            c == '`' || c == '{' || c == '|' || c == '}')
            AppendEscaped(out, c);
        else
            out += char(c);
    }
    return out;
}

/* Text without blanks at either end and without tabs and line breaks
   inside, as browsers read an href. */
static std::string CleanReference(const std::string &text)
{
    size_t from = 0, to = text.size();
    while (from < to && static_cast<unsigned char>(text[from]) <= 0x20)
        ++from;
    while (to > from && static_cast<unsigned char>(text[to - 1]) <= 0x20)
        --to;
    std::string out;
    for (size_t i = from; i < to; ++i)
        if (text[i] != '\t' && text[i] != '\r' && text[i] != '\n')
            out += text[i];
    return out;
}

/* Length of a scheme followed by ":" at the start of text, 0 when none. */
static size_t SchemeLength(const std::string &text)
{
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0])))
        return 0;
    for (size_t i = 1; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == ':')
            return i;
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.')
            return 0;
    }
    return 0;
}

/* Reads "host[:port]" of an authority (user information dropped). */
static bool ParseAuthority(std::string authority, bool bHttps, WebUrl *pUrl)
{
    size_t at = authority.rfind('@');
    if (at != std::string::npos)
        authority.erase(0, at + 1);
    size_t colon = authority.find(':');
    std::string host = authority.substr(0, colon);
    unsigned port = bHttps ? HTTPS_DEFAULT_PORT : HTTP_DEFAULT_PORT;
    if (colon != std::string::npos && colon + 1 < authority.size()) {
        unsigned long value = 0;
        for (size_t i = colon + 1; i < authority.size(); ++i) {
            if (!std::isdigit(static_cast<unsigned char>(authority[i])) || value > 65535)
                return false;
            value = value * 10 + unsigned(authority[i] - '0');
        }
        if (value == 0 || value > 65535)
            return false;
        port = unsigned(value);
    }
    if (host.empty() || host.size() > 253)
        return false;
    for (char &c : host) {
        unsigned char u = static_cast<unsigned char>(c);
        if (!std::isalnum(u) && c != '-' && c != '.' && c != '_')
            return false;  // IPv6 literals, blanks and other bytes
        c = char(std::tolower(u));
    }
    pUrl->bHttps = bHttps;
    pUrl->host = host;
    pUrl->port = port;
    return true;
}

/* Parses an absolute URL already cleaned of blanks. */
static bool ParseClean(const std::string &text, WebUrl *pUrl)
{
    size_t scheme = SchemeLength(text);
    bool bHttps;
    if (scheme == 4 && strncasecmp(text.c_str(), "http", 4) == 0)
        bHttps = false;
    else if (scheme == 5 && strncasecmp(text.c_str(), "https", 5) == 0)
        bHttps = true;
    else
        return false;
    if (text.compare(scheme + 1, 2, "//") != 0)
        return false;
    size_t from = scheme + 3;
    size_t end = text.find_first_of("/?#", from);
    if (end == std::string::npos)
        end = text.size();
    WebUrl url;
    if (!ParseAuthority(text.substr(from, end - from), bHttps, &url))
        return false;
    std::string rest = text.substr(end, text.find('#', end) - end);
    if (rest.empty() || rest[0] == '?')
        rest.insert(0, "/");
    url.target = SafeTarget(rest);
    *pUrl = url;
    return true;
}

bool ParseWebUrl(const std::string &text, WebUrl *pUrl)
{
    return ParseClean(CleanReference(text), pUrl);
}

/* Removes "." and ".." segments from an absolute path. */
static std::string RemoveDotSegments(const std::string &path)
{
    std::vector<std::string> kept;
    bool bTrailingSlash = false;
    size_t at = 1;  // after the leading "/"
    while (at <= path.size()) {
        size_t slash = path.find('/', at);
        std::string seg = path.substr(at, slash == std::string::npos ? std::string::npos : slash - at);
        bool bLast = slash == std::string::npos;
        bTrailingSlash = false;
        if (seg == ".") {
            bTrailingSlash = bLast;
        } else if (seg == "..") {
            if (!kept.empty())
                kept.pop_back();
            bTrailingSlash = bLast;
        } else {
            kept.push_back(seg);
        }
        if (bLast)
            break;
        at = slash + 1;
    }
    std::string out;
    for (const std::string &seg : kept)
        out += "/" + seg;
    if (bTrailingSlash || out.empty())
        out += "/";
    return out;
}

bool ResolveReference(const WebUrl &base, const std::string &ref, WebUrl *pOut)
{
    std::string text = CleanReference(ref);
    if (SchemeLength(text))
        return ParseClean(text, pOut);
    if (text.compare(0, 2, "//") == 0)
        return ParseClean((base.bHttps ? "https:" : "http:") + text, pOut);
    text = text.substr(0, text.find('#'));
    size_t q = text.find('?');
    std::string path = text.substr(0, q);
    std::string query = q == std::string::npos ? std::string() : text.substr(q);
    size_t baseQ = base.target.find('?');
    std::string basePath = base.target.substr(0, baseQ);
    if (path.empty()) {
        path = basePath;
        if (q == std::string::npos && baseQ != std::string::npos)
            query = base.target.substr(baseQ);
    } else if (path[0] == '/') {
        path = RemoveDotSegments(path);
    } else {
        path = RemoveDotSegments(basePath.substr(0, basePath.rfind('/') + 1) + path);
    }
    WebUrl out = base;
    out.target = SafeTarget(path + query);
    *pOut = out;
    return true;
}

std::string HostFieldValue(const WebUrl &url)
{
    unsigned def = url.bHttps ? HTTPS_DEFAULT_PORT : HTTP_DEFAULT_PORT;
    return url.port == def ? url.host : url.host + ":" + std::to_string(url.port);
}

std::string WebUrlText(const WebUrl &url)
{
    return (url.bHttps ? "https://" : "http://") + HostFieldValue(url) + url.target;
}

std::string BuildGetRequest(const WebUrl &url)
{
    return "GET " + url.target + " HTTP/1.1\r\nHost: " + HostFieldValue(url) +
           "\r\nUser-Agent: Mozilla/5.0 (compatible; virizid/0.0)\r\nAccept: text/html, */*\r\n"
           "Accept-Encoding: identity\r\nConnection: close\r\n\r\n";
}

RedirectVerdict DecideRedirect(const WebUrl &current, int nStatus, const char *szLocation,
                               int nHopsDone, WebUrl *pNext)
{
    if (nStatus != 301 && nStatus != 302 && nStatus != 303 && nStatus != 307 && nStatus != 308)
        return REDIRECT_NONE;
    if (!szLocation || !*szLocation || !ResolveReference(current, szLocation, pNext))
        return REDIRECT_BAD_LOCATION;
    if (current.bHttps && !pNext->bHttps)
        return REDIRECT_INSECURE;
    if (nHopsDone >= MAX_REDIRECTS)
        return REDIRECT_TOO_MANY;
    return REDIRECT_FOLLOW;
}

const char *RedirectRefusalText(RedirectVerdict verdict)
{
    switch (verdict) {
    case REDIRECT_INSECURE:
        return "HTTPS のページから暗号化されない HTTP のページへの転送は行いません。";
    case REDIRECT_TOO_MANY:
        return "転送が多すぎるため（5回まで）、ページの取得をやめました。";
    case REDIRECT_BAD_LOCATION:
        return "転送先（Location）が示されていないか、取得できない URL です。";
    default:
        return "";
    }
}

std::string PercentEncodeQueryWord(const char *pWord, size_t nLen)
{
    std::string out;
    for (size_t i = 0; i < nLen; ++i) {
        unsigned char c = static_cast<unsigned char>(pWord[i]);
        if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~' || c == '+')
            out += char(c);
        else if (c == ' ')
            out += '+';
        else
            AppendEscaped(out, c);
    }
    return out;
}
