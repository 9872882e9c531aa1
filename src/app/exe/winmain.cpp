// Entry of sora.exe: the command line is ignored.
#include "app/frame/globals.h"
#include "app/shell/keys.h"
#include "app/shell/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int showCode)
{
    if (!previous && !RegisterMainClass(instance))
        return 0;
    if (!CreateMainWindow(instance, showCode))
        return 0;
    MSG msg;
    for (;;) {
        BOOL got = GetMessageA(&msg, NULL, 0, 0);
        if (got == 0)
            break;
        if (got == -1)
            continue;
        // The main window's shortcut keys come before Pretranslate's routing.
        if (TranslateMainKeys(&msg))
            continue;
        if (Pretranslate(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return (int)msg.wParam;
}
