// The paged list of opened files. Every entry belongs to one of 256 page
// slots; the page on show has a live copy (top, last, ncount). The list
// does no window work itself: the hooks tell the window layer when a
// button is to be made, checked, unchecked or removed, when a page's
// buttons are cleared, and when an entry's panes are to be parked or
// brought back.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/block_io.h"
#include "doc/document_record.h"
#include "filelist/page_block.h"

enum { FILELIST_FIRST_ID = 8500 };

struct CharRange {
    int32_t cpMin;
    int32_t cpMax;
};

struct FileEntry {
    std::string szFull;        // the key
    std::string szRcFull;
    std::string szLabel;
    uint32_t id = 0;
    uint32_t bMainTmp = 0;
    uint32_t bRcTmp = 0;
    int32_t nMainModified = 0;
    int32_t nRcModified = 0;
    DocumentRecord mainDoc;    // the records of the parked texts
    DocumentRecord rcDoc;
    CharRange crMain = {0, 0};
    CharRange crRc = {0, 0};
    int32_t nMainTopLine = 0;
    int32_t nRcTopLine = 0;
    FileEntry *next = nullptr;
};

struct PageTop {
    FileEntry *top = nullptr;
    FileEntry *last = nullptr;
    int ncount = 0;
};

// Window work asked for by the list; any hook may be left empty.
struct FileListHooks {
    std::function<void(FileEntry &)> onShown;      // make the button (260)
    std::function<void()> onPageCleared;           // remove the page's buttons (261)
    std::function<void(FileEntry &)> onUnchecked;  // 262
    std::function<void(FileEntry &)> onChecked;    // 263
    std::function<void(FileEntry &)> onRemoved;    // destroy the button (264)
    // Writes both panes aside; false when they could not be written, and
    // then the list switches to nothing so that the text stays in the pane.
    std::function<bool(FileEntry &)> park;
    std::function<void(FileEntry &)> bringUp;      // fill the panes from the entry
};

enum AddMode { ADD_OPENED = -1, ADD_RECORD_ONLY = 0, ADD_FIRST_PAGE = 1 };

class FileListPages {
public:
    FileListPages();
    ~FileListPages();
    FileListPages(const FileListPages &) = delete;
    FileListPages &operator=(const FileListPages &) = delete;

    FileListHooks hooks;

    uint32_t nidcount = 0;
    int64_t idcurchk = -1;
    FileEntry *pCurchk = nullptr;
    FileEntry *top = nullptr;
    FileEntry *last = nullptr;
    int ncount = 0;
    PageTop pagetops[FILELIST_PAGE_SLOTS];
    int ipage = 0;

    // 1 when added, 0 when szFull is already on the page on show or empty,
    // -1 when the current entry could not be parked (nothing changed).
    int Add(const std::string &szFull, const std::string &szRcFull, const std::string &szLabel, int mode);
    // 1 when the entry was brought up; 0 when it is the file on show
    // (szPathOnShow) already or no entry on the page on show has the id,
    // -1 when the current entry could not be parked (nothing changed).
    int Select(uint32_t id, const std::string &szPathOnShow);
    // Parks the current entry and leaves no entry current, so that the panes
    // can take a text that belongs to no listed file. 1 parked, 0 when none
    // was current, -1 when it could not be parked (nothing changed).
    int ParkCurrent();
    // 1 when removed, 0 when no entry on the page on show has the id.
    int Remove(uint32_t id);
    void RemoveAll();
    void NextPage();
    int ShiftPage(int nshift);
    int CountPages() const;
    int PageNumber() const { return ipage + 1; }
    FileEntry *FindByPath(const std::string &szFull) const;
    FileEntry *FindById(uint32_t id) const;
    // The id of the entry after (step > 0) or before (step < 0) the current
    // one on the page on show, going round; the first or the last entry when
    // the current one is not on the page; 0 when the page is empty.
    uint32_t NeighbourId(int step) const;
    // Copies the label into szBuffer of nSize bytes (cut on a character
    // boundary). 1, or 0 with szBuffer empty when no such entry.
    int GetLabel(uint32_t id, char *szBuffer, size_t nSize) const;
    // Replaces the given strings of the entry with path szFull; null keeps one.
    int UpdateStrings(const std::string &szFull, const char *szRcFull, const char *szLabel);
    // True when id falls in the range of the list's buttons.
    bool OwnsId(uint32_t id) const { return id >= FILELIST_FIRST_ID && id < FILELIST_FIRST_ID + nidcount; }

    // The stored page block of the whole list.
    void Write(std::string &out);
    // Reads a page block; returns the bytes consumed. Damage is recorded
    // in damage; the pages read whole before it are listed.
    size_t Read(const void *pBytes, size_t nSize, BlockDamage &damage, int nField = 13);
    // The pages as plain data (the live page refreshed first).
    std::vector<StoredPage> Snapshot();
    // Loads pages into an empty list the way Read does.
    void Load(const std::vector<StoredPage> &pages);

private:
    void StoreLive();
    void LoadLive();
    void FreeAll();
};
