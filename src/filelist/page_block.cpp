#include "filelist/page_block.h"

/* EncodePageBlock: page count, then each page's entries. */
void EncodePageBlock(const std::vector<StoredPage> &pages, std::string &out)
{
    size_t nPages = pages.size();
    if (nPages > static_cast<size_t>(FILELIST_PAGE_SLOTS))
        nPages = FILELIST_PAGE_SLOTS;
    AppendU32(out, static_cast<uint32_t>(nPages));
    for (size_t k = 0; k < nPages; ++k) {
        const std::vector<StoredFileEntry> &entries = pages[k].entries;
        AppendU32(out, static_cast<uint32_t>(entries.size()));
        for (const StoredFileEntry &e : entries) {
            AppendText(out, e.szFull, STORED_PATH_MAX);
            AppendText(out, e.szRcFull, STORED_PATH_MAX);
            AppendText(out, e.szLabel, STORED_LABEL_MAX);
        }
    }
}

/* DecodePageBlock: the pages of the block, checked against the bytes left. */
bool DecodePageBlock(BlockReader &r, std::vector<StoredPage> &pages, BlockDamage &damage, int nField)
{
    pages.clear();
    size_t nStart = r.nPos;
    uint32_t nPages = 0;
    if (!ReadU32(r, nPages))
        return MarkDamage(damage, nField, "file list pages", "page count cut short", nStart);
    if (nPages > FILELIST_PAGE_SLOTS)
        return MarkDamage(damage, nField, "file list pages", "more than 256 pages", nStart);
    for (uint32_t k = 0; k < nPages; ++k) {
        size_t nAt = r.nPos;
        uint32_t nEntries = 0;
        if (!ReadU32(r, nEntries))
            return MarkDamage(damage, nField, "file list pages", "entry count cut short", nAt);
        if (nEntries > BytesLeft(r) / 3)   // every entry takes at least three terminators
            return MarkDamage(damage, nField, "file list pages", "entry count larger than the file", nAt);
        pages.emplace_back();
        for (uint32_t i = 0; i < nEntries; ++i) {
            StoredFileEntry e;
            bool bCutFull, bCutRc, bCutLabel;
            nAt = r.nPos;
            if (!ReadText(r, e.szFull, STORED_PATH_MAX, bCutFull) ||
                !ReadText(r, e.szRcFull, STORED_PATH_MAX, bCutRc) ||
                !ReadText(r, e.szLabel, STORED_LABEL_MAX, bCutLabel))
                return MarkDamage(damage, nField, "file list pages", "entry text without terminator", nAt);
            if (bCutFull || bCutRc)
                continue;   // a cut path would name another file
            pages.back().entries.push_back(e);
        }
    }
    return true;
}
