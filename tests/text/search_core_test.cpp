#include "text/search_core.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Compile(const char *phrase)
{
    char buf[search::kSyntaxPatternSize];
    search::CompileSyntaxPattern(buf, sizeof buf, phrase);
    return std::string(buf, search::MultiStringLength(buf));
}

// Offset and length of the syntax search, -1 when nothing matches.
std::pair<long, int> Patn2(const char *text, const char *phrase)
{
    std::string pat = Compile(phrase);
    int len = -1;
    const char *hit = search::strstrpatn2(text, pat.c_str(), &len, " ", 0);
    return {hit ? hit - text : -1, len};
}

} // namespace

TEST(SearchPrimitives, TrailBytesNeverMatchAsAscii)
{
    // 0x95 0x5C (表), 0x83 0x7B, 0x83 0x7D, 0x83 0x40 hide ASCII-looking trail bytes.
    const char text[] = "\x95\x5c\x83\x7b\x83\x7d\x83\x40 \\{}@";
    int n = 0;
    EXPECT_EQ(search::strchrExA(text, "\\", &n, nullptr, 0), text + 9);
    EXPECT_EQ(search::strchrExA(text, "{", &n, nullptr, 0), text + 10);
    EXPECT_EQ(search::strchrExA(text, "}", &n, nullptr, 0), text + 11);
    EXPECT_EQ(search::strchrExA(text, "@", &n, nullptr, 0), text + 12);
    // A lead byte just before the terminator is a single character.
    const char *lone = "a\x81";
    EXPECT_EQ(search::strchrExA(lone, "\x81", &n, nullptr, 0), lone + 1);
    EXPECT_EQ(search::strchrExA("", "a", &n, nullptr, 0), nullptr);
    EXPECT_EQ(search::strstr("abc", "", &n, nullptr, 0), nullptr);
}

TEST(SearchPrimitives, IsolationAtTextEndsAndAfterDoubleByte)
{
    const char *t = "print int";
    EXPECT_EQ(search::strstrIsl_lang(t, "int", nullptr, nullptr, 0), t + 6);
    EXPECT_EQ(search::strstrIsl_lang("int_x", "int", nullptr, nullptr, 0), nullptr);
    const char *whole = "int";
    EXPECT_EQ(search::strstrIsl_lang(whole, "int", nullptr, nullptr, 0), whole);
    const char *u = "x=int";
    EXPECT_EQ(search::strstrIsl_lang(u, "int", nullptr, nullptr, 0), u + 2);
    // A word right after a double-byte character (0x83 0x41, trail 'A') is isolated.
    const char *v = "\x83\x41int";
    EXPECT_EQ(search::strstrIsl_lang(v, "int", nullptr, nullptr, 0), v + 2);
    const char *w = "ab_a a";
    EXPECT_EQ(search::strchrExA_Isl(w, "a", nullptr, nullptr, 0), w + 5);
    EXPECT_EQ(search::strstrIsl_langIsStrIsolated(u, u + 2, "int", "_"), 1);
    EXPECT_EQ(search::strstrIsl_langIsStrIsolated(u, u + 1, "int", "_"), 0); // word not there
    EXPECT_EQ(search::strstrIsl_langIsStrIsolated(t, t + 2, "int", "_"), 0);
}

TEST(SearchPrimitives, WordListsAndPieces)
{
    const char words[] = "a\0b\0";
    int n = 0;
    const char *t1 = "xa   b";
    EXPECT_EQ(search::strstrpatn(t1, words, &n, " \r\n\t", 0), t1 + 1);
    EXPECT_EQ(n, 5);
    EXPECT_NE(search::strstrpatn("a\r\nb", words, &n, " \r\n\t", 0), nullptr);
    EXPECT_EQ(search::strstrpatn("ab", words, &n, " \r\n\t", 0), nullptr);
    for (const char *t : {"a + b", "a+b", "a +b"}) {
        n = 0;
        EXPECT_EQ(search::strstrNoName(t, "a+b", &n, nullptr, 0), t) << t;
        EXPECT_EQ(n, static_cast<int>(std::string(t).size())) << t;
    }
    EXPECT_EQ(search::strstrNoName("a-b", "a+b", &n, nullptr, 0), nullptr);
}

TEST(SyntaxPattern, CompilesTokensWithLeadingSpaces)
{
    EXPECT_EQ(Compile("if ( ** )"), std::string("if\0(\0*\0*\0)\0\0", 12));
    EXPECT_EQ(Compile("a b"), std::string("a\0 b\0\0", 6));
    EXPECT_EQ(Compile("get*Name"), std::string("get\0*\0Name\0\0", 12));
    EXPECT_EQ(Compile("x == y"), std::string("x\0==\0 y\0\0", 9));
    EXPECT_EQ(Compile("   "), std::string("\0", 1));
    // Output never overruns a small buffer and stays a valid multi-string.
    char small[8];
    EXPECT_EQ(search::CompileSyntaxPattern(small, sizeof small, "alpha beta gamma"), 0);
    EXPECT_LE(search::MultiStringLength(small), sizeof small);
    std::string longPhrase(5000, 'w');
    char buf[search::kSyntaxPatternSize];
    EXPECT_EQ(search::CompileSyntaxPattern(buf, sizeof buf, longPhrase.c_str()), 0);
    EXPECT_EQ(search::MultiStringLength(buf), 1u);
}

