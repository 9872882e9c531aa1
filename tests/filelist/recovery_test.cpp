// Recovery copies: the header reader tells a whole copy from a damaged or
// foreign file, the names carry instance and session, and the restore plan
// puts each chosen text where it can go.
#include <gtest/gtest.h>

#include <algorithm>

#include "filelist/recovery_copy.h"
#include "filelist/recovery_name.h"
#include "filelist/recovery_plan.h"

namespace {

RecoveryHeader SampleHeader()
{
    RecoveryHeader h;
    h.nInstanceNo = 2;
    h.nSession = 0x01DA0123456789ABull;
    h.id = 8501;
    h.pane = RECOVERY_PANE_RC;
    h.flags = RECOVERY_FLAG_ON_SHOW;
    h.nTime = 0x01DB000011112222ull;
    h.szPath = "C:\\\x95\x5c\\a.rc";        // 表 ends in 0x5C
    h.szOwnerPath = "C:\\\x83\x5c\x81\x5b\x83\x58\\a.c";  // ソース
    return h;
}

std::string Copy(const RecoveryHeader &h, const std::string &text)
{
    return EncodeRecoveryHeader(h, text.data(), text.size()) + text;
}

RecoveryStatus Decode(const std::string &bytes, RecoveryHeader &h, size_t *pOffset = nullptr)
{
    return DecodeRecoveryCopy(bytes.data(), bytes.size(), h, pOffset);
}

} // namespace

TEST(RecoveryCopy, RoundTripKeepsEveryFieldAndTheTextByteForByte)
{
    const std::string text("int a; /* \x95\x5c\x8e\xa6 */\r\n\0tail\r\n", 25);
    RecoveryHeader in = SampleHeader(), out;
    size_t nOffset = 0;
    std::string bytes = Copy(in, text);
    ASSERT_EQ(Decode(bytes, out, &nOffset), RECOVERY_OK);
    EXPECT_EQ(bytes.substr(nOffset), text);
    EXPECT_EQ(out.nInstanceNo, 2u);
    EXPECT_EQ(out.nSession, in.nSession);
    EXPECT_EQ(out.id, 8501u);
    EXPECT_EQ(out.pane, (uint32_t)RECOVERY_PANE_RC);
    EXPECT_EQ(out.flags, (uint32_t)RECOVERY_FLAG_ON_SHOW);
    EXPECT_EQ(out.nTime, in.nTime);
    EXPECT_EQ(out.szPath, in.szPath);
    EXPECT_EQ(out.szOwnerPath, in.szOwnerPath);
    EXPECT_EQ(out.nTextSize, text.size());
    // An unnamed, empty text is a copy too.
    RecoveryHeader empty;
    ASSERT_EQ(Decode(Copy(empty, ""), out, &nOffset), RECOVERY_OK);
    EXPECT_EQ(out.szPath, "");
}

TEST(RecoveryCopy, EveryChangedByteAndEveryCutIsCaught)
{
    std::string good = Copy(SampleHeader(), "int main() { return 0; }\r\n");
    RecoveryHeader h;
    for (size_t i = 0; i < good.size(); ++i) {
        for (unsigned char bit : {0x01, 0x80}) {
            std::string bad = good;
            bad[i] = (char)(bad[i] ^ bit);
            EXPECT_NE(Decode(bad, h), RECOVERY_OK) << "byte " << i;
        }
        EXPECT_NE(Decode(good.substr(0, i), h), RECOVERY_OK) << "cut at " << i;
    }
    EXPECT_EQ(Decode(good + "x", h), RECOVERY_DAMAGED);
    // A failed read leaves no half-filled header behind.
    EXPECT_EQ(h.szPath, "");
}

TEST(RecoveryCopy, ForeignAndLaterFilesAreToldApart)
{
    RecoveryHeader h;
    EXPECT_EQ(Decode("", h), RECOVERY_FOREIGN);
    EXPECT_EQ(Decode("notes of my own\r\n", h), RECOVERY_FOREIGN);
    EXPECT_EQ(DecodeRecoveryCopy(nullptr, 0, h, nullptr), RECOVERY_FOREIGN);
    std::string later = Copy(SampleHeader(), "text");
    later[8] = 2;  // version 2, written by a later editor
    EXPECT_EQ(Decode(later, h), RECOVERY_NEWER);
    // A length field pointing far beyond the file is damage, not a crash.
    std::string huge = Copy(SampleHeader(), "text");
    huge[56] = huge[57] = huge[58] = huge[59] = (char)0xFF;
    EXPECT_EQ(Decode(huge, h), RECOVERY_DAMAGED);
}

TEST(RecoveryCopy, RefusesWhatItCouldNotReadBack)
{
    RecoveryHeader h;
    h.szPath.assign(RECOVERY_MAX_PATH + 1, 'a');
    EXPECT_EQ(EncodeRecoveryHeader(h, "x", 1), "");
    h.szPath.assign(RECOVERY_MAX_PATH, 'a');
    RecoveryHeader out;
    EXPECT_EQ(Decode(Copy(h, "x"), out), RECOVERY_OK);
    // A path with a NUL in it would be cut by everything that uses it.
    h.szPath.assign("C:\\a\0b", 6);
    EXPECT_EQ(Decode(Copy(h, "x"), out), RECOVERY_DAMAGED);
    EXPECT_EQ(Crc32("123456789", 9), 0xCBF43926u);
}

