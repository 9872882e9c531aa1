#include "web/http_chunked.h"
#include "web/query_word.h"
#include "web/web_url.h"

#include <gtest/gtest.h>

#include <string>

/* The URL text a reference on the page at base resolves to ("" when refused). */
static std::string Resolve(const char *base, const char *ref)
{
    WebUrl b, out;
    EXPECT_TRUE(ParseWebUrl(base, &b)) << base;
    return ResolveReference(b, ref, &out) ? WebUrlText(out) : "";
}

TEST(WebUrl, ParseAndResolveAsBrowsersDo)
{
    WebUrl u;
    ASSERT_TRUE(ParseWebUrl(" HTTPS://user@Example.JP:8443?x=1#f ", &u));
    EXPECT_TRUE(u.bHttps);
    EXPECT_EQ(u.host, "example.jp");
    EXPECT_EQ(u.port, 8443u);
    EXPECT_EQ(u.target, "/?x=1");
    EXPECT_EQ(HostFieldValue(u), "example.jp:8443");
    EXPECT_FALSE(ParseWebUrl("ftp://h/", &u));
    EXPECT_FALSE(ParseWebUrl("http://[::1]/", &u));
    EXPECT_FALSE(ParseWebUrl("http://h:99999/", &u));
    EXPECT_FALSE(ParseWebUrl("http://h x/", &u));
    ASSERT_TRUE(ParseWebUrl("http://h/a b\x93\xfa\"", &u));
    EXPECT_EQ(u.target, "/a%20b%93%FA%22");

    // RFC 3986 section 5.4's examples on base http://a/b/c/d;p?q
    const char *base = "http://a/b/c/d;p?q";
    struct { const char *ref, *want; } cases[] = {
        {"g", "http://a/b/c/g"},           {"./g", "http://a/b/c/g"},
        {"g/", "http://a/b/c/g/"},         {"/g", "http://a/g"},
        {"//g", "http://g/"},              {"?y", "http://a/b/c/d;p?y"},
        {"g?y", "http://a/b/c/g?y"},       {"#s", "http://a/b/c/d;p?q"},
        {"g#s", "http://a/b/c/g"},         {"", "http://a/b/c/d;p?q"},
        {".", "http://a/b/c/"},            {"./", "http://a/b/c/"},
        {"..", "http://a/b/"},             {"../g", "http://a/b/g"},
        {"../..", "http://a/"},            {"../../../g", "http://a/g"},
        {"/./g", "http://a/g"},            {"g.", "http://a/b/c/g."},
        {"./../g", "http://a/b/g"},        {"g/../h", "http://a/b/c/h"},
        {"https://s/x", "https://s/x"},    {"\n g \t", "http://a/b/c/g"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Resolve(base, c.ref), c.want) << c.ref;
    EXPECT_EQ(Resolve("http://h:81/search.html", "sub/page3.html"), "http://h:81/sub/page3.html");
    EXPECT_EQ(Resolve("https://h/dir/search.html", "//o.jp/p"), "https://o.jp/p");
    EXPECT_EQ(Resolve(base, "mailto:a@b"), "");
    EXPECT_EQ(Resolve(base, "javascript:void(0)"), "");
}

TEST(WebUrl, RedirectPolicy)
{
    WebUrl plain, secure, next;
    ParseWebUrl("http://a.jp/x/y", &plain);
    ParseWebUrl("https://a.jp/x/y", &secure);
    for (int status : {301, 302, 303, 307, 308}) {
        ASSERT_EQ(DecideRedirect(plain, status, "z", 0, &next), REDIRECT_FOLLOW) << status;
        EXPECT_EQ(WebUrlText(next), "http://a.jp/x/z");
    }
    EXPECT_EQ(DecideRedirect(plain, 200, "z", 0, &next), REDIRECT_NONE);
    EXPECT_EQ(DecideRedirect(plain, 304, "z", 0, &next), REDIRECT_NONE);
    ASSERT_EQ(DecideRedirect(plain, 301, "https://b.jp/", 4, &next), REDIRECT_FOLLOW);
    EXPECT_TRUE(next.bHttps);
    EXPECT_EQ(DecideRedirect(plain, 301, "https://b.jp/", MAX_REDIRECTS, &next), REDIRECT_TOO_MANY);
    EXPECT_EQ(DecideRedirect(secure, 302, "http://a.jp/", 0, &next), REDIRECT_INSECURE);
    EXPECT_EQ(DecideRedirect(secure, 302, "/same", 0, &next), REDIRECT_FOLLOW);
    EXPECT_TRUE(next.bHttps);
    EXPECT_EQ(DecideRedirect(secure, 302, "", 0, &next), REDIRECT_BAD_LOCATION);
    EXPECT_EQ(DecideRedirect(secure, 302, "gopher://x/", 0, &next), REDIRECT_BAD_LOCATION);
}

TEST(WebUrl, QueryWordEncodedInItsCharset)
{
    // 日本+語 in CP932
    const char word[] = "\x93\xfa\x96\x7b+\x8c\xea a";
    std::string out;
    ASSERT_TRUE(ConvertSearchWord(word, QUERY_UTF8, out));
    EXPECT_EQ(PercentEncodeQueryWord(out.data(), out.size()), "%E6%97%A5%E6%9C%AC+%E8%AA%9E+a");
    ASSERT_TRUE(ConvertSearchWord(word, QUERY_EUC_JP, out));
    EXPECT_EQ(PercentEncodeQueryWord(out.data(), out.size()), "%C6%FC%CB%DC+%B8%EC+a");
    ASSERT_TRUE(ConvertSearchWord(word, QUERY_CP932, out));
    EXPECT_EQ(PercentEncodeQueryWord(out.data(), out.size()), "%93%FA%96%7B+%8C%EA+a");
    ASSERT_TRUE(ConvertSearchWord("a&=\x81", QUERY_UTF8, out));  // a lone lead byte is left out
    EXPECT_EQ(PercentEncodeQueryWord(out.data(), out.size()), "a%26%3D");
}

/* Decodes the body fed in pieces of nPiece bytes. */
static ChunkState DecodeInPieces(const std::string &body, size_t nPiece, std::string &out, size_t *pUsed)
{
    ChunkDecoder dec;
    ChunkDecoderReset(&dec);
    out.clear();
    *pUsed = 0;
    for (size_t at = 0; at < body.size(); at += nPiece) {
        size_t len = std::min(nPiece, body.size() - at);
        size_t used = ChunkDecoderFeed(&dec, body.data() + at, len, &out);
        *pUsed += used;
        if (used < len)
            break;
    }
    return dec.state;
}

TEST(ChunkDecoder, SplitAtEveryByteTruncatedAndBroken)
{
    const std::string body = "5;ext=1\r\nhello\r\n1A\r\n" + std::string(26, 'z') +
                             "\r\n0\r\nTrailer: x\r\n\r\nAFTER";
    const std::string want = "hello" + std::string(26, 'z');
    std::string out;
    size_t used;
    for (size_t piece = 1; piece <= body.size(); ++piece) {
        ASSERT_EQ(DecodeInPieces(body, piece, out, &used), CHUNK_DONE) << piece;
        ASSERT_EQ(out, want) << piece;
        ASSERT_EQ(used, body.size() - 5) << piece;
    }
    // Every cut before the end leaves the decoder waiting, never done.
    for (size_t cut = 0; cut + 5 < body.size() - 1; ++cut) {
        ChunkState st = DecodeInPieces(body.substr(0, cut), 1, out, &used);
        ASSERT_NE(st, CHUNK_DONE) << cut;
        ASSERT_NE(st, CHUNK_BAD) << cut;
    }
    EXPECT_EQ(DecodeInPieces("3\nabc\n0\n\n", 1, out, &used), CHUNK_DONE);  // bare line feeds
    EXPECT_EQ(out, "abc");
    EXPECT_EQ(DecodeInPieces("x\r\n", 2, out, &used), CHUNK_BAD);
    EXPECT_EQ(DecodeInPieces("3\r\nabcX\r\n", 2, out, &used), CHUNK_BAD);
    EXPECT_EQ(DecodeInPieces("FFFFFFFFFFFFFFFF\r\n", 4, out, &used), CHUNK_BAD);
}
