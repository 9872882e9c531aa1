#include "text/find_all.h"

#include <gtest/gtest.h>

#include <cstring>

#include <string>

namespace {

std::vector<size_t> Offsets(const std::string &text, const char *phrase, int mode, int nMax = 0)
{
    FindAllResult r;
    MyFindStringAll(text.c_str(), text.size(), phrase, mode, nMax, r);
    std::vector<size_t> v;
    for (const FindHit &h : r.hits)
        v.push_back(h.nOffset);
    return v;
}

} // namespace

TEST(FindAll, ModesAndSnippets)
{
    std::string t = "a = b+a; int_a a\r\n";
    EXPECT_EQ(Offsets(t, "a", kFindNormal), (std::vector<size_t>{0, 6, 13, 15}));
    EXPECT_EQ(Offsets(t, "a", kFindVariable), (std::vector<size_t>{0, 6, 15}));
    EXPECT_EQ(Offsets("a  b a\tb ab", "a b", kFindPattern), (std::vector<size_t>{0, 5}));
    EXPECT_EQ(Offsets("ab a b", "ab", kFindNormal), (std::vector<size_t>{0}));
    FindAllResult r;
    std::string u = "x = myValue; \x83\x41Value";
    MyFindStringAll(u.c_str(), u.size(), "Value", kFindNormal, 0, r);
    ASSERT_EQ(r.hits.size(), 2u);
    EXPECT_STREQ(r.hits[0].szSnippet, "myValue");
    EXPECT_STREQ(r.hits[1].szSnippet, "Value"); // the trail byte 'A' is not part of the word
    MyFindStringAll("get(x) getName", 14, "get*Name", kFindPattern, 0, r);
    ASSERT_EQ(r.hits.size(), 1u);
    EXPECT_STREQ(r.hits[0].szSnippet, "getName");
    std::string longWord(100, 'q');
    MyFindStringAll(longWord.c_str(), longWord.size(), "qq", kFindNormal, 1, r);
    EXPECT_EQ(std::string(r.hits[0].szSnippet).size(), 63u);
    EXPECT_EQ(MyFindStringAll("abc", 3, "", kFindNormal, 0, r), 0);
}

TEST(FindAll, CapStopsAtTheLimitAndIsReported)
{
    std::string t(1000, 'z');
    FindAllResult r;
    EXPECT_EQ(MyFindStringAll(t.c_str(), t.size(), "z", kFindNormal, 998, r), 998);
    EXPECT_TRUE(r.bCapped);
    EXPECT_EQ(r.hits.back().nOffset, 997u);
    EXPECT_EQ(MyFindStringAll(t.c_str(), t.size(), "z", kFindNormal, 1000, r), 1000);
    EXPECT_FALSE(r.bCapped);
}

TEST(FindAll, RowsGroupUnderFunctions)
{
    std::string src = "int k;\r\nvoid a()\r\n{\r\n}\r\nvoid b()\r\n{\r\n  k = k;\r\n}\r\n";
    FunctionList funcs;
    EnumerateFunctions(src.data(), src.size(), 384, funcs);
    FindAllResult found;
    MyFindStringAll(src.c_str(), src.size(), "k", kFindVariable, 998, found);
    ASSERT_EQ(found.hits.size(), 3u);
    std::vector<FindRow> rows = BuildFindRows(src.data(), src.size(), funcs, found);
    ASSERT_EQ(rows.size(), 4u); // hit, function b, two hits; a has none
    EXPECT_EQ(rows[0].szLocation, "  LINE  1       ");
    EXPECT_EQ(rows[1].szLocation, "b()");
    EXPECT_EQ(rows[1].szResult, " ");
    EXPECT_EQ(rows[1].nHit, -1);
    EXPECT_EQ(rows[2].szLocation, "  LINE  7       ");
    EXPECT_EQ(rows[3].nPos, found.hits[2].nOffset);
    std::vector<std::string> sum = FindSummaryLines("k", 3, 2, kFindVariable);
    ASSERT_EQ(sum.size(), 4u);
    EXPECT_EQ(sum[1], "\x91\x8d\x90\x94\x81\x46" "3\x8c\xc2");
}

