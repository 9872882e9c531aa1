// Dialog script reading: statement forms, header statements and broken scripts.
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>
#include "designer/parser.h"

namespace {
std::vector<ParsedDialog> ParseOk(const std::string &s)
{
    std::vector<ParsedDialog> d;
    std::string err;
    EXPECT_TRUE(ParseDialogs(s, d, err)) << err;
    return d;
}
std::string ParseError(const std::string &s)
{
    std::vector<ParsedDialog> d;
    std::string err;
    EXPECT_FALSE(ParseDialogs(s, d, err));
    return err;
}
} // namespace

TEST(DesignerParser, HeaderStatements)
{
    auto d = ParseOk("#define M 5\nX DIALOGEX DISCARDABLE | MOVEABLE 1, 2, 3*M, 4\nSTYLE DS_MODALFRAME | WS_POPUP | 0x8\n"
                     "EXSTYLE WS_EX_TOPMOST\nCAPTION \"A \"\"B\"\" END\"\nFONT 9, \"Face\", 400, 0, 1\nMENU IDR_MENU\n"
                     "CLASS \"MyClass\"\nLANGUAGE 0x11, 1\nBEGIN\nEND\n");
    ASSERT_EQ(d.size(), 1u);
    const Dlgdata &g = d[0].dlg;
    EXPECT_STREQ(g.szName, "X");
    EXPECT_STREQ(g.szType, "DIALOGEX");
    EXPECT_STREQ(g.szMemOpt, "DISCARDABLE | MOVEABLE");
    EXPECT_EQ(g.cx, 15);
    EXPECT_EQ(g.style, 0x80000080u | 0x40u | 0x8u);
    EXPECT_EQ(g.exStyle, 8u);
    EXPECT_STREQ(g.szCaption, "A \"B\" END");
    EXPECT_EQ(g.pointSize, 9);
    EXPECT_STREQ(g.szFace, "Face");
    EXPECT_STREQ(g.szMenu, "IDR_MENU");
    EXPECT_STREQ(g.szClass, "MyClass");
    EXPECT_EQ(g.selDlg[4], 1);
    EXPECT_TRUE(d[0].controls.empty());
}

