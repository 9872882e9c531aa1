// Replies fed in pieces of varying size (status line, header fields, chunk
// framing), and the same bytes as a URL, a link, a Location and a search
// word for the address and request builders.
#include "web/http_reply.h"
#include "web/search_entry.h"
#include "web/web_url.h"

#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    static std::unique_ptr<HttpReply> reply(new HttpReply);
    HttpReplyReset(reply.get(), 0);
    const char *bytes = reinterpret_cast<const char *>(data);
    size_t chunk = size ? data[0] % 17 + 1 : 1;
    for (size_t at = 0; at < size; at += chunk)
        HttpReplyFeed(reply.get(), bytes + at, size - at < chunk ? size - at : chunk, unsigned(at));
    HttpReplyFinish(reply.get());
    HttpReplyBodyEnded(reply.get());
    std::string body;
    HttpReplyDecodedBody(reply.get(), body);
    char text[256];
    HttpReplyStatusProblem(reply.get(), text, sizeof text);
    HttpReplyTimedOut(reply.get(), unsigned(size));

    std::string textIn(bytes, size);
    SearchEntry entry;
    SplitUrlToEntry(textIn.c_str(), &entry);
    WebUrl url, next;
    if (EntrySearchUrl(&entry, textIn.c_str(), &url))
        BuildGetRequest(url);
    ParseWebUrl("http://h.jp/a/b/c?q", &url);
    if (ResolveReference(url, textIn, &next))
        WebUrlText(next);
    DecideRedirect(url, 302, reply->szLocation, 1, &next);
    IsDottedAddress(textIn.c_str());
    return 0;
}
