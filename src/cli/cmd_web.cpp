// sora-tool links / forms: what the web search's page analysis extracts.
#include "cli/cli_command.h"
#include "cli/cli_io.h"
#include "web/form_anal.h"
#include "web/http_anal.h"
#include "web/http_reply.h"
#include "web/iconv_converter.h"
#include "web/page_charset.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

/* Reads FILE (a page, or a saved reply starting with "HTTP/", its body
   chunked or not) and gives its body in CP932; false after a message when
   it cannot be read. */
static bool LoadPage(const char *szPath, std::string &page)
{
    std::string bytes;
    if (!ReadWholeFile(szPath, bytes))
        return false;
    std::string charset;
    if (bytes.compare(0, 5, "HTTP/") == 0) {
        auto reply = std::make_unique<HttpReply>();
        HttpReplyReset(reply.get(), 0);
        HttpReplyFeed(reply.get(), bytes.data(), bytes.size(), 0);
        if (reply->nDropped)
            std::fprintf(stderr, "%s: reply cut at %d bytes\n", szPath, HTTP_RECEIVE_SIZE - 1);
        charset = reply->szCharset;
        HttpReplyDecodedBody(reply.get(), bytes);
    }
    PageCharset cs = DetectPageCharset(charset.c_str(), bytes.data(), bytes.size());
    ConvertPageToCp932(cs, bytes.data(), bytes.size(), IconvToCp932, page);
    page = page.c_str();  // the analysis reads up to the first zero byte
    return true;
}

/* links FILE: one "URL<TAB>title" line per link, then a summary line. */
static int RunLinks(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sora-tool links FILE.html\n");
        return 2;
    }
    std::string page;
    if (!LoadPage(argv[1], page))
        return 1;
    HttpAnal anal;
    int n = anal.GetReadyUrlAndTitle(page.c_str());
    std::string out;
    for (int i = 0; i < n; ++i)
        out += std::string(anal.GetUrl(i)) + "\t" + anal.GetTitle(i) + "\n";
    out += "# " + std::to_string(n) + " links, " + std::to_string(anal.nAbsolute) + " absolute, " +
           std::to_string(anal.nNoCloseAnchors) + " without '>'\n";
    WriteStdout(out);
    return 0;
}

/* forms FILE: one line per record, tab-separated: server, path, method,
   variable, then the non-empty options; then a summary line. */
static int RunForms(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sora-tool forms FILE.html\n");
        return 2;
    }
    std::string page;
    if (!LoadPage(argv[1], page))
        return 1;
    std::unique_ptr<SearchEntry[]> table(new SearchEntry[FORM_TABLE_SIZE]);
    bool bFull = false;
    int n = HttpAnal_AnalForm(page.c_str(), table.get(), &bFull);
    std::string out;
    for (int r = 0; r < n; ++r) {
        const SearchEntry &e = table[r];
        out += std::string(e.szServer) + "\t" + e.szPath + "\t" + e.szMethod + "\t" + e.szVariable;
        for (int o = 0; o < ENTRY_OPTION_COUNT; ++o)
            if (e.szOptions[o][0])
                out += std::string("\t") + e.szOptions[o];
        out += "\n";
    }
    out += "# " + std::to_string(n) + " records" + (bFull ? ", table full\n" : "\n");
    WriteStdout(out);
    return 0;
}

SORA_CLI_COMMAND(links, "links", "links FILE.html  list the links and titles of a page", RunLinks);
SORA_CLI_COMMAND(forms, "forms", "forms FILE.html  list the search entries the page's forms give", RunForms);
