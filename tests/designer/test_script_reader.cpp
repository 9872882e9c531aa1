// Scripts as resource editors and people write them: statements over several lines, NOT,
// escapes in texts, #define'd coordinates, #ifdef, included headers, macros, and a
// statement that cannot be read ending only its own dialog.
#include <gtest/gtest.h>
#include <cstring>
#include <map>
#include "designer/flags.h"
#include "designer/header.h"
#include "designer/locator.h"
#include "designer/parser.h"
#include "designer/writer.h"

namespace {

ScriptReading Read(const std::string &text, const std::map<std::string, std::string> &files = {},
                   bool textIsCp932 = false)
{
    ScriptOptions o;
    o.folder = "proj/";
    o.textIsCp932 = textIsCp932;
    o.load = [files](const std::string &path, std::string &out) {
        auto it = files.find(path);
        if (it == files.end()) return false;
        out = it->second;
        return true;
    };
    return ReadDialogScript(text, o);
}

void ExpectRect(const Ctrldata &c, int x, int y, int cx, int cy)
{
    EXPECT_EQ(c.left, x);
    EXPECT_EQ(c.top, y);
    EXPECT_EQ(c.right, cx);
    EXPECT_EQ(c.bottom, cy);
}

} // namespace

TEST(ScriptReader, StatementsRunOverLineEndsAndNotRemovesBits)
{
    ScriptReading r = Read("A DIALOG 0, 0,\r\n  100, 50\r\nSTYLE WS_POPUP |\r\n      WS_CAPTION\r\nBEGIN\r\n"
                           "  LTEXT \"a\", 1,\r\n        2, 3, 40, 8\r\n"
                           "  CONTROL \"b\", 2, \"Button\", BS_AUTOCHECKBOX | NOT\r\n     WS_VISIBLE | WS_TABSTOP,\r\n"
                           "     1, 2, 3, 4\r\n"
                           "  EDITTEXT 3, 1, 2, 3, 4, ES_LEFT | NOT WS_BORDER\r\n"
                           "  PUSHBUTTON \"c\", 4, 5, 6,\r\n      7, 8, (WS_GROUP | WS_TABSTOP)\r\n"
                           "  RTEXT \"d\", 5, 1, 2, 3, 4, SS_NOTIFY\r\n      | NOT SS_NOTIFY\r\nEND\r\n");
    ASSERT_EQ(r.dialogs.size(), 1u);
    const ParsedDialog &d = r.dialogs[0];
    EXPECT_EQ(d.stop.kind, kStopNone) << StopText(d);
    EXPECT_EQ(d.dlg.cx, 100);
    EXPECT_EQ(d.dlg.style, 0x80C00000u);
    ASSERT_EQ(d.controls.size(), 5u);
    ExpectRect(d.controls[0], 2, 3, 40, 8);
    EXPECT_EQ(d.controls[1].style, 0x10003u); // WS_VISIBLE taken away, as the resource compiler does
    EXPECT_EQ(FlagsToStyleText(d.controls[1]).find("WS_VISIBLE"), std::string::npos);
    EXPECT_EQ(d.controls[2].style, 0u);       // the border EDITTEXT gives is taken away
    ExpectRect(d.controls[3], 5, 6, 7, 8);
    EXPECT_EQ(d.controls[3].style, 0x30000u);
    EXPECT_EQ(d.controls[4].style, 0x2u);
}

