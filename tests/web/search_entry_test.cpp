#include "web/search_entry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

TEST(SplitUrlToEntry, HostPathVariableAndOptions)
{
    SearchEntry e;
    SplitUrlToEntry("HTTP://search.example.jp/bin/search?p=abc&b=0&hc=1", &e);
    EXPECT_STREQ(e.szServer, "search.example.jp");
    EXPECT_STREQ(e.szPath, "/bin/search");
    EXPECT_STREQ(e.szVariable, "p=abc");
    EXPECT_STREQ(e.szOptions[0], "b=0");
    EXPECT_STREQ(e.szOptions[1], "hc=1");
    EXPECT_STREQ(e.szOptions[2], "");

    SplitUrlToEntry("www.example.jp/dir/page.cgi", &e);
    EXPECT_STREQ(e.szServer, "www.example.jp");
    EXPECT_STREQ(e.szPath, "/dir/page.cgi");
    EXPECT_STREQ(e.szVariable, "");
    SplitUrlToEntry("http://host.only", &e);
    EXPECT_STREQ(e.szServer, "host.only");
    EXPECT_STREQ(e.szPath, "");
}

TEST(SplitUrlToEntry, LongPiecesAreCutOnCharacterBoundaries)
{
    SearchEntry e;
    std::string longPath = "http://h/" + std::string(61, 'x') + "\x95\x5c" + "?v=1";  // 表 at 62-63
    SplitUrlToEntry(longPath.c_str(), &e);
    EXPECT_EQ(std::strlen(e.szPath), 62u);  // the double-byte character does not fit
    std::string many = "http://h/p?v";
    for (int i = 0; i < 20; ++i)
        many += "&o" + std::to_string(i) + "=" + std::string(300, 'z');
    SplitUrlToEntry(many.c_str(), &e);
    EXPECT_EQ(std::strlen(e.szOptions[15]), 255u);
    EXPECT_EQ(std::strncmp(e.szOptions[15], "o15=", 4), 0);
}

TEST(SearchRequest, WordOptionsAndLimits)
{
    auto table = std::make_unique<SearchEntryTable>();
    LoadBuiltInEntries(table.get());
    ASSERT_EQ(table->nCount, 7);
    char req[REQUEST_SIZE];
    ASSERT_EQ(BuildSearchRequest(&table->aEntries[2], "a b", req, sizeof req), 1);
    EXPECT_STREQ(req, "GET /search?q=a+b&start=0&hl=ja&sa=N HTTP/1.0\r\nHost: www.google.co.jp:80\r\n"
                      "User-Agent: virizid/0.0\r\n\r\n");

    // The msn row's path gains its "/"; a decomposed variable sends only its name;
    // whitespace inside options is removed; a line break in the word cannot
    // start a header line.
    SearchEntry e = table->aEntries[5];
    EXPECT_EQ(BuildSearchRequest(&e, "x", req, sizeof req), 1);
    EXPECT_EQ(std::string(req).rfind("GET /result.asp?q=x&origq=&rs=checked", 0), 0u);
    SplitUrlToEntry("http://h/s?p=old&b = 0\t", &e);
    ASSERT_EQ(BuildSearchRequest(&e, "w\r\nX: y", req, sizeof req), 1);
    EXPECT_EQ(std::string(req).rfind("GET /s?p=w%0D%0AX:+y&b=0 HTTP/1.0\r\n", 0), 0u);

    // A request longer than the buffer is refused, never cut.
    std::string word(240, 'w');
    EXPECT_EQ(BuildSearchRequest(&table->aEntries[0], word.c_str(), req, sizeof req), 0);
    EXPECT_STREQ(req, "");
    EXPECT_EQ(BuildPageRequest(std::string(250, 'p').c_str(), "h", req, sizeof req), 0);

    char word2[] = "a b  c";
    ReplaceBlanksWithPlus(word2);
    EXPECT_STREQ(word2, "a+b++c");
}

TEST(SearchEntryTable, AddingStopsAtCapacity)
{
    auto table = std::make_unique<SearchEntryTable>();
    LoadBuiltInEntries(table.get());
    SearchEntry e{};
    std::strcpy(e.szName, "new");
    int added = 0;
    while (AddSearchEntry(table.get(), &e))
        ++added;
    EXPECT_EQ(added, SEARCH_ENTRY_CAPACITY - 7);
    EXPECT_STREQ(table->aEntries[7].szName, "new");
}

