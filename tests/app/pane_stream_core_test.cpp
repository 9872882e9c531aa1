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