TEST(ScriptReader, QuotedTextsKeepWhatTheCompilerReads)
{
    // 表 ends in the byte 0x5C: never an escape, even before the closing quote.
    ScriptReading r = Read("A DIALOG 0,0,1,1\nBEGIN\n"
                           "  LTEXT \"d:\\\\aa\\\\zz\\\\\",342,1,1,1,1\n"
                           "  LTEXT \"say \"\"hi\"\" \\\"now\\\"\", 2, 1,1,1,1\n"
                           "  LTEXT \"a\\tb\\r\\nc\", 3, 1,1,1,1\n"
                           "  LTEXT \"\x95\x5c\", 4, 1,1,1,1\n"
                           "  LTEXT L\"wide\" \" joined\", 5, 1,1,1,1\nEND\n");
    ASSERT_EQ(r.dialogs.size(), 1u);
    const std::vector<Ctrldata> &c = r.dialogs[0].controls;
    ASSERT_EQ(c.size(), 5u) << StopText(r.dialogs[0]);
    EXPECT_STREQ(c[0].szText, "d:\\\\aa\\zz\\"); // a pair before an escape letter stays as written
    EXPECT_EQ(c[0].id, 342);
    EXPECT_STREQ(c[1].szText, "say \"hi\" \"now\"");
    EXPECT_STREQ(c[2].szText, "a\\tb\\r\\nc");
    EXPECT_STREQ(c[3].szText, "\x95\x5c");
    EXPECT_EQ(c[3].id, 4);
    EXPECT_STREQ(c[4].szText, "wide joined");
    // The writer gives back a text that reads the same and means the same to the compiler.
    EXPECT_EQ(QuoteScriptText(c[0].szText), "\"d:\\\\aa\\\\zz\\\\\"");
    EXPECT_EQ(QuoteScriptText(c[2].szText), "\"a\\tb\\r\\nc\"");
    EXPECT_EQ(QuoteScriptText("c:\\\\temp \\\\\\t x\\"), "\"c:\\\\temp \\\\\\t x\\\\\"");
}

TEST(ScriptReader, PaneTextIsCp932WhateverItsPragmaSaysButIncludesFollowThePragma)
{
    // A UTF-8 script converted for the pane keeps its "#pragma code_page(65001)": 表 and ソ
    // before a closing quote still end in 0x5C there. The included file is UTF-8 on disk:
    // read as CP932, あ (E3 81 82) would swallow its closing quote.
    std::string text = "#pragma code_page(65001)\n#include \"more.rc\"\n"
                       "A DIALOG 0,0,1,1\nCAPTION \"\x95\x5c\"\nBEGIN\n  LTEXT \"\x83\x5c\", 7, 1,1,1,1\nEND\n";
    std::map<std::string, std::string> files = {{"proj/more.rc", "B DIALOG 0,0,1,1\nCAPTION \"\xe3\x81\x82\"\nBEGIN\nEND\n"}};
    ScriptReading r = Read(text, files, true);
    ASSERT_EQ(r.dialogs.size(), 2u);
    EXPECT_STREQ(r.dialogs[0].dlg.szCaption, "\xe3\x81\x82");
    EXPECT_STREQ(r.dialogs[1].dlg.szCaption, "\x95\x5c");
    ASSERT_EQ(r.dialogs[1].controls.size(), 1u) << StopText(r.dialogs[1]);
    EXPECT_STREQ(r.dialogs[1].controls[0].szText, "\x83\x5c");
    EXPECT_EQ(r.dialogs[1].controls[0].id, 7);
    // The same bytes read from disk follow the pragma, as the resource compiler does.
    ScriptReading disk = Read(text, files);
    EXPECT_TRUE(disk.dialogs.size() < 2 || strcmp(disk.dialogs[1].dlg.szCaption, "\x95\x5c") != 0);
}

