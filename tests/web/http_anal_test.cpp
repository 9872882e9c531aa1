#include "web/form_anal.h"
#include "web/html_scan.h"
#include "web/http_anal.h"
#include "web/iconv_converter.h"
#include "web/page_charset.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

static std::string Fixture(const char *name)
{
    std::ifstream in(std::string(WEB_FIXTURE_DIR) + "/" + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The fixture converted to CP932 the way the program does before analysing it.
static std::string Cp932Page(const char *name)
{
    std::string raw = Fixture(name), page;
    PageCharset cs = DetectPageCharset("", raw.data(), raw.size());
    ConvertPageToCp932(cs, raw.data(), raw.size(), IconvToCp932, page);
    return page;
}

TEST(GetReadyUrlAndTitle, Utf8ResultPage)
{
    std::string page = Cp932Page("results_utf8.html");
    HttpAnal anal;
    ASSERT_EQ(anal.GetReadyUrlAndTitle(page.c_str()), 4);
    EXPECT_EQ(anal.bReady, 1);
    EXPECT_EQ(anal.nAbsolute, 3);
    // Capitals found, the page's spelling kept, bold tags stripped.
    EXPECT_STREQ(anal.GetUrl(0), "http://Example.COM/Docs/Page.html");
    EXPECT_EQ(std::string(anal.GetTitle(0)), "\x95\xb6\x8e\x9a\x89\xbb\x82\xaf \x82\xcc\x91\xce\x8d\xf4");
    // Unquoted href runs to the whitespace; references decoded.
    EXPECT_STREQ(anal.GetUrl(1), "http://www.example.jp/iconv.html?x=1&y=2");
    EXPECT_EQ(std::string(anal.GetTitle(1)), "\x95\xcf\x8a\xb7 & \x8a\xd6\x90\x94");
    EXPECT_STREQ(anal.GetUrl(2), "/local/page.html");
    // Characters without a CP932 form are "?".
    EXPECT_EQ(std::string(anal.GetTitle(3)), "\x8a\x47\x95\xb6\x8e\x9a?\x82\xc6?");
    EXPECT_STREQ(anal.GetUrl(4), "");
    EXPECT_EQ(anal.nNoCloseAnchors, 0);
}

TEST(GetReadyUrlAndTitle, Cp932PageAndBrokenAnchors)
{
    std::string page = Cp932Page("results_cp932.html");
    HttpAnal anal;
    ASSERT_EQ(anal.GetReadyUrlAndTitle(page.c_str()), 2);
    EXPECT_STREQ(anal.GetTitle(0), "\x95\x5c\x8e\xa6\x83\x5c\x81\x5b\x83\x58");
    EXPECT_STREQ(anal.GetUrl(1), "page2.html");

    // An anchor whose tag never closes is counted, not reported one by one;
    // a rebuild forgets the old rows; an anchor without an end stops it.
    ASSERT_EQ(anal.GetReadyUrlAndTitle("<a href=x.html</a><a href=y>t</a><a href=z>open"), 2);
    EXPECT_EQ(anal.nNoCloseAnchors, 1);
    EXPECT_STREQ(anal.GetUrl(0), "x.html");
    EXPECT_STREQ(anal.GetTitle(1), "t");
    EXPECT_EQ(anal.GetReadyUrlAndTitle(""), 0);
    EXPECT_EQ(anal.nEntries, 1);
    EXPECT_EQ(anal.GetReadyUrlAndTitle("<a href=\"unclosed></a>"), 1);
}

TEST(HttpAnalForm, FormsBecomeEntries)
{
    std::string page = Fixture("forms.html");
    std::unique_ptr<SearchEntry[]> table(new SearchEntry[FORM_TABLE_SIZE]);
    bool full = true;
    ASSERT_EQ(HttpAnal_AnalForm(page.c_str(), table.get(), &full), 4);
    EXPECT_FALSE(full);
    for (int r = 0; r < 2; ++r) {  // two text inputs (one without a type), one hidden
        EXPECT_STREQ(table[r].szServer, "Search.Example.com");
        EXPECT_STREQ(table[r].szPath, "/CGI/Find.cgi");
        EXPECT_STREQ(table[r].szMethod, "POST");
        EXPECT_STREQ(table[r].szOptions[0], "lang=ja");
        EXPECT_STREQ(table[r].szOptions[1], "");
    }
    EXPECT_STREQ(table[0].szVariable, "Query=");
    EXPECT_STREQ(table[1].szVariable, "site=all");
    EXPECT_STREQ(table[2].szServer, "");
    EXPECT_STREQ(table[2].szPath, "/bin/search");
    EXPECT_STREQ(table[2].szMethod, "GET");  // a form without a method
    EXPECT_STREQ(table[2].szVariable, "p=");
    EXPECT_STREQ(table[3].szPath, "open.cgi");  // left open at the end
    EXPECT_STREQ(table[3].szMethod, "GET");
}

TEST(HttpAnalForm, FullTableStopsWithFinishedRecords)
{
    std::string page = "<form action=/s method=get>";
    for (int i = 0; i < 40; ++i)
        page += "<input name=f" + std::to_string(i) + ">";
    std::unique_ptr<SearchEntry[]> table(new SearchEntry[FORM_TABLE_SIZE]);
    bool full = false;
    EXPECT_EQ(HttpAnal_AnalForm(page.c_str(), table.get(), &full), FORM_TABLE_SIZE);
    EXPECT_TRUE(full);
    EXPECT_STREQ(table[31].szPath, "/s");
    EXPECT_STREQ(table[31].szMethod, "GET");
    EXPECT_EQ(HttpAnal_AnalForm("<input name=outside><form", table.get(), nullptr), 0);
}

TEST(GetTagAttribute, WordsQuotesAndLimits)
{
    char out[8];
    EXPECT_EQ(GetTagAttribute(" value=\"type\" TYPE = 'Text'", "type", "=", out, sizeof out), 1);
    EXPECT_STREQ(out, "Text");
    EXPECT_EQ(GetTagAttribute(" data_name=x name=y", "name", "=", out, sizeof out), 1);
    EXPECT_STREQ(out, "y");
    EXPECT_EQ(GetTagAttribute(" name", "name", "=", out, sizeof out), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(GetTagAttribute(" v=0123456789", "v", "=", out, sizeof out), 1);
    EXPECT_STREQ(out, "0123456");
    EXPECT_EQ(GetTagAttribute(" v=\"\x95\x5c\x95\x5c\x95\x5c\x95\x5c\"", "v", "=", out, sizeof out), 1);
    EXPECT_STREQ(out, "\x95\x5c\x95\x5c\x95\x5c");
}
