#include "web/search_entry.h"

#include "common/cp932.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <strings.h>

// 変換+関数+エンコード+文字化け+euc-jp
const char kInitialSearchWord[] =
    "\x95\xcf\x8a\xb7+\x8a\xd6\x90\x94+\x83\x47\x83\x93\x83\x52\x81\x5b\x83\x68+"
    "\x95\xb6\x8e\x9a\x89\xbb\x82\xaf+euc-jp";

struct BuiltInRow {
    const char *szName, *szServer, *szPath, *szVariable;
    const char *aOptions[8];
};

static const BuiltInRow kBuiltInRows[BUILT_IN_ENTRY_COUNT] = {
    {"yahoo", "search.yahoo.co.jp", "/bin/search", "p", {nullptr}},
    {"yahoo(En)", "search.yahoo.com", "/bin/search", "p", {"b=0", nullptr}},
    {"google", "www.google.co.jp", "/search", "q", {"start=0", "hl=ja", "sa=N", nullptr}},
    {"googleyahoo", "search.yahoo.co.jp", "/bin/query", "p", {"b=0", "hc=0", "hs=0", nullptr}},
    {"biglobe", "search.biglobe.ne.jp", "/cgi-bin/search_lp", "q",
     {"start=0", "num=10", "lr=lang_ja", nullptr}},
    {"msn", "search.msn.co.jp", "result.asp", "q",
     {"origq=", "rs=checked", "form=smcrt", "v=1", "cfg=smcinitial", "nosp=", "thr=", nullptr}},
    {"vaver", "search.naver.com", "/search.naver", "query",
     {"start=1", "display=20", "type=", "ain=", nullptr}},
};

/* Copies at most len bytes of text into out (nSize bytes), cut on a
   character boundary, zero-terminated. */
static void CopyCut(const char *text, size_t len, char *out, size_t nSize)
{
    size_t keep = cp932::CutOnCharBoundary(text, len, nSize - 1);
    std::memcpy(out, text, keep);
    out[keep] = '\0';
}

/* Fills the table with the built-in rows. */
void LoadBuiltInEntries(SearchEntryTable *pTable)
{
    std::memset(pTable, 0, sizeof *pTable);
    for (int i = 0; i < BUILT_IN_ENTRY_COUNT; ++i) {
        const BuiltInRow &row = kBuiltInRows[i];
        SearchEntry &e = pTable->aEntries[i];
        std::strcpy(e.szName, row.szName);
        std::strcpy(e.szServer, row.szServer);
        std::strcpy(e.szPath, row.szPath);
        std::strcpy(e.szMethod, "GET");
        std::strcpy(e.szVariable, row.szVariable);
        for (int o = 0; row.aOptions[o]; ++o)
            std::strcpy(e.szOptions[o], row.aOptions[o]);
    }
    pTable->nCount = BUILT_IN_ENTRY_COUNT;
}

/* Appends a copy of the entry while the table has room. */
int AddSearchEntry(SearchEntryTable *pTable, const SearchEntry *pEntry)
{
    if (pTable->nCount < 0 || pTable->nCount >= SEARCH_ENTRY_CAPACITY)
        return 0;
    pTable->aEntries[pTable->nCount++] = *pEntry;
    return 1;
}

/* Decomposes a full URL into server, path, variable and option slots. */
int SplitUrlToEntry(const char *szUrl, SearchEntry *pEntry)
{
    std::memset(pEntry, 0, sizeof *pEntry);
    const char *rest = szUrl;
    for (const char *p = szUrl; *p; ++p)
        if (strncasecmp(p, "http://", 7) == 0) {
            rest = p + 7;
            break;
        }
    // "/", "?" and "&" lie below every trail byte, so bytes may be scanned.
    const char *slash = std::strchr(rest, '/');
    if (!slash) {
        CopyCut(rest, std::strlen(rest), pEntry->szServer, ENTRY_SERVER_SIZE);
        return 1;
    }
    CopyCut(rest, slash - rest, pEntry->szServer, ENTRY_SERVER_SIZE);
    const char *query = std::strchr(slash, '?');
    if (!query) {
        CopyCut(slash, std::strlen(slash), pEntry->szPath, ENTRY_PATH_SIZE);
        return 1;
    }
    CopyCut(slash, query - slash, pEntry->szPath, ENTRY_PATH_SIZE);
    const char *piece = query + 1;
    const char *amp = std::strchr(piece, '&');
    if (!amp) {
        CopyCut(piece, std::strlen(piece), pEntry->szVariable, ENTRY_VARIABLE_SIZE);
        return 1;
    }
    CopyCut(piece, amp - piece, pEntry->szVariable, ENTRY_VARIABLE_SIZE);
    for (int slot = 0; amp && slot < ENTRY_OPTION_COUNT; ++slot) {
        piece = amp + 1;
        amp = std::strchr(piece, '&');
        size_t len = amp ? size_t(amp - piece) : std::strlen(piece);
        CopyCut(piece, len, pEntry->szOptions[slot], ENTRY_OPTION_SIZE);
    }
    return 1;
}

