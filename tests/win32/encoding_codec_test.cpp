// The document converters with kernel32's CP932 mapping: the same cases as
// the native iconv run, and the web page conversion of EUC-JP and
// ISO-2022-JP pages, which Wine's code pages 20932 and 50220 got wrong.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/frame/cp932_codec_win.h"
#include "encoding_cases.h"
#include "web/page_charset.h"

TEST(EncodingKernel32, SharedCasesThroughKernel32)
{
    CheckUnicodeCases(Kernel32Cp932Codec());
    CheckWholeTable(Kernel32Cp932Codec());
}

TEST(EncodingKernel32, PagesInEucJpAndIso2022Jp)
{
    const Cp932Codec &codec = Kernel32Cp932Codec();
    std::string out;
    // 〜 and ① in EUC-JP; 漢字 in ISO-2022-JP; ©, a character without a CP932 form.
    ASSERT_TRUE(PageToCp932(PAGE_CHARSET_EUC_JP, "<title>\xA1\xC1\xAD\xA1</title>", 19, codec, out));
    EXPECT_EQ(out, "<title>\x81\x60\x87\x40</title>");
    ASSERT_TRUE(PageToCp932(PAGE_CHARSET_ISO2022JP, "\x1B$B4A;z\x1B(B", 10, codec, out));
    EXPECT_EQ(out, "\x8A\xBF\x8E\x9A");
    ASSERT_TRUE(PageToCp932(PAGE_CHARSET_UTF8, "a\xC2\xA9", 3, codec, out));
    EXPECT_EQ(out, "a?");
}
