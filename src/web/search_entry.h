// Search entries of the web search: the record of one search service, the
// table of built-in and added rows, the decomposition of a full URL into a
// record and the texts of the requests sent to a server.
#pragma once
#include <cstddef>

enum {
    ENTRY_NAME_SIZE = 256, ENTRY_SERVER_SIZE = 256, ENTRY_PATH_SIZE = 64,
    ENTRY_METHOD_SIZE = 16, ENTRY_VARIABLE_SIZE = 256,
    ENTRY_OPTION_COUNT = 16, ENTRY_OPTION_SIZE = 256,
    SEARCH_WORD_SIZE = 256, REQUEST_SIZE = 256, HTTP_PORT = 80,
    SEARCH_ENTRY_CAPACITY = 64, BUILT_IN_ENTRY_COUNT = 7
};

// One search service; every field is zero-terminated CP932 text.
struct SearchEntry {
    char szName[ENTRY_NAME_SIZE];
    char szServer[ENTRY_SERVER_SIZE];
    char szPath[ENTRY_PATH_SIZE];
    char szMethod[ENTRY_METHOD_SIZE];
    char szVariable[ENTRY_VARIABLE_SIZE];  // may hold "name=value"
    char szOptions[ENTRY_OPTION_COUNT][ENTRY_OPTION_SIZE];  // "name=value"
};
static_assert(sizeof(SearchEntry) == 4944, "search entry record layout");

// The built-in rows followed by the rows added while the program runs.
struct SearchEntryTable {
    SearchEntry aEntries[SEARCH_ENTRY_CAPACITY];
    int nCount;
};

// Initial text of the kept search word (CP932).
extern const char kInitialSearchWord[];

// Fills the table with the seven built-in rows.
void LoadBuiltInEntries(SearchEntryTable *pTable);

// Appends a copy of the entry; returns 1, or 0 when the table is full.
int AddSearchEntry(SearchEntryTable *pTable, const SearchEntry *pEntry);

// Decomposes a full URL into a cleared record (server, path, variable,
// options); method stays empty. Every field is cut on a character boundary
// at its size. Returns 1.
int SplitUrlToEntry(const char *szUrl, SearchEntry *pEntry);

// Replaces every space of the word by "+" in place.
void ReplaceBlanksWithPlus(char *szWord);

// "&slot" for every non-empty option slot in order, with all whitespace
// removed, into szOut of nSize bytes. Returns 1, or 0 (szOut empty) when it
// does not fit.
int BuildOptionString(const SearchEntry *pEntry, char *szOut, size_t nSize);

// The search query request of the entry for the word (blanks sent as "+",
// control bytes as %XX) into szRequest of nSize bytes (REQUEST_SIZE in the
// dialogs). Only the variable's name before any "=" is sent, and a path
// without a leading "/" gets one. The Host line names the server's port
// (HTTP_PORT unless the server field gives "host:port"). Returns 1, or 0
// (szRequest empty) when the request would not fit or the server field is
// not a host with an optional port.
int BuildSearchRequest(const SearchEntry *pEntry, const char *szWord,
                       char *szRequest, size_t nSize);

// The page fetch request for path and host ("host" or "host:port"). Returns
// 1, or 0 (empty) when it would not fit nSize or the host is not valid.
int BuildPageRequest(const char *szPath, const char *szHost, char *szRequest, size_t nSize);

// Splits a link of a result page into the host to connect to (szHost, kept
// as it is for a relative link) and the path to request. A link with
// "http://" takes its host from the link and "/index.html" when it has no
// path; a relative link becomes "/" + its text after its first "/". A
// fragment ("#...") is dropped. Returns 1, or 0 (nothing changed) for a link
// this client cannot fetch ("https://" and other schemes) or one that does
// not fit the buffers.
int SplitLinkUrl(const char *szLink, char *szHost, size_t nHostSize,
                 char *szPath, size_t nPathSize);

// Splits a server field "host" or "host:port" into the host name and the
// port (HTTP_PORT when none is given). Returns 1, or 0 when the host is
// empty or does not fit nHostSize, or the port is not a number from 1 to
// 65535.
int SplitHostPort(const char *szServer, char *szHost, size_t nHostSize, unsigned *pnPort);

// True when the host text is a dotted IPv4 address (looked up by address).
bool IsDottedAddress(const char *szHost);
