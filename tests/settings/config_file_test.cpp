// config.cfg reading and writing: a hand-built file, round trips, every
// truncation, foreign bytes and overlong texts.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/config_file.h"

namespace {

void Le32(std::string &s, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s.push_back(static_cast<char>(v >> (8 * i)));
}

void Sz(std::string &s, const char *text)
{
    s.append(text);
    s.push_back('\0');
}

// A file laid out field by field, independent of the encoder.
std::string GoldenFile()
{
    std::string s;
    s.append("\x01\x01\x00\x01\x01\x00\x85\x00[]\x04\x02", 12);       // 1
    Sz(s, "C:\\src\\\x95\x5c.c");                                     // 2: 表.c
    std::string cf(60, '\0');
    cf[0] = 60;
    cf[4] = 1;
    s += cf;                                                          // 3
    cf[4] = 2;
    s += cf;                                                          // 4
    Le32(s, 0x00102030);                                              // 5
    Le32(s, 0x00FFFFFF);                                              // 6
    Le32(s, 10); Le32(s, 20); Le32(s, 810); Le32(s, 620);             // 7
    Le32(s, 5); Le32(s, 9);                                           // 8
    Le32(s, 0); Le32(s, 0);                                           // 9
    Sz(s, "2");                                                       // 10
    Sz(s, "dir"); Sz(s, "make");                                      // 11
    Le32(s, 1); Sz(s, "C:\\a.c"); Sz(s, "C:\\a.rc");                  // 12
    Le32(s, 2);                                                       // 13
    Le32(s, 1); Sz(s, "C:\\a.c"); Sz(s, "C:\\a.rc"); Sz(s, "a.c");
    Le32(s, 1); Sz(s, "C:\\b.h"); Sz(s, ""); Sz(s, "b.h");
    Le32(s, 1);                                                       // 14
    Le32(s, 2);
    Sz(s, "Top"); s.push_back('\0'); Le32(s, 0); Sz(s, "");
    Sz(s, "CMD1"); s.push_back('\2'); Le32(s, 0); Sz(s, "dir /w");
    s.append("\x02\x00\x01\x00", 4);                                  // 15
    Sz(s, "-tW");                                                     // 16
    Sz(s, "C:\\out");                                                 // 17
    Sz(s, "");                                                        // 18
    s.append("\x01\x00\x02\x00", 4);                                  // 19
    Le32(s, 8); Le32(s, 0); Le32(s, 136); Le32(s, 8); Le32(s, 0x88);  // 20
    return s;
}

ConfigFile RichConfig()
{
    ConfigFile cfg;
    cfg.settings.bOpenLastFile = 1;
    cfg.settings.btButtonLayout = 1;
    cfg.settings.btSetupFlags = 0x81;
    cfg.settings.chIndentOpen = '(';
    SetSettingsText(cfg.settings.szCplOptions, "-tW -v");
    SetSettingsText(cfg.settings.szLibOutDir, "D:\\lib\\");
    cfg.settings.dwBarStates[4] = 0;
    std::strcpy(cfg.session.szFullPath, "C:\\x\\main.cpp");
    cfg.session.cfMain[20] = 0x7F;
    cfg.session.rcWindow[0] = -4;
    cfg.session.selRc[1] = 77;
    cfg.session.cmdItems = {"bcc32 a.c", "dir"};
    AddRcAssociation(cfg.session.rcAssoc, "C:\\x\\main.cpp", "C:\\x\\main.rc");
    cfg.session.pages.push_back({{{"C:\\x\\main.cpp", "C:\\x\\main.rc", "main.cpp"}}});
    AddUserButton(cfg.session.buttons, "Top", KIND_POSITION, 0, "");
    AddUserButton(cfg.session.buttons, "ins", KIND_INSERT_AT_CARET, 0, "\r\nint i;");
    return cfg;
}

} // namespace

