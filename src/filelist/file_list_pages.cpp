#include "filelist/file_list_pages.h"

#include <cstring>

#include "common/cp932.h"

/* FileListPages: an empty list on page 1. */
FileListPages::FileListPages() = default;

/* ~FileListPages: frees every entry of every slot. */
FileListPages::~FileListPages()
{
    FreeAll();
}

/* FreeAll: frees the entries of all slots and empties the list. */
void FileListPages::FreeAll()
{
    StoreLive();
    for (PageTop &slot : pagetops) {
        for (FileEntry *e = slot.top; e;) {
            FileEntry *next = e->next;
            delete e;
            e = next;
        }
        slot = PageTop();
    }
    top = last = nullptr;
    ncount = 0;
    pCurchk = nullptr;
    idcurchk = -1;
}

/* StoreLive: the live page goes back into its slot. */
void FileListPages::StoreLive()
{
    pagetops[ipage].top = top;
    pagetops[ipage].last = last;
    pagetops[ipage].ncount = ncount;
}

/* LoadLive: the live page is taken from its slot. */
void FileListPages::LoadLive()
{
    top = pagetops[ipage].top;
    last = pagetops[ipage].last;
    ncount = pagetops[ipage].ncount;
}

/* FindByPath: the entry of the page on show with the path, or null. */
FileEntry *FileListPages::FindByPath(const std::string &szFull) const
{
    for (FileEntry *e = top; e; e = e->next)
        if (e->szFull == szFull)
            return e;
    return nullptr;
}

/* FindById: the entry of the page on show with the id, or null. */
FileEntry *FileListPages::FindById(uint32_t id) const
{
    for (FileEntry *e = top; e; e = e->next)
        if (e->id == id)
            return e;
    return nullptr;
}

/* NeighbourId: the entry after (step 1) or before (step -1) the current one
   on the page on show, round the page; from outside the page the first or
   the last. */
uint32_t FileListPages::NeighbourId(int step) const
{
    if (!top)
        return 0;
    FileEntry *prev = nullptr;
    for (FileEntry *e = top; e; prev = e, e = e->next)
        if (e == pCurchk) {
            if (step > 0)
                return e->next ? e->next->id : top->id;
            return prev ? prev->id : last->id;
        }
    return step > 0 ? top->id : last->id;
}

/* Add: appends an entry to the page on show and makes it current. */
int FileListPages::Add(const std::string &szFull, const std::string &szRcFull,
                       const std::string &szLabel, int mode)
{
    if (szFull.empty() || FindByPath(szFull))
        return 0;
    // The text on show is put aside first: when that fails, nothing moves.
    if (mode == ADD_OPENED && pCurchk && hooks.park && !hooks.park(*pCurchk))
        return -1;
    FileEntry *e = new FileEntry;
    e->szFull = szFull;
    e->szRcFull = szRcFull;
    e->szLabel = szLabel;
    e->id = FILELIST_FIRST_ID + nidcount;
    if (last)
        last->next = e;
    else
        top = e;
    last = e;
    if (mode != ADD_RECORD_ONLY) {
        if (hooks.onShown)
            hooks.onShown(*e);
        if (pCurchk && hooks.onUnchecked)
            hooks.onUnchecked(*pCurchk);
        if (hooks.onChecked)
            hooks.onChecked(*e);
    }
    pCurchk = e;
    idcurchk = e->id;
    ++ncount;
    pagetops[ipage].ncount = ncount;
    ++nidcount;
    return 1;
}

/* Select: parks the current entry and brings up the one with the id. */
int FileListPages::Select(uint32_t id, const std::string &szPathOnShow)
{
    FileEntry *e = FindById(id);
    if (!e || e->szFull == szPathOnShow)
        return 0;
    if (pCurchk) {
        if (hooks.park && !hooks.park(*pCurchk))
            return -1;
        if (hooks.onUnchecked)
            hooks.onUnchecked(*pCurchk);
    }
    if (hooks.bringUp)
        hooks.bringUp(*e);
    pCurchk = e;
    idcurchk = e->id;
    if (hooks.onChecked)
        hooks.onChecked(*e);
    return 1;
}

/* ParkCurrent: parks the current entry and leaves none current. */
int FileListPages::ParkCurrent()
{
    if (!pCurchk)
        return 0;
    if (hooks.park && !hooks.park(*pCurchk))
        return -1;
    if (hooks.onUnchecked)
        hooks.onUnchecked(*pCurchk);
    pCurchk = nullptr;
    idcurchk = -1;
    return 1;
}

/* Remove: unlinks and frees the entry with the id on the page on show. */
int FileListPages::Remove(uint32_t id)
{
    FileEntry *prev = nullptr;
    FileEntry *e = top;
    while (e && e->id != id) {
        prev = e;
        e = e->next;
    }
    if (!e)
        return 0;
    if (hooks.onRemoved)
        hooks.onRemoved(*e);
    if (prev)
        prev->next = e->next;
    else
        top = e->next;
    if (last == e)
        last = prev;
    if (pCurchk == e) {
        pCurchk = nullptr;
        idcurchk = -1;
    }
    delete e;
    --ncount;
    pagetops[ipage].ncount = ncount;
    return 1;
}

