#include "web/anchor_scan.h"

#include <cstring>

static const size_t npos = std::string::npos;

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

/* True when a tag name ends at "at": a blank, "/", ">", "<" or the end. */
static bool NameEndsAt(const std::string &text, size_t at)
{
    return at >= text.size() || IsBlank(text[at]) || text[at] == '/' || text[at] == '>' || text[at] == '<';
}

/* True when an anchor's start tag opens at the "<" at lt. */
static bool IsAnchorStart(const std::string &text, size_t lt)
{
    return text.compare(lt, 2, "<a") == 0 && NameEndsAt(text, lt + 2);
}

/* True when the "<" at lt opens an anchor's end tag. */
static bool IsAnchorClose(const std::string &text, size_t lt)
{
    return text.compare(lt, 3, "</a") == 0 && NameEndsAt(text, lt + 3);
}

/* True when the anchor tag seen inside a quoted value at [from, to) shows
   that the quote was never closed. */
static bool HoldsAnchorTag(const std::string &text, size_t from, size_t to)
{
    for (size_t lt = text.find('<', from); lt < to; lt = text.find('<', lt + 1))
        if (IsAnchorClose(text, lt) || IsAnchorStart(text, lt))
            return true;
    return false;
}

/*
 * SkipRawText: the offset after the comment, script or style sheet that
 * opens at lt, when its end is found; lt itself otherwise (a comment or
 * script left open is read as text, so that it costs only itself).
 */
size_t AnchorScan::SkipRawText(size_t lt)
{
    static const struct { const char *open, *close; } kRaw[3] = {
        {"<!--", "-->"}, {"<script", "</script"}, {"<style", "</style"}};
    for (int k = 0; k < 3; ++k) {
        size_t openLen = std::strlen(kRaw[k].open);
        if (text.compare(lt, openLen, kRaw[k].open) != 0 || (k > 0 && !NameEndsAt(text, lt + openLen)))
            continue;
        size_t from = lt + openLen;
        if (aNoEndFrom[k] != npos && from >= aNoEndFrom[k])
            return lt;
        size_t end = text.find(kRaw[k].close, from);
        if (end == npos) {
            aNoEndFrom[k] = from;
            return lt;
        }
        // A comment ends after its "-->"; the end tag of a script is read on as a tag.
        return k == 0 ? end + 3 : end;
    }
    return lt;
}

/* NextTagOpen: the first "<" at or after from that is not inside a
   comment, script or style sheet; npos when none. */
size_t AnchorScan::NextTagOpen(size_t from)
{
    for (size_t lt = text.find('<', from); lt != npos; lt = text.find('<', lt)) {
        size_t skip = SkipRawText(lt);
        if (skip == lt)
            return lt;
        lt = skip;
    }
    return npos;
}

/* TextEnd: where the text of an anchor starting at from stops: at its "</a",
   at the next anchor's start tag or at the end of the page. */
size_t AnchorScan::TextEnd(size_t from)
{
    for (size_t lt = NextTagOpen(from); lt != npos; lt = NextTagOpen(lt + 1))
        if (IsAnchorClose(text, lt) || IsAnchorStart(text, lt))
            return lt;
    return text.size();
}

/*
 * ReadAttributes: the attributes of the start tag from "at" (after its
 * name) to its ">"; notes the first href. A "<" outside a quoted value, or
 * the end of the page, ends a broken tag there. A quoted value whose quote
 * is never closed (no closing quote before an anchor tag or the end) stops
 * at the first ">" or "<" after the opening quote.
 */
void AnchorScan::ReadAttributes(size_t at, AnchorTag *pTag) const
{
    const size_t n = text.size();
    for (;;) {
        while (at < n && (IsBlank(text[at]) || text[at] == '/'))
            ++at;
        if (at >= n || text[at] == '<') {
            pTag->nTagEnd = at;
            return;
        }
        if (text[at] == '>') {
            pTag->nTagEnd = at + 1;
            pTag->bClosed = true;
            return;
        }
        size_t name = at;
        do
            ++at;
        while (at < n && !IsBlank(text[at]) && text[at] != '/' && text[at] != '=' && text[at] != '>' &&
               text[at] != '<');
        bool bHref = at - name == 4 && text.compare(name, 4, "href") == 0 && !pTag->bHasHref;
        size_t eq = at;
        while (eq < n && IsBlank(text[eq]))
            ++eq;
        size_t from = at, end = at;
        if (eq < n && text[eq] == '=') {
            at = eq;
            while (at < n && (text[at] == '=' || IsBlank(text[at])))
                ++at;
            if (at < n && (text[at] == '"' || text[at] == '\'')) {
                from = at + 1;
                size_t close = text.find(text[at], from);
                if (close != npos && !HoldsAnchorTag(text, from, close)) {
                    end = close;
                    at = close + 1;
                } else {
                    end = text.find_first_of("<>", from);
                    at = end = end == npos ? n : end;
                }
            } else {
                from = at;
                while (at < n && !IsBlank(text[at]) && text[at] != '>' && text[at] != '<')
                    ++at;
                end = at;
            }
        }
        if (bHref) {
            pTag->bHasHref = true;
            pTag->nHrefFrom = from;
            pTag->nHrefLen = end - from;
        }
    }
}

/* Next: the next anchor start tag, its first href and the end of its text. */
bool AnchorScan::Next(AnchorTag *pTag)
{
    for (size_t lt = NextTagOpen(nFrom); lt != npos; lt = NextTagOpen(lt + 1)) {
        if (!IsAnchorStart(text, lt))
            continue;
        *pTag = AnchorTag();
        pTag->nStart = lt;
        ReadAttributes(lt + 2, pTag);
        pTag->nTextEnd = TextEnd(pTag->nTagEnd);
        nFrom = pTag->nTagEnd;
        return true;
    }
    nFrom = text.size();
    return false;
}
