#include "web/http_reply.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

static std::unique_ptr<HttpReply> FeedAll(const std::string &data, size_t chunk)
{
    auto r = std::make_unique<HttpReply>();
    HttpReplyReset(r.get(), 0);
    for (size_t at = 0; at < data.size(); at += chunk)
        HttpReplyFeed(r.get(), data.data() + at, std::min(chunk, data.size() - at), 1);
    return r;
}

TEST(HttpReply, HeaderSplitAcrossChunksStatusAndCharset)
{
    std::string reply = "HTTP/1.0 200 OK\r\nContent-Type: text/html; Charset=\"UTF-8\"\r\n"
                        "Content-Length: 5\r\n\r\nhello";
    for (size_t chunk : {1u, 2u, 3u, 7u, 1000u}) {
        auto r = FeedAll(reply, chunk);
        EXPECT_TRUE(r->bHeaderEnd) << chunk;
        EXPECT_EQ(r->nStatus, 200);
        EXPECT_STREQ(r->szCharset, "utf-8");
        size_t len;
        EXPECT_EQ(std::string(HttpReplyBody(r.get(), &len)), "hello");
        EXPECT_EQ(HttpReplyFinish(r.get()), HTTP_REPLY_COMPLETE);
    }
    auto bare = FeedAll("HTTP/1.0 404 Not Found\n\nbody", 4);
    EXPECT_EQ(bare->nStatus, 404);
    EXPECT_EQ(HttpReplyFinish(bare.get()), HTTP_REPLY_COMPLETE);
}

TEST(HttpReply, EarlyCloseGarbageAndMissingHeaderEnd)
{
    EXPECT_EQ(HttpReplyFinish(FeedAll("HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nabc", 5).get()),
              HTTP_REPLY_SHORT_BODY);
    EXPECT_EQ(HttpReplyFinish(FeedAll("HTTP/1.0 200 OK\r\nServer: x\r\n", 5).get()),
              HTTP_REPLY_NO_HEADER_END);
    static const char kGarbage[] = "\x00\xff<html>no status\r\n\r\n";
    auto garbage = FeedAll(std::string(kGarbage, sizeof kGarbage - 1), 3);
    EXPECT_EQ(HttpReplyFinish(garbage.get()), HTTP_REPLY_NOT_HTTP);
    EXPECT_EQ(HttpReplyFinish(FeedAll("HTTP/x.y abc\r\n\r\n", 3).get()), HTTP_REPLY_NOT_HTTP);
    EXPECT_EQ(HttpReplyFinish(FeedAll("", 3).get()), HTTP_REPLY_EMPTY);
    auto noEnd = FeedAll("HTTP/1.0 200", 3);
    size_t len;
    EXPECT_EQ(std::string(HttpReplyBody(noEnd.get(), &len)), "HTTP/1.0 200");
}

TEST(HttpReply, OversizedReplyIsCutAtTheBufferAndFlagged)
{
    std::string reply = "HTTP/1.0 200 OK\r\n\r\n" + std::string(HTTP_RECEIVE_SIZE + 5000, 'x');
    auto r = FeedAll(reply, 4096);
    EXPECT_EQ(r->nLength, size_t(HTTP_RECEIVE_SIZE - 1));
    EXPECT_EQ(r->szData[HTTP_RECEIVE_SIZE - 1], '\0');
    EXPECT_EQ(r->nDropped, reply.size() - (HTTP_RECEIVE_SIZE - 1));
    EXPECT_EQ(HttpReplyFinish(r.get()), HTTP_REPLY_TRUNCATED);
    EXPECT_EQ(HttpReplyFeed(r.get(), "more", 4, 2), 0u);
}

TEST(HttpReply, InactivityTimeOutAcrossTickWrap)
{
    auto r = std::make_unique<HttpReply>();
    HttpReplyReset(r.get(), 0xFFFFF000u);
    EXPECT_FALSE(HttpReplyTimedOut(r.get(), 0xFFFFF000u + 29999u));
    EXPECT_TRUE(HttpReplyTimedOut(r.get(), 0xFFFFF000u + 30000u));  // wrapped past zero
    HttpReplyTouch(r.get(), 100);
    EXPECT_FALSE(HttpReplyTimedOut(r.get(), 20000));
    HttpReplyFeed(r.get(), "H", 1, 25000);
    EXPECT_FALSE(HttpReplyTimedOut(r.get(), 54999));
    EXPECT_TRUE(HttpReplyTimedOut(r.get(), 55000));
}

TEST(HttpReply, ChunkedBodyLocationAndStatusProblems)
{
    std::string reply = "HTTP/1.1 200 OK\r\nTransfer-Encoding: Chunked\r\nContent-Length: 999\r\n\r\n"
                        "4\r\n<p>a\r\n4\r\n</p>\r\n0\r\n\r\n";
    for (size_t chunk = 1; chunk <= reply.size(); ++chunk) {
        auto r = FeedAll(reply, chunk);
        ASSERT_TRUE(HttpReplyBodyEnded(r.get())) << chunk;
        ASSERT_EQ(HttpReplyFinish(r.get()), HTTP_REPLY_COMPLETE) << chunk;
    }
    auto r = FeedAll(reply, 5);
    std::string body;
    HttpReplyDecodedBody(r.get(), body);
    EXPECT_EQ(body, "<p>a</p>");
    char text[256];
    EXPECT_FALSE(HttpReplyStatusProblem(r.get(), text, sizeof text));

    auto cut = FeedAll(reply.substr(0, reply.size() - 7), 3);
    EXPECT_FALSE(HttpReplyBodyEnded(cut.get()));
    EXPECT_EQ(HttpReplyFinish(cut.get()), HTTP_REPLY_SHORT_BODY);
    EXPECT_EQ(HttpReplyFinish(FeedAll("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n", 3).get()),
              HTTP_REPLY_BAD_CHUNKS);
    auto sized = FeedAll("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nabEXTRA", 4);
    EXPECT_TRUE(HttpReplyBodyEnded(sized.get()));
    HttpReplyDecodedBody(sized.get(), body);
    EXPECT_EQ(body, "ab");

    auto moved = FeedAll("HTTP/1.1 302 Found\r\nLocation:  /next?a=1 \r\n\r\n", 2);
    EXPECT_STREQ(moved->szLocation, "/next?a=1");
    auto missing = FeedAll("HTTP/1.1 404 Not Found\r\nContent-Length: 3\r\n\r\nno!", 7);
    ASSERT_TRUE(HttpReplyStatusProblem(missing.get(), text, sizeof text));
    EXPECT_STREQ(text, "サーバーがエラーを返しました（HTTP 404 Not Found）。");
    ASSERT_TRUE(HttpReplyStatusProblem(FeedAll("HTTP/1.1 202 Accepted\r\n\r\nqueued", 7).get(), text, sizeof text));
    EXPECT_STREQ(text, "サーバーはページを返しませんでした（HTTP 202 Accepted）。");
    ASSERT_TRUE(HttpReplyStatusProblem(FeedAll("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", 7).get(), text,
                                       sizeof text));
    EXPECT_STREQ(text, "サーバーの応答に本文がありません（HTTP 200 OK）。");
}
