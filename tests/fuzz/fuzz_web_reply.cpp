// Replies fed in chunks of varying size, and the same bytes as a URL and a
// search word for the request builders.
#include "web/http_reply.h"
#include "web/search_entry.h"

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
    size_t len;
    HttpReplyBody(reply.get(), &len);
    HttpReplyTimedOut(reply.get(), unsigned(size));

    std::string text(bytes, size);
    SearchEntry entry;
    SplitUrlToEntry(text.c_str(), &entry);
    char request[REQUEST_SIZE];
    BuildSearchRequest(&entry, text.c_str(), request, sizeof request);
    char host[ENTRY_SERVER_SIZE] = "", path[128];
    SplitLinkUrl(text.c_str(), host, sizeof host, path, sizeof path);
    IsDottedAddress(text.c_str());
    return 0;
}
