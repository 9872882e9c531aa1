// The page exchange dialog PGEXCHGENTRYDLG, shared by the file pages and
// the user-button pages.
#pragma once
#include <windows.h>

// What the dialog works on.
struct PageExchangeSource {
    int (*countPages)();          // pages that count
    int (*pageIndex)();           // index of the page on show
    int (*shiftPage)(int nshift); // exchange with the page nshift away; 1 or 0
    UINT nNextCommand;            // the main window's next-page command
    const char *szButtonFormat;   // text of the page button, with the page number
    void (*afterChange)();        // the main window's page button follows
};

void ShowPageExchange(HWND owner, const PageExchangeSource &source);
// The dialog for the file pages.
void ShowFilePageExchange(HWND owner);
