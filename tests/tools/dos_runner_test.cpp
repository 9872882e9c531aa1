#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tools/dos_history.h"
#include "tools/dos_input.h"
#include "tools/dos_output.h"

TEST(DosInput, LineGoesDownWithSpaceAndLineEndButNoNul)
{
    char out[16];
    EXPECT_EQ(ComposeDosInput("dir", out, sizeof(out)), 6u);
    EXPECT_EQ(std::string(out, 6), " dir\r\n");
    // An empty line still makes a fresh prompt.
    EXPECT_EQ(ComposeDosInput("", out, sizeof(out)), 3u);
    EXPECT_STREQ(out, " \r\n");
    // 13 bytes of line need 16 bytes down the pipe plus the terminator.
    EXPECT_EQ(ComposeDosInput("0123456789abc", out, sizeof(out)), 0u);
    EXPECT_EQ(std::strlen(kDosExitInput), 8u);
}

TEST(DosInput, ExitIsTheFirstWordOnly)
{
    EXPECT_TRUE(IsExitCommand("exit"));
    EXPECT_TRUE(IsExitCommand("  EXIT"));
    EXPECT_TRUE(IsExitCommand("Exit /b 0"));
    EXPECT_FALSE(IsExitCommand("exitcode"));
    EXPECT_FALSE(IsExitCommand("cd \"C:\\exit\""));
    EXPECT_FALSE(IsExitCommand("bcc32 exit.cpp"));
    EXPECT_FALSE(IsExitCommand(""));
}

TEST(DosOutput, DoubleByteCharacterSplitAcrossReadsIsJoined)
{
    DosChunkCarry carry = {0, false};
    char out[DOS_READ_BUFFER + 2];
    // "ab" then the lead byte of 表 (95 5C): the lead waits for its trail.
    EXPECT_EQ(AssembleDosChunk(&carry, "ab\x95", 3, out), 2u);
    EXPECT_STREQ(out, "ab");
    EXPECT_EQ(AssembleDosChunk(&carry, "\x5c" "c", 2, out), 3u);
    EXPECT_STREQ(out, "\x95\x5c" "c");
    // A complete character at the end is not held back, NUL becomes a space.
    EXPECT_EQ(AssembleDosChunk(&carry, "x\0\x82\xa0", 4, out), 4u);
    EXPECT_EQ(std::string(out, 4), std::string("x \x82\xa0"));
    // A trail-range byte after a complete pair is no lead.
    EXPECT_EQ(AssembleDosChunk(&carry, "\x95\x5c\x95", 3, out), 2u);
    EXPECT_EQ(FlushDosChunk(&carry, out), 1u);
    EXPECT_STREQ(out, "\x95");
    EXPECT_EQ(FlushDosChunk(&carry, out), 0u);
}

TEST(DosOutput, TrimKeepsTheNewestTextOnBoundaries)
{
    std::string small(DOS_OUTPUT_LIMIT, 'x');
    EXPECT_EQ(PlanDosTrim(small.data(), small.size()).nCutBytes, 0u);

    // Double-byte characters throughout: the cut never ends inside one.
    std::string wide;
    while (wide.size() < DOS_OUTPUT_LIMIT + 1)
        wide += "\x82\xa0";
    wide = "a" + wide;
    DosTrimPlan plan = PlanDosTrim(wide.data(), wide.size());
    EXPECT_GE(plan.nCutBytes, DOS_OUTPUT_CUT);
    EXPECT_EQ(plan.nCutBytes % 2, 1u);
    EXPECT_EQ(plan.nCutChars, 1 + (plan.nCutBytes - 1) / 2);

    // With lines, the cut ends after a line break.
    std::string lines;
    while (lines.size() <= DOS_OUTPUT_LIMIT)
        lines += "C:\\>dir output line\r\n";
    plan = PlanDosTrim(lines.data(), lines.size());
    EXPECT_EQ(lines[plan.nCutBytes - 1], '\n');
    EXPECT_EQ(plan.nCutChars, plan.nCutBytes);

    // A huge append is cut so that the rest with "\r\n" fits the limit.
    std::string huge(60000, 'y');
    plan = PlanDosTrim(huge.data(), huge.size());
    EXPECT_EQ(huge.size() - plan.nCutBytes + 2, DOS_OUTPUT_LIMIT);
}

TEST(DosHistory, UpAndDownStepThroughSentLines)
{
    DosHistory history;
    DosHistoryClear(&history);
    EXPECT_EQ(DosHistoryUp(&history), nullptr);
    EXPECT_STREQ(DosHistoryDown(&history), "");
    DosHistoryAdd(&history, "dir");
    DosHistoryAdd(&history, "   ");
    DosHistoryAdd(&history, "cd ..");
    DosHistoryAdd(&history, "cd ..");
    EXPECT_EQ(history.nCount, 2);
    EXPECT_STREQ(DosHistoryUp(&history), "cd ..");
    EXPECT_STREQ(DosHistoryUp(&history), "dir");
    EXPECT_STREQ(DosHistoryUp(&history), "dir");
    EXPECT_STREQ(DosHistoryDown(&history), "cd ..");
    EXPECT_STREQ(DosHistoryDown(&history), "");
    EXPECT_STREQ(DosHistoryDown(&history), "");

    // Full: the oldest goes; an overlong line is cut on a character boundary.
    for (int i = 0; i < DOS_HISTORY_MAX; ++i)
        DosHistoryAdd(&history, std::to_string(i).c_str());
    EXPECT_EQ(history.nCount, DOS_HISTORY_MAX);
    EXPECT_STREQ(history.szLines[0], "0");
    std::string longLine = std::string(DOS_INPUT_LINE_MAX - 1, 'z') + "\x82\xa0";
    DosHistoryAdd(&history, longLine.c_str());
    EXPECT_EQ(std::string(DosHistoryUp(&history)), std::string(DOS_INPUT_LINE_MAX - 1, 'z'));
}