TEST(FindAll, ReplaceKeepsARunningOffset)
{
    std::string text = "ab x ab;\r\nab";
    FunctionList none;
    FindAllResult found;
    MyFindStringAll(text.c_str(), text.size(), "ab", kFindNormal, 0, found);
    std::vector<FindRow> rows = BuildFindRows(text.data(), text.size(), none, found);
    ASSERT_EQ(rows.size(), 3u);
    std::vector<TextEdit> edits;
    EXPECT_EQ(ReplaceCheckedRows(text, rows, found, {0, 1}, "ab", "LONGER", kFindNormal, &edits), 2);
    EXPECT_EQ(text, "LONGER x LONGER;\r\nab");
    ASSERT_EQ(edits.size(), 2u);
    EXPECT_EQ(edits[1].nStart, 9u);
    // A row whose text changed since the search is left alone.
    std::string changed = "zz x ab;";
    EXPECT_EQ(ReplaceCheckedRows(changed, rows, found, {0, 1}, "ab", "Q", kFindNormal, nullptr), 1);
    EXPECT_EQ(changed, "zz x Q;");
    EXPECT_EQ(ReplaceCheckedRows(changed, rows, found, {0}, "ab", "", kFindNormal, nullptr), 0);
    // The replacement is cut at 128 bytes.
    std::string t2 = "ab";
    MyFindStringAll(t2.c_str(), t2.size(), "ab", kFindNormal, 0, found);
    rows = BuildFindRows(t2.data(), t2.size(), none, found);
    ReplaceCheckedRows(t2, rows, found, {0, 7}, "ab", std::string(300, 'r').c_str(), kFindNormal, nullptr);
    EXPECT_EQ(t2.size(), 128u);
}

TEST(FindAll, FindNextPrimitiveFollowsModeAndSettings)
{
    char compiled[search::kSyntaxPatternSize];
    auto hit = [&](const char *text, const char *phrase, int mode, int searchMode, int varSyntax) -> long {
        SearchFunction fn;
        const char *pattern = ChooseFindPrimitive(fn, phrase, mode, searchMode, varSyntax, compiled);
        int n = static_cast<int>(std::strlen(phrase));
        const char *p = fn.Call(text, pattern, &n, " \r\n\t\v", 0);
        return p ? static_cast<long>(p - text) : -1;
    };
    // normal mode, default setting 2: "a b" is a syntax pattern
    EXPECT_EQ(3, hit("ab a  b", "a b", 0, 2, 1));
    EXPECT_EQ(0, hit("a\tb", "a b", 0, 2, 1));
    EXPECT_EQ(-1, hit("ab", "a b", 0, 2, 1));
    EXPECT_EQ(-1, hit("a  b", "a b", 0, 0, 1)); // setting 0: plain bytes
    EXPECT_EQ(1, hit("xa b", "a b", 0, 0, 1));
    // variable mode: isolated words; one byte alone between non-identifiers
    EXPECT_EQ(6, hit("print int", "int", 1, 2, 1));
    EXPECT_EQ(-1, hit("int_x", "int", 1, 2, 1));
    EXPECT_EQ(5, hit("ab+a(i) i", "i", 1, 2, 1)); // "(i)" at 5, not "ai"
    // a one-byte phrase never matches a trail byte: 表 is 0x95 0x5C
    EXPECT_EQ(2, hit("\x95\x5c\x5c", "\x5c", 0, 2, 1));
    // the Japanese word in normal mode
    EXPECT_EQ(4, hit("ab  \x8c\x9f\x8d\xf5", "\x8c\x9f\x8d\xf5", 0, 2, 1));
}
