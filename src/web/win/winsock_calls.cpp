#include "web/win/winsock_calls.h"

WinsockCalls ws2;

namespace {

/* Take: the named call of the library into f; false when it is missing. */
template <typename F>
bool Take(HMODULE lib, const char *szName, F &f)
{
    // Through the generic function type, which converts to any other.
    f = (F)(void (*)())GetProcAddress(lib, szName);
    return f != NULL;
}

} // namespace

bool LoadWinsock()
{
    if (ws2.WSAStartup)
        return true;
    HMODULE lib = LoadLibraryA("WS2_32.DLL");
    if (!lib)
        return false;
    WinsockCalls c = {};
    bool all = Take(lib, "WSAStartup", c.WSAStartup) && Take(lib, "WSACleanup", c.WSACleanup) &&
               Take(lib, "WSAGetLastError", c.WSAGetLastError) && Take(lib, "WSASetLastError", c.WSASetLastError) &&
               Take(lib, "WSAAsyncGetHostByName", c.WSAAsyncGetHostByName) &&
               Take(lib, "WSAAsyncGetHostByAddr", c.WSAAsyncGetHostByAddr) &&
               Take(lib, "WSACancelAsyncRequest", c.WSACancelAsyncRequest) &&
               Take(lib, "WSAAsyncSelect", c.WSAAsyncSelect) && Take(lib, "socket", c.socket) &&
               Take(lib, "connect", c.connect) && Take(lib, "recv", c.recv) && Take(lib, "send", c.send) &&
               Take(lib, "closesocket", c.closesocket) && Take(lib, "inet_addr", c.inet_addr) &&
               Take(lib, "htons", c.htons);
    if (!all) {
        FreeLibrary(lib);
        return false;
    }
    ws2 = c;  // WSAStartup last of all: it tells that the calls are there
    return true;
}
