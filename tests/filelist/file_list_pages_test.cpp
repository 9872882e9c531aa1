// The paged file list: adding, selecting, removing, page changes and the
// window work it asks for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filelist/file_list_pages.h"

namespace {

// Records the hooks as "event:id" words.
struct Recorder {
    std::vector<std::string> events;
    bool bParkFails = false;
    void Attach(FileListPages &list)
    {
        auto note = [this](const char *what) {
            return [this, what](FileEntry &e) { events.push_back(std::string(what) + ":" + std::to_string(e.id)); };
        };
        list.hooks.onShown = note("shown");
        list.hooks.onUnchecked = note("unchecked");
        list.hooks.onChecked = note("checked");
        list.hooks.onRemoved = note("removed");
        list.hooks.park = [this](FileEntry &e) {
            events.push_back("park:" + std::to_string(e.id));
            return !bParkFails;
        };
        list.hooks.bringUp = note("bringUp");
        list.hooks.onPageCleared = [this] { events.push_back("cleared"); };
    }
    std::string Take()
    {
        std::string all;
        for (const std::string &e : events)
            all += (all.empty() ? "" : " ") + e;
        events.clear();
        return all;
    }
};

} // namespace

TEST(FileListPages, AddParksTheCurrentAndRefusesDuplicates)
{
    FileListPages list;
    Recorder rec;
    rec.Attach(list);
    EXPECT_EQ(list.Add("C:\\a.c", "", "a.c", ADD_OPENED), 1);
    EXPECT_EQ(rec.Take(), "shown:8500 checked:8500");
    EXPECT_EQ(list.Add("C:\\b.c", "C:\\b.rc", "b.c", ADD_OPENED), 1);
    EXPECT_EQ(rec.Take(), "park:8500 shown:8501 unchecked:8500 checked:8501");
    EXPECT_EQ(list.idcurchk, 8501);
    EXPECT_EQ(list.Add("C:\\a.c", "", "a.c", ADD_OPENED), 0);
    EXPECT_EQ(list.Add("", "", "", ADD_OPENED), 0);
    EXPECT_EQ(rec.Take(), "");
    EXPECT_EQ(list.ncount, 2);
    EXPECT_EQ(list.pagetops[0].ncount, 2);
    char label[3];
    EXPECT_EQ(list.GetLabel(8501, label, sizeof label), 1);
    EXPECT_STREQ(label, "b.");
    EXPECT_EQ(list.UpdateStrings("C:\\b.c", "C:\\new.rc", nullptr), 1);
    EXPECT_EQ(list.FindByPath("C:\\b.c")->szRcFull, "C:\\new.rc");
    EXPECT_EQ(list.FindByPath("C:\\b.c")->szLabel, "b.c");
}

TEST(FileListPages, SelectRemoveAndIdsNeverReused)
{
    FileListPages list;
    Recorder rec;
    list.Add("C:\\a.c", "", "a.c", ADD_OPENED);
    list.Add("C:\\b.c", "", "b.c", ADD_OPENED);
    rec.Attach(list);
    // The file on show: nothing happens.
    EXPECT_EQ(list.Select(8501, "C:\\b.c"), 0);
    EXPECT_EQ(list.Select(9999, "C:\\b.c"), 0);
    EXPECT_EQ(rec.Take(), "");
    EXPECT_EQ(list.Select(8500, "C:\\b.c"), 1);
    EXPECT_EQ(rec.Take(), "park:8501 unchecked:8501 bringUp:8500 checked:8500");
    // Removing the current entry leaves none current; the next select parks nothing.
    EXPECT_EQ(list.Remove(8500), 1);
    EXPECT_EQ(list.idcurchk, -1);
    EXPECT_EQ(list.pCurchk, nullptr);
    EXPECT_EQ(list.Select(8501, "C:\\a.c"), 1);
    EXPECT_EQ(rec.Take(), "removed:8500 bringUp:8501 checked:8501");
    EXPECT_EQ(list.Remove(8501), 1);
    EXPECT_EQ(list.top, nullptr);
    EXPECT_EQ(list.last, nullptr);
    list.Add("C:\\c.c", "", "c.c", ADD_OPENED);
    EXPECT_EQ(list.top->id, 8502u);
    EXPECT_TRUE(list.OwnsId(8502));
    EXPECT_FALSE(list.OwnsId(8503));
    // Removing the last entry makes the previous one last.
    list.Add("C:\\d.c", "", "d.c", ADD_OPENED);
    list.Remove(8503);
    EXPECT_EQ(list.last, list.top);
    list.RemoveAll();
    EXPECT_EQ(list.ncount, 0);
    EXPECT_EQ(list.pagetops[0].ncount, 0);
}

