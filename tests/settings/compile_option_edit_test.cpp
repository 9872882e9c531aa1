// The quick-compile options text as the settings sheet edits it.
#include <gtest/gtest.h>

#include "settings/compile_option_edit.h"

TEST(CompileOptionEdit, IsolatedWordsOnly)
{
    EXPECT_EQ(FindIsolatedOption("-tW -tWM", "tW"), 1u);
    EXPECT_EQ(FindIsolatedOption("-tWM", "tW"), std::string::npos);
    EXPECT_EQ(FindIsolatedOption("-tWM -tW", "tW"), 6u);
    EXPECT_EQ(FindIsolatedOption("-x_v -v", "v"), 6u);
    EXPECT_EQ(FindIsolatedOption("", "v"), std::string::npos);
}

TEST(CompileOptionEdit, UncheckAndCheck)
{
    std::string s = "-tW -tWM ";
    SetCompileOption(s, "tW", false);
    EXPECT_EQ(s, "-tWM ");
    SetCompileOption(s, "v", true);
    EXPECT_EQ(s, "-tWM -v ");
    SetCompileOption(s, "v", true);
    EXPECT_EQ(s, "-tWM -v ");
    std::string t = "tW -f";
    SetCompileOption(t, "tW", false);
    EXPECT_EQ(t, "-f");
    // The default text has no trailing space: a checked option is not glued to it.
    std::string d = "-tW -tWM";
    SetCompileOption(d, "tW", false);
    EXPECT_EQ(d, "-tWM");
    SetCompileOption(d, "v", true);
    EXPECT_EQ(d, "-tWM -v ");
}
