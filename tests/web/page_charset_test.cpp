#include "web/iconv_converter.h"
#include "web/page_charset.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(PageCharset, HeaderThenBomThenMeta)
{
    const char meta[] = "<META http-equiv=Content-Type content='text/html; charset=EUC-JP'>";
    EXPECT_EQ(DetectPageCharset("utf-8", meta, std::strlen(meta)), PAGE_CHARSET_UTF8);
    EXPECT_EQ(DetectPageCharset("", meta, std::strlen(meta)), PAGE_CHARSET_EUC_JP);
    EXPECT_EQ(DetectPageCharset(nullptr, "\xEF\xBB\xBFx", 4), PAGE_CHARSET_UTF8);
    EXPECT_EQ(DetectPageCharset("", "<meta charset=\"Shift_JIS\">", 26), PAGE_CHARSET_SHIFT_JIS);
    EXPECT_EQ(DetectPageCharset("", "<meta name=x><p>charset=utf-8", 29), PAGE_CHARSET_UNKNOWN);
    EXPECT_EQ(DetectPageCharset("koi8-r", "", 0), PAGE_CHARSET_OTHER);
}

TEST(PageCharset, ConversionToCp932)
{
    std::string out;
    // 表 in UTF-8 and EUC-JP, a BOM dropped, U+1F600 and a stray byte as "?".
    EXPECT_EQ(ConvertPageToCp932(PAGE_CHARSET_UTF8, "\xEF\xBB\xBF\xE8\xA1\xA8\xF0\x9F\x98\x80\xFFz", 12,
                                 IconvToCp932, out), 1);
    EXPECT_EQ(out, "\x95\x5c??z");
    EXPECT_EQ(ConvertPageToCp932(PAGE_CHARSET_EUC_JP, "\xC9\xBD", 2, IconvToCp932, out), 1);
    EXPECT_EQ(out, "\x95\x5c");
    EXPECT_EQ(ConvertPageToCp932(PAGE_CHARSET_UTF8, "\xE8\xA1", 2, IconvToCp932, out), 1);
    EXPECT_EQ(out, "?");  // cut short at the end
    // CP932 and unknown pages, or no converter, stay as they are.
    EXPECT_EQ(ConvertPageToCp932(PAGE_CHARSET_SHIFT_JIS, "\x95\x5c", 2, IconvToCp932, out), 0);
    EXPECT_EQ(out, "\x95\x5c");
    EXPECT_EQ(ConvertPageToCp932(PAGE_CHARSET_UTF8, "ab", 2, nullptr, out), 0);
    EXPECT_EQ(out, "ab");
}
