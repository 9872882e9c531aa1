// Template bytes field by field, and the writer's output forms.
#include <gtest/gtest.h>
#include <cstring>
#include "designer/flags.h"
#include "designer/locator.h"
#include "designer/parser.h"
#include "designer/template.h"
#include "designer/wide_iconv.h"
#include "designer/writer.h"

namespace {
uint16_t W(const std::vector<uint8_t> &b, size_t o) { return (uint16_t)(b[o] | (b[o + 1] << 8)); }
uint32_t D(const std::vector<uint8_t> &b, size_t o) { return W(b, o) | ((uint32_t)W(b, o + 2) << 16); }
} // namespace

TEST(DesignerTemplate, SmallDialogFieldByField)
{
    std::vector<ParsedDialog> d;
    std::string err;
    ASSERT_TRUE(ParseDialogs("A DIALOG 5,6,100,50\nSTYLE WS_CHILD | DS_CONTROL\nCAPTION \"\x82\xA0\"\nFONT 9, \"F\"\n"
                             "BEGIN\nPUSHBUTTON \"Ok\", 1, 2, 3, 40, 14\n"
                             "CONTROL \"\", 7, \"SysListView32\", LVS_REPORT, 1, 2, 3, 4, WS_EX_CLIENTEDGE\nEND\n",
                             d, err)) << err;
    std::vector<uint8_t> b;
    ASSERT_TRUE(BuildPreviewTemplate(d[0].dlg, d[0].controls, Cp932ToUtf16Iconv, b));
    EXPECT_EQ(W(b, 0), 1);
    EXPECT_EQ(W(b, 2), 0xFFFF);
    EXPECT_EQ(D(b, 12), 0x400u | 0x40u); // WS_CHILD removed, DS_SETFONT present
    EXPECT_EQ(W(b, 16), 2);
    EXPECT_EQ(W(b, 18), 0); // preview at 0,0
    EXPECT_EQ(W(b, 22), 100);
    EXPECT_EQ(W(b, 30), 0x3042); // あ
    EXPECT_EQ(W(b, 32), 0);
    EXPECT_EQ(W(b, 34), 9);
    EXPECT_EQ(W(b, 36), 500);
    EXPECT_EQ(b[39], 0x80);
    EXPECT_EQ(W(b, 40), 'F');
    size_t item = 44; // header 44 bytes, already aligned
    EXPECT_EQ(D(b, item + 8), 0x50000000u);
    EXPECT_EQ(W(b, item + 12), 2);
    EXPECT_EQ(D(b, item + 20), 1u);
    EXPECT_EQ(W(b, item + 24), 0xFFFF);
    EXPECT_EQ(W(b, item + 26), 0x80);
    EXPECT_EQ(W(b, item + 28), 'O');
    size_t item2 = item + 28 + 6 + 2; // "Ok\0" + extra size
    item2 = (item2 + 3) & ~3u;
    EXPECT_EQ(D(b, item2 + 4), 0x200u);
    EXPECT_EQ(W(b, item2 + 24), 'S'); // class by name
    EXPECT_EQ(b.size() % 4, 0u);

    // A buffer too small is reported, never overrun.
    uint8_t small[30];
    TemplateBuffer tb{small, sizeof small, 0, false};
    EXPECT_FALSE(WriteTemplateHeader(tb, d[0].dlg, 0, 0, true, Cp932ToUtf16Iconv));
    EXPECT_LE(tb.size, sizeof small);
    EXPECT_EQ(ClassAtom("BUTTON_PUSHBUTTON"), 0x80);
    EXPECT_EQ(ClassAtom("EDITTEXT"), 0);
    EXPECT_EQ(ClassAtom("COMBOBOX"), 0x85);
}