TEST(SyntaxPattern, MatchesWildcards)
{
    EXPECT_EQ(Patn2("if (a(b)) {", "if ( ** )"), std::make_pair(0L, 9));
    EXPECT_EQ(Patn2("x getWindowName(", "get*Name"), std::make_pair(2L, 13));
    EXPECT_EQ(Patn2("a  b", "a b"), std::make_pair(0L, 4));
    EXPECT_EQ(Patn2("a\tb", "a b").first, 0);
    EXPECT_EQ(Patn2("ab", "a b").first, -1);
    EXPECT_EQ(Patn2("f(x, \"y)\")", "f ( ** )"), std::make_pair(0L, 10));
    EXPECT_EQ(Patn2("p = q;", "p * q").first, 0);       // single star takes an operator run
    EXPECT_EQ(Patn2("call(a); end", "call ( ** end").first, 0);
    EXPECT_EQ(Patn2("if (a", "if ( ** )").first, -1);   // unbalanced at the end
    EXPECT_EQ(Patn2("abc", "*").first, -1);            // "*" alone matches nothing literally
}

TEST(TokenHelpers, BalancedLiteralsAndTokens)
{
    const char *t = "a(\")\")b)c";
    EXPECT_EQ(search::SkipBalanced(t + 2, '(', ')', 0), 3u); // the quoted ")" is ignored
    EXPECT_EQ(search::SkipBalanced("(x", '(', ')', 0), 1u);  // text ended: last character
    EXPECT_EQ(search::SkipStringLiteral("\"a\\\"b\" x"), 6u);
    EXPECT_EQ(search::SkipStringLiteral("\"ab\"  \"cd\";"), 10u);
    EXPECT_EQ(search::SkipStringLiteral("\"ab\r\n\""), 3u);
    int n = 0;
    const char *p = "  \"a b\" c";
    EXPECT_EQ(search::GetToken(p, &n, "", " "), p + 2);
    EXPECT_EQ(n, 5);
    EXPECT_EQ(search::GetToken("   ", &n, "", " "), nullptr);
    const char *q = "x; name_1 =";
    EXPECT_EQ(search::GetIdentifierToken(q + 2, &n, "_", " "), q + 3);
    EXPECT_EQ(n, 6);
    EXPECT_EQ(search::GetTokenBackward(q, q + 10, &n, "", " "), q + 3);
    EXPECT_EQ(n, 6);
    EXPECT_EQ(search::FindCharPair("a[b]", '[', ']', &n) != nullptr && n == 3, true);
    EXPECT_NE(search::FindCharPair("a[b", '[', ']', &n), nullptr);
    EXPECT_EQ(n, 0);
    const char *pos = nullptr;
    EXPECT_EQ(search::FindFirstOfWords("x DIALOGEX", "DIALOG\0MENU\0", &pos), 1);
    EXPECT_EQ(search::FindFirstOfWords("MEN", "MENU\0", &pos), 0);
    EXPECT_EQ(pos, nullptr);
    const char *h = "aBc\x83\x41X";
    EXPECT_EQ(search::stristr(h, "BC"), h + 1);
    EXPECT_EQ(search::stristr(h, "ax"), nullptr); // trail 'A' is not a letter
    EXPECT_TRUE(search::HasSeveralWords(" a b"));
    EXPECT_FALSE(search::HasSeveralWords(" ab  "));
    EXPECT_NE(search::StartsWithAfterSpace("  BEGIN", "BEGIN", " "), nullptr);
}

TEST(SearchFunctionSelect, KnownNamesOnly)
{
    SearchFunction fn;
    EXPECT_EQ(fn.Call("abc", "b", nullptr, nullptr, 0), nullptr);
    EXPECT_EQ(fn.Select("strstr"), 1);
    EXPECT_EQ(fn.Select("StrStr"), 0);
    EXPECT_EQ(fn.Select("strstrpatn3"), 0);
    const char *t = "abc";
    EXPECT_EQ(fn.Call(t, "b", nullptr, nullptr, 0), t + 1); // unchanged by the failed selects
    for (const char *name : {"strchrExA", "strstrpatn", "strchrExA_Isl", "strstrIsl_lang", "strstrNoName",
                             "strstrpatn2"})
        EXPECT_EQ(fn.Select(name), 1) << name;
}
