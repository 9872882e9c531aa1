// Scripts the writer produces compile with windres and give the same controls.
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <iconv.h>
#include "designer/enumerate.h"
#include "designer/header.h"
#include "designer/menu_script.h"
#include "designer/parser.h"
#include "designer/update.h"
#include "designer/writer.h"

namespace {

struct ResControl {
    std::string cls, text;
    uint32_t id, style;
    int x, y, cx, cy;
    bool operator==(const ResControl &o) const
    {
        return cls == o.cls && text == o.text && id == o.id && x == o.x && y == o.y && cx == o.cx && cy == o.cy &&
               style == o.style;
    }
};

std::string Utf16Field(const std::vector<uint8_t> &b, size_t &p)
{
    std::string s;
    if (p + 2 <= b.size() && b[p] == 0xFF && b[p + 1] == 0xFF) {
        uint16_t atom = b[p + 2] | (b[p + 3] << 8);
        p += 4;
        static const char *kAtoms[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
        return atom >= 0x80 && atom <= 0x85 ? kAtoms[atom - 0x80] : "#" + std::to_string(atom);
    }
    while (p + 2 <= b.size()) {
        uint16_t w = b[p] | (b[p + 1] << 8);
        p += 2;
        if (!w) break;
        s += (char)(w < 0x80 ? w : '?');
        if (w >= 0x80) s += std::to_string(w);
    }
    return s;
}

/* Reads the dialog resources (extended or plain templates) of a .res file by name. */
std::map<std::string, std::vector<ResControl>> ReadRes(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    std::vector<uint8_t> b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    std::map<std::string, std::vector<ResControl>> out;
    size_t p = 0;
    auto D = [&](size_t o) { return (uint32_t)(b[o] | (b[o + 1] << 8) | (b[o + 2] << 16) | ((uint32_t)b[o + 3] << 24)); };
    auto W = [&](size_t o) { return (uint16_t)(b[o] | (b[o + 1] << 8)); };
    while (p + 32 <= b.size()) {
        uint32_t dataSize = D(p), headerSize = D(p + 4);
        size_t data = p + headerSize;
        bool isDialog = W(p + 8) == 0xFFFF && W(p + 10) == 5;
        if (isDialog && data + dataSize <= b.size()) {
            size_t np = p + 12;
            std::string name = Utf16Field(b, np);
            bool ex = W(data + 2) == 0xFFFF;
            std::vector<ResControl> list;
            size_t q = ex ? data + 26 : data + 18;
            uint32_t dlgStyle = ex ? D(data + 12) : D(data);
            int n = ex ? W(data + 16) : W(data + 8);
            Utf16Field(b, q); // menu
            Utf16Field(b, q); // class
            Utf16Field(b, q); // title
            if (dlgStyle & 0x40) { q += ex ? 6 : 2; Utf16Field(b, q); }
            for (int i = 0; i < n && q + 24 <= b.size(); i++) {
                q = (q + 3) & ~(size_t)3;
                ResControl c;
                size_t rect = ex ? q + 12 : q + 8;
                c.style = ex ? D(q + 8) : D(q);
                c.x = (int16_t)W(rect); c.y = (int16_t)W(rect + 2); c.cx = (int16_t)W(rect + 4); c.cy = (int16_t)W(rect + 6);
                c.id = ex ? D(q + 20) : (uint32_t)(int16_t)W(q + 16);
                q += ex ? 24 : 18;
                c.cls = Utf16Field(b, q);
                c.text = Utf16Field(b, q);
                q += 2 + W(q);
                list.push_back(c);
            }
            out[name] = list;
        }
        p = (data + dataSize + 3) & ~(size_t)3;
    }
    return out;
}

std::string ToUtf8(const std::string &cp932)
{
    iconv_t cd = iconv_open("UTF-8", "CP932");
    std::string out(cp932.size() * 3 + 16, '\0');
    char *in = const_cast<char *>(cp932.data()), *o = &out[0];
    size_t il = cp932.size(), ol = out.size();
    iconv(cd, &in, &il, &o, &ol);
    iconv_close(cd);
    out.resize(out.size() - ol);
    return out;
}

/* Compiles a CP932 script with windres through UTF-8; returns the dialogs' controls. */
bool Compile(const std::string &script, const std::string &name, std::map<std::string, std::vector<ResControl>> &res)
{
    std::string rc = "/tmp/designer_rt_" + name + ".rc", out = "/tmp/designer_rt_" + name + ".res";
    std::ofstream(rc, std::ios::binary) << "#include <windows.h>\n#pragma code_page(65001)\n" << ToUtf8(script);
    std::string cmd = "i686-w64-mingw32-windres -c 65001 -O res " + rc + " " + out + " 2>/tmp/designer_rt_err.txt";
    if (system(cmd.c_str()) != 0)
        return false;
    res = ReadRes(out);
    return true;
}

} // namespace

TEST(DesignerWindres, EmittedScriptsCompileToTheSameControls)
{
    if (system("i686-w64-mingw32-windres --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "windres not installed";
    std::ifstream f(DESIGNER_TEST_DATA "/sample.rc", std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    std::map<std::string, std::vector<ResControl>> original;
    ASSERT_TRUE(Compile(ss.str(), "orig", original));
    std::vector<ParsedDialog> dialogs;
    std::string err;
    ASSERT_TRUE(ParseDialogs(ss.str(), dialogs, err)) << err;
    ASSERT_EQ(original.size(), dialogs.size());
    for (size_t i = 0; i < dialogs.size(); i++) {
        std::string emitted = EmitDialog(dialogs[i].dlg, dialogs[i].controls);
        std::map<std::string, std::vector<ResControl>> again;
        ASSERT_TRUE(Compile(emitted, "emit" + std::to_string(i), again)) << emitted;
        const std::string name = dialogs[i].dlg.szName;
        ASSERT_EQ(again.size(), 1u);
        ASSERT_EQ(again[name].size(), original[name].size());
        for (size_t k = 0; k < again[name].size(); k++) {
            const ResControl &a = original[name][k], &e = again[name][k];
            EXPECT_EQ(a.cls, e.cls) << k;
            EXPECT_EQ(a.text, e.text) << k;
            EXPECT_EQ(a.id, e.id) << k;
            EXPECT_EQ(a.x, e.x) << k;
            EXPECT_EQ(a.y, e.y) << k;
            EXPECT_EQ(a.cx, e.cx) << k;
            EXPECT_EQ(a.cy, e.cy) << k;
            EXPECT_EQ(a.style, e.style) << k;
        }
    }
}

TEST(DesignerWindres, EscapedTextsAndStatementsOverLinesSurviveWriting)
{
    if (system("i686-w64-mingw32-windres --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "windres not installed";
    std::string script = "#define BASE 10\nT DIALOG 0, 0, 200,\n  100\nBEGIN\n"
                         "  LTEXT \"d:\\\\aa\\\\zz\\\\\", 1, BASE,\n     BASE + 2, 80, 8\n"
                         "  LTEXT \"c:\\\\temp \"\"q\"\" a\\tb\", 2, 1, 20, 80, 8, NOT\n     WS_GROUP\n"
                         "  PUSHBUTTON \"\\\\x\\\\\\\\\", 3, 1, 40,\n   50, 14\nEND\n";
    std::map<std::string, std::vector<ResControl>> original, again;
    ASSERT_TRUE(Compile(script, "esc", original));
    std::vector<ParsedDialog> dialogs;
    std::string err;
    ASSERT_TRUE(ParseDialogs(script, dialogs, err)) << err;
    ASSERT_EQ(dialogs.size(), 1u);
    std::string emitted = EmitDialog(dialogs[0].dlg, dialogs[0].controls);
    ASSERT_TRUE(Compile(emitted, "esc2", again)) << emitted;
    const std::vector<ResControl> &a = original["T"], &e = again["T"];
    ASSERT_EQ(a.size(), 3u);
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(a[0].text, "d:\\aa\\zz\\");
    EXPECT_EQ(a[1].text, "c:\\temp \"q\" a\tb");
    for (size_t k = 0; k < a.size(); k++) {
        EXPECT_EQ(a[k].text, e[k].text) << k << emitted;
        EXPECT_EQ(a[k].cls, e[k].cls) << k;
        EXPECT_TRUE(a[k].x == e[k].x && a[k].y == e[k].y && a[k].cx == e[k].cx && a[k].cy == e[k].cy) << k;
    }
}

namespace {

/* Compiles a CP932 script and reports whether windres accepted it. */
bool CompilesWithWindres(const std::string &script, const std::string &name)
{
    std::map<std::string, std::vector<ResControl>> res;
    return Compile(script, name, res);
}

std::string ReadFile(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

} // namespace

TEST(DesignerWindres, MenuScriptCompiles)
{
    if (system("i686-w64-mingw32-windres --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "windres not installed";
    std::string menu = BuildMenuScript({{"\x83\x74\x83\x40\x83\x43\x83\x8b", "Open", "SEPARATOR", "Exit"},
                                        {"\x95\x5c\x8e\xa6"}}, "USERSMENU"); // ファイル / 表示
    EXPECT_TRUE(CompilesWithWindres("#define IDM_USERS(n) (40000 + (n))\n" + menu, "menu")) << menu;
}

TEST(DesignerWindres, CustomisedDialogCompilesWithItsChanges)
{
    if (system("i686-w64-mingw32-windres --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "windres not installed";
    std::string real = ReadFile(DESIGNER_TEST_DATA "/sample_5c.rc");
    std::vector<DialogExtent> list;
    ASSERT_EQ(EnumerateDialogs(real, list, nullptr), 1);
    std::vector<ParsedDialog> parsed;
    std::string err;
    ASSERT_TRUE(ParseDialogs(DefineLines(real) + list[0].header + list[0].body, parsed, err)) << err;
    std::vector<Ctrldata> saved = parsed[0].controls, now = saved;
    now[2].top = 33;
    strcpy(now[2].szText, "\x83\x5c\x83\x74\x83\x67 \"x\""); // ソフト "x"
    std::string del = std::string(kDeletedMark) + now[0].szIdent;
    strcpy(now[0].szIdent, del.c_str());
    Ctrldata extra = now[3];
    strcpy(extra.szIdent, kUnnamedMark);
    extra.top = 80;
    now.push_back(extra);
    Dlgdata dlg = parsed[0].dlg;
    strcpy(dlg.szCaption, "\x94\x5c\x97\xcd"); // 能力
    std::string header = WriteDialogHeader(list[0].header, dlg, parsed[0].dlg);
    UpdateResult r = UpdateDialogScript(list[0].body, now, saved, "IDC_", 500);
    std::string script = real.substr(0, list[0].headerStart) + header + r.body + real.substr(list[0].bodyEnd);
    std::map<std::string, std::vector<ResControl>> res;
    ASSERT_TRUE(Compile("#define VIEWMENU 1\n" + script, "custom", res)) << script;
    const std::vector<ResControl> &c = res["VIEWOPT"];
    ASSERT_EQ(c.size(), 5u); // LTEXT gone, one PUSHBUTTON added
    EXPECT_EQ(c[0].id, 2001u);
    EXPECT_EQ(c[1].id, 2002u);
    EXPECT_EQ(c[1].y, 33);
    EXPECT_EQ(c[1].text, "?12477?12501?12488 \"x\""); // the converted text with its quotes
    EXPECT_EQ(c[4].id, 500u);
    EXPECT_EQ(c[4].y, 80);
}
