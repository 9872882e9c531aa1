// The record of a pane's document through its transitions: read, park and
// restore, recovery, save under a new name, refusals.
#include "doc/doc_messages.h"
#include "doc/document_record.h"

#include <gtest/gtest.h>

#include <string>

static const char kApp[] = "APP";

TEST(DocumentRecord, ReadSaveAndOverwriteGiveTheTitlesOfTheirOperation)
{
    DocumentRecord r;
    EXPECT_EQ(DocumentWindowTitle(r, kApp), kApp);
    EXPECT_TRUE(OverwriteAllowed(r));  // no name yet: 202 becomes a save under a new name

    RecordFileRead(r, "C:\\src\\a.c", 26, 26, DOC_WHOLE);
    EXPECT_EQ(r.origin, DOC_ORIGIN_FILE);
    EXPECT_STREQ(r.szTitle, "a.c");
    EXPECT_EQ(DocumentWindowTitle(r, kApp), "[a.c]  (FileSize 26byte,TextSize(detected) 26byte)");

    RecordSaved(r, "C:\\src\\a.c", 30, 30, true);
    EXPECT_EQ(DocumentWindowTitle(r, kApp), "[a.c]  (FileSize 30byte,TextSize(detected) 30byte:OverWritten)");

    RecordSaved(r, "C:\\src\\c.c", 45, 45, false);
    EXPECT_STREQ(r.szPath, "C:\\src\\c.c");
    EXPECT_EQ(DocumentWindowTitle(r, kApp), "[c.c]  (FileSize 45byte,TextSize(detected) 45byte)");
}

TEST(DocumentRecord, TextNotReadWholeRefusesOverwriteUntilSavedElsewhere)
{
    DocumentRecord r;
    RecordFileRead(r, "C:\\src\\zero.bin", 38, 8, DOC_NOT_WHOLE_ZERO_BYTES);
    EXPECT_FALSE(OverwriteAllowed(r));
    EXPECT_EQ(NotWholeMessage(r.wholeness), DOC_MSG_NOT_WHOLE_ZERO_BYTES);
    // Parked and brought back, it is still the same cut text.
    DocumentRecord parked = r;
    RecordRestored(parked);
    EXPECT_EQ(parked.origin, DOC_ORIGIN_PARKED);
    EXPECT_FALSE(OverwriteAllowed(parked));
    EXPECT_EQ(DocumentWindowTitle(parked, kApp), DocumentWindowTitle(r, kApp));
    // Saved under a new name, the new file holds exactly the pane's text.
    RecordSaved(parked, "C:\\src\\copy.txt", 8, 8, false);
    EXPECT_TRUE(OverwriteAllowed(parked));

    for (DocWholeness w : {DOC_NOT_WHOLE_SHORT_READ, DOC_NOT_WHOLE_LOST_CHARS, DOC_NOT_WHOLE_INVALID_BYTES}) {
        RecordFileRead(r, "C:\\a.c", 1, 1, w);
        EXPECT_FALSE(OverwriteAllowed(r));
        EXPECT_NE(NotWholeMessage(w), DOC_MSG_NONE);
        EXPECT_STRNE(GetDocMessage(NotWholeMessage(w)).szText, "");
    }
}

TEST(DocumentRecord, RecoveredTextsSayTheyAreUnsavedAndAPathThatDoesNotFitIsNoPath)
{
    DocumentRecord r;
    RecordRecovered(r, "C:\\src\\c.c", 12);
    EXPECT_EQ(r.origin, DOC_ORIGIN_RECOVERY);
    EXPECT_EQ(DocumentWindowTitle(r, kApp).rfind("[c.c]  (", 0), 0u);
    RecordRecovered(r, "", 3);
    EXPECT_EQ(DocumentWindowTitle(r, kApp).rfind("[(\x96\xb3\x91\xe8)]", 0), 0u);  // (無題)

    std::string longPath = "C:\\" + std::string(FULL_PATH_SIZE, 'x') + ".c";
    RecordFileRead(r, longPath.c_str(), 1, 1, DOC_WHOLE);
    EXPECT_STREQ(r.szPath, "");
    EXPECT_EQ(r.origin, DOC_ORIGIN_NONE);
    EXPECT_EQ(DocumentWindowTitle(r, kApp), kApp);

    // A Japanese name is kept whole on its character boundary.
    RecordFileRead(r, "C:\\\x83\\\x81[\x83X.c", 4, 4, DOC_WHOLE);  // ソース.c
    EXPECT_STREQ(r.szTitle, "\x83\\\x81[\x83X.c");
    RecordNoDocument(r);
    EXPECT_EQ(DocumentWindowTitle(r, kApp), kApp);
}