TEST(ScriptReader, DefinesConditionsAndIncludesGiveNamesTheirValues)
{
    std::map<std::string, std::string> files = {
        {"proj/res.h", "#define IDD_OPTIONS 96\n#define yOpt 20\n#include \"inc/sizes.h\"\n"},
        {"proj/inc/sizes.h", "#include \"width.h\"\n#define H 12\n"},
        {"proj/inc/width.h", "#ifdef UNDER_CE\n#define W 1\n#else\n#define W 50\n#endif\n"},
    };
    std::string script = "#include \"res.h\"\n#include \"missing.h\"\n#include <windows.h>\n"
                         "#define MY_X 7\n#define IDC_A (100 + 1)\n"
                         "#ifndef APSTUDIO_INVOKED\n#define EXTRA 3\n#endif\n"
                         "#if defined(W) && W > 10\n#define WIDE 1\n#elif 1\n#define WIDE 0\n#endif\n"
                         "#if WINVER >= 0x0400\n#define NEW_LOOK 1\n#endif\n"
                         "IDD_OPTIONS DIALOGEX 0, 0, W * 2, H + EXTRA\nBEGIN\n"
                         "  LTEXT \"a\", IDC_A, MY_X, yOpt + 14, W, H\n"
                         "  LTEXT \"b\", IDOK, 1, 2, 3, 4\n"
                         "  LTEXT \"c\", 3, WIDE, NEW_LOOK, -5, 4\nEND\n";
    ScriptReading r = Read(script, files);
    ASSERT_EQ(r.dialogs.size(), 1u);
    const ParsedDialog &d = r.dialogs[0];
    EXPECT_STREQ(d.dlg.szName, "IDD_OPTIONS");
    EXPECT_TRUE(d.numbered);
    EXPECT_EQ(d.number, 96);
    EXPECT_EQ(d.dlg.cx, 100);
    EXPECT_EQ(d.dlg.cy, 15);
    ASSERT_EQ(d.controls.size(), 3u) << StopText(d);
    EXPECT_STREQ(d.controls[0].szIdent, "IDC_A");
    EXPECT_EQ(d.controls[0].id, 101);
    ExpectRect(d.controls[0], 7, 34, 50, 12);
    EXPECT_FALSE(d.plainRects[0]);
    EXPECT_EQ(d.controls[1].id, 1);
    EXPECT_TRUE(d.plainRects[1]);
    ExpectRect(d.controls[2], 1, 1, -5, 4); // WIDE 1; NEW_LOOK read though WINVER is unknown here
    EXPECT_FALSE(d.plainRects[2]);
    // The unknown #if and the missing header are said, naming their lines.
    ASSERT_EQ(r.notes.size(), 2u);
    EXPECT_EQ(r.notes[0].kind, kNoteIncludeMissing);
    EXPECT_EQ(r.notes[0].line, 2);
    EXPECT_EQ(r.notes[1].kind, kNoteIfUnknown);
    EXPECT_EQ(r.notes[1].word, "WINVER");
    EXPECT_NE(NoteText(r.notes[1]).find("line 14"), std::string::npos);
    EXPECT_NE(NoteMessage(r.notes[1]).find("WINVER"), std::string::npos);
}

