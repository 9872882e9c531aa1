#include "text/indent.h"

#include <gtest/gtest.h>
#include <algorithm>

#include <string>

namespace {

std::string Indent(const std::string &s, IndentOptions opt = IndentOptions())
{
    std::string out;
    EXPECT_EQ(IndentText(s.data(), s.size(), opt, out), 1);
    return out;
}

std::string Space(const std::string &s)
{
    std::string out;
    SpaceParentheses(s.data(), s.size(), out);
    return out;
}

} // namespace

TEST(IndentText, NestingLiteralsAndComments)
{
    EXPECT_EQ(Indent("if(a){\r\nb;\r\n}"), "if(a){\r\n      b;\r\n}");
    EXPECT_EQ(Indent("{\r\n  \"{\";\r\n'{';\r\n// {\r\nx;\r\n}\r\n"),
              "{\r\n      \"{\";\r\n      '{';\r\n      // {\r\n      x;\r\n}\r\n");
    EXPECT_EQ(Indent("{\r\n   \r\n}"), "{\r\n\r\n}");
    EXPECT_EQ(Indent("}\r\nx;\r\n{\r\ny;"), "}\r\nx;\r\n{\r\ny;"); // negative indent writes nothing
    EXPECT_EQ(Indent("{\r\n /* a\r\n   { */ b;\r\nc;\r\n}"), "{\r\n /* a\r\n   { */ b;\r\n      c;\r\n}");
    EXPECT_EQ(Indent("{\n\tx;\n}\n"), "{\n      x;\n}\n"); // bare line feeds end lines too
    EXPECT_EQ(Indent("\x83\x7b\r\nx\x83\x7d\r\ny"), "\x83\x7b\r\nx\x83\x7d\r\ny"); // trail braces
    IndentOptions opt;
    opt.nStep = 2;
    opt.nInitial = 1;
    EXPECT_EQ(Indent("a\r\n(\r\nb\r\n)", [&] { opt.chOpen = '('; opt.chClose = ')'; return opt; }()),
              " a\r\n (\r\n   b\r\n )");
    EXPECT_EQ(Indent("x \"unterminated"), "x \"unterminated");
    EXPECT_EQ(Indent("/* open"), "/* open");
}

TEST(IndentText, RunningTwiceIsStable)
{
    unsigned seed = 3;
    const char alphabet[] = "{}()\"'/*\\ \t\r\nab;\x83\x7b";
    for (int round = 0; round < 300; ++round) {
        std::string s;
        for (int k = 0; k < 80; ++k) {
            seed = seed * 1103515245u + 12345u;
            s.push_back(alphabet[(seed >> 16) % (sizeof alphabet - 1)]);
        }
        std::string once = Indent(s), twice = Indent(once);
        ASSERT_EQ(once, twice) << "input: " << s;
    }
}

TEST(IndentText, OutputLimitLeavesNothing)
{
    IndentOptions opt;
    opt.nStep = 255;
    std::string deep;
    for (int k = 0; k < 400; ++k)
        deep += "{\r\n";
    std::string out;
    EXPECT_EQ(IndentText(deep.data(), deep.size(), opt, out), 0);
    EXPECT_TRUE(out.empty());
}

TEST(SpaceParentheses, SpacesOnceAndKeepsLiterals)
{
    EXPECT_EQ(Space("f(a,b)"), "f( a, b )");
    EXPECT_EQ(Space("f( a, b )"), "f( a, b )");
    EXPECT_EQ(Space("f()"), "f()");
    EXPECT_EQ(Space(")x"), ") x");
    EXPECT_EQ(Space("g(\"a,b)\",'(')"), "g( \"a,b)\", '(' )");
    EXPECT_EQ(Space("x(\x83\x41)"), "x( \x83\x41 )");
    EXPECT_EQ(Space(Space("a(b(c,d),e)")), Space("a(b(c,d),e)"));
}

TEST(IndentText, ChangedLinesAreWholeLinesBetweenTheSharedOnes)
{
    auto replaced = [](const std::string &from, const std::string &to) {
        ChangedLines c = FindChangedLines(from, to);
        EXPECT_LE(c.head + c.tail, std::min(from.size(), to.size()));
        EXPECT_TRUE(c.head == 0 || from[c.head - 1] == '\n' || from == to);
        EXPECT_TRUE(c.tail == 0 || from[from.size() - c.tail - 1] == '\n');
        return from.substr(0, c.head) + to.substr(c.head, to.size() - c.head - c.tail) +
               from.substr(from.size() - c.tail);
    };
    const std::string from = "f()\r\n{\r\n  a;\r\n\x95\x5c x;\r\n}\r\n";
    const std::string to = "f()\r\n{\r\n      a;\r\n      \x95\x5c x;\r\n}\r\n";
    ChangedLines c = FindChangedLines(from, to);
    EXPECT_EQ(c.head, 8u);  // "f()" and "{"
    EXPECT_EQ(c.tail, 3u);  // "}"
    EXPECT_EQ(replaced(from, to), to);
    for (const auto &p : {std::make_pair(std::string("a\r\nb"), std::string("a\r\nb")),
                          std::make_pair(std::string("x\r\n"), std::string("x\r\nx\r\n")),
                          std::make_pair(std::string("  x"), std::string("x")),
                          std::make_pair(std::string("a\nb\n"), std::string("")),
                          std::make_pair(std::string("\n\n"), std::string("\n"))})
        EXPECT_EQ(replaced(p.first, p.second), p.second) << p.first;
}
