#include "web/search_entry.h"

#include "common/cp932.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <strings.h>

// 変換+関数+エンコード+文字化け+euc-jp
static const char kCharsetOption[] = "_charset=";

const char kInitialSearchWord[] =
    "\x95\xcf\x8a\xb7+\x8a\xd6\x90\x94+\x83\x47\x83\x93\x83\x52\x81\x5b\x83\x68+"
    "\x95\xb6\x8e\x9a\x89\xbb\x82\xaf+euc-jp";

struct BuiltInRow {
    const char *szName, *szServer, *szPath, *szVariable;
    const char *aOptions[8];
};

// Services that answer a plain GET with a result page of plain HTML.
static const BuiltInRow kBuiltInRows[BUILT_IN_ENTRY_COUNT] = {
    {"duckduckgo(html)", "https://html.duckduckgo.com", "/html/", "q", {"kl=jp-jp", nullptr}},
    {"duckduckgo(lite)", "https://lite.duckduckgo.com", "/lite/", "q", {"kl=jp-jp", nullptr}},
    {"mojeek", "https://www.mojeek.com", "/search", "q", {nullptr}},
    {"marginalia", "https://marginalia-search.com", "/search", "query", {nullptr}},
    {"wikipedia(ja)", "https://ja.wikipedia.org", "/w/index.php", "search", {"fulltext=1", "ns0=1", nullptr}},
    {"wikipedia(en)", "https://en.wikipedia.org", "/w/index.php", "search", {"fulltext=1", "ns0=1", nullptr}},
    {"kotobank", "https://kotobank.jp", "/search", "q", {nullptr}},
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
    bool bHttps = false;
    for (const char *p = szUrl; *p; ++p)
        if (strncasecmp(p, "http://", 7) == 0 || strncasecmp(p, "https://", 8) == 0) {
            bHttps = p[4] == 's' || p[4] == 'S';
            rest = p + (bHttps ? 8 : 7);
            break;
        }
    // An https server keeps its scheme: "https://host[:port]".
    char *server = pEntry->szServer;
    size_t serverSize = ENTRY_SERVER_SIZE;
    if (bHttps) {
        std::strcpy(server, "https://");
        server += 8;
        serverSize -= 8;
    }
    // "/", "?" and "&" lie below every trail byte, so bytes may be scanned.
    const char *slash = std::strchr(rest, '/');
    if (!slash) {
        CopyCut(rest, std::strlen(rest), server, serverSize);
        return 1;
    }
    CopyCut(rest, slash - rest, server, serverSize);
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

/* True for the option slot naming the word's charset (never sent). */
static bool IsCharsetOption(const char *szOption)
{
    return strncasecmp(szOption, kCharsetOption, sizeof kCharsetOption - 1) == 0;
}

QueryCharset EntryQueryCharset(const SearchEntry *pEntry)
{
    for (int slot = 0; slot < ENTRY_OPTION_COUNT; ++slot) {
        const char *opt = pEntry->szOptions[slot];
        if (!IsCharsetOption(opt))
            continue;
        const char *name = opt + sizeof kCharsetOption - 1;
        if (!strcasecmp(name, "shift_jis") || !strcasecmp(name, "cp932") || !strcasecmp(name, "sjis") ||
            !strcasecmp(name, "windows-31j"))
            return QUERY_CP932;
        if (!strcasecmp(name, "euc-jp") || !strcasecmp(name, "eucjp"))
            return QUERY_EUC_JP;
    }
    return QUERY_UTF8;
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
        if (len == 0 || IsCharsetOption(opt))
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

/* Reads a server field: "host[:port]", or the same after "http://" or
   "https://" (a path after it is ignored). */
int EntryServerUrl(const char *szServer, WebUrl *pUrl)
{
    std::string text(szServer, strnlen(szServer, ENTRY_SERVER_SIZE));
    if (text.find("://") == std::string::npos)
        text = "http://" + text;
    if (!ParseWebUrl(text, pUrl))
        return 0;
    pUrl->target = "/";
    return 1;
}

/* Builds the URL of the entry's search query. */
int EntrySearchUrl(const SearchEntry *pEntry, const char *szWord, WebUrl *pUrl)
{
    if (!EntryServerUrl(pEntry->szServer, pUrl))
        return 0;
    char szOptions[ENTRY_OPTION_COUNT * (ENTRY_OPTION_SIZE + 1) + 1];
    if (!BuildOptionString(pEntry, szOptions, sizeof szOptions))
        return 0;
    std::string path(pEntry->szPath, strnlen(pEntry->szPath, ENTRY_PATH_SIZE));
    if (path.empty() || path[0] != '/')
        path.insert(0, "/");
    std::string variable(pEntry->szVariable, strcspn(pEntry->szVariable, "="));
    std::string target = path + "?" + variable + "=" + PercentEncodeQueryWord(szWord, std::strlen(szWord)) +
                         szOptions;
    // The path and options are the user's text: bytes a request line cannot
    // carry are escaped by going through the URL parser.
    WebUrl full;
    if (!ParseWebUrl(WebUrlText(*pUrl).substr(0, WebUrlText(*pUrl).size() - 1) + target, &full))
        return 0;
    *pUrl = full;
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
