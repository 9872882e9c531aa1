// acp-check: exits 0 when Wine runs with the Japanese ANSI code page 932.
// Without the ja_JP.UTF-8 locale Wine quietly uses 1252 and every CP932
// text of the editor would be misread, so the test run stops first.
#include <windows.h>
#include <cstdio>

int main()
{
    UINT acp = GetACP();
    std::printf("ANSI code page %u\n", acp);
    return acp == 932 ? 0 : 1;
}