TEST(DesignerWriter, NewDialogNamesAndForms)
{
    for (ClassInfo &c : g_classInfo) c.counter = 0;
    Dlgdata dlg;
    memset(&dlg, 0, sizeof dlg);
    strcpy(dlg.szName, "USERSDIALOG");
    strcpy(dlg.szFace, "F");
    dlg.pointSize = 12;
    std::vector<Ctrldata> c(3);
    memset(c.data(), 0, sizeof(Ctrldata) * 3);
    strcpy(c[0].szClass, "BUTTON");
    strcpy(c[0].szIdent, "\x96\xA2");
    strcpy(c[1].szClass, "BUTTON");
    strcpy(c[2].szClass, "EDIT");
    strcpy(c[0].szText, "say \"hi\"");
    std::string defs;
    std::string s = WriteNewDialog(dlg, c, "IDC_", 101, "DS_MODALFRAME | WS_VISIBLE | WS_POPUP", defs);
    EXPECT_EQ(defs, "//--USERSDIALOG\r\n#define IDC_BUTTON1   101\r\n#define IDC_BUTTON2   102\r\n"
                    "#define IDC_EDIT1   103\r\n//--\r\n");
    EXPECT_NE(s.find("CONTROL \"say \"\"hi\"\"\" ,\r\n      IDC_BUTTON1 ,\"BUTTON\", 0L,\r\n      0 ,0 ,0 ,0"),
              std::string::npos);
    EXPECT_NE(s.find("EDITTEXT\r\n      IDC_EDIT1 ,0 ,0 ,0 ,0 ,\r\n      0L"), std::string::npos);
    EXPECT_STREQ(c[2].szIdent, "IDC_EDIT1");
    std::vector<Ctrldata> none;
    s = WriteNewDialog(dlg, none, "IDC_", 101, "0L", defs);
    EXPECT_EQ(defs, "");
    EXPECT_NE(s.find("BEGIN\r\nEND\r\n"), std::string::npos);

    // The calling source: each control's case breaks on its own; the closing cases stay last.
    strcpy(c[1].szIdent, "IDCANCEL");
    std::string src = "switch(LOWORD(wp)){\r\n case IDOK:\r\n case IDCANCEL:\r\n DestroyWindow(hDlg);";
    AddControlCases(src, c);
    EXPECT_EQ(src, "switch(LOWORD(wp)){\r\n           case IDC_EDIT1:\r\n                break;"
                   "\r\n           case IDC_BUTTON1:\r\n                break;"
                   "\r\n case IDOK:\r\n case IDCANCEL:\r\n DestroyWindow(hDlg);");

    EXPECT_EQ(QuoteScriptText("a\"\"b\"c"), "\"a\"\"b\"\"c\"");
    EXPECT_EQ(BackupFileName("C:\\cfg\\"), "C:\\cfg\\backup.rc");
    EXPECT_EQ(BackupEntry("D", "Mon Dec  7 10:00:00 2026\n", "H", "B"),
              "\r\n save backup \"D\" Mon Dec  7 10:00:00 2026\n \r\nH\r\nB\r\n\r\n------------end of script \"D\"------------");
}

TEST(DesignerLocator, FindsStatementsByIdentifier)
{
    std::string body = "BEGIN\r\n  LTEXT \"a, b\", IDC_X, 1, 2, 3, 4\r\n"
                       "  EDITTEXT IDC_E, 5, 6, 7, 8, ES_LEFT | WS_BORDER\r\n"
                       "  CONTROL \"c\", IDC_C, \"Button\", BS_PUSHBUTTON |\r\n     WS_TABSTOP, 9, 10 + 1, 11, 12\r\nEND";
    Ctrldata r;
    memset(&r, 0, sizeof r);
    strcpy(r.szClass, "STATIC_LTEXT");
    strcpy(r.szIdent, "IDC_X");
    TextSpan t = FindControlStatement(body, r);
    ASSERT_TRUE(t.found);
    EXPECT_EQ(body.substr(t.start, t.length), "LTEXT \"a, b\", IDC_X, 1, 2, 3, 4");
    strcpy(r.szClass, "EDIT");
    strcpy(r.szIdent, "IDC_E");
    t = FindControlStatement(body, r);
    EXPECT_EQ(body.substr(t.start, t.length), "EDITTEXT IDC_E, 5, 6, 7, 8, ES_LEFT | WS_BORDER");
    strcpy(r.szClass, "BUTTON");
    strcpy(r.szIdent, "IDC_C");
    t = FindControlStatement(body, r);
    EXPECT_EQ(body.substr(t.start, t.length),
              "CONTROL \"c\", IDC_C, \"Button\", BS_PUSHBUTTON |\r\n     WS_TABSTOP, 9, 10 + 1, 11, 12");
    strcpy(r.szIdent, "IDC_NONE");
    EXPECT_FALSE(FindControlStatement(body, r).found);
    EXPECT_FALSE(MatchStatement("CONTROL \"never closes", {"CONTROL", "*", "X"}).found);
}
