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
#include <vector>

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
    // a rebuild forgets the old rows; an anchor without an end is still a
    // link, its text running to the end of the page.
    ASSERT_EQ(anal.GetReadyUrlAndTitle("<a href=x.html</a><a href=y>t</a><a href=z>open"), 3);
    EXPECT_EQ(anal.nNoCloseAnchors, 1);
    EXPECT_STREQ(anal.GetUrl(0), "x.html");
    EXPECT_STREQ(anal.GetTitle(1), "t");
    EXPECT_STREQ(anal.GetUrl(2), "z");
    EXPECT_STREQ(anal.GetTitle(2), "open");
    EXPECT_EQ(anal.GetReadyUrlAndTitle(""), 0);
    EXPECT_EQ(anal.nEntries, 1);
    EXPECT_EQ(anal.GetReadyUrlAndTitle("<a href=\"unclosed></a>"), 1);
}

// The URLs of a page, in order.
static std::vector<std::string> Urls(const char *szPage)
{
    HttpAnal anal;
    std::vector<std::string> urls;
    int n = anal.GetReadyUrlAndTitle(szPage);
    for (int i = 0; i < n; ++i)
        urls.push_back(anal.GetUrl(i));
    return urls;
}

TEST(GetReadyUrlAndTitle, HrefWhereverItStands)
{
    using V = std::vector<std::string>;
    // Other attributes before and after, a line break or tab before href,
    // any case, both quotes, unquoted, blanks and a line break around "=".
    EXPECT_EQ(Urls("<a id=\"fn_link_1\" href=\"#fn_1\">1</a>"
                   "<a class=\"emphasis\" href=\"#URL\">u</a>"
                   "<a target=\"_blank\" rel=\"noopener nofollow\"\r\n   href=\"goto.png\">g</a>"
                   "<a\thref='single.html' title=\"t\">s</a>"
                   "<A NAME=top HREF = \"Upper.HTML\" CLASS=x>c</A>"
                   "<a href\n=\nbare.html?a=1&amp;b=2 id=z>b</a>"
                   "<a title=\"see href=wrong.html\" href=right.html>r</a>"
                   "<a title=\"a > b\" href=\"after.html\">q</a>"),
              (V{"#fn_1", "#URL", "goto.png", "single.html", "Upper.HTML", "bare.html?a=1&b=2", "right.html",
                 "after.html"}));
    // Named targets are no links; slots follow the anchors found, so none is
    // lost however few " href" there are.
    std::string page;
    for (int i = 0; i < 40; ++i)
        page += "<a name=\"n" + std::to_string(i) + "\"></a><a\nhref=\"#" + std::to_string(i) + "\">x</a>\n";
    V many = Urls(page.c_str());
    ASSERT_EQ(many.size(), 40u);
    EXPECT_EQ(many[39], "#39");
    // A value broken over lines is one address; an href without a value is an empty one.
    EXPECT_EQ(Urls("<a href=\"\n  http://example.jp/\n\">x</a><a href>y</a><abbr href=no>z</abbr>"),
              (V{"http://example.jp/", ""}));
}

TEST(GetReadyUrlAndTitle, BrokenAnchorCostsOnlyItself)
{
    HttpAnal anal;
    // A start tag without ">" (the next tag follows), a quote never closed.
    ASSERT_EQ(anal.GetReadyUrlAndTitle("<p><a href=\"http://broken.test/\" </a> <a href=\"next.html\">next</a>"
                                       "<a href=\"open.html>open</a> <a href='after.html'>after</a>"),
              4);
    EXPECT_STREQ(anal.GetUrl(0), "http://broken.test/");
    EXPECT_STREQ(anal.GetTitle(0), "");
    EXPECT_EQ(anal.nNoCloseAnchors, 1);
    EXPECT_STREQ(anal.GetUrl(1), "next.html");
    EXPECT_STREQ(anal.GetTitle(1), "next");
    EXPECT_STREQ(anal.GetUrl(2), "open.html");
    EXPECT_STREQ(anal.GetTitle(2), "open");
    EXPECT_STREQ(anal.GetUrl(3), "after.html");
    // An anchor whose end is missing ends at the next anchor.
    ASSERT_EQ(anal.GetReadyUrlAndTitle("<a href=one><b>first</b> <a href=two>second</a>"), 2);
    EXPECT_STREQ(anal.GetTitle(0), "first");
    EXPECT_STREQ(anal.GetTitle(1), "second");
}

TEST(GetReadyUrlAndTitle, CommentsAndScriptsHoldNoLinks)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(Urls("<!-- <a href=\"old.html\">old</a> --><script>w('<a href=\"s.html\">');</script>"
                   "<STYLE>a[href] {}</STYLE><a href=\"real.html\">real<!-- </a> --> page</a>"),
              (V{"real.html"}));
    // A comment or a script left open is read as text, costing only itself.
    EXPECT_EQ(Urls("<!-- <a href=\"c.html\">c</a>"), (V{"c.html"}));
    EXPECT_EQ(Urls("<script> <a href=s.html>s</a>"), (V{"s.html"}));
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

TEST(HttpAnalForm, TableLayoutFormWithImageButton)
{
    std::unique_ptr<SearchEntry[]> table(new SearchEntry[FORM_TABLE_SIZE]);
    const char *page = "<form method=GET action=\"http://groups.example.com/subscribe/List\">\n<table><tr><td>\n"
                       "<input type=text name=\"user\" value=\"enter email address\" size=20>\n</td><td>\n"
                       "<input type=image border=0 alt=\"Click here to join\" src=\"join.gif\">\n"
                       "</td></tr></table>\n</form>";
    ASSERT_EQ(HttpAnal_AnalForm(page, table.get(), nullptr), 1);
    EXPECT_STREQ(table[0].szServer, "groups.example.com");
    EXPECT_STREQ(table[0].szPath, "/subscribe/List");
    EXPECT_STREQ(table[0].szMethod, "GET");
    EXPECT_STREQ(table[0].szVariable, "user=enter email address");
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