TEST(ScriptReader, MacrosWithArgumentsAndStatementMacrosExpand)
{
    std::string gui = "#define bxs 64\n#define bys 16\n#define by (144 - bys)\n"
                      "#define OK_CANCEL \\\n  DEFPUSHBUTTON \"OK\", IDOK, 100, by, bxs, bys \\\n"
                      "  PUSHBUTTON \"Cancel\", IDCANCEL, 170, by, bxs, bys\n"
                      "#define MY_CHECKBOX \"Button\", BS_AUTOCHECKBOX | WS_TABSTOP\n"
                      "#define MY_CONTROL_CHECKBOX(_text,_id,_x,_y,_xsize)  CONTROL _text, _id, MY_CHECKBOX, _x,_y,_xsize,10\n"
                      "#define MY_PAGE DIALOG 0, 0, 240, 160 STYLE WS_CHILD | WS_CAPTION FONT 8, \"MS Shell Dlg\"\n"
                      "#define PASTED(a) a ## 1\n";
    ScriptReading r = Read("#include \"gui.rc\"\n#define IDX_DOTS 2501\n#define m 8\n"
                           "IDD_PAGE MY_PAGE\nCAPTION \"Page\"\nBEGIN\n"
                           "  MY_CONTROL_CHECKBOX( \"Show \"\"..\"\" item\", IDX_DOTS,\n      m + 10, 8, 200)\n"
                           "  OK_CANCEL\n  PASTED(x)\nEND\n",
                           {{"proj/gui.rc", gui}});
    ASSERT_EQ(r.dialogs.size(), 1u);
    const ParsedDialog &d = r.dialogs[0];
    EXPECT_STREQ(d.dlg.szType, "DIALOG");
    EXPECT_STREQ(d.dlg.szFace, "MS Shell Dlg");
    EXPECT_STREQ(d.dlg.szCaption, "Page");
    ASSERT_EQ(d.controls.size(), 3u);
    EXPECT_STREQ(d.controls[0].szText, "Show \"..\" item");
    EXPECT_STREQ(d.controls[0].szIdent, "IDX_DOTS"); // the name as written, not its value
    EXPECT_EQ(d.controls[0].id, 2501);
    EXPECT_STREQ(d.controls[0].szClass, "BUTTON");
    EXPECT_EQ(d.controls[0].style, 0x10003u);
    ExpectRect(d.controls[0], 18, 8, 200, 10);
    EXPECT_STREQ(d.controls[1].szIdent, "IDOK");
    EXPECT_STREQ(d.controls[2].szClass, "BUTTON_PUSHBUTTON");
    ExpectRect(d.controls[2], 170, 128, 64, 16);
    // A macro that is not simple (## here) is an unknown word: it ends the dialog there.
    EXPECT_EQ(d.stop.kind, kStopUnknownWord);
    EXPECT_EQ(d.stop.word, "PASTED");
    EXPECT_EQ(d.stop.line, 10);
}

TEST(ScriptReader, AStatementThatCannotBeReadEndsOnlyItsDialog)
{
    std::string s = "ONE DIALOG 0,0,10,10\nBEGIN\n  LTEXT \"a\", 1, 1,1,1,1\n  MY_UNKNOWN(1, 2)\n"
                    "  LTEXT \"b\", 2, 1,1,1,1\nEND\n"
                    "TWO DIALOG 0,0,10,10\nBEGIN\n  LTEXT \"c\", 3, UNDEFINED_X, 1, 1, 1\nEND\n"
                    "THREE DIALOG 0,0,10,10\nBEGIN\n  LTEXT \"d\", 4, 1,1,1,1\nEND\n"
                    "FOUR DIALOG 0,0,10,10\nBEGIN\n  LTEXT \"e\", 5, 1,1,1,1\n"  // its END is missing:
                    "FIVE DIALOG 0,0,10,10\nBEGIN\nEND\n";                         // FIVE is still read
    ScriptReading r = Read(s);
    ASSERT_EQ(r.dialogs.size(), 5u);
    const ParsedDialog &one = r.dialogs[0];
    ASSERT_EQ(one.controls.size(), 1u);
    EXPECT_EQ(one.stop.kind, kStopUnknownWord);
    EXPECT_EQ(one.stop.line, 4);
    EXPECT_EQ(one.stop.word, "MY_UNKNOWN");
    std::string msg = StopMessage(one);
    EXPECT_NE(msg.find("MY_UNKNOWN"), std::string::npos);
    EXPECT_NE(msg.find("ONE"), std::string::npos);
    EXPECT_NE(msg.find("4\x8ds\x96\xda"), std::string::npos); // 4行目
    EXPECT_EQ(r.dialogs[1].controls.size(), 0u);
    EXPECT_EQ(r.dialogs[1].stop.word, "UNDEFINED_X");
    EXPECT_EQ(r.dialogs[2].stop.kind, kStopNone);
    EXPECT_STREQ(r.dialogs[2].controls[0].szText, "d");
    EXPECT_EQ(r.dialogs[3].stop.kind, kStopNoEnd);
    EXPECT_EQ(r.dialogs[3].controls.size(), 1u);
    EXPECT_STREQ(r.dialogs[4].dlg.szName, "FIVE");
    EXPECT_EQ(r.dialogs[4].stop.kind, kStopNone);
    // The older interface still says the script was not read whole, with the first stop.
    std::vector<ParsedDialog> all;
    std::string err;
    EXPECT_FALSE(ParseDialogs(s, all, err));
    EXPECT_EQ(err, "line 4: unknown control keyword MY_UNKNOWN");
    EXPECT_EQ(all.size(), 5u);
}

