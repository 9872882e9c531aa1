// The pane-text layer and the colouring by reload against a real RICHED32
// pane: long texts load in slices byte for byte and with every line whole,
// and a coloured reload gives back the same bytes in the scanned colours in
// a pane that keeps what the editor relies on.
#include "app/frame/busy_guard.h"
#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "common/cp932.h"
#include "text/colour_scan.h"
#include "text/win/colour_reload.h"
#include "text/indent.h"
#include "text/win/reformat.h"
#include "text/win/pane_select.h"
#include "pane_colour_at.h"

#include <gtest/gtest.h>

#include <richedit.h>
#include <string>

namespace {

const LRESULT kMask = ENM_CHANGE | ENM_SELCHANGE | ENM_KEYEVENTS | ENM_MOUSEEVENTS;
const LRESULT kLimit = 3000000;

// Every byte that needs care, as the pane gives it back: 0x5C, 0x7B and
// 0x7D trail bytes (表, ソ, ボ, マ), \ { } as characters, tabs, CR LF and a
// lone CR and LF, half-width katakana.
std::string AwkwardLines(size_t minSize)
{
    std::string text;
    for (int i = 0; text.size() < minSize; ++i) {
        text += "int f" + std::to_string(i) +
                "(char *s) { g(\"\x95\x5c\x83\x5c{\", '}'); }\t// \x83\x7b\x83\x7d \\ {x}\r\n";
        if (i % 50 == 0)
            text += "lone\rcr and\nlf \xb1\xdf (\r\n";
    }
    return text;
}

size_t LineEnds(const std::string &t)
{
    size_t n = 0;
    for (size_t i = 0; i < t.size(); ++i)
        if (t[i] == '\n' || (t[i] == '\r' && (i + 1 == t.size() || t[i + 1] != '\n')))
            ++n;
    return n;
}

class PaneTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame.hInst = GetModuleHandleA(NULL);
        lib = LoadLibraryA("RICHED32.DLL");
        ASSERT_NE(lib, nullptr);
        parent = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, NULL, NULL, frame.hInst, NULL);
        pane = CreateWindowExA(WS_EX_CLIENTEDGE, "RichEdit", "",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL | ES_AUTOVSCROLL |
                                   ES_MULTILINE | ES_NOHIDESEL,
                               0, 0, 600, 400, parent, (HMENU)5001, frame.hInst, NULL);
        ASSERT_NE(pane, nullptr);
        CHARFORMATA cf = {};
        cf.cbSize = sizeof cf;
        cf.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_BOLD;
        cf.dwEffects = CFE_BOLD;
        cf.yHeight = 220;
        cf.bCharSet = SHIFTJIS_CHARSET;
        lstrcpyA(cf.szFaceName, "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e"); // ＭＳ ゴシック
        SendMessageA(pane, EM_SETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf);
        SendMessageA(pane, EM_EXLIMITTEXT, 0, kLimit);
        SendMessageA(pane, EM_SETEVENTMASK, 0, kMask);
        frame.hEdit = frame.hCurEdit = pane;
    }
    void TearDown() override
    {
        DestroyWindow(parent);
        FreeLibrary(lib);
        frame.hEdit = frame.hCurEdit = NULL;
    }
    HMODULE lib = NULL;
    HWND parent = NULL, pane = NULL;
};

// The pane's look: its default format and that of its first character.
void ExpectLookKept(HWND p)
{
    for (DWORD which : {(DWORD)SCF_DEFAULT, (DWORD)SCF_SELECTION}) {
        CHARRANGE start = {0, 0};
        SendMessageA(p, EM_EXSETSEL, 0, (LPARAM)&start);
        CHARFORMATA cf = {};
        cf.cbSize = sizeof cf;
        SendMessageA(p, EM_GETCHARFORMAT, which, (LPARAM)&cf);
        EXPECT_STREQ(cf.szFaceName, "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e") << which;
        EXPECT_EQ(cf.yHeight, 220) << which;
        EXPECT_TRUE(cf.dwEffects & CFE_BOLD) << which;
    }
}

} // namespace

TEST_F(PaneTextTest, CrLfAcrossEveryChunkBoundaryKeepsTheLinesWhole)
{
    // A CR at every 4096th byte and its LF after it: a stream-in whose chunks
    // are cut by size alone ends each chunk between the two.
    std::string text = std::string(4095, 'x') + "\r";
    for (int m = 1; m < 16; ++m)
        text += "\n\x95\x5c" + std::string(4092, 'y') + "\r"; // 表 and filler, 4096 bytes a line
    text += "\n";
    for (int way = 0; way < 2; ++way) {
        HWND p = pane;
        if (way == 0) {
            p = SetPaneText(pane, text); // sliced: every slice one stream-in
        } else {
            p = SetPaneText(pane, "", 0);
            ReplacePaneSelection(p, text.data(), text.size(), FALSE); // one stream-in
        }
        EXPECT_EQ(GetPaneText(p), text) << way;
        EXPECT_EQ((size_t)SendMessageA(p, EM_GETLINECOUNT, 0, 0), LineEnds(text) + 1) << way;
        pane = p;
    }
}

