#include "text/skeleton.h"
#include "text/replace_nth.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const char kTemplate[] =
    "//Header_Insertion\r\n//CallBack_Insertion\r\n//FuncDecl_Insertion\r\n"
    "//Option_Insertion\r\nDispatch;\r\n//Option_Insertion\r\n//PreFunc_Insertion\r\n"
    "style=INSERTION; icon=INSERTION; cursor=INSERTION; brush=INSERTION_BRUSH; menu=INSERTION;\r\n"
    "reg=INSERTION; create=INSERTION; title=INSERTION;\r\n//       case_Insertion\r\n//Following_Insertion\r\n";

const SkeletonOptionTexts kOptions = {"if(Pretranslate(&msg)){", "}", "BOOL Pretranslate( MSG* );",
                                      "BOOL Pretranslate(MSG *pMsg){ return TRUE; }"};

} // namespace

TEST(Skeleton, FillsPlaceholdersInOrder)
{
    SkeletonChoices c;
    c.szClassName = "INSERTION"; // a value holding the placeholder is not filled again
    c.szTitle = "My Project";
    std::string out;
    ASSERT_EQ(FillSkeleton(kTemplate, c, kOptions, 16384, out), 1);
    EXPECT_NE(out.find("style=CS_HREDRAW|CS_VREDRAW; icon=IDI_APPLICATION; cursor=IDC_ARROW; brush=LTGRAY_BRUSH; "
                       "menu=NULL;"),
              std::string::npos);
    EXPECT_NE(out.find("reg=INSERTION; create=INSERTION; title=My Project;"), std::string::npos);
    EXPECT_EQ(out.find("//Option_Insertion"), std::string::npos);
    EXPECT_EQ(out.find("//PreFunc_Insertion"), std::string::npos);
    for (const char *marker : {"//Header_Insertion", "//CallBack_Insertion", "//FuncDecl_Insertion",
                               "//       case_Insertion", "//Following_Insertion"})
        EXPECT_NE(out.find(marker), std::string::npos) << marker;
    c.bPreTranslator = true;
    c.szMenu = "USERSMENU";
    c.nIcon = 5;
    for (bool &b : c.abStyle)
        b = true;
    ASSERT_EQ(FillSkeleton(kTemplate, c, kOptions, 16384, out), 1);
    EXPECT_NE(out.find("style=CS_HREDRAW|CS_VREDRAW|CS_NOCLOSE|CS_DBLCLKS|CS_BYTEALIGNCLIENT|CS_BYTEALIGNWINDOW;"),
              std::string::npos);
    EXPECT_NE(out.find("menu=\"USERSMENU\";"), std::string::npos);
    EXPECT_NE(out.find("icon=IDI_WINLOGO"), std::string::npos);
    EXPECT_NE(out.find("BOOL Pretranslate( MSG* );\r\n//FuncDecl_Insertion"), std::string::npos);
    EXPECT_NE(out.find("if(Pretranslate(&msg)){\r\nDispatch;\r\n}\r\n"), std::string::npos);
    bool none[5] = {false, false, false, false, false};
    EXPECT_EQ(SkeletonClassStyle(none), "NULL");
}

TEST(Skeleton, RefusesMissingPlaceholdersAndOverflow)
{
    SkeletonChoices c;
    std::string out;
    EXPECT_EQ(FillSkeleton("INSERTION only", c, kOptions, 16384, out), 0);
    EXPECT_EQ(FillSkeleton(kTemplate, c, kOptions, 100, out), 0);
    EXPECT_TRUE(out.empty());
}

TEST(ReplaceNth, MovesTheRestAndRefusesMissingOccurrences)
{
    char buf[32] = "a INSERTION b INSERTION";
    EXPECT_EQ(ReplaceNth(buf, sizeof buf, "INSERTION", 2, "LONGERTEXT"), 1);
    EXPECT_STREQ(buf, "a INSERTION b LONGERTEXT");
    EXPECT_EQ(ReplaceNth(buf, sizeof buf, "INSERTION", 2, "x"), 0);
    EXPECT_STREQ(buf, "a INSERTION b LONGERTEXT");
    EXPECT_EQ(ReplaceNth(buf, sizeof buf, "INSERTION", 1, "this text is far too long"), 0);
}
