// Catalogue lookups and flag conversions in both directions.
#include <gtest/gtest.h>
#include <cstring>
#include "designer/flags.h"

TEST(DesignerCatalogue, RowsAndPrefixLookup)
{
    ASSERT_STREQ(g_classInfo[0].className, "STATIC");
    ASSERT_STREQ(g_classInfo[26].className, "WNDCLASS");
    EXPECT_EQ(FindClassInfo("STATIC_LTEXT"), &g_classInfo[0]);
    EXPECT_EQ(FindClassInfo("EDITTEXT"), &g_classInfo[1]);
    EXPECT_EQ(FindClassInfo("BUTTON_PUSHBUTTON"), &g_classInfo[23]);
    EXPECT_EQ(FindClassInfo("nothing"), nullptr);
    EXPECT_EQ(FindFlagIndex("nothing", "WS_CHILD"), -1);
    EXPECT_EQ(FindFlagIndex("BUTTON", "WS_CHILD"), -2);
    EXPECT_EQ(FindFlagIndex("SysMonthCal32", "MCS_NOTODAY"), 4);
    EXPECT_EQ(FindFlagIndex("SysListView32", "LVS_EX_CHECKBOXES"), 2);
    // Empty lists hold one empty slot.
    EXPECT_STREQ(g_classInfo[15].style[0].name, "");
    EXPECT_STREQ(g_classInfo[0].exStyle[0].name, "");
    EXPECT_EQ(g_classInfo[26].style[27].value, 1u); // WS_ACTIVECAPTION
}

TEST(DesignerCatalogue, ExpressionsToValuesAndChoices)
{
    EXPECT_EQ(StringToDword("WS_CHILD | WS_VISIBLE|BS_AUTOCHECKBOX", "BUTTON"), 0x50000003u);
    EXPECT_EQ(StringToDwordEx("  WS_EX_CLIENTEDGE \r\n", "EDIT"), 0x200u);
    EXPECT_EQ(StringToDword("", "EDIT"), 0u);
    EXPECT_EQ(StringToDword("0x1000 | UNKNOWN_FLAG | ES_MULTILINE||", "EDIT"), 4u);
    EXPECT_EQ(StringToDword("CCS_TOP", "SysListView32"), 1u);
    EXPECT_EQ(StringToDwordEx("WS_EX_LAYERED | WS_EX_NOACTIVATE", "EDIT"), 0u);

    Ctrldata r;
    memset(&r, 0, sizeof r);
    StringToflon("WS_CHILD | WS_VISIBLE|BS_AUTOCHECKBOX", "BUTTON", &r);
    EXPECT_EQ(r.selWnd[2], 1);
    EXPECT_EQ(r.selWnd[4], 1);
    EXPECT_EQ(r.selClass[3], 1);
    StringToflonEx("WS_EX_LAYERED", "BUTTON", &r);
    EXPECT_EQ(r.selWndEx[21], 1);

    Dlgdata d;
    memset(&d, 0, sizeof d);
    DlgdataStringToflon(&d, "DS_MODALFRAME|WS_POPUP|WS_EX_TOPMOST");
    EXPECT_EQ(d.selDlg[4], 1);
    EXPECT_EQ(d.selWnd[1], 1);
    EXPECT_EQ(d.selWndEx[2], 1);
}

TEST(DesignerCatalogue, ChoicesFromALiveStyle)
{
    struct { const char *cls; uint32_t style; const char *text; } cases[] = {
        {"BUTTON", 0x50030009, "WS_CHILD| WS_VISIBLE| BS_AUTORADIOBUTTON| WS_GROUP| WS_TABSTOP\r\n     "},
        {"BUTTON", 0x50012000, "BS_PUSHBUTTON| WS_CHILD| WS_VISIBLE| WS_TABSTOP| BS_MULTILINE\r\n     "},
        {"COMBOBOX", 0x50210001, "CBS_SIMPLE| WS_CHILD| WS_VISIBLE| WS_VSCROLL| WS_TABSTOP\r\n     "},
    };
    for (const auto &c : cases) {
        Ctrldata r;
        memset(&r, 0, sizeof r);
        strcpy(r.szClass, c.cls);
        ChoicesFromStyle(c.style, c.cls, &r);
        std::string text = FlagsToStyleText(r);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(StringToDword(text.c_str(), c.cls), c.style) << text;
    }
}

TEST(DesignerCatalogue, ChoicesToTextAndValuesToNames)
{
    Ctrldata r;
    memset(&r, 0, sizeof r);
    strcpy(r.szClass, "BUTTON");
    EXPECT_EQ(FlagsToStyleText(r), "0L");
    r.selClass[3] = 1; // BS_AUTOCHECKBOX
    r.selWnd[2] = 1;   // WS_CHILD
    r.selWnd[17] = 1;  // WS_TABSTOP
    EXPECT_EQ(FlagsToStyleText(r), "WS_CHILD| BS_AUTOCHECKBOX| WS_TABSTOP");
    for (int i = 0; i < 26; i++)
        r.selClass[i] = 1;
    std::string longText = FlagsToStyleText(r);
    EXPECT_NE(longText.find("\r\n     "), std::string::npos);
    EXPECT_NE(longText.substr(longText.size() - 2), "| ");

    Dlgdata d;
    memset(&d, 0, sizeof d);
    EXPECT_EQ(DlgFlagsToStyleText(d, false), "0L");
    d.selDlg[4] = 1;
    d.selWnd[1] = 1;
    d.selWndEx[8] = 1;
    EXPECT_EQ(DlgFlagsToStyleText(d, false), "WS_POPUP | DS_MODALFRAME");
    EXPECT_EQ(DlgFlagsToStyleText(d, true), "WS_EX_CLIENTEDGE");

    EXPECT_EQ(FlagNamesForValue(0x50000000, "WNDCLASS", false), "WS_CHILD | WS_VISIBLE | WS_CHILDWINDOW");
    EXPECT_EQ(FlagNamesForValue(0x10, "SysMonthCal32", false), "MCS_NOTODAY");

    int32_t sel[32] = {0};
    sel[0] = sel[3] = sel[21] = 1; // BS_DEFPUSHBUTTON, BS_AUTOCHECKBOX, BS_PUSHLIKE
    ClearUnsetChoices(0x1001, "BUTTON", sel);
    EXPECT_EQ(sel[0], 1);
    EXPECT_EQ(sel[3], 0);
    EXPECT_EQ(sel[21], 1);
}
