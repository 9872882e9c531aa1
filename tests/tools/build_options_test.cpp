#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tools/compile_options.h"
#include "tools/source_facts.h"

namespace {

SourceFacts Scan(const std::string &text)
{
    return ScanSourceFacts(text.data(), text.size());
}

// Answers every question the same way and records them.
struct Answers {
    bool bYes;
    std::vector<OptionQuestion> asked;
};

bool Answer(void *context, OptionQuestion question)
{
    Answers *answers = static_cast<Answers *>(context);
    answers->asked.push_back(question);
    return answers->bYes;
}

std::string Check(const char *szOptions, const SourceFacts &facts, Answers *answers)
{
    char buf[COMPILE_OPTIONS_MAX + 1];
    std::strcpy(buf, szOptions);
    EXPECT_EQ(CheckOptions(buf, sizeof(buf), &facts, Answer, answers), 1);
    return buf;
}

} // namespace

TEST(SourceFacts, EntryPointsFloatsAndThreads)
{
    SourceFacts f = Scan("int WINAPI WinMain (HINSTANCE h, HINSTANCE p, LPSTR c, int n)");
    EXPECT_TRUE(f.bWinMain);
    EXPECT_FALSE(f.bDllMain);
    EXPECT_TRUE(Scan("BOOL APIENTRY\r\n  DllMain(HANDLE h)").bDllMain);
    EXPECT_TRUE(Scan("double x;").bFloat);
    EXPECT_TRUE(Scan("  float\tratio ;").bFloat);
    // Only a plain declaration counts, and the type must stand before a blank.
    EXPECT_FALSE(Scan("double x = 1.0;").bFloat);
    EXPECT_FALSE(Scan("floating;").bFloat);
    EXPECT_TRUE(Scan("h = _beginthread (Run, 0, 0);").bThreads);
    EXPECT_TRUE(Scan("CreateRemoteThread(h").bThreads);
    EXPECT_FALSE(Scan("_beginthreadex(").bThreads);
    EXPECT_TRUE(Scan("void main(void)").bVoidMain);
    EXPECT_FALSE(Scan("void mainloop(void)").bVoidMain);
    EXPECT_FALSE(Scan("").bWinMain);
}

TEST(SourceFacts, CommentsAreBlankedButLiteralsAreNot)
{
    EXPECT_FALSE(Scan("/* int WINAPI WinMain( */").bWinMain);
    EXPECT_FALSE(Scan("// double d;\nint i;").bFloat);
    EXPECT_TRUE(Scan("// note\ndouble d;").bFloat);
    // A comment opener inside a literal is no comment.
    EXPECT_TRUE(Scan("char *s = \"/*\"; double d; /* */").bFloat);
    EXPECT_TRUE(Scan("char c = '\"'; double d;").bFloat);
    // An unclosed comment runs to the end.
    EXPECT_FALSE(Scan("/* double d;").bFloat);
    // A double-byte character ending in 0x5C does not escape the quote.
    EXPECT_TRUE(Scan("char *s = \"\x95\x5c\"; double d;").bFloat);
    // Bytes after a NUL are not scanned.
    std::string withNul("int i;\0double d;", 16);
    EXPECT_FALSE(Scan(withNul).bFloat);

    char text[] = "a /* b\r\nc */ d // e\r\nf";
    BlankComments(text, std::strlen(text));
    EXPECT_STREQ(text, "a     \r\n     d     \r\nf");
}

TEST(CompileOptions, OptionCountsOnlyWhenItsLettersEnd)
{
    EXPECT_FALSE(HasOption("-tWM", "tW"));
    EXPECT_TRUE(HasOption("-tWM -tW", "tW"));
    EXPECT_EQ(FindOption("-tWM -tW", "tW"), 5);
    EXPECT_TRUE(HasOption("-v -f", "f"));
    EXPECT_FALSE(HasOption("-ff", "f"));
    EXPECT_FALSE(HasOption("-tW2", "tW"));

    // Removing -tW never bites into -tWM standing before it.
    char options[32] = "-tWM -tW -tWD";
    EXPECT_EQ(RemoveOption(options, sizeof(options), "tW"), 1);
    EXPECT_STREQ(options, "-tWM  -tWD");
    EXPECT_EQ(RemoveOption(options, sizeof(options), "tW"), 0);
}

TEST(CompileOptions, CheckAsksAboutTheEntryPoints)
{
    SourceFacts none = {false, false, false, false, false};
    SourceFacts win = none, dll = none, both = none;
    win.bWinMain = true;
    dll.bDllMain = true;
    both.bWinMain = both.bDllMain = true;

    Answers yes = {true, {}};
    EXPECT_EQ(Check("-tWM", win, &yes), "-tW -tWM");
    EXPECT_EQ(yes.asked, std::vector<OptionQuestion>{ASK_ADD_TW});

    Answers no = {false, {}};
    EXPECT_EQ(Check("-tWM", win, &no), "-tWM");

    // -tW without WinMain: removed on Yes; a DllMain then asks to add -tWD.
    yes.asked.clear();
    EXPECT_EQ(Check("-tW -tWM", dll, &yes), "-tWD  -tWM");
    EXPECT_EQ(yes.asked, (std::vector<OptionQuestion>{ASK_REMOVE_TW, ASK_ADD_TWD}));

    // -tWD -tWM with WinMain and DllMain: -tW in front, no question about
    // -tWD, then -tW is superfluous for the DLL.
    yes.asked.clear();
    EXPECT_EQ(Check("-tWD -tWM", both, &yes), " -tWD -tWM");
    EXPECT_EQ(yes.asked, (std::vector<OptionQuestion>{ASK_ADD_TW, ASK_REMOVE_TW_FOR_DLL}));
    no.asked.clear();
    EXPECT_EQ(Check("-tWD -tWM", both, &no), "-tWD -tWM");
    EXPECT_EQ(no.asked, (std::vector<OptionQuestion>{ASK_ADD_TW}));
    EXPECT_NE(std::string(OptionQuestionText(ASK_ADD_TW)).find("\"-tW\""), std::string::npos);
}

TEST(CompileOptions, FloatsAndThreadsAreAppendedWithoutAsking)
{
    SourceFacts facts = {true, false, true, true, false};
    Answers yes = {true, {}};
    EXPECT_EQ(Check("-tW", facts, &yes), "-tW -f -tWM ");
    EXPECT_TRUE(yes.asked.empty());
    EXPECT_EQ(Check("-tW -f -tWM", facts, &yes), "-tW -f -tWM");
    EXPECT_EQ(Check("-tW ", facts, &yes), "-tW -f -tWM ");
}

TEST(CompileOptions, FullOptionsAreRefusedNotOverrun)
{
    SourceFacts facts = {true, false, true, false, false};
    Answers yes = {true, {}};
    char buf[8] = "-v -x";
    EXPECT_EQ(CheckOptions(buf, sizeof(buf), &facts, Answer, &yes), 0);
    EXPECT_STREQ(buf, "-v -x");
    char full[4] = {'a', 'b', 'c', 'd'};  // not terminated within its size
    EXPECT_EQ(CheckOptions(full, sizeof(full), &facts, Answer, &yes), 0);
}