TEST(FileListPages, NextPageRules)
{
    FileListPages list;
    list.Add("C:\\a.c", "", "a.c", ADD_OPENED);
    Recorder rec;
    rec.Attach(list);
    // A filled page goes on to the next slot; the current file stays current.
    list.NextPage();
    EXPECT_EQ(list.ipage, 1);
    EXPECT_EQ(list.PageNumber(), 2);
    EXPECT_EQ(rec.Take(), "cleared");
    EXPECT_EQ(list.idcurchk, 8500);
    // An empty page followed by an empty one returns to page 1, and the
    // current entry's button is checked again.
    list.NextPage();
    EXPECT_EQ(list.ipage, 0);
    EXPECT_EQ(rec.Take(), "cleared shown:8500 checked:8500");
    // An empty page before a filled one disappears.
    list.NextPage();
    list.Add("C:\\b.c", "", "b.c", ADD_OPENED);
    list.NextPage();                      // page 3, empty
    list.ShiftPage(-1);                   // empty page 2, filled page 3
    EXPECT_EQ(list.ipage, 1);
    EXPECT_EQ(list.top, nullptr);
    EXPECT_EQ(list.CountPages(), 3);
    list.NextPage();
    EXPECT_EQ(list.ipage, 1);
    ASSERT_NE(list.top, nullptr);
    EXPECT_EQ(list.top->szFull, "C:\\b.c");
    EXPECT_EQ(list.pagetops[2].top, nullptr);
    EXPECT_EQ(list.CountPages(), 2);
    // From a filled last slot back to page 1.
    EXPECT_EQ(list.ShiftPage(254), 1);
    EXPECT_EQ(list.ipage, 255);
    list.NextPage();
    EXPECT_EQ(list.ipage, 0);
    EXPECT_EQ(list.ShiftPage(-1), 0);
    EXPECT_EQ(list.ShiftPage(256), 0);
    EXPECT_EQ(list.ipage, 0);
}

// Ctrl+Tab and Ctrl+Shift+Tab: round the page on show from the current
// entry; from the first or the last when the current one is elsewhere.
TEST(FileListPages, NeighbourGoesRoundThePageOnShow)
{
    FileListPages list;
    EXPECT_EQ(list.NeighbourId(1), 0u);
    list.Add("C:\\a.c", "", "a.c", ADD_OPENED);
    EXPECT_EQ(list.NeighbourId(1), 8500u);  // the only one, on show
    EXPECT_EQ(list.NeighbourId(-1), 8500u);
    list.Add("C:\\b.c", "", "b.c", ADD_OPENED);
    list.Add("C:\\c.c", "", "c.c", ADD_OPENED);
    EXPECT_EQ(list.NeighbourId(1), 8500u);
    EXPECT_EQ(list.NeighbourId(-1), 8501u);
    list.Select(8500, "C:\\c.c");
    EXPECT_EQ(list.NeighbourId(1), 8501u);
    EXPECT_EQ(list.NeighbourId(-1), 8502u);
    list.Remove(8500);  // no entry current
    EXPECT_EQ(list.NeighbourId(1), 8501u);
    EXPECT_EQ(list.NeighbourId(-1), 8502u);
    list.NextPage();                             // page 2, empty
    list.Add("C:\\d.c", "", "d.c", ADD_OPENED);  // current, on page 2
    list.NextPage();                             // page 3, empty
    list.NextPage();                             // back to page 1
    ASSERT_EQ(list.ipage, 0);
    EXPECT_EQ(list.idcurchk, 8503);
    EXPECT_EQ(list.NeighbourId(1), 8501u);
    EXPECT_EQ(list.NeighbourId(-1), 8502u);
}

