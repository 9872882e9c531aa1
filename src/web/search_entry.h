// Search entries of the web search: the record of one search service, the
// table of built-in and added rows, the decomposition of a full URL into a
// record and the URL of a search query.
#pragma once
#include "web/web_url.h"

#include <cstddef>

enum {
    ENTRY_NAME_SIZE = 256, ENTRY_SERVER_SIZE = 256, ENTRY_PATH_SIZE = 64,
    ENTRY_METHOD_SIZE = 16, ENTRY_VARIABLE_SIZE = 256,
    ENTRY_OPTION_COUNT = 16, ENTRY_OPTION_SIZE = 256,
    SEARCH_WORD_SIZE = 256, URL_TEXT_SIZE = 1024, HTTP_PORT = 80,
    SEARCH_ENTRY_CAPACITY = 64, BUILT_IN_ENTRY_COUNT = 7
};

// The charset a search word is sent in: UTF-8 unless an option slot of the
// entry says "_charset=shift_jis" or "_charset=euc-jp" (that slot is not sent).
enum QueryCharset { QUERY_UTF8, QUERY_CP932, QUERY_EUC_JP };

// One search service; every field is zero-terminated CP932 text. The server
// is "host[:port]" (http) or "https://host[:port]".
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

// "&slot" for every non-empty option slot in order (not the "_charset=" one), with all whitespace
// removed, into szOut of nSize bytes. Returns 1, or 0 (szOut empty) when it
// does not fit.
int BuildOptionString(const SearchEntry *pEntry, char *szOut, size_t nSize);

// The charset the entry wants its search word in.
QueryCharset EntryQueryCharset(const SearchEntry *pEntry);

// The URL of a server field ("host[:port]", "http://..." or "https://...")
// with the target "/". Returns 1, or 0 when it names no usable host.
int EntryServerUrl(const char *szServer, WebUrl *pUrl);

// The URL of the entry's search query for the word, given in the entry's
// charset with blanks already "+" (it is percent-encoded here): the path
// (a "/" added when missing), "?", the variable's name before any "=", "=",
// the word and the option string. Returns 1, or 0 when the server field is
// not usable.
int EntrySearchUrl(const SearchEntry *pEntry, const char *szWord, WebUrl *pUrl);

// True when the host text is a dotted IPv4 address (looked up by address).
bool IsDottedAddress(const char *szHost);
