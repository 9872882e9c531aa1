// Anchor tags of a page, read the way a browser reads their start tags:
// attributes in any order, names in any case, values quoted with " or ' or
// unquoted, blanks around "=". Works on the lowered copy of a CP932 page
// (LowerCopy): every byte it stops at is ASCII syntax that never stands
// second in a double-byte character.
#pragma once
#include <cstddef>
#include <string>

struct AnchorTag {
    size_t nStart = 0;       // the "<" of the start tag
    size_t nTagEnd = 0;      // after its ">", or where a broken tag stops
    bool bClosed = false;    // the start tag ends in ">"
    bool bHasHref = false;   // a link, not a named target
    size_t nHrefFrom = 0;    // the first href's value as written, quotes off
    size_t nHrefLen = 0;
    size_t nTextEnd = 0;     // the anchor text ends here: at its "</a>", at the
                             // next anchor's start tag or at the end of the page
};

// Walks the anchors of one page in order. Comments, scripts and style
// sheets whose end is found are passed over. Every step costs at most a
// few passes over the stretch up to the next anchor, whatever the input.
class AnchorScan {
public:
    explicit AnchorScan(const std::string &lower) : text(lower) {}
    // The next anchor start tag; false when there is none left.
    bool Next(AnchorTag *pTag);

private:
    const std::string &text;
    size_t nFrom = 0;
    // Offsets from which the end of a comment, a script or a style sheet is
    // known to be missing: a second search there would find nothing again.
    size_t aNoEndFrom[3] = {std::string::npos, std::string::npos, std::string::npos};

    size_t SkipRawText(size_t lt);
    size_t NextTagOpen(size_t from);
    size_t TextEnd(size_t from);
    void ReadAttributes(size_t at, AnchorTag *pTag) const;
};