TEST(FileListPages, WriteAndReadGiveFreshIdsAndNoCurrent)
{
    FileListPages list;
    list.Add("C:\\a.c", "C:\\a.rc", "a.c", ADD_OPENED);
    list.Add("C:\\b.c", "", "b.c", ADD_OPENED);
    list.NextPage();
    list.Add("C:\\c.c", "", "c.c", ADD_OPENED);
    std::string block;
    list.Write(block);

    FileListPages back;
    back.nidcount = 10;
    Recorder rec;
    rec.Attach(back);
    BlockDamage damage;
    EXPECT_EQ(back.Read(block.data(), block.size(), damage), block.size());
    EXPECT_FALSE(damage.bDamaged);
    // Page 1 entries get buttons and end unchecked; page 2 is recorded only.
    EXPECT_EQ(rec.Take(), "shown:8510 checked:8510 unchecked:8510 shown:8511 unchecked:8510 checked:8511 unchecked:8511");
    EXPECT_EQ(back.ipage, 0);
    EXPECT_EQ(back.idcurchk, -1);
    EXPECT_EQ(back.pCurchk, nullptr);
    EXPECT_EQ(back.ncount, 2);
    EXPECT_EQ(back.pagetops[1].top->id, 8512u);
    EXPECT_EQ(back.CountPages(), 2);
    std::string again;
    back.Write(again);
    EXPECT_EQ(again, block);
}

TEST(FileListPages, AFailedParkingSwitchesNothing)
{
    FileListPages list;
    Recorder rec;
    rec.Attach(list);
    list.Add("C:\\a.c", "", "a.c", ADD_OPENED);
    list.Add("C:\\b.c", "", "b.c", ADD_OPENED);
    rec.Take();
    rec.bParkFails = true;
    EXPECT_EQ(list.Add("C:\\c.c", "", "c.c", ADD_OPENED), -1);
    EXPECT_EQ(list.Select(8500, "C:\\b.c"), -1);
    EXPECT_EQ(rec.Take(), "park:8501 park:8501");
    EXPECT_EQ(list.idcurchk, 8501);
    EXPECT_EQ(list.ncount, 2);
    EXPECT_EQ(list.nidcount, 2u);
    EXPECT_EQ(list.FindByPath("C:\\c.c"), nullptr);
}

TEST(FileListPages, ParkCurrentLeavesNoEntryCurrent)
{
    FileListPages list;
    Recorder rec;
    list.Add("C:\\a.c", "", "a.c", ADD_OPENED);
    rec.Attach(list);
    rec.bParkFails = true;
    EXPECT_EQ(list.ParkCurrent(), -1);
    EXPECT_EQ(rec.Take(), "park:8500");
    EXPECT_EQ(list.idcurchk, 8500);
    rec.bParkFails = false;
    EXPECT_EQ(list.ParkCurrent(), 1);
    EXPECT_EQ(rec.Take(), "park:8500 unchecked:8500");
    EXPECT_EQ(list.pCurchk, nullptr);
    EXPECT_EQ(list.idcurchk, -1);
    EXPECT_EQ(list.ParkCurrent(), 0);
    // A file added next parks nothing: the panes hold no listed file.
    list.Add("C:\\b.c", "", "b.c", ADD_OPENED);
    EXPECT_EQ(rec.Take(), "shown:8501 checked:8501");
}
