#include "doc/doc_messages.h"
#include "doc/document_core.h"
#include "doc/viewer_zoom_core.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

// A file system of a few existing paths that records what it was asked.
struct FakeFiles {
    std::set<std::string> existing;
    std::vector<std::string> asked;
    PathPredicate Probe()
    {
        return [this](const char *path) {
            asked.push_back(path);
            return existing.count(path) > 0;
        };
    }
};

TEST(ReadChecks, RefusalsComeInTheirOrder)
{
    FakeFiles fs;
    fs.existing = {"C:\\src\\a.cpp", "C:\\src\\", "a.cpp", "D:\\gone\\b.cpp"};
    // Missing file first, even when its folder is missing too.
    EXPECT_EQ(CheckReadPath("X:\\none\\c.cpp", fs.Probe(), fs.Probe()), DOC_MISSING_FILE);
    EXPECT_EQ(CheckReadPath("", fs.Probe(), fs.Probe()), DOC_MISSING_FILE);
    EXPECT_EQ(CheckReadPath("a.cpp", fs.Probe(), fs.Probe()), DOC_RELATIVE_PATH);
    EXPECT_EQ(CheckReadPath("D:\\gone\\b.cpp", fs.Probe(), fs.Probe()), DOC_MISSING_FOLDER);
    EXPECT_EQ(CheckReadPath("C:\\src\\a.cpp", fs.Probe(), fs.Probe()), DOC_OK);

    // A path that cannot be kept in szFullPath is refused before any probe.
    fs.asked.clear();
    std::string longPath = "C:\\src\\" + std::string(250, 'a');
    EXPECT_EQ(CheckReadPath(longPath.c_str(), fs.Probe(), fs.Probe()), DOC_PATH_TOO_LONG);
    EXPECT_TRUE(fs.asked.empty());
}

TEST(ReadChecks, FolderAskedAboutIsCutAtTheRealBackslash)
{
    FakeFiles files, folders;
    const char *path = "C:\\\x95\x5c\\\x83\x5c.txt";  // C:\表\ソ.txt
    files.existing = {path};
    EXPECT_EQ(CheckReadPath(path, files.Probe(), folders.Probe()), DOC_MISSING_FOLDER);
    ASSERT_EQ(folders.asked.size(), 1u);
    EXPECT_EQ(folders.asked[0], "C:\\\x95\x5c\\");
}

TEST(OverWriteChecks, EmptyRelativeAndMissingFolderAreRefused)
{
    FakeFiles folders;
    folders.existing = {"C:\\src\\"};
    EXPECT_EQ(CheckOverWritePath("", folders.Probe()), DOC_NO_FILE_NAME);
    EXPECT_EQ(CheckOverWritePath("main.cpp", folders.Probe()), DOC_RELATIVE_PATH);
    EXPECT_EQ(CheckOverWritePath("D:\\x\\main.cpp", folders.Probe()), DOC_MISSING_FOLDER);
    EXPECT_EQ(CheckOverWritePath("C:\\src\\new.cpp", folders.Probe()), DOC_OK);
    EXPECT_EQ(OverWriteCheckMessage(DOC_NO_FILE_NAME), DOC_MSG_OVERWRITE_NO_NAME);
    EXPECT_EQ(OverWriteCheckMessage(DOC_RELATIVE_PATH), DOC_MSG_RELATIVE_PATH);
}

TEST(ReadChecks, SizeLimitIsOneMebibyteExclusive)
{
    EXPECT_EQ(CheckReadSize(true, 0), DOC_OK);
    EXPECT_EQ(CheckReadSize(true, 1048575), DOC_OK);
    EXPECT_EQ(CheckReadSize(true, 1048576), DOC_TOO_BIG);
    // Only the low 32 bits of this size would look like 10 bytes.
    EXPECT_EQ(CheckReadSize(true, 0x100000000ull + 10), DOC_TOO_BIG);
    EXPECT_EQ(CheckReadSize(false, 10), DOC_SIZE_UNKNOWN);
    EXPECT_EQ(ReadCheckMessage(DOC_SIZE_UNKNOWN), DOC_MSG_NONE);
    EXPECT_EQ(ReadCheckMessage(DOC_TOO_BIG), DOC_MSG_TOO_BIG);
    EXPECT_EQ(ViewerCheckMessage(DOC_TOO_BIG), DOC_MSG_VIEWER_TOO_BIG);
}

