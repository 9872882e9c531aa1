#include "text/colour_scan.h"

#include "common/cp932.h"
#include "text/quoted_literal.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const uint32_t kNone = 0xFFFFFFFFu;

inline uint32_t Rgb(int r, int g, int b)
{
    return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) | (static_cast<uint32_t>(b) << 16);
}

inline int Clamp255(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

// Paints [from, to] inclusive (clamped to the text) with colour c.
void Paint(std::vector<uint32_t> &paint, long from, long to, uint32_t c)
{
    long n = static_cast<long>(paint.size());
    if (from < 0)
        from = 0;
    if (to >= n)
        to = n - 1;
    for (long k = from; k <= to; ++k)
        paint[static_cast<size_t>(k)] = c;
}

} // namespace

uint32_t BracePaletteColour(int k)
{
    k = ((k % 6) + 6) % 6;
    return Rgb(Clamp255((std::abs(3 - k) - 1) * 254), Clamp255((2 - std::abs(4 - k)) * 254),
               Clamp255((2 - std::abs(2 - k)) * 254));
}

uint32_t ParenTint(int d)
{
    return Rgb(0, (((99 + 50 * d) % 256) + 256) % 256, (((711 - 50 * d) % 256) + 256) % 256);
}

/* One pass over the bytes: braces by depth, parenthesised text by depth,
   literals and comments in their fixed colours. */
void ScanColours(const char *t, size_t len, size_t nBase, ColourScan &out)
{
    out.runs.clear();
    std::vector<uint32_t> paint(len, kNone);
    int B = 0, P = 0, E = 0;
    long L = 0;
    size_t charEnd = 0; // end of the character holding the current byte
    auto pendingTint = [&](long i) {
        if (P != 0)
            Paint(paint, E == -1 ? L + 1 : L, i - 1, ParenTint(P));
    };
    for (size_t i = 0; i < len;) {
        bool bTrail = i < charEnd;
        if (!bTrail)
            charEnd = i + cp932::CharLength(t + i, t + len);
        char c = t[i];
        long li = static_cast<long>(i);
        if (bTrail) {
            ++i;
            continue;
        }
        if (c == '{') {
            Paint(paint, li, li, BracePaletteColour(B));
            ++B;
        } else if (c == '}') {
            --B;
            Paint(paint, li, li, BracePaletteColour(B));
        } else if (c == '(') {
            if (E == 1)
                Paint(paint, L, li - 1, ParenTint(P));
            else if (E == -1 && P >= 1)
                Paint(paint, L + 1, li - 1, ParenTint(P));
            L = li;
            ++P;
            E = 1;
        } else if (c == ')') {
            Paint(paint, E == -1 ? L + 1 : L, li, ParenTint(P));
            L = li;
            --P;
            E = -1;
        } else if (c == '"' || c == '\'') {
            bool bClosed;
            size_t stop = FindLiteralEnd(t, len, i, bClosed);
            long close = bClosed ? static_cast<long>(stop) : -1;
            if (c == '\'') { // character literal: passed over uncoloured
                i = close < 0 ? stop : static_cast<size_t>(close) + 1;
                charEnd = i;
                continue;
            }
            pendingTint(li);
            if (close < 0) {
                size_t e = stop;
                while (e < len && t[e] != '\n')
                    ++e;
                L = static_cast<long>(e) + 1;
                i = e + 1;
            } else {
                Paint(paint, li, close, kStringColour);
                L = close + (E == 1 ? 1 : 0);
                i = static_cast<size_t>(close) + 1;
            }
            charEnd = i;
            continue;
        } else if (c == '/' && i + 1 < len && t[i + 1] == '/') {
            pendingTint(li);
            size_t e = i;
            while (e < len && t[e] != '\n')
                ++e;
            size_t last = (e > i && e < len && t[e - 1] == '\r') ? e - 2 : e - 1;
            Paint(paint, li, static_cast<long>(last), kLineCommentColour);
            E = 0;
            L = static_cast<long>(e) + 1;
            i = e + 1;
            charEnd = i;
            continue;
        } else if (c == '/' && i + 1 < len && t[i + 1] == '*') {
            pendingTint(li);
            size_t e = i + 2;
            while (e + 1 < len && !(t[e] == '*' && t[e + 1] == '/'))
                ++e;
            size_t stop = e + 1 < len ? e + 2 : len;
            Paint(paint, li, static_cast<long>(stop) - 1, kBlockCommentColour);
            L = static_cast<long>(stop);
            i = stop;
            charEnd = i;
            continue;
        }
        ++i;
    }
    out.nBraceBalance = B;
    out.nParenDepth = P;
    for (size_t i = 0; i < len;) {
        uint32_t c = paint[i];
        size_t j = i + 1;
        while (j < len && paint[j] == c)
            ++j;
        if (c != kNone)
            out.runs.push_back({nBase + i, nBase + j, c});
        i = j;
    }
}

void LeaveCrowdedLinesPlain(const char *text, size_t len, size_t maxRuns, std::vector<ColourRun> &runs)
{
    std::vector<ColourRun> kept;
    kept.reserve(runs.size());
    for (size_t i = 0; i < runs.size();) {
        size_t from = runs[i].nStart < len ? runs[i].nStart : len;
        const void *nl = std::memchr(text + from, '\n', len - from);
        size_t lineEnd = nl ? static_cast<size_t>(static_cast<const char *>(nl) - text) + 1 : len;
        size_t j = i;
        while (j < runs.size() && runs[j].nStart < lineEnd)
            ++j;
        if (j - i <= maxRuns) {
            kept.insert(kept.end(), runs.begin() + i, runs.begin() + j);
        } else if (runs[j - 1].nEnd > lineEnd) {
            ColourRun tail = runs[j - 1];
            tail.nStart = lineEnd;
            kept.push_back(tail);
        }
        i = j;
    }
    runs.swap(kept);
}

static std::string BalanceText(int n, char open, char close)
{
    char buf[64];
    if (n > 0) // が%d個多い
        std::snprintf(buf, sizeof buf, "%c \x82\xaa%d\x8c\xc2\x91\xbd\x82\xa2", open, n);
    else if (n < 0)
        std::snprintf(buf, sizeof buf, "%c \x82\xaa%d\x8c\xc2\x91\xbd\x82\xa2", close, -n);
    else // と } は同数です
        std::snprintf(buf, sizeof buf, "%c \x82\xc6 %c \x82\xcd\x93\xaf\x90\x94\x82\xc5\x82\xb7", open, close);
    return buf;
}

std::string BraceBalanceText(int n) { return BalanceText(n, '{', '}'); }
std::string ParenBalanceText(int n) { return BalanceText(n, '(', ')'); }