/* Replaces every space by "+". */
void ReplaceBlanksWithPlus(char *szWord)
{
    for (; *szWord; ++szWord)
        if (*szWord == ' ')
            *szWord = '+';
}

/* Appends len bytes to out at *pAt when they fit nSize; false otherwise. */
static bool Append(char *out, size_t nSize, size_t *pAt, const char *text, size_t len)
{
    if (*pAt + len + 1 > nSize)
        return false;
    std::memcpy(out + *pAt, text, len);
    *pAt += len;
    out[*pAt] = '\0';
    return true;
}

/* Joins the non-empty option slots with "&" and drops all whitespace. */
int BuildOptionString(const SearchEntry *pEntry, char *szOut, size_t nSize)
{
    if (nSize == 0)
        return 0;
    size_t at = 0;
    szOut[0] = '\0';
    for (int slot = 0; slot < ENTRY_OPTION_COUNT; ++slot) {
        const char *opt = pEntry->szOptions[slot];
        size_t len = strnlen(opt, ENTRY_OPTION_SIZE);
        if (len == 0)
            continue;
        bool ok = Append(szOut, nSize, &at, "&", 1);
        for (size_t i = 0; ok && i < len; ++i)
            if (!std::strchr(" \t\n\v\r", opt[i]))
                ok = Append(szOut, nSize, &at, opt + i, 1);
        if (!ok) {
            szOut[0] = '\0';
            return 0;
        }
    }
    return 1;
}

/* Builds the search query request text. */
int BuildSearchRequest(const SearchEntry *pEntry, const char *szWord,
                       char *szRequest, size_t nSize)
{
    if (nSize == 0)
        return 0;
    szRequest[0] = '\0';
    char szOptions[ENTRY_OPTION_COUNT * (ENTRY_OPTION_SIZE + 1) + 1];
    if (!BuildOptionString(pEntry, szOptions, sizeof szOptions))
        return 0;
    char szSentWord[SEARCH_WORD_SIZE * 3 + 1];
    size_t at = 0;
    for (size_t i = 0; szWord[i] && i < SEARCH_WORD_SIZE - 1; ++i) {
        unsigned char b = static_cast<unsigned char>(szWord[i]);
        if (b == ' ')
            szSentWord[at++] = '+';
        else if (b < 0x20 || b == 0x7F)
            at += std::snprintf(szSentWord + at, 4, "%%%02X", b);
        else
            szSentWord[at++] = char(b);
    }
    szSentWord[at] = '\0';
    char szVariable[ENTRY_VARIABLE_SIZE];
    CopyCut(pEntry->szVariable, strcspn(pEntry->szVariable, "="), szVariable, sizeof szVariable);
    char szServer[ENTRY_SERVER_SIZE], szHost[ENTRY_SERVER_SIZE];
    CopyCut(pEntry->szServer, strnlen(pEntry->szServer, ENTRY_SERVER_SIZE), szServer, sizeof szServer);
    unsigned nPort = HTTP_PORT;
    if (!SplitHostPort(szServer, szHost, sizeof szHost, &nPort))
        return 0;
    const char *szSlash = pEntry->szPath[0] == '/' ? "" : "/";
    int n = std::snprintf(szRequest, nSize,
                          "GET %s%.*s?%s=%s%s HTTP/1.0\r\nHost: %s:%u\r\nUser-Agent: virizid/0.0\r\n\r\n",
                          szSlash, int(strnlen(pEntry->szPath, ENTRY_PATH_SIZE)), pEntry->szPath,
                          szVariable, szSentWord, szOptions, szHost, nPort);
    if (n < 0 || size_t(n) >= nSize) {
        szRequest[0] = '\0';
        return 0;
    }
    return 1;
}