TEST(DesignerParser, ControlAndShortForms)
{
    std::ifstream f(DESIGNER_TEST_DATA "/sample.rc", std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    auto d = ParseOk(ss.str());
    ASSERT_EQ(d.size(), 2u); // the DIALOG in a comment is not one
    const auto &c = d[0].controls;
    ASSERT_EQ(c.size(), 20u);
    EXPECT_STREQ(c[0].szClass, "STATIC_LTEXT");
    EXPECT_EQ(c[0].id, -1);
    EXPECT_EQ(c[0].left, 10); // #define'd coordinate
    EXPECT_STREQ(c[1].szClass, "EDIT");
    EXPECT_STREQ(c[1].szIdent, "IDC_NAME");
    EXPECT_EQ(c[1].id, 1001);
    EXPECT_EQ(c[1].left, 50); // expression
    EXPECT_EQ(c[1].style, 0x800080u);
    EXPECT_STREQ(c[2].szText, "END");
    EXPECT_STREQ(c[2].szClass, "BUTTON"); // "Button" normalised
    EXPECT_EQ(c[2].style, 0x10003u);
    EXPECT_EQ(c[3].id, 1002);
    EXPECT_EQ(c[16].exStyle, 0x200u);
    EXPECT_EQ(c[16].bottom, 28);
    EXPECT_STREQ(c[18].szClass, "BUTTON_DEFPUSHBUTTON");
    EXPECT_EQ(d[0].keywords[13], "PUSHBOX");
    EXPECT_STREQ(d[1].dlg.szType, "DIALOG");
    // Style expressions broken over lines, as the writer breaks them.
    d = ParseOk("A DIALOG 0,0,1,1\nBEGIN\nCONTROL \"x\" ,\r\n  IDX ,\"BUTTON\", WS_CHILD| BS_AUTOCHECKBOX|\r\n     WS_TABSTOP,\r\n"
                "  1 ,2 ,3 ,4\r\nEDITTEXT 5, 1, 1, 1, 1, ES_LEFT\r\n   | ES_NUMBER\r\nLTEXT \"y\", 6, 1, 1, 1, 1, SS_NOTIFY\r\nEND\n");
    ASSERT_EQ(d[0].controls.size(), 3u);
    EXPECT_EQ(d[0].controls[0].style, 0x40010003u);
    EXPECT_EQ(d[0].controls[0].bottom, 4);
    EXPECT_EQ(d[0].controls[1].style, 0x802000u);
    EXPECT_EQ(d[0].controls[2].style, 0x100u);
}

TEST(DesignerParser, WholeWordsIconAndLimits)
{
    auto d = ParseOk("A DIALOG 0,0,1,1\nBEGIN\nICON \"x\", 5, 1, 1\nICON 7, 6, 1, 1, 20, 20\n"
                     "PUSHBUTTON \"p\", 1, 1, 1, 1, 1\nEND\n");
    ASSERT_EQ(d[0].controls.size(), 1u);
    EXPECT_STREQ(d[0].controls[0].szClass, "BUTTON_PUSHBUTTON");
    EXPECT_NE(ParseError("A DIALOG 0,0,1,1\nBEGIN\nLTEXTFOO \"x\", 1, 1,1,1,1\nEND\n").find("line 3"), std::string::npos);

    // Over-long texts and names are cut, never overrun.
    std::string longText(5000, 'x');
    d = ParseOk("A DIALOG 0,0,1,1\nCAPTION \"" + longText + "\"\nBEGIN\nCONTROL \"" + longText + "\", " +
                std::string(100, 'I') + ", \"" + std::string(100, 'C') + "\", 0, 1,1,1,1\nEND\n");
    EXPECT_EQ(strlen(d[0].dlg.szCaption), 255u);
    EXPECT_EQ(strlen(d[0].controls[0].szText), 255u);
    EXPECT_EQ(strlen(d[0].controls[0].szIdent), 31u);
    // A double-byte character at the cut is not split.
    std::string jp;
    for (int i = 0; i < 200; i++) jp += "\x82\xA0";
    d = ParseOk("A DIALOG 0,0,1,1\nCAPTION \"" + jp + "\"\nBEGIN\nEND\n");
    EXPECT_EQ(strlen(d[0].dlg.szCaption), 254u);
}

TEST(DesignerParser, BrokenScriptsStopWithALine)
{
    EXPECT_NE(ParseError("A DIALOG 0,0,1,1\nBEGIN\nPUSHBUTTON \"x\", 1, 1,1,1,1\n").find("line 2: BEGIN without END"),
              std::string::npos);
    EXPECT_NE(ParseError("A DIALOG 0,0,1,1\nCAPTION \"never\nBEGIN\nEND\n").find("line 2"), std::string::npos);
    EXPECT_NE(ParseError("A DIALOG 0,0\nBEGIN\nEND\n").find("position"), std::string::npos);
    EXPECT_NE(ParseError("A DIALOG 0,0,1,1\nBEGIN\nCONTROL \"x\", 1\nEND\n").find("class"), std::string::npos);
    EXPECT_FALSE(ParseError("A DIALOG 0,0,1,1\n").empty());
    std::string many = "A DIALOG 0,0,1,1\nBEGIN\n";
    for (int i = 0; i < 10000; i++) many += "LTEXT \"t\", 1, 1,1,1,1\n";
    EXPECT_NE(ParseError(many + "END\n").find("256"), std::string::npos);
    std::string binary(4096, '\0');
    for (size_t i = 0; i < binary.size(); i++) binary[i] = (char)(i * 37);
    std::vector<ParsedDialog> out;
    std::string err;
    ParseDialogs(binary + "A DIALOG " + binary, out, err); // must simply return
    ParseDialogs(std::string(1 << 20, 'A'), out, err);
    ParseDialogs("A DIALOG 0,0,1,1 BEGIN CONTROL \"x\", 1, \"B\", (((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((1, 1,1,1,1 END", out, err);
}
