// The settings property sheet "設定" with its eight pages.
#pragma once
#include <windows.h>

// Capture options edited on the last page; kept for the run only.
struct CaptureOptions {
    BOOL bFixedSize;
    UINT nWidth;
    UINT nHeight;
    char szFolder[MAX_PATH];
};
extern CaptureOptions captureOptions;

// Shows the sheet modally on the page with the index (0 to 7).
void ShowSettingsSheet(HWND owner, int nStartPage);