TEST(ReadChecks, LineLongerThanTheLimitIsFoundWithItsNumber)
{
    const size_t kLimit = DOCUMENT_LINE_LIMIT;
    LongLine found = {0, 0};
    std::string atLimit(kLimit, 'a');
    EXPECT_FALSE(FindLongLine(atLimit.data(), atLimit.size(), kLimit, &found));
    EXPECT_FALSE(FindLongLine("", 0, kLimit, &found));
    // CR LF counts once; lone CR and lone LF end lines too; the line ends are
    // not part of the length; a zero byte is.
    std::string text = "a\r\nb\rc\nd\r\n" + atLimit + "\r\n" + atLimit + "\n" + std::string(kLimit, '\0') + "x";
    ASSERT_TRUE(FindLongLine(text.data(), text.size(), kLimit, &found));
    EXPECT_EQ(found.nLine, 7u);
    EXPECT_EQ(found.nBytes, kLimit + 1);
    // Within a short buffer, and the last line without its end.
    ASSERT_TRUE(FindLongLine("ab\r\ncdef", 8, 3, &found));
    EXPECT_EQ(found.nLine, 2u);
    EXPECT_EQ(found.nBytes, 4u);
    EXPECT_FALSE(FindLongLine("ab\r\ncdef", 7, 3, &found));
    // The box names the line and its length, then the limit.
    std::string box = LineTooLongText({12, 1048575});
    EXPECT_EQ(box.rfind("12 ", 0), 0u);
    EXPECT_NE(box.find("1048575 "), std::string::npos);
    EXPECT_NE(box.find("\r\n1"), std::string::npos);
    EXPECT_NE(box.find("16,384"), std::string::npos);
    EXPECT_EQ(ReadCheckMessage(DOC_LINE_TOO_LONG), DOC_MSG_LINE_TOO_LONG);
}

TEST(ReadBuffer, ZeroBytesAskTheQuestionAndBecomeBackslashesOnYes)
{
    const char file[] = "ab\0cd\0e";
    size_t size = sizeof file - 1;
    std::vector<char> buf(ReadBufferSize(size), 'Q');
    std::copy(file, file + size, buf.begin());
    ReadAnalysis a = AnalyseReadBuffer(buf.data(), size, size);
    EXPECT_EQ(a.nTextLen, 2u);
    EXPECT_TRUE(a.bHasZeroBytes);
    EXPECT_FALSE(a.bOverwriteAllowed);
    EXPECT_EQ(buf[size], '\0');
    EXPECT_EQ(FormatDocumentTitle("bin.dat", size, a.nTextLen, false),
              "[bin.dat]  (FileSize 7byte,TextSize(detected) 2byte)");

    ReplaceZeroBytes(buf.data(), a.nTextLen, size);
    EXPECT_STREQ(buf.data(), "ab\\cd\\e");
}

TEST(ReadBuffer, PureEmptyAndShortReads)
{
    std::vector<char> buf(ReadBufferSize(5), 0);
    std::copy_n("hello", 5, buf.begin());
    ReadAnalysis a = AnalyseReadBuffer(buf.data(), 5, 5);
    EXPECT_EQ(a.nTextLen, 5u);
    EXPECT_FALSE(a.bHasZeroBytes);
    EXPECT_TRUE(a.bOverwriteAllowed);

    std::vector<char> emptyBuf(ReadBufferSize(0), 'Q');
    ReadAnalysis empty = AnalyseReadBuffer(emptyBuf.data(), 0, 0);
    EXPECT_EQ(empty.nTextLen, 0u);
    EXPECT_TRUE(empty.bOverwriteAllowed);
    EXPECT_EQ(FormatDocumentTitle("e.txt", 0, 0, false), "[e.txt]  (FileSize 0byte,TextSize(detected) 0byte)");

    // Three of five bytes came: no zero byte question, but writing the pane
    // back would cut the file, so overwrite stays off.
    ReadAnalysis shortRead = AnalyseReadBuffer(buf.data(), 3, 5);
    EXPECT_FALSE(shortRead.bHasZeroBytes);
    EXPECT_TRUE(shortRead.bShortRead);
    EXPECT_FALSE(shortRead.bOverwriteAllowed);
    EXPECT_EQ(shortRead.nTextLen, 3u);
}

TEST(WindowTitle, OverwrittenFormAndLongTitleCutOnACharacter)
{
    EXPECT_EQ(FormatDocumentTitle("\x83\x5c.cpp", 1048575, 1048575, true),
              "[\x83\x5c.cpp]  (FileSize 1048575byte,TextSize(detected) 1048575byte:OverWritten)");
    std::string title = std::string(62, 't') + "\x95\x5c" + std::string(100, 'x');
    std::string shown = FormatDocumentTitle(title.c_str(), 1, 1, true);
    EXPECT_EQ(shown.substr(0, 64), "[" + std::string(62, 't') + "]");
    EXPECT_LT(shown.size(), static_cast<size_t>(WINDOW_TITLE_SIZE));
}

