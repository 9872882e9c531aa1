// The text analysis against a real rich-edit pane: byte offsets of CP932
// text select the right characters, and the planned colour strokes leave
// exactly the scanned colours in the control.
#include "text/colour_scan.h"
#include "text/paint_plan.h"
#include "text/win/pane_select.h"
#include "pane_colour_at.h"

#include <gtest/gtest.h>

#include <richedit.h>
#include <string>

namespace {

class PaneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lib = LoadLibraryA("RICHED32.DLL");
        ASSERT_NE(lib, nullptr);
        pane = CreateWindowExA(0, "RichEdit", "", WS_OVERLAPPEDWINDOW | ES_MULTILINE, 0, 0, 400, 300, NULL, NULL,
                               GetModuleHandleA(NULL), NULL);
        ASSERT_NE(pane, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(pane);
        FreeLibrary(lib);
    }
    void Load(const std::string &text)
    {
        SendMessageA(pane, WM_SETTEXT, 0, (LPARAM)text.c_str());
        char buf[4096] = "";
        SendMessageA(pane, WM_GETTEXT, sizeof buf, (LPARAM)buf);
        ASSERT_EQ(text, std::string(buf));
    }
    HMODULE lib = NULL;
    HWND pane = NULL;
};

} // namespace

TEST_F(PaneTest, ByteRangesSelectTheirCharacters)
{
    // 表示 (0x95 0x5C 0x8E 0xA6) and ソ (0x83 0x5C) hold 0x5C trail bytes
    const std::string text = "int \x95\x5c\x8e\xa6;\r\n// \x83\x5c\r\nx = \x95\x5c\x8e\xa6 + 1;";
    Load(text);
    PanePositions map(text.c_str(), text.size(), PaneCountsBytes(pane, text));
    size_t second = text.rfind("\x95\x5c\x8e\xa6");
    SelectPaneBytes(pane, map, second, second + 4);
    size_t from = 0, to = 0;
    PanePositions back(text.c_str(), text.size(), PaneCountsBytes(pane, text));
    GetPaneByteSelection(pane, back, &from, &to);
    EXPECT_EQ(second, from);
    EXPECT_EQ(second + 4, to);
    // The pane's own idea of the selection's line agrees.
    CHARRANGE cr;
    SendMessageA(pane, EM_EXGETSEL, 0, (LPARAM)&cr);
    EXPECT_EQ(2, (int)SendMessageA(pane, EM_EXLINEFROMCHAR, 0, cr.cpMin));
}

TEST_F(PaneTest, PlannedStrokesGiveTheScannedColours)
{
    const std::string text = "int f(int a, char *s)\r\n{\r\n  if (g(a, \"\x95\x5c{\")) { /* \x83\x5c */ return (a); }\r\n"
                             "  // \x8c\x9f\x8d\xf5\r\n  return h(\"a\", (b));\r\n}\r\n";
    Load(text);
    ColourScan scan;
    ScanColours(text.c_str(), text.size(), 0, scan);
    std::vector<ColourRun> strokes = PlanStrokes(scan.runs);
    ASSERT_LT(strokes.size(), scan.runs.size());
    PanePositions map(text.c_str(), text.size(), PaneCountsBytes(pane, text));
    CHARFORMATA base;
    GetPaneBaseFormat(pane, &base);
    for (const ColourRun &s : strokes)
        PaintPaneRun(pane, map, base, s);
    // Every character: its run's colour, or the pane's own outside the runs.
    PanePositions at(text.c_str(), text.size(), PaneCountsBytes(pane, text));
    size_t k = 0;
    for (size_t i = 0; i < text.size(); i += (unsigned char)text[i] >= 0x81 && (unsigned char)text[i] <= 0x9f ? 2 : 1) {
        while (k < scan.runs.size() && scan.runs[k].nEnd <= i)
            ++k;
        bool inRun = k < scan.runs.size() && scan.runs[k].nStart <= i;
        COLORREF want = inRun ? (COLORREF)scan.runs[k].rgb : base.crTextColor;
        if (text[i] == '\r' || text[i] == '\n')
            continue; // line ends carry no colour of their own in every version
        EXPECT_EQ(want, PaneColourAt(pane, at.ToPane(i))) << "byte " << i;
    }
}