TEST(ScriptReader, StatementsOverLinesAreFoundWholeForRewriting)
{
    std::string body = "BEGIN\r\n  // CONTROL \"x\", IDC_B, \"Button\", 0, 9, 9, 9, 9\r\n"
                       "  CONTROL \"b\", IDC_B, \"Button\", BS_AUTOCHECKBOX | NOT\r\n     WS_VISIBLE | ( WS_TABSTOP ),\r\n"
                       "     1, 2,\r\n     3, 4\r\n  LTEXT \"d:\\\\\", IDC_T, 1, 2, 3, 4\r\nEND";
    Ctrldata b = Ctrldata();
    strcpy(b.szIdent, "IDC_B");
    strcpy(b.szClass, "BUTTON");
    TextSpan t = FindControlStatement(body, b);
    ASSERT_TRUE(t.found);
    EXPECT_EQ(body.substr(t.start, 8), "CONTROL ");
    EXPECT_EQ(body.substr(t.start + t.length - 4, 4), "3, 4");
    Ctrldata l = Ctrldata();
    strcpy(l.szIdent, "IDC_T");
    strcpy(l.szClass, "STATIC_LTEXT");
    t = FindControlStatement(body, l);
    ASSERT_TRUE(t.found);
    EXPECT_EQ(body.substr(t.start, t.length), "LTEXT \"d:\\\\\", IDC_T, 1, 2, 3, 4");

    // A first line continued over lines is rewritten whole.
    Dlgdata g = Dlgdata();
    strcpy(g.szName, "X");
    strcpy(g.szType, "DIALOGEX");
    g.cx = 200;
    g.cy = 90;
    std::string header = "X DIALOGEX DISCARDABLE 0, 0,\r\n    W + 10,\r\n    90\r\nSTYLE WS_POPUP\r\n";
    std::string out = WriteDialogHeader(header, g, g);
    EXPECT_EQ(out.find("X DIALOGEX   0, 0, 200, 90\r\nSTYLE"), 0u) << out;
}

TEST(ScriptReader, HostileMacrosAndIncludesAreBounded)
{
    // Expansions that double thirty times, refer to themselves, never close their
    // arguments, and a header that includes itself: the reader returns and says so.
    std::string s = "#define A0 1 1\n";
    for (int i = 1; i <= 30; i++)
        s += "#define A" + std::to_string(i) + " A" + std::to_string(i - 1) + " A" + std::to_string(i - 1) + "\n";
    s += "#define SELF SELF + 1\n#define PING PONG\n#define PONG PING\n#define F(x) F(x) x\n#include \"loop.h\"\n"
         "D DIALOG 0,0,SELF,PING\nBEGIN\n  LTEXT \"a\", F(1), 1,1,1,1\n  A30\nEND\n"
         "E DIALOG 0,0,1,1\nBEGIN\n  LTEXT \"b\", 2, 1,1,1,1\n  F(\nEND\n";
    ScriptReading r = Read(s, {{"proj/loop.h", "#include \"loop.h\"\n"}});
    ASSERT_EQ(r.dialogs.size(), 2u);
    EXPECT_EQ(r.dialogs[0].stop.kind, kStopUnknownWord); // SELF stays a word in the coordinate
    EXPECT_EQ(r.dialogs[0].stop.word, "SELF");
    EXPECT_EQ(r.dialogs[1].controls.size(), 1u);
    EXPECT_NE(r.dialogs[1].stop.kind, kStopNone);
    bool deep = false;
    for (const ScriptNote &n : r.notes) deep = deep || n.kind == kNoteTooDeep;
    EXPECT_TRUE(deep);
}
