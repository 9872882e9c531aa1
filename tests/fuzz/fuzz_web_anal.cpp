// Hostile pages through the link, form and charset analysis.
#include "web/anchor_scan.h"
#include "web/form_anal.h"
#include "web/html_scan.h"
#include "web/http_anal.h"
#include "web/page_charset.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    std::string page(reinterpret_cast<const char *>(data), size);
    DetectPageCharset("", page.data(), page.size());
    const char *text = page.c_str();  // stops at the first zero byte, as the program does
    HttpAnal anal;
    int n = anal.GetReadyUrlAndTitle(text);
    for (int i = 0; i <= n; ++i) {
        anal.GetUrl(i);
        anal.GetTitle(i);
    }
    // Every anchor moves on, stays inside the page and keeps its href in its tag;
    // every anchor with an href is a row.
    std::string lower = LowerCopy(text, std::strlen(text));
    AnchorScan scan(lower);
    AnchorTag tag;
    size_t last = 0;
    int nHrefs = 0;
    while (scan.Next(&tag)) {
        if (tag.nStart < last || tag.nTagEnd <= tag.nStart || tag.nTextEnd < tag.nTagEnd ||
            tag.nTextEnd > lower.size() || (tag.bHasHref && tag.nHrefFrom + tag.nHrefLen > tag.nTagEnd))
            std::abort();
        last = tag.nTagEnd;
        nHrefs += tag.bHasHref;
    }
    if (nHrefs != n)
        std::abort();
    static std::unique_ptr<SearchEntry[]> table(new SearchEntry[FORM_TABLE_SIZE]);
    bool full;
    HttpAnal_AnalForm(text, table.get(), &full);
    char out[16];
    GetTagAttribute(text, "href", "=", out, sizeof out);
    return 0;
}