/* Builds the page fetch request text. */
int BuildPageRequest(const char *szPath, const char *szHost, char *szRequest, size_t nSize)
{
    if (nSize == 0)
        return 0;
    szRequest[0] = '\0';
    char szName[ENTRY_SERVER_SIZE];
    unsigned nPort = HTTP_PORT;
    if (!SplitHostPort(szHost, szName, sizeof szName, &nPort))
        return 0;
    int n = std::snprintf(szRequest, nSize,
                          "GET %s HTTP/1.0\r\nHost: %s:%u\r\nUser-Agent: virizid/0.0\r\n\r\n",
                          szPath, szName, nPort);
    if (n < 0 || size_t(n) >= nSize) {
        szRequest[0] = '\0';
        return 0;
    }
    return 1;
}

/* Splits a result link into host and request path. */
int SplitLinkUrl(const char *szLink, char *szHost, size_t nHostSize,
                 char *szPath, size_t nPathSize)
{
    size_t linkLen = strcspn(szLink, "#");
    const char *http = nullptr;
    for (const char *p = szLink; p < szLink + linkLen; ++p)
        if (strncasecmp(p, "http://", 7) == 0) {
            http = p;
            break;
        }
    if (!http) {
        const char *colon = static_cast<const char *>(std::memchr(szLink, ':', linkLen));
        const char *slash = static_cast<const char *>(std::memchr(szLink, '/', linkLen));
        if (colon && (!slash || colon < slash))
            return 0;  // another scheme ("https:", "mailto:", "javascript:")
        const char *from = slash ? slash + 1 : szLink;
        size_t len = linkLen - (from - szLink);
        if (len + 2 > nPathSize)
            return 0;
        szPath[0] = '/';
        std::memcpy(szPath + 1, from, len);
        szPath[len + 1] = '\0';
        return 1;
    }
    const char *host = http + 7;
    const char *end = szLink + linkLen;
    const char *slash = static_cast<const char *>(std::memchr(host, '/', end - host));
    const char *hostEnd = slash ? slash : end;
    const char *path = slash ? slash : "/index.html";
    size_t pathLen = slash ? size_t(end - slash) : std::strlen(path);
    if (size_t(hostEnd - host) + 1 > nHostSize || pathLen + 1 > nPathSize || hostEnd == host)
        return 0;
    std::memcpy(szHost, host, hostEnd - host);
    szHost[hostEnd - host] = '\0';
    std::memcpy(szPath, path, pathLen);
    szPath[pathLen] = '\0';
    return 1;
}

/* Splits "host[:port]" into host and port. */
int SplitHostPort(const char *szServer, char *szHost, size_t nHostSize, unsigned *pnPort)
{
    // ":" lies below every trail byte, so the bytes may be scanned.
    const char *colon = std::strchr(szServer, ':');
    size_t hostLen = colon ? size_t(colon - szServer) : std::strlen(szServer);
    if (hostLen == 0 || hostLen + 1 > nHostSize)
        return 0;
    unsigned nPort = HTTP_PORT;
    if (colon) {
        const char *p = colon + 1;
        unsigned long value = 0;
        int digits = 0;
        for (; std::isdigit(static_cast<unsigned char>(*p)) && digits < 6; ++p, ++digits)
            value = value * 10 + unsigned(*p - '0');
        if (digits == 0 || *p != '\0' || value == 0 || value > 65535)
            return 0;
        nPort = unsigned(value);
    }
    std::memcpy(szHost, szServer, hostLen);
    szHost[hostLen] = '\0';
    *pnPort = nPort;
    return 1;
}

/* True for four dot-separated decimal numbers of 0 to 255. */
bool IsDottedAddress(const char *szHost)
{
    const char *p = szHost;
    for (int part = 0; part < 4; ++part) {
        if (part > 0 && *p++ != '.')
            return false;
        int value = 0, digits = 0;
        while (std::isdigit(static_cast<unsigned char>(*p)) && digits < 4) {
            value = value * 10 + (*p++ - '0');
            ++digits;
        }
        if (digits == 0 || digits > 3 || value > 255)
            return false;
    }
    return *p == '\0';
}
