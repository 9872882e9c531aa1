#include "text/function_list.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::vector<std::string> Names(const std::string &src, int nMax = 0, bool *pCapped = nullptr)
{
    FunctionList list;
    EnumerateFunctions(src.data(), src.size(), nMax, list);
    if (pCapped)
        *pCapped = list.bCapped;
    std::vector<std::string> names;
    for (const FunctionEntry &e : list.entries)
        names.push_back(e.szName);
    return names;
}

} // namespace

TEST(BlankComments, KeepsOffsetsLiteralsAndLines)
{
    std::string s = "a /* x\r\n y */ b // c\r\n\"/*s*/\" '\"' /* open";
    std::string before = s;
    BlankComments(&s[0], s.size());
    EXPECT_EQ(s.size(), before.size());
    EXPECT_EQ(s, std::string("a     \r\n      b     \r\n\"/*s*/\" '\"'        "));
    // Property: any bytes keep their length and every line break stays put.
    unsigned seed = 7;
    for (int round = 0; round < 200; ++round) {
        std::string r;
        for (int k = 0; k < 64; ++k) {
            seed = seed * 1103515245u + 12345u;
            r.push_back("/*\"'\\\r\nab{}\x83\x5c"[(seed >> 16) % 14]);
        }
        std::string copy = r;
        BlankComments(&copy[0], copy.size());
        ASSERT_EQ(copy.size(), r.size());
        for (size_t k = 0; k < r.size(); ++k) {
            if (r[k] == '\n' || r[k] == '\r') {
                ASSERT_EQ(copy[k], r[k]);
            }
        }
    }
}

TEST(EnumerateFunctions, FindsTopLevelDefinitionsOnly)
{
    std::string src =
        "/* void c1(void) { } */\r\n"
        "struct S { int x; };\r\n"
        "int WinMain(HINSTANCE h,\r\n  int n)\r\n{\r\n  if (x) {\r\n    s = \"{\";\r\n  }\r\n}\r\n"
        "class C { void m() { } };\r\n"
        "int f(void) const {\r\n}\r\n"
        "static int g(int (*cb)(int))\r\n{ return 0; }\r\n"
        "char c = '{';\r\n"
        "int h()\r\n{\r\n}\r\n";
    std::vector<std::string> names = Names(src);
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], "WinMain(HINSTANCE h,\r\n  int n)");
    EXPECT_EQ(names[1], "g(int (*cb)(int))");
    EXPECT_EQ(names[2], "h()");
    FunctionList empty;
    EXPECT_EQ(EnumerateFunctions("", 0, 0, empty), -1);
    // A stray "}" does not hide the functions after it.
    EXPECT_EQ(Names("}\r\nint a()\r\n{\r\n}\r\n").size(), 1u);
    // A name at the text start, long names cut on a character boundary.
    std::string longName = "f(" + std::string(30, 'x');
    for (int k = 0; k < 20; ++k)
        longName += "\x88\x9f";
    longName += ")";
    std::vector<std::string> cut = Names(longName + "{}");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].size(), 62u); // 32 bytes and 15 whole double-byte characters
}

TEST(EnumerateFunctions, CapIsReported)
{
    std::string src;
    for (int k = 0; k < 10; ++k)
        src += "void f" + std::to_string(k) + "()\r\n{\r\n}\r\n";
    bool capped = false;
    EXPECT_EQ(Names(src, 4, &capped).size(), 4u);
    EXPECT_TRUE(capped);
    EXPECT_EQ(Names(src, 10, &capped).size(), 10u);
    EXPECT_FALSE(capped);
}

TEST(FunctionNavigation, LookupsByCaret)
{
    std::string src = "int x;\r\nint a(void)\r\n{\r\n}\r\nint b(int n)\r\n{\r\n}\r\n";
    FunctionList list;
    ASSERT_EQ(EnumerateFunctions(src.data(), src.size(), 384, list), 2);
    size_t a = list.entries[0].nOffset, b = list.entries[1].nOffset;
    EXPECT_EQ(src.substr(a, 1), "a");
    char buf[64];
    EXPECT_EQ(CurrentFunctionName(src.size(), list, 2, buf, sizeof buf), 0);
    EXPECT_STREQ(buf, "not in function area");
    EXPECT_EQ(CurrentFunctionName(src.size(), list, a, buf, sizeof buf), 0); // at the offset: before
    EXPECT_EQ(CurrentFunctionName(src.size(), list, a + 3, buf, sizeof buf), static_cast<long>(a));
    EXPECT_STREQ(buf, "a()");
    char tiny[3];
    CurrentFunctionName(src.size(), list, b + 1, tiny, sizeof tiny);
    EXPECT_LT(std::string(tiny).size(), sizeof tiny);
    FunctionList none;
    EXPECT_EQ(CurrentFunctionName(1, none, 0, buf, sizeof buf), -1);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(NextFunctionOffset(list, 0), static_cast<long>(a));
    EXPECT_EQ(NextFunctionOffset(list, a), static_cast<long>(b));
    EXPECT_EQ(NextFunctionOffset(list, b), -1);
    EXPECT_EQ(FunctionTopOffset(list, 1), 0u);
    EXPECT_EQ(FunctionTopOffset(list, b + 2), b);
    EXPECT_EQ(LineOfOffset(src.data(), src.size(), b), 5);
}