TEST(ConfigFile, HandBuiltFileDecodesToItsFields)
{
    std::string bytes = GoldenFile();
    ConfigFile cfg;
    BlockDamage damage;
    size_t nUsed = 0;
    ASSERT_TRUE(DecodeConfigFile(bytes.data(), bytes.size(), cfg, damage, &nUsed));
    EXPECT_EQ(nUsed, bytes.size());
    const SettingsRecord &s = cfg.settings;
    EXPECT_EQ(s.bOpenLastFile, 1);
    EXPECT_EQ(s.btButtonLayout, 1);
    EXPECT_EQ(s.bRestoreLook, 0);
    EXPECT_EQ(s.btSetupFlags, 0x85);
    EXPECT_EQ(s.chIndentOpen, '[');
    EXPECT_EQ(s.chIndentClose, ']');
    EXPECT_EQ(s.btIndentWidth, 4);
    EXPECT_EQ(s.btIndentMargin, 2);
    EXPECT_STREQ(cfg.session.szFullPath, "C:\\src\\\x95\x5c.c");
    EXPECT_EQ(cfg.session.cfMain[4], 1);
    EXPECT_EQ(cfg.session.cfRc[4], 2);
    EXPECT_EQ(cfg.session.crBackMain, 0x00102030u);
    EXPECT_EQ(cfg.session.rcWindow[2], 810);
    EXPECT_EQ(cfg.session.selMain[1], 9);
    ASSERT_EQ(cfg.session.cmdItems.size(), 2u);
    EXPECT_EQ(cfg.session.cmdItems[1], "make");
    EXPECT_STREQ(FindRcAssociation(cfg.session.rcAssoc, "C:\\a.c"), "C:\\a.rc");
    ASSERT_EQ(cfg.session.pages.size(), 2u);
    EXPECT_EQ(cfg.session.pages[1].entries[0].szLabel, "b.h");
    const auto &page0 = cfg.session.buttons.slots[0];
    ASSERT_EQ(page0.size(), 2u);
    EXPECT_STREQ(page0[1].szLabel, "CMD1");
    EXPECT_EQ(page0[1].kind, KIND_DOS_COMMAND);
    EXPECT_EQ(page0[1].text, "dir /w");
    EXPECT_EQ(page0[1].id, 8001u);
    EXPECT_EQ(s.btbcc, 2);
    EXPECT_EQ(s.btCplFlags, 1);
    EXPECT_STREQ(s.szCplOptions, "-tW");
    EXPECT_STREQ(s.szCplOutDir, "C:\\out");
    EXPECT_EQ(s.findInfo.btSearchMode, 1);
    EXPECT_EQ(s.findInfo.btCurmode, 2);
    EXPECT_EQ(s.dwBarStates[2], 136u);
    EXPECT_EQ(s.dwBarStates[4], 0x88u);
    // The writer gives back the same bytes.
    EXPECT_EQ(EncodeConfigFile(cfg), bytes);
}

TEST(ConfigFile, WriteReadWriteIsByteIdentical)
{
    for (const ConfigFile &original : {ConfigFile(), RichConfig()}) {
        std::string first = EncodeConfigFile(original);
        ConfigFile back;
        BlockDamage damage;
        ASSERT_TRUE(DecodeConfigFile(first.data(), first.size(), back, damage));
        EXPECT_EQ(EncodeConfigFile(back), first);
    }
}

TEST(ConfigFile, EveryTruncationKeepsTheFieldsBeforeTheCut)
{
    std::string full = EncodeConfigFile(RichConfig());
    ConfigFile whole;
    BlockDamage none;
    ASSERT_TRUE(DecodeConfigFile(full.data(), full.size(), whole, none));
    const ConfigFile defaults;
    for (size_t len = 0; len < full.size(); ++len) {
        std::string cut = full.substr(0, len);
        ConfigFile cfg;
        BlockDamage damage;
        ASSERT_FALSE(DecodeConfigFile(cut.data(), cut.size(), cfg, damage)) << len;
        ASSERT_TRUE(damage.bDamaged);
        ASSERT_GE(damage.nField, 1);
        ASSERT_LE(damage.nOffset, len);
        int f = damage.nField;
        // Field 1, 20 and one text field stand for the rest.
        EXPECT_EQ(cfg.settings.bOpenLastFile, f > 1 ? whole.settings.bOpenLastFile : defaults.settings.bOpenLastFile);
        EXPECT_STREQ(cfg.session.szFullPath, f > 2 ? whole.session.szFullPath : "");
        EXPECT_EQ(cfg.session.rcWindow[0], f > 7 ? whole.session.rcWindow[0] : 0);
        EXPECT_EQ(cfg.session.cmdItems.size(), f > 11 ? 2u : cfg.session.cmdItems.size());
        EXPECT_STREQ(cfg.settings.szCplOptions, f > 16 ? "-tW -v" : "-tW -tWM");
        EXPECT_EQ(cfg.settings.dwBarStates[4], 136u);
    }
}

TEST(ConfigFile, ForeignAndHostileBytesAreReportedNotTrusted)
{
    // A huge item count.
    std::string bytes = EncodeConfigFile(ConfigFile());
    size_t at = 12 + 1 + 60 + 60 + 4 + 4 + 16 + 8 + 8;
    std::string hostile = bytes.substr(0, at) + std::string("999999999\0", 10) + "x";
    ConfigFile cfg;
    BlockDamage damage;
    EXPECT_FALSE(DecodeConfigFile(hostile.data(), hostile.size(), cfg, damage));
    EXPECT_EQ(damage.nField, 10);
    EXPECT_EQ(damage.nOffset, at);
    // A count that is not a number.
    hostile = bytes.substr(0, at) + std::string("1x\0", 3) + std::string("a\0", 2);
    EXPECT_FALSE(DecodeConfigFile(hostile.data(), hostile.size(), cfg, damage));
    EXPECT_EQ(damage.nField, 10);
    // A page count far beyond the slots, then a button count beyond the file.
    std::string head = bytes.substr(0, at) + std::string("0\0", 2);
    std::string pages = head + std::string("\0\0\0\0", 4) + std::string("\x01\x01\0\0", 4);
    EXPECT_FALSE(DecodeConfigFile(pages.data(), pages.size(), cfg, damage));
    EXPECT_EQ(damage.nField, 13);
    EXPECT_EQ(damage.nOffset, at + 6);
    std::string buttons = head + std::string(8, '\0') + std::string("\x01\0\0\0\xff\xff\xff\x7f", 8);
    EXPECT_FALSE(DecodeConfigFile(buttons.data(), buttons.size(), cfg, damage));
    EXPECT_EQ(damage.nField, 14);
    EXPECT_EQ(damage.nOffset, at + 14);
    // No bytes at all and a null pointer.
    EXPECT_FALSE(DecodeConfigFile(nullptr, 100, cfg, damage));
    EXPECT_EQ(damage.nField, 1);
}

