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

TEST(SearchRequest, WordOptionsCharsetAndHost)
{
    auto table = std::make_unique<SearchEntryTable>();
    LoadBuiltInEntries(table.get());
    ASSERT_EQ(table->nCount, 7);
    for (int i = 0; i < table->nCount; ++i) {
        WebUrl url;
        ASSERT_EQ(EntrySearchUrl(&table->aEntries[i], "x", &url), 1) << i;
        EXPECT_TRUE(url.bHttps) << i;
    }
    // A UTF-8 word is sent percent-encoded, "+" kept as the blank it stands
    // for; the Host field leaves out the default port.
    SearchEntry e;
    SplitUrlToEntry("https://Search.Example.jp/s?q=old&b = 0\t&_charset=euc-jp", &e);
    EXPECT_STREQ(e.szServer, "https://Search.Example.jp");
    EXPECT_EQ(EntryQueryCharset(&e), QUERY_EUC_JP);
    WebUrl url;
    ASSERT_EQ(EntrySearchUrl(&e, "\xe6\x97\xa5+a b\r\nX:", &url), 1);
    EXPECT_EQ(BuildGetRequest(url).rfind("GET /s?q=%E6%97%A5+a+b%0D%0AX%3A&b=0 HTTP/1.1\r\n"
                                         "Host: search.example.jp\r\n", 0), 0u);
    // A plain server with a port, a path without "/" and a decomposed variable.
    std::memset(&e, 0, sizeof e);
    std::strcpy(e.szServer, "127.0.0.1:8765");
    std::strcpy(e.szPath, "result.asp");
    std::strcpy(e.szVariable, "q=zz");
    std::strcpy(e.szOptions[1], "_charset=Shift_JIS");
    EXPECT_EQ(EntryQueryCharset(&e), QUERY_CP932);
    ASSERT_EQ(EntrySearchUrl(&e, "\x93\xfa", &url), 1);
    EXPECT_EQ(WebUrlText(url), "http://127.0.0.1:8765/result.asp?q=%93%FA");
    EXPECT_EQ(HostFieldValue(url), "127.0.0.1:8765");
    std::strcpy(e.szServer, "h:port");
    EXPECT_EQ(EntrySearchUrl(&e, "x", &url), 0);

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

TEST(IsDottedAddress, AddressesAndNames)
{
    EXPECT_TRUE(IsDottedAddress("192.168.0.1"));
    EXPECT_FALSE(IsDottedAddress("192.168.0.256"));
    EXPECT_FALSE(IsDottedAddress("192.168.0"));
    EXPECT_FALSE(IsDottedAddress("1.2.3.4.5"));
    EXPECT_FALSE(IsDottedAddress("www.example.jp"));
    EXPECT_FALSE(IsDottedAddress(""));
}
