// Start-up: paths, instance numbering, the main window class and window.
#pragma once
#include <windows.h>

BOOL RegisterMainClass(HINSTANCE instance);
BOOL CreateMainWindow(HINSTANCE instance, int showCode);
BOOL InitWorkPaths(HINSTANCE instance);
HMENU MakeMenuA();
BOOL Pretranslate(MSG *msg);

extern const char MAIN_WINDOW_CLASS[];