TEST(Saving, FirstFailedStepDecidesAndCallersAnswerTheirWay)
{
    SaveSteps ok = {false, true, true, 5, 5, true, true};
    EXPECT_EQ(CheckSaveSteps(ok), SAVE_OK);
    SaveSteps s = ok;
    s.nWritten = 4;  // a short write must not replace the target
    s.bReplaced = false;
    EXPECT_EQ(CheckSaveSteps(s), SAVE_WRITE_FAILED);
    s = ok;
    s.bTempOpened = false;
    s.bClosed = false;
    EXPECT_EQ(CheckSaveSteps(s), SAVE_OPEN_FAILED);
    s = ok;
    s.bReplaced = false;
    EXPECT_EQ(CheckSaveSteps(s), SAVE_REPLACE_FAILED);
    s = ok;
    s.bCancelled = true;
    EXPECT_EQ(CheckSaveSteps(s), SAVE_CANCELLED);

    EXPECT_EQ(SaveReturnValue(SAVE_AS, SAVE_OK, 5), 5);
    EXPECT_EQ(SaveReturnValue(SAVE_AS, SAVE_CANCELLED, 0), 0);
    EXPECT_EQ(SaveReturnValue(SAVE_AS_2, SAVE_OK, 0), 0);
    EXPECT_EQ(SaveReturnValue(SAVE_AS_2, SAVE_CANCELLED, 0), -1);
    EXPECT_EQ(SaveReturnValue(SAVE_AS_2, SAVE_WRITE_FAILED, 5), -1);
    EXPECT_EQ(SaveReturnValue(SAVE_OVERWRITE, SAVE_OK, 5), 0);
    EXPECT_EQ(SaveReturnValue(SAVE_OVERWRITE, SAVE_CLOSE_FAILED, 5), -1);

    EXPECT_EQ(SaveCheckMessage(SAVE_AS_2, SAVE_CLOSE_FAILED), DOC_MSG_SAVE2_CLOSE_FAILED);
    EXPECT_EQ(SaveCheckMessage(SAVE_OVERWRITE, SAVE_NO_MEMORY), DOC_MSG_OVERWRITE_NO_MEMORY);
    EXPECT_EQ(SaveCheckMessage(SAVE_AS, SAVE_CANCELLED), DOC_MSG_NONE);

    const char text[] = "abc\0def";
    EXPECT_EQ(SavedTextLength(text, sizeof text), 3u);
    EXPECT_EQ(SavedTextLength("abcdef", 4), 4u);  // no terminator within the capacity
}

TEST(Saving, SecondSaveDialogStartsWithThePathAndItsName)
{
    SaveDialogSeed seed;
    std::string longest = "C:\\" + std::string(252, 'd') + "\\a.c";  // 259 bytes
    EXPECT_EQ(SeedSaveDialog2(longest.c_str(), &seed), 1);
    EXPECT_EQ(std::string(seed.szFile), longest);
    EXPECT_STREQ(seed.szFileTitle, "a.c");
    EXPECT_EQ(SeedSaveDialog2((longest + "x").c_str(), &seed), 0);
    EXPECT_STREQ(seed.szFile, "");
    EXPECT_STREQ(seed.szFileTitle, "");
}

TEST(Messages, TextsAreCp932AndEveryIdHasOne)
{
    // 警告 = 8C 78 8D 90; the relative-path text names "(X:\)".
    EXPECT_STREQ(GetDocMessage(DOC_MSG_RELATIVE_PATH).szTitle, "\x8c\x78\x8d\x90");
    EXPECT_NE(std::string(GetDocMessage(DOC_MSG_RELATIVE_PATH).szText).find("(X:\\)"), std::string::npos);
    for (int id = 0; id < DOC_MSG_COUNT; ++id) {
        const DocMessage &m = GetDocMessage(static_cast<DocMessageId>(id));
        EXPECT_NE(m.szText[0], '\0') << id;
        EXPECT_NE(m.szTitle[0], '\0') << id;
    }
    EXPECT_STREQ(GetDocMessage(static_cast<DocMessageId>(-3)).szText, "");
    // The filters are pairs of texts ended by an empty one.
    EXPECT_STREQ(szSaveFilter + std::strlen(szSaveFilter) + 1, "*.*");
    // The open dialog's first filter shows C and C++ sources and headers.
    std::string first = szOpenFilter + std::strlen(szOpenFilter) + 1;
    std::set<std::string> patterns;
    for (size_t at = 0; at <= first.size();) {
        size_t end = std::min(first.find(';', at), first.size());
        patterns.insert(first.substr(at, end - at));
        at = end + 1;
    }
    for (const char *p : {"*.c", "*.cpp", "*.cc", "*.cxx", "*.h", "*.hpp"})
        EXPECT_EQ(patterns.count(p), 1u) << p;
}

TEST(ViewerZoom, StepsAndThumbStayWithinTheBarRange)
{
    EXPECT_EQ(NextZoomSize(ZOOM_START, ZOOM_LINE_RIGHT, 0), 209);
    EXPECT_EQ(NextZoomSize(ZOOM_START, ZOOM_PAGE_LEFT, 0), 193);
    EXPECT_EQ(NextZoomSize(130, ZOOM_PAGE_LEFT, 0), ZOOM_MIN);
    EXPECT_EQ(NextZoomSize(505, ZOOM_PAGE_RIGHT, 0), ZOOM_MAX);
    EXPECT_EQ(NextZoomSize(300, ZOOM_THUMB_RELEASED, 400), 400);
    EXPECT_EQ(NextZoomSize(300, ZOOM_OTHER, 400), 300);
}