TEST_F(PaneTextTest, SlicedLoadReadsBackAndKeepsThePane)
{
    std::string text = AwkwardLines(200 * 1024);
    HWND old = pane;
    HWND p = SetPaneText(pane, text);
    ASSERT_NE(p, old); // a long text goes into a fresh control...
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(frame.hEdit, p); // ...which takes the old one's place
    EXPECT_EQ(GetDlgCtrlID(p), 5001);
    EXPECT_EQ(GetPaneText(p), text);
    EXPECT_EQ((size_t)SendMessageA(p, EM_GETLINECOUNT, 0, 0), LineEnds(text) + 1);
    EXPECT_EQ(SendMessageA(p, EM_GETEVENTMASK, 0, 0), kMask);
    EXPECT_EQ(SendMessageA(p, EM_GETLIMITTEXT, 0, 0), kLimit);
    ExpectLookKept(p);
    EXPECT_FALSE(SendMessageA(p, EM_CANUNDO, 0, 0)); // the slices are no steps to undo
    EXPECT_TRUE(GetWindowLongPtrA(p, GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(IsBusy());
}

TEST_F(PaneTextTest, ReloadColoursEveryByteAndKeepsTextFlagsAndPane)
{
    std::string text = AwkwardLines(160 * 1024);
    pane = SetPaneText(pane, text);
    SendMessageA(pane, EM_SETMODIFY, FALSE, 0);
    ColourScan scan;
    ScanColours(text.data(), text.size(), 0, scan);
    CHARFORMATA base;
    GetPaneBaseFormat(pane, &base);
    ASSERT_TRUE(PaneFormatIsUniform(pane));
    EXPECT_TRUE(PaneIsPlain(pane, base)); // as loaded: a pass without runs may leave it
    ShowWindow(pane, SW_HIDE);
    HWND old = pane;
    int slices = 0;
    size_t lastDone = 0;
    HWND p;
    {
        BusyGuard busy;
        p = ColourPaneByReload(
            pane, text, scan.runs, base, [&](size_t done) { lastDone = done; }, &slices);
    }
    ASSERT_NE(p, nullptr);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(frame.hEdit, p);
    EXPECT_GT(slices, 2);
    EXPECT_EQ(lastDone, text.size());
    EXPECT_EQ(GetPaneText(p), text);
    EXPECT_FALSE(SendMessageA(p, EM_GETMODIFY, 0, 0));
    EXPECT_FALSE(SendMessageA(p, EM_CANUNDO, 0, 0));
    EXPECT_EQ(SendMessageA(p, EM_GETEVENTMASK, 0, 0), kMask);
    EXPECT_EQ(SendMessageA(p, EM_GETLIMITTEXT, 0, 0), kLimit);
    ExpectLookKept(p);
    EXPECT_EQ(GetDlgCtrlID(p), 5001);
    EXPECT_TRUE(PaneFormatIsUniform(p)); // nothing but the colours changed
    EXPECT_FALSE(PaneIsPlain(p, base));
    // Sampled characters (and every one of the first lines): the run's colour, or the pane's own.
    PanePositions map(text.c_str(), text.size(), PaneCountsBytes(p, text));
    size_t k = 0, checked = 0;
    for (size_t i = 0; i < text.size(); i = cp932::NextCharOffset(text.data(), text.size(), i)) {
        if ((i > 2000 && i % 97 != 0) || text[i] == '\r' || text[i] == '\n')
            continue; // line ends carry no colour of their own in every version
        while (k < scan.runs.size() && scan.runs[k].nEnd <= i)
            ++k;
        bool inRun = k < scan.runs.size() && scan.runs[k].nStart <= i;
        bool autoColour = false;
        COLORREF got = PaneColourAt(p, map.ToPane(i), &autoColour);
        if (inRun)
            EXPECT_EQ(got, (COLORREF)scan.runs[k].rgb) << "byte " << i;
        else
            EXPECT_EQ(autoColour ? base.crTextColor : got, base.crTextColor) << "byte " << i;
        ++checked;
    }
    EXPECT_GT(checked, 1500u);
}

TEST_F(PaneTextTest, OneLineOfAMebibyteLoadsAndReloadsByteForByte)
{
    // No line end, no zero byte: braces, quotes and 0x5C trail bytes. (No
    // tab: under Wine a tab some 170,000 characters into a line stops the
    // control's layout for minutes.)
    std::string unit = "int f(int a){ g(\"\x95\x5c{\", '}'); return (a); } /* \x83\x5c */ ";
    std::string text;
    while (text.size() + unit.size() <= 1048575)
        text += unit;
    text.append(1048575 - text.size(), 'x');
    ShowWindow(pane, SW_HIDE); // as the editor loads; shown, a line this long takes minutes to paint
    pane = SetPaneText(pane, text);
    ASSERT_EQ(GetPaneText(pane), text);
    EXPECT_EQ(SendMessageA(pane, EM_GETLINECOUNT, 0, 0), 1);
    ColourScan scan;
    ScanColours(text.data(), text.size(), 0, scan);
    CHARFORMATA base;
    GetPaneBaseFormat(pane, &base);
    int slices = 0;
    HWND p;
    {
        BusyGuard busy;
        p = ColourPaneByReload(pane, text, scan.runs, base, PaneSliceProgress(), &slices);
    }
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(slices, 1); // a line goes whole
    EXPECT_EQ(GetPaneText(p), text);
    // The last function's brace, at depth 0, and its string literal.
    PanePositions map(text.c_str(), text.size(), PaneCountsBytes(p, text));
    size_t brace = text.rfind("){ g(") + 1;
    bool autoColour = false;
    EXPECT_EQ(PaneColourAt(p, map.ToPane(brace), &autoColour), (COLORREF)BracePaletteColour(0));
    EXPECT_EQ(PaneColourAt(p, map.ToPane(brace + 5), &autoColour), (COLORREF)kStringColour);
}

// Holds a guard until the second event, after setting the first; answers
// whether it saw a busy time then.
static DWORD WINAPI HoldGuardOffMainThread(LPVOID p)
{
    HANDLE *ev = (HANDLE *)p;
    BusyGuard busy;
    PumpWhileBusy(); // returns at once off the main thread
    SetEvent(ev[0]);
    WaitForSingleObject(ev[1], 10000);
    return IsBusy() ? 1 : 0;
}

// The viewer's thread loads its dump through the same layer: its guard must
// neither make the main window busy nor race the main thread's count.
TEST_F(PaneTextTest, IndentationIsOneUndoStep)
{
    // A continuation line aligned by hand, a 0x5C trail byte and a brace in a literal.
    const std::string text = "int f(int a,\r\n      int b)\r\n{\r\nif (a &&\r\n    b)\r\n"
                             "return g(\"\x95\x5c{\");\r\n}\r\nint x;";
    pane = SetPaneText(pane, text);
    SendMessageA(pane, EM_SETMODIFY, FALSE, 0);
    pane = IndentPane(pane);
    std::string indented;
    ASSERT_TRUE(IndentText(text.c_str(), text.size(), IndentOptions(), indented));
    ASSERT_NE(indented, text);
    EXPECT_EQ(GetPaneText(pane), indented);
    EXPECT_TRUE(SendMessageA(pane, EM_GETMODIFY, 0, 0));
    SendMessageA(pane, EM_UNDO, 0, 0);
    EXPECT_EQ(GetPaneText(pane), text);
}

TEST_F(PaneTextTest, GuardOnAnotherThreadLeavesTheMainWindowAlone)
{
    frame.hMainWnd = parent;
    HANDLE held = CreateEventA(NULL, TRUE, FALSE, NULL), release = CreateEventA(NULL, TRUE, FALSE, NULL);
    HANDLE events[2] = {held, release};
    HANDLE worker = CreateThread(NULL, 0, HoldGuardOffMainThread, events, 0, NULL);
    ASSERT_NE(worker, nullptr);
    ASSERT_EQ(WaitForSingleObject(held, 10000), WAIT_OBJECT_0);
    EXPECT_FALSE(IsBusy());
    EXPECT_EQ(GetPropA(parent, BUSY_PROP), nullptr);
    {
        BusyGuard busy;
        EXPECT_TRUE(IsBusy());
        EXPECT_NE(GetPropA(parent, BUSY_PROP), nullptr);
        SetEvent(release);
        WaitForSingleObject(worker, 10000); // its guard ends inside ours
        EXPECT_TRUE(IsBusy());
    }
    EXPECT_FALSE(IsBusy());
    EXPECT_EQ(GetPropA(parent, BUSY_PROP), nullptr);
    DWORD sawBusy = 0;
    GetExitCodeThread(worker, &sawBusy);
    EXPECT_EQ(sawBusy, 1u); // the main thread's busy time, seen from the other thread
    CloseHandle(worker);
    CloseHandle(held);
    CloseHandle(release);
    frame.hMainWnd = NULL;
}