TEST(SplitLinkUrl, AbsoluteRelativeAndRefusedLinks)
{
    char host[256] = "current.jp", path[256];
    ASSERT_EQ(SplitLinkUrl("http://other.jp", host, sizeof host, path, sizeof path), 1);
    EXPECT_STREQ(host, "other.jp");
    EXPECT_STREQ(path, "/index.html");
    ASSERT_EQ(SplitLinkUrl("HTTP://a.jp/x/y.html#top", host, sizeof host, path, sizeof path), 1);
    EXPECT_STREQ(host, "a.jp");
    EXPECT_STREQ(path, "/x/y.html");
    ASSERT_EQ(SplitLinkUrl("/local/p.html", host, sizeof host, path, sizeof path), 1);
    EXPECT_STREQ(host, "a.jp");
    EXPECT_STREQ(path, "/local/p.html");
    ASSERT_EQ(SplitLinkUrl("page.html", host, sizeof host, path, sizeof path), 1);
    EXPECT_STREQ(path, "/page.html");
    EXPECT_EQ(SplitLinkUrl("https://s.jp/", host, sizeof host, path, sizeof path), 0);
    EXPECT_EQ(SplitLinkUrl("javascript:void(0)", host, sizeof host, path, sizeof path), 0);
    EXPECT_STREQ(host, "a.jp");
    char tiny[4];
    EXPECT_EQ(SplitLinkUrl("http://longhost.jp/", tiny, sizeof tiny, path, sizeof path), 0);
}

TEST(IsDottedAddress, AddressesAndNames)
{
    EXPECT_TRUE(IsDottedAddress("192.168.0.1"));
    EXPECT_FALSE(IsDottedAddress("192.168.0.256"));
    EXPECT_FALSE(IsDottedAddress("192.168.0"));
    EXPECT_FALSE(IsDottedAddress("1.2.3.4.5"));
    EXPECT_FALSE(IsDottedAddress("www.example.jp"));
    EXPECT_FALSE(IsDottedAddress(""));
}

TEST(SplitHostPort, NamesAddressesAndPorts)
{
    char host[32];
    unsigned port = 0;
    ASSERT_EQ(SplitHostPort("www.example.jp", host, sizeof host, &port), 1);
    EXPECT_STREQ(host, "www.example.jp");
    EXPECT_EQ(port, 80u);
    ASSERT_EQ(SplitHostPort("127.0.0.1:8765", host, sizeof host, &port), 1);
    EXPECT_STREQ(host, "127.0.0.1");
    EXPECT_EQ(port, 8765u);
    EXPECT_EQ(SplitHostPort("h:0", host, sizeof host, &port), 0);
    EXPECT_EQ(SplitHostPort("h:65536", host, sizeof host, &port), 0);
    EXPECT_EQ(SplitHostPort("h:80x", host, sizeof host, &port), 0);
    EXPECT_EQ(SplitHostPort("h:", host, sizeof host, &port), 0);
    EXPECT_EQ(SplitHostPort(":80", host, sizeof host, &port), 0);
    EXPECT_EQ(SplitHostPort("", host, sizeof host, &port), 0);

    // The request names the given port once, for queries and page fetches.
    SearchEntry e;
    SplitUrlToEntry("http://127.0.0.1:8765/cgi/find?q=&n=5", &e);
    EXPECT_STREQ(e.szServer, "127.0.0.1:8765");
    char req[REQUEST_SIZE];
    ASSERT_EQ(BuildSearchRequest(&e, "x", req, sizeof req), 1);
    EXPECT_STREQ(req, "GET /cgi/find?q=x&n=5 HTTP/1.0\r\nHost: 127.0.0.1:8765\r\nUser-Agent: virizid/0.0\r\n\r\n");
    ASSERT_EQ(BuildPageRequest("/a.html", "127.0.0.1:8765", req, sizeof req), 1);
    EXPECT_STREQ(req, "GET /a.html HTTP/1.0\r\nHost: 127.0.0.1:8765\r\nUser-Agent: virizid/0.0\r\n\r\n");
    std::strcpy(e.szServer, "h:port");
    EXPECT_EQ(BuildSearchRequest(&e, "x", req, sizeof req), 0);
}