TEST(ConfigFile, OverlongTextsAreCutOrRefusedWithinTheirFields)
{
    ConfigFile cfg;
    std::string bytes = EncodeConfigFile(cfg);
    // Replace the file on show (field 2, empty) by 300 bytes: a cut path
    // would name another file, so it is dropped.
    std::string longPath(300, 'p');
    std::string patched = bytes.substr(0, 12) + longPath + bytes.substr(12);
    BlockDamage damage;
    ASSERT_TRUE(DecodeConfigFile(patched.data(), patched.size(), cfg, damage));
    EXPECT_STREQ(cfg.session.szFullPath, "");
    // A compile option text of 300 bytes whose 255th byte starts a
    // double-byte character is cut before that character.
    std::string option(254, 'o');
    for (int i = 0; i < 23; ++i)
        option += "\x95\x5c";
    SetSettingsText(cfg.settings.szCplOptions, option.c_str());
    EXPECT_EQ(std::strlen(cfg.settings.szCplOptions), 254u);
    // The same text stored in the file is cut the same way on reading.
    ConfigFile empty;
    empty.settings.szCplOptions[0] = '\0';
    std::string written = EncodeConfigFile(empty);
    size_t at = written.size() - 20 - 4 - 3;   // field 16, empty
    written.insert(at, option);
    ConfigFile back;
    ASSERT_TRUE(DecodeConfigFile(written.data(), written.size(), back, damage));
    EXPECT_EQ(std::strlen(back.settings.szCplOptions), 254u);
    EXPECT_EQ(back.settings.dwBarStates[2], 136u);
}

TEST(ConfigFile, CommandHistoryHoldsNoDuplicates)
{
    ConfigFile cfg;
    cfg.session.cmdItems = {"dir", "dir", "", "make"};
    std::string bytes = EncodeConfigFile(cfg);
    ConfigFile back;
    BlockDamage damage;
    ASSERT_TRUE(DecodeConfigFile(bytes.data(), bytes.size(), back, damage));
    EXPECT_EQ(back.session.cmdItems, (std::vector<std::string>{"dir", "make"}));
}

TEST(SettingsRecord, DefaultsAndLoadDecisions)
{
    SettingsRecord s;
    EXPECT_EQ(s.btButtonLayout, 2);
    EXPECT_EQ(s.btIndentWidth, 6);
    EXPECT_STREQ(s.szCplOptions, "-tW -tWM");
    EXPECT_EQ(s.dwBarStates[2], 136u);
    SettingsRecord first = MakeNoFileSettings();
    for (uint32_t dw : first.dwBarStates)
        EXPECT_EQ(dw, 8u);
    s.findInfo.btCurmode = 2;
    ApplyLoadRules(s, false);
    EXPECT_EQ(s.findInfo.btCurmode, 0);
    EXPECT_EQ(s.bMultiFile, 0);
    EXPECT_EQ(ChooseButtonSource(1, false), BUTTONS_FROM_CONFIG);
    EXPECT_EQ(ChooseButtonSource(0, true), BUTTONS_FROM_USER_FILE);
    EXPECT_EQ(ChooseButtonSource(0, false), BUTTONS_DEFAULT);
    EXPECT_EQ(ChooseButtonSource(2, true), BUTTONS_DEFAULT);
    EXPECT_EQ(ChooseButtonSource(7, true), BUTTONS_NONE);
    s.btButtonLayout = 3;
    EXPECT_TRUE(ResetBadButtonLayout(s));
    EXPECT_EQ(s.btButtonLayout, 2);
    EXPECT_FALSE(ResetBadButtonLayout(s));
    char name[32];
    EXPECT_EQ(MakeSettingsSideName("C:\\w\\mycfg\\", "config.cfg", ".bad", name, sizeof name), 1);
    EXPECT_STREQ(name, "C:\\w\\mycfg\\config.cfg.bad");
    EXPECT_EQ(MakeSettingsSideName("C:\\w\\mycfg\\", "config.cfg", ".tmp", name, 10), 0);
    EXPECT_STREQ(name, "");
}