TEST(RecoveryName, NamesCarryInstanceSessionIdAndPane)
{
    RecoveryName name, back;
    name.nInstanceNo = 12;
    name.nSession = 0x01DA0123456789ABull;
    name.id = 8502;
    name.pane = RECOVERY_PANE_RC;
    char sz[80];
    ASSERT_EQ(MakeRecoveryName(name, sz, sizeof sz), 1);
    EXPECT_STREQ(sz, "sora12_01DA0123456789AB_8502.rc.recover");
    ASSERT_TRUE(ParseRecoveryName(sz, back));
    EXPECT_EQ(back.nInstanceNo, 12u);
    EXPECT_EQ(back.nSession, name.nSession);
    EXPECT_EQ(back.id, 8502u);
    EXPECT_EQ(back.pane, (uint32_t)RECOVERY_PANE_RC);
    EXPECT_FALSE(back.bTemporary);
    ASSERT_TRUE(ParseRecoveryName("sora1_0000000000000001_0.recover.tmp1", back));
    EXPECT_TRUE(back.bTemporary);
    EXPECT_EQ(back.pane, (uint32_t)RECOVERY_PANE_MAIN);
    ASSERT_EQ(MakeRecoverySessionPrefix(12, name.nSession, sz, sizeof sz), 1);
    EXPECT_STREQ(sz, "sora12_01DA0123456789AB_");
    EXPECT_EQ(MakeRecoveryName(name, sz, 20), 0);
    EXPECT_STREQ(sz, "");
    // Room for the start of the name but not its end.
    EXPECT_EQ(MakeRecoveryName(name, sz, 30), 0);
    EXPECT_STREQ(sz, "");
}

TEST(RecoveryName, AnythingElseIsNotAName)
{
    RecoveryName n;
    for (const char *bad : {"sora-notes.recover", "sora1_01da0123456789ab_0.recover", "sora1_01DA0123456789A_0.recover",
                            "sora1_01DA0123456789AB_.recover", "sora1_01DA0123456789AB_0.recover.bak",
                            "sora1_01DA0123456789AB_0.recover.tmp", "sora99999999999_01DA0123456789AB_0.recover",
                            "sora4294967296_01DA0123456789AB_0.recover", "sora1_01DA0123456789AB_0.txt", ""})
        EXPECT_FALSE(ParseRecoveryName(bad, n)) << bad;
}

namespace {

RecoveryCandidate Candidate(const char *path, RecoveryPane pane, uint64_t time, bool onShow = false,
                            const char *owner = "", uint64_t session = 1)
{
    RecoveryCandidate c;
    c.header.szPath = path;
    c.header.szOwnerPath = owner;
    c.header.pane = pane;
    c.header.nTime = time;
    c.header.nSession = session;
    c.header.flags = onShow ? RECOVERY_FLAG_ON_SHOW : 0;
    c.bSelected = true;
    return c;
}

} // namespace

TEST(RecoveryPlan, FileListTakesEveryNamedTextWithTheOneOnShowLast)
{
    std::vector<RecoveryCandidate> c = {
        Candidate("C:\\c.c", RECOVERY_PANE_MAIN, 50, true),                  // 0: was on show
        Candidate("C:\\b.c", RECOVERY_PANE_MAIN, 30),                        // 1
        Candidate("C:\\a.c", RECOVERY_PANE_MAIN, 20),                        // 2
        Candidate("C:\\a.rc", RECOVERY_PANE_RC, 25, false, "C:\\a.c"),      // 3: a.c's resource text
        Candidate("", RECOVERY_PANE_MAIN, 10),                               // 4: unnamed
        Candidate("", RECOVERY_PANE_MAIN, 60, false, "", 2),                 // 5: newer unnamed, other session
        Candidate("C:\\d.c", RECOVERY_PANE_MAIN, 70),                        // 6: not chosen
    };
    c[6].bSelected = false;
    RecoveryPlan plan = PlanRecoveryRestore(c, true);
    ASSERT_EQ(plan.groups.size(), 4u);
    EXPECT_EQ(plan.groups[0].szPath, "C:\\a.c");
    EXPECT_EQ(plan.groups[0].nMain, 2);
    EXPECT_EQ(plan.groups[0].nRc, 3);
    EXPECT_EQ(plan.groups[1].szPath, "C:\\b.c");
    EXPECT_EQ(plan.groups[2].szPath, "C:\\c.c");
    // One unnamed text can follow, in the panes; the other waits.
    EXPECT_EQ(plan.groups[3].szPath, "");
    EXPECT_EQ(plan.groups[3].nMain, 5);
    EXPECT_EQ(plan.kept, std::vector<int>({4}));
}

TEST(RecoveryPlan, PanesAloneTakeOneTextAndTheNewerOfTwoCopies)
{
    std::vector<RecoveryCandidate> c = {
        Candidate("C:\\a.c", RECOVERY_PANE_MAIN, 20),
        Candidate("C:\\b.c", RECOVERY_PANE_MAIN, 90),
        Candidate("C:\\a.c", RECOVERY_PANE_MAIN, 40, true, "", 2),  // newer copy of a.c, on show
        Candidate("C:\\a.rc", RECOVERY_PANE_RC, 30, false, "C:\\a.c"),
    };
    RecoveryPlan plan = PlanRecoveryRestore(c, false);
    ASSERT_EQ(plan.groups.size(), 1u);
    EXPECT_EQ(plan.groups[0].szPath, "C:\\a.c");
    EXPECT_EQ(plan.groups[0].nMain, 2);
    EXPECT_EQ(plan.groups[0].nRc, 3);
    std::sort(plan.kept.begin(), plan.kept.end());
    EXPECT_EQ(plan.kept, std::vector<int>({0, 1}));
    // The same in the file list: the older copy of a.c is still kept.
    plan = PlanRecoveryRestore(c, true);
    ASSERT_EQ(plan.groups.size(), 2u);
    EXPECT_EQ(plan.groups[1].szPath, "C:\\a.c");
    EXPECT_EQ(plan.kept, std::vector<int>({0}));
}
