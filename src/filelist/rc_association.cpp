#include "filelist/rc_association.h"

#include "filelist/page_block.h"

/* AddRcAssociation: appends a new key. */
int AddRcAssociation(RcAssociation &list, const std::string &szSource, const std::string &szRc)
{
    if (szSource.empty() || szRc.empty() || szSource.size() > STORED_PATH_MAX ||
        szRc.size() > STORED_PATH_MAX ||
        szSource.find('\0') != std::string::npos || szRc.find('\0') != std::string::npos)
        return 0;
    if (FindRcAssociation(list, szSource))
        return 0;
    list.pairs.push_back({szSource, szRc});
    return 1;
}

/* FindRcAssociation: exact byte comparison of the key. */
const char *FindRcAssociation(const RcAssociation &list, const std::string &szSource)
{
    for (const RcPair &pair : list.pairs)
        if (pair.szSource == szSource)
            return pair.szRc.c_str();
    return nullptr;
}

/* EncodeRcAssociation: count, then the pairs. */
void EncodeRcAssociation(const RcAssociation &list, std::string &out)
{
    AppendU32(out, static_cast<uint32_t>(list.pairs.size()));
    for (const RcPair &pair : list.pairs) {
        AppendText(out, pair.szSource, STORED_PATH_MAX);
        AppendText(out, pair.szRc, STORED_PATH_MAX);
    }
}

/* DecodeRcAssociation: the pairs of the block, checked against the bytes left. */
bool DecodeRcAssociation(BlockReader &r, RcAssociation &list, BlockDamage &damage, int nField)
{
    list.pairs.clear();
    size_t nStart = r.nPos;
    uint32_t nPairs = 0;
    if (!ReadU32(r, nPairs))
        return MarkDamage(damage, nField, "resource associations", "count cut short", nStart);
    if (nPairs > BytesLeft(r) / 2)
        return MarkDamage(damage, nField, "resource associations", "count larger than the file", nStart);
    for (uint32_t i = 0; i < nPairs; ++i) {
        size_t nAt = r.nPos;
        std::string szSource, szRc;
        bool bCutSource, bCutRc;
        if (!ReadText(r, szSource, STORED_PATH_MAX, bCutSource) ||
            !ReadText(r, szRc, STORED_PATH_MAX, bCutRc))
            return MarkDamage(damage, nField, "resource associations", "path without terminator", nAt);
        if (!bCutSource && !bCutRc)
            AddRcAssociation(list, szSource, szRc);
    }
    return true;
}
