// Layout operations, dialog listing, header and block rewrites, menu script.
#include <gtest/gtest.h>
#include <cstring>
#include <fstream>
#include <sstream>
#include "designer/enumerate.h"
#include "designer/flags.h"
#include "designer/header.h"
#include "designer/menu_script.h"
#include "designer/parser.h"
#include "designer/surface_ops.h"
#include "designer/units.h"
#include "designer/update.h"

namespace {

std::string ReadData(const char *name)
{
    std::ifstream f(std::string(DESIGNER_TEST_DATA "/") + name, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

Ctrldata Rec(const char *cls, const char *ident, int l, int t, int r, int b)
{
    Ctrldata c;
    memset(&c, 0, sizeof c);
    strcpy(c.szClass, cls);
    strcpy(c.szIdent, ident);
    c.left = l; c.top = t; c.right = r; c.bottom = b;
    return c;
}

bool Live(const Ctrldata &c) { return c.szClass[0] != 0; }

} // namespace

TEST(DesignerLayout, GridUnitsQuantiseAndAlign)
{
    int gx = 0, gy = 0;
    // 52 letters 364 px wide and 16 px high at 12 pt, 96 dpi: mean width 7.
    ASSERT_TRUE(GridFromTextExtent(12, 96, 364, 16, gx, gy));
    EXPECT_EQ(gy, 16);
    EXPECT_EQ(gx, MulDivRound(12, 96 * 7, 72 * 16));
    EXPECT_FALSE(GridFromTextExtent(12, 96, 364, 0, gx, gy));
    EXPECT_EQ(PixelsToDluX(DluToPixelsX(100, 8), 8), 100);
    EXPECT_EQ(PixelsToDluY(16, 16), 8);
    EXPECT_EQ(MulDivRound(5, 1, 0), 0);

    EXPECT_EQ(QuantiseExtent(5, 2 * 4), 8);  // width 5, gridpixelX 4
    EXPECT_EQ(QuantiseExtent(17, 8), 16);
    EXPECT_EQ(QuantiseExtent(0, 8), 8);

    std::vector<int> edges = {40, 14, 10};
    AlignEdges(edges, 2 * 4 - 2);
    EXPECT_EQ(edges, (std::vector<int>{40, 10, 10}));
    std::vector<int> run = {10, 14, 15, 19, 30};  // runs collapse onto the first edge
    AlignEdges(run, 6);
    EXPECT_EQ(run, (std::vector<int>{10, 10, 10, 19, 30}));
    std::vector<int> ties = {5, 5, 5};
    AlignEdges(ties, 0);
    EXPECT_EQ(ties, (std::vector<int>{5, 5, 5}));
}

TEST(DesignerLayout, CompactingOrdersByTopEdgeAndDropsFreeRecords)
{
    Ctrldata recs[5] = {Rec("BUTTON", "a", 0, 50, 10, 60), Rec("", "", 0, 0, 0, 0), Rec("EDIT", "b", 0, 10, 10, 20),
                        Rec("STATIC", "c", 0, 50, 10, 60), Rec("EDIT", "d", 0, 5, 10, 8)};
    int n = CompactControls(recs, 5, Live);
    ASSERT_EQ(n, 4);
    EXPECT_STREQ(recs[0].szIdent, "d");
    EXPECT_STREQ(recs[1].szIdent, "b");
    EXPECT_STREQ(recs[2].szIdent, "a"); // tie at 50 keeps the lower index first
    EXPECT_STREQ(recs[3].szIdent, "c");
    EXPECT_EQ(recs[4].szClass[0], 0);
}

TEST(DesignerLayout, DropOutsideTheDialogGoesBackAndInsideStaysInside)
{
    // 300 x 200 client area; an 80 x 24 control carried from (10, 10).
    DropPlace outside = PlaceDroppedControl(411, -155, 80, 24, 420, -150, 10, 10, 300, 200);
    EXPECT_TRUE(outside.back);
    EXPECT_EQ(outside.x, 10);
    EXPECT_EQ(outside.y, 10);
    EXPECT_TRUE(PlaceDroppedControl(-56, 83, 80, 24, -50, 90, 10, 10, 300, 200).back);
    DropPlace edge = PlaceDroppedControl(250, -5, 80, 24, 290, 2, 10, 10, 300, 200);
    EXPECT_FALSE(edge.back);
    EXPECT_EQ(edge.x, 220);
    EXPECT_EQ(edge.y, 0);
    DropPlace big = PlaceDroppedControl(5, 5, 400, 24, 20, 10, 10, 10, 300, 200); // wider than the dialog
    EXPECT_EQ(big.x, 0);
    EXPECT_EQ(big.y, 5);
}

TEST(DesignerLayout, CommonIdentifierPrefix)
{
    EXPECT_EQ(CommonIdentPrefix({}), "IDC_");
    EXPECT_EQ(CommonIdentPrefix({Rec("EDIT", "IDC_NAME_EDIT", 0, 0, 0, 0)}), "IDC_NAME_");
    EXPECT_EQ(CommonIdentPrefix({Rec("EDIT", "1001", 0, 0, 0, 0)}), "IDC_NEW_");
    EXPECT_EQ(CommonIdentPrefix({Rec("EDIT", "IDC_A1", 0, 0, 0, 0), Rec("EDIT", "IDC_AB", 0, 0, 0, 0)}), "IDC_A");
    EXPECT_EQ(CommonIdentPrefix({Rec("EDIT", "X1", 0, 0, 0, 0), Rec("EDIT", "Y1", 0, 0, 0, 0)}), "IDC_NEW_");
}

TEST(DesignerEnumerate, ListsPlainNamedDialogsOutsideComments)
{
    std::string s = "// A DIALOG 0,0,1,1\r\n/* B DIALOG */\r\n\"Q\" DIALOG 0,0,1,1 BEGIN END\r\n"
                    "ONE DIALOG 0, 0, 10, 10\r\nCAPTION \"BEGIN END\"\r\nBEGIN\r\n  LTEXT \"END\", -1, 0,0,1,1\r\n"
                    "  // END\r\nEND\r\nTWO DIALOGEX 0,0,5,5\r\n{\r\n}\r\nNOTADIALOGEX x\r\n";
    std::vector<DialogExtent> list;
    bool bad = true;
    ASSERT_EQ(EnumerateDialogs(s, list, &bad), 2);
    EXPECT_FALSE(bad);
    EXPECT_EQ(list[0].name, "ONE");
    EXPECT_EQ(list[0].header.compare(0, 10, "ONE DIALOG"), 0);
    EXPECT_EQ(list[0].body.substr(0, 5), "BEGIN");
    EXPECT_EQ(list[0].body.substr(list[0].body.size() - 3), "END");
    EXPECT_NE(list[0].body.find("// END"), std::string::npos);
    EXPECT_EQ(list[1].name, "TWO");
    EXPECT_EQ(list[1].body, "{\r\n}");

    list.clear();
    EXPECT_EQ(EnumerateDialogs("DIALOG 0,0,1,1 BEGIN END", list, &bad), 0);
    EXPECT_TRUE(bad);
    list.clear();
    EXPECT_EQ(EnumerateDialogs("X DIALOG 0,0,1,1\r\nBEGIN\r\n  LTEXT \"a\", -1, 0,0,1,1\r\n", list, &bad), 0);
    EXPECT_FALSE(bad);

    std::string real = ReadData("sample_5c.rc");
    list.clear();
    ASSERT_EQ(EnumerateDialogs(real, list, &bad), 1);
    EXPECT_EQ(list[0].name, "VIEWOPT");
    std::vector<ParsedDialog> parsed;
    std::string err;
    ASSERT_TRUE(ParseDialogs(DefineLines(real) + list[0].header + list[0].body, parsed, err)) << err;
    ASSERT_EQ(parsed[0].controls.size(), 5u);
    EXPECT_EQ(parsed[0].controls[1].id, 2001);
    EXPECT_STREQ(parsed[0].controls[2].szText, "\x8b\x40\x94\x5c \"END\" \x95\x5c"); // 機能 "END" 表
}

TEST(DesignerHeader, RewritesFirstLineAndStatementsKeepingTheRest)
{
    std::string real = ReadData("sample_5c.rc");
    std::vector<DialogExtent> list;
    ASSERT_EQ(EnumerateDialogs(real, list, nullptr), 1);
    std::vector<ParsedDialog> parsed;
    std::string err;
    ASSERT_TRUE(ParseDialogs(list[0].header + list[0].body, parsed, err)) << err;
    Dlgdata org = parsed[0].dlg, dlg = org;
    strcpy(dlg.szName, "VIEWOPT2");
    dlg.x = 1; dlg.y = 2; dlg.cx = 300; dlg.cy = 150;
    strcpy(dlg.szCaption, "\x95\x5c\x8e\xa6 \"x\""); // 表示 "x"
    dlg.exStyle = 0x80;
    dlg.selWndEx[FindFlagIndex("WNDCLASS", "WS_EX_TOOLWINDOW")] = 1;
    std::string out = WriteDialogHeader(list[0].header, dlg, org);
    EXPECT_EQ(out.find("VIEWOPT2 DIALOGEX DISCARDABLE  1, 2, 300, 150\r\n"), 0u) << out;
    EXPECT_NE(out.find("CAPTION \"\x95\x5c\x8e\xa6 \"\"x\"\"\""), std::string::npos) << out;
    EXPECT_NE(out.find("MENU VIEWMENU"), std::string::npos);
    EXPECT_NE(out.find("EXSTYLE WS_EX_TOOLWINDOW\r\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("CAPTION \"\x95\x5c\x8e\xa6\x82\xcc"), std::string::npos); // the old caption is gone
    EXPECT_EQ(out.find("STYLE"), out.find("STYLE WS_POPUP | DS_MODALFRAME")); // one STYLE line, in place
    std::string kw;
    TextSpan t = FindHeaderStatement(out, 0, &kw);
    ASSERT_TRUE(t.found);
    EXPECT_EQ(kw, "STYLE");
    // The rewritten header still reads back to the new record.
    parsed.clear();
    ASSERT_TRUE(ParseDialogs(out + list[0].body, parsed, err)) << err << out;
    EXPECT_STREQ(parsed[0].dlg.szName, "VIEWOPT2");
    EXPECT_STREQ(parsed[0].dlg.szCaption, dlg.szCaption);
    EXPECT_EQ(parsed[0].dlg.cx, 300);
    EXPECT_EQ(parsed[0].dlg.exStyle, 0x80u);
    EXPECT_STREQ(parsed[0].dlg.szMenu, "VIEWMENU");
    // Writing the same record back again changes nothing more.
    EXPECT_EQ(WriteDialogHeader(out, dlg, dlg), out);
}

TEST(DesignerUpdate, ChangesOnlyTheStatementsOfChangedAddedAndDeletedControls)
{
    std::string real = ReadData("sample_5c.rc");
    std::vector<DialogExtent> list;
    ASSERT_EQ(EnumerateDialogs(real, list, nullptr), 1);
    std::vector<ParsedDialog> parsed;
    std::string err;
    ASSERT_TRUE(ParseDialogs(DefineLines(real) + list[0].header + list[0].body, parsed, err)) << err;
    std::vector<Ctrldata> saved = parsed[0].controls, now = saved;
    now[3].left = 70;                                               // moved: 2003
    std::string mark = std::string(kDeletedMark) + now[1].szIdent; // deleted: IDC_MEMO
    strcpy(now[1].szIdent, mark.c_str());
    Ctrldata added = Rec("BUTTON", kUnnamedMark, 7, 70, 50, 14);
    StringToflon("BS_PUSHBUTTON", "BUTTON", &added);
    strcpy(added.szText, "\x8e\x9f\x82\xd6 \"q\""); // 次へ "q"
    now.push_back(added);
    UpdateResult r = UpdateDialogScript(list[0].body, now, saved, "IDC_", 300);
    EXPECT_EQ(r.nextId, 301);
    EXPECT_EQ(r.definitions, "#define IDC_NEW_BUTTON1   300\r\n");
    EXPECT_STREQ(now.back().szIdent, "IDC_NEW_BUTTON1");
    const std::string &b = r.body;
    EXPECT_NE(b.find("    LTEXT \"\x83\x5c\x83\x74\x83\x67\x96\xbc:\", -1, 7, 8, 40, 10"), std::string::npos) << b;
    EXPECT_NE(b.find("//EDITTEXT IDC_MEMO ,50 ,6 ,120 ,14 ,"), std::string::npos) << b;
    EXPECT_NE(b.find(",\r\n      2003 ,70 ,50 ,50 ,14"), std::string::npos) << b;
    EXPECT_EQ(b.find("2003, 7, 50"), std::string::npos);
    EXPECT_NE(b.find("\"\x8e\x9f\x82\xd6 \"\"q\"\"\""), std::string::npos) << b;
    EXPECT_LT(b.find("#define IDC_NEW_BUTTON1"), b.find("IDC_NEW_BUTTON1 ,"));
    EXPECT_EQ(b.substr(b.size() - 3), "END");
    // The new block reads back with the changes and without the deleted control.
    parsed.clear();
    ASSERT_TRUE(ParseDialogs(DefineLines(real) + list[0].header + b, parsed, err)) << err << b;
    ASSERT_EQ(parsed[0].controls.size(), 5u);
    EXPECT_EQ(parsed[0].controls[2].left, 70);
    EXPECT_EQ(parsed[0].controls[4].id, 300);
    EXPECT_STREQ(parsed[0].controls[4].szText, added.szText);

    // A second write-back over the new block: the deleted control is not commented
    // out again; brought back, its statement returns before END.
    std::vector<Ctrldata> again = now;
    EXPECT_EQ(UpdateDialogScript(b, again, now, "IDC_", 301).body, b);
    std::vector<Ctrldata> back = now;
    strcpy(back[1].szIdent, "IDC_MEMO");
    back[1].style |= 0x10000000; // shown again: WS_VISIBLE, a default of every statement
    std::string restored = UpdateDialogScript(b, back, now, "IDC_", 301).body;
    EXPECT_EQ(restored.find("////"), std::string::npos) << restored;
    EXPECT_EQ(restored.find("0x10000000"), std::string::npos) << restored;
    parsed.clear();
    ASSERT_TRUE(ParseDialogs(DefineLines(real) + list[0].header + restored, parsed, err)) << err << restored;
    ASSERT_EQ(parsed[0].controls.size(), 6u);
    EXPECT_STREQ(parsed[0].controls[5].szIdent, "IDC_MEMO");

    // Nothing changed: the block stays as it was.
    std::vector<Ctrldata> same = saved;
    EXPECT_EQ(UpdateDialogScript(list[0].body, same, saved, "IDC_", 300).body, list[0].body);
}

TEST(DesignerMenuScript, InitialContentsAndPopupWithSeparator)
{
    std::string s = BuildMenuScript({{"\x8d\x80\x96\xda\x31", "\x82\xc8\x82\xb5", "\x82\xc8\x82\xb5"},
                                     {"\x8d\x80\x96\xda\x32"}, {}, {"ignored"}},
                                    "USERSMENU");
    EXPECT_EQ(s, "\r\nUSERSMENU MENU DISCARDABLE\r\nBEGIN\r\n"
                 "    POPUP \"\x8d\x80\x96\xda\x31\"\r\n    {\r\n"
                 "        MENUITEM \"\x82\xc8\x82\xb5\",IDM_USERS(2)\r\n"
                 "        MENUITEM \"\x82\xc8\x82\xb5\",IDM_USERS(2)\r\n        \r\n    }\r\n\r\n"
                 "MENUITEM \"\x8d\x80\x96\xda\x32\",IDM_USERS(1)\r\n\r\nEND\r\n\r\n");
    std::string p = BuildMenuScript({{"File", "Open", "SEPARATOR", "Exit"}}, "USERSMENU");
    EXPECT_NE(p.find("        MENUITEM \"Open\",IDM_USERS(2)\r\n        MENUITEM  SEPARATOR\r\n"
                     "        MENUITEM \"Exit\",IDM_USERS(2)\r\n"), std::string::npos) << p;
    EXPECT_EQ(BuildMenuScript({}, "M"), "\r\nM MENU DISCARDABLE\r\nBEGIN\r\n\r\nEND\r\n\r\n");
}