/* RemoveAll: removes every entry of the page on show, one by one. */
void FileListPages::RemoveAll()
{
    while (top)
        Remove(top->id);
}

/* NextPage: shows the next page, dropping an empty slot before a filled one. */
void FileListPages::NextPage()
{
    StoreLive();
    if (top) {
        ipage = ipage + 1 < FILELIST_PAGE_SLOTS ? ipage + 1 : 0;
    } else if (ipage + 1 < FILELIST_PAGE_SLOTS && pagetops[ipage + 1].top) {
        for (int k = ipage; k + 1 < FILELIST_PAGE_SLOTS; ++k)
            pagetops[k] = pagetops[k + 1];
        pagetops[FILELIST_PAGE_SLOTS - 1] = PageTop();
    } else {
        ipage = 0;
    }
    if (hooks.onPageCleared)
        hooks.onPageCleared();
    LoadLive();
    for (FileEntry *e = top; e; e = e->next) {
        if (hooks.onShown)
            hooks.onShown(*e);
        if (idcurchk >= 0 && e->id == idcurchk && hooks.onChecked)
            hooks.onChecked(*e);
    }
}

/* ShiftPage: exchanges the page on show with the one nshift away. */
int FileListPages::ShiftPage(int nshift)
{
    long target = static_cast<long>(ipage) + nshift;
    if (target < 0 || target >= FILELIST_PAGE_SLOTS)
        return 0;
    StoreLive();
    PageTop tmp = pagetops[ipage];
    pagetops[ipage] = pagetops[target];
    pagetops[target] = tmp;
    ipage = static_cast<int>(target);
    LoadLive();
    return 1;
}

/* CountPages: slots up to the first two empty ones in a row. */
int FileListPages::CountPages() const
{
    int n = 0;
    for (int k = 0; k < FILELIST_PAGE_SLOTS; ++k) {
        FileEntry *own = k == ipage ? top : pagetops[k].top;
        FileEntry *after = nullptr;
        if (k + 1 < FILELIST_PAGE_SLOTS)
            after = k + 1 == ipage ? top : pagetops[k + 1].top;
        if (!own && !after)
            break;
        ++n;
    }
    return n;
}

/* GetLabel: the label of the entry with the id. */
int FileListPages::GetLabel(uint32_t id, char *szBuffer, size_t nSize) const
{
    if (!szBuffer || nSize == 0)
        return 0;
    szBuffer[0] = '\0';
    FileEntry *e = FindById(id);
    if (!e)
        return 0;
    size_t n = cp932::CutOnCharBoundary(e->szLabel.c_str(), std::strlen(e->szLabel.c_str()), nSize - 1);
    std::memcpy(szBuffer, e->szLabel.c_str(), n);
    szBuffer[n] = '\0';
    return 1;
}

/* UpdateStrings: replaces the given strings of the entry with the path. */
int FileListPages::UpdateStrings(const std::string &szFull, const char *szRcFull, const char *szLabel)
{
    FileEntry *e = FindByPath(szFull);
    if (!e)
        return 0;
    if (szRcFull)
        e->szRcFull = szRcFull;
    if (szLabel)
        e->szLabel = szLabel;
    return 1;
}

/* Snapshot: the leading filled slots as plain data. */
std::vector<StoredPage> FileListPages::Snapshot()
{
    StoreLive();
    std::vector<StoredPage> pages;
    for (int k = 0; k < FILELIST_PAGE_SLOTS && pagetops[k].top; ++k) {
        pages.emplace_back();
        for (FileEntry *e = pagetops[k].top; e; e = e->next)
            pages.back().entries.push_back({e->szFull, e->szRcFull, e->szLabel});
    }
    return pages;
}

/* Write: the page block of the list. */
void FileListPages::Write(std::string &out)
{
    EncodePageBlock(Snapshot(), out);
}

/* Load: lists the pages; page 0 is on show and no entry is current. */
void FileListPages::Load(const std::vector<StoredPage> &pages)
{
    FreeAll();
    for (size_t k = 0; k < pages.size() && k < FILELIST_PAGE_SLOTS; ++k) {
        ipage = static_cast<int>(k);
        LoadLive();
        int mode = k == 0 ? ADD_FIRST_PAGE : ADD_RECORD_ONLY;
        for (const StoredFileEntry &s : pages[k].entries) {
            if (Add(s.szFull, s.szRcFull, s.szLabel, mode) && mode == ADD_FIRST_PAGE && hooks.onUnchecked)
                hooks.onUnchecked(*last);
        }
        StoreLive();
    }
    ipage = 0;
    LoadLive();
    pCurchk = nullptr;
    idcurchk = -1;
}

/* Read: decodes a page block and loads it; returns the bytes consumed. */
size_t FileListPages::Read(const void *pBytes, size_t nSize, BlockDamage &damage, int nField)
{
    BlockReader r = MakeBlockReader(pBytes, nSize);
    std::vector<StoredPage> pages;
    DecodePageBlock(r, pages, damage, nField);
    Load(pages);
    return r.nPos;
}
