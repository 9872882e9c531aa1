// Addresses of the web search: an http or https URL taken apart, a link
// resolved against the page it was found on as a browser does, the
// decision on a redirect, and the request text sent for a URL.
#pragma once
#include <cstddef>
#include <string>

enum { HTTP_DEFAULT_PORT = 80, HTTPS_DEFAULT_PORT = 443, MAX_REDIRECTS = 5 };

struct WebUrl {
    bool bHttps;
    std::string host;    // lower case, without the port
    unsigned port;
    std::string target;  // path and query as sent, starting with "/"; no fragment
};

// Takes an absolute "http://" or "https://" URL apart (scheme and host in
// any case; user information dropped). Bytes a request line cannot carry
// (blanks, controls, bytes over 0x7E) are sent percent-encoded. False for
// another scheme, an empty or unusable host, a bad port or an IPv6 literal.
bool ParseWebUrl(const std::string &text, WebUrl *pUrl);

// Resolves a reference found on the page at base (RFC 3986): absolute
// URLs, "//host...", "/path", a path relative to the page's folder with
// "./" and "../", "?query" and "#fragment" alone. False for another scheme
// ("mailto:", "javascript:") or a host that cannot be used.
bool ResolveReference(const WebUrl &base, const std::string &ref, WebUrl *pOut);

// "http://host[:port]/target" (the port only when not the scheme's default).
std::string WebUrlText(const WebUrl &url);

// The Host field's value: the host, and ":port" when not the default.
std::string HostFieldValue(const WebUrl &url);

// The GET request for the URL (HTTP/1.1, Host, Connection: close).
std::string BuildGetRequest(const WebUrl &url);

enum RedirectVerdict {
    REDIRECT_NONE,          // not a redirect: the reply is the page
    REDIRECT_FOLLOW,        // fetch *pNext
    REDIRECT_INSECURE,      // from https to http: refused
    REDIRECT_TOO_MANY,      // MAX_REDIRECTS already followed
    REDIRECT_BAD_LOCATION   // no Location, or one that cannot be fetched
};

// What to do with a reply of status nStatus and Location szLocation to a
// request for current, after nHopsDone redirects. 301, 302, 303, 307 and
// 308 redirect; a relative Location is resolved against current.
RedirectVerdict DecideRedirect(const WebUrl &current, int nStatus, const char *szLocation,
                               int nHopsDone, WebUrl *pNext);

// The Japanese message of a refused redirect ("" for NONE and FOLLOW).
const char *RedirectRefusalText(RedirectVerdict verdict);

// The word's bytes for a query: letters, digits, "-._~" and "+" (which
// stands for a blank) as they are, a blank as "+", every other byte %XX.
std::string PercentEncodeQueryWord(const char *pWord, size_t nLen);
