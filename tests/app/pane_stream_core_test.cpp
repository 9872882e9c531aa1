#include "app/pane_stream_core.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Streams text in chunks of at most room bytes, as the rich-edit control
// asks for them, and checks every chunk ends on a character boundary.
std::string StreamAll(const std::string &text, size_t room, bool *splitSeen)
{
    std::string out;
    size_t at = 0;
    *splitSeen = false;
    while (at < text.size()) {
        size_t n = NextStreamChunk(text.data() + at, text.size() - at, room);
        EXPECT_GT(n, 0u);
        EXPECT_LE(n, room);
        // A chunk must not end between a lead byte and its trail byte.
        size_t pos = 0;
        while (pos < n) {
            unsigned char b = (unsigned char)text[at + pos];
            bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
            pos += lead && at + pos + 1 < text.size() ? 2 : 1;
        }
        if (pos != n)
            *splitSeen = true;
        out.append(text, at, n);
        at += n;
    }
    return out;
}

} // namespace

TEST(PaneStreamChunk, DoubleByteCharactersStraddleEveryBoundary)
{
    const std::string hyo = "\x95\x5c";  // 表: its trail byte is "\"
    for (size_t room : {2u, 3u, 7u, 4096u}) {
        for (size_t shift = 0; shift < 3; ++shift) {
            // Put a double-byte character across every multiple of room.
            std::string text(shift, 'a');
            while (text.size() < room * 5) {
                // Fill up to one byte before the next boundary, then the character.
                size_t next = (text.size() / room + 1) * room;
                text.append(next - 1 - text.size(), 'x');
                text += hyo;
            }
            bool split = false;
            EXPECT_EQ(StreamAll(text, room, &split), text) << room << " " << shift;
            EXPECT_FALSE(split) << room << " " << shift;
        }
    }
}

TEST(PaneStreamChunk, EndOfText)
{
    // A lead byte standing last is sent as it is; a room of one byte always moves on.
    std::string text = "ab\x95";
    EXPECT_EQ(NextStreamChunk(text.data(), text.size(), 4096), 3u);
    EXPECT_EQ(NextStreamChunk("\x95\x5c", 2, 1), 1u);
    EXPECT_EQ(NextStreamChunk("a\x95\x5c", 3, 2), 1u);
    EXPECT_EQ(NextStreamChunk("", 0, 4096), 0u);
}

TEST(PaneStreamChunk, CrLfStraddlesEveryBoundary)
{
    // Lines of every length around the chunk size put a CR LF across each boundary.
    for (size_t room : {2u, 5u, 64u}) {
        for (size_t lineLen = 1; lineLen < 9; ++lineLen) {
            std::string text;
            while (text.size() < room * 12)
                text += std::string(lineLen, 'x') + "\r\n\x95\x5c";
            bool split = false;
            std::string out;
            for (size_t at = 0; at < text.size();) {
                size_t n = NextStreamChunk(text.data() + at, text.size() - at, room);
                if (text[at + n - 1] == '\r' && at + n < text.size() && text[at + n] == '\n')
                    split = true;
                out.append(text, at, n);
                at += n;
            }
            EXPECT_EQ(out, text);
            EXPECT_FALSE(split) << room << " " << lineLen;
        }
    }
    EXPECT_EQ(NextStreamChunk("\r\n", 2, 1), 1u); // one byte of room still moves on
}

TEST(PaneStreamSlice, WholeLinesUpToTheTarget)
{
    const std::string text = "ab\r\ncd\ref\ngh\r\n";
    EXPECT_EQ(NextLineSlice(text.data(), text.size(), 100), text.size());
    EXPECT_EQ(NextLineSlice(text.data(), text.size(), 10), 10u); // after the LF of "ef"
    EXPECT_EQ(NextLineSlice(text.data(), text.size(), 9), 7u);   // after the lone CR of "cd"
    EXPECT_EQ(NextLineSlice(text.data(), text.size(), 13), 10u); // never between the CR and LF of "gh"
    EXPECT_EQ(NextLineSlice(text.data(), text.size(), 3), 4u);   // the first line whole, CR LF included
    const std::string line(1000, 'x');
    EXPECT_EQ(NextLineSlice(line.data(), line.size(), 16), 1000u); // one long line goes whole
    const std::string crlf = "abc\r\nd";
    EXPECT_EQ(NextLineSlice(crlf.data(), crlf.size(), 4), 5u);
}
