#include "settings/button_block.h"

/* EncodeButtonBlock: page count, then each page's buttons. */
void EncodeButtonBlock(const UserButtonPages &pages, std::string &out)
{
    int nPages = 0;
    while (nPages < USER_PAGE_SLOTS && !pages.slots[nPages].empty())
        ++nPages;
    AppendU32(out, static_cast<uint32_t>(nPages));
    for (int k = 0; k < nPages; ++k) {
        AppendU32(out, static_cast<uint32_t>(pages.slots[k].size()));
        for (const UserButton &button : pages.slots[k]) {
            AppendText(out, button.szLabel, USER_LABEL_SIZE - 1);
            AppendU8(out, button.kind);
            AppendU32(out, static_cast<uint32_t>(button.value));
            AppendText(out, KindHasText(button.kind) ? button.text : std::string(), USER_TEXT_MAX);
        }
    }
}

/* ReadButtonPages: the pages of the block into cleared slots. */
static bool ReadButtonPages(BlockReader &r, UserButtonPages &pages, BlockDamage &damage, int nField)
{
    size_t nStart = r.nPos;
    uint32_t nPages = 0;
    if (!ReadU32(r, nPages))
        return MarkDamage(damage, nField, "user buttons", "page count cut short", nStart);
    if (nPages > USER_PAGE_SLOTS)
        return MarkDamage(damage, nField, "user buttons", "more than 32 pages", nStart);
    const size_t nMinButton = 1 + 1 + 4 + 1;
    for (uint32_t k = 0; k < nPages; ++k) {
        size_t nAt = r.nPos;
        uint32_t nButtons = 0;
        if (!ReadU32(r, nButtons))
            return MarkDamage(damage, nField, "user buttons", "button count cut short", nAt);
        if (nButtons > BytesLeft(r) / nMinButton)
            return MarkDamage(damage, nField, "user buttons", "button count larger than the file", nAt);
        pages.nCurrent = static_cast<int>(k);
        for (uint32_t i = 0; i < nButtons; ++i) {
            nAt = r.nPos;
            std::string szLabel, text;
            bool bCut;
            uint8_t kind = 0;
            uint32_t value = 0;
            if (!ReadText(r, szLabel, USER_LABEL_SIZE - 1, bCut))
                return MarkDamage(damage, nField, "user buttons", "label without terminator", nAt);
            if (!ReadU8(r, kind) || !ReadU32(r, value))
                return MarkDamage(damage, nField, "user buttons", "kind or value cut short", nAt);
            if (!ReadText(r, text, USER_TEXT_MAX, bCut))
                return MarkDamage(damage, nField, "user buttons", "text without terminator", nAt);
            AddUserButton(pages, szLabel.c_str(), kind, static_cast<int32_t>(value), text);
        }
    }
    return true;
}

/* DecodeButtonBlock: the buttons of the block, checked against the bytes left. */
bool DecodeButtonBlock(BlockReader &r, UserButtonPages &pages, BlockDamage &damage, int nField)
{
    for (std::vector<UserButton> &slot : pages.slots)
        slot.clear();
    bool bWhole = ReadButtonPages(r, pages, damage, nField);
    pages.nCurrent = 0;
    return bWhole;
}

/* EncodeButtonFile: the whole "ubuttons.cfg". */
std::string EncodeButtonFile(const UserButtonPages &pages)
{
    std::string out;
    EncodeButtonBlock(pages, out);
    return out;
}

/* DecodeButtonFile: reads the whole "ubuttons.cfg". */
bool DecodeButtonFile(const void *pBytes, size_t nSize, UserButtonPages &pages, BlockDamage &damage)
{
    BlockReader r = MakeBlockReader(pBytes, nSize);
    return DecodeButtonBlock(r, pages, damage, 1);
}
