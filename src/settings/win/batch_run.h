// Batch buttons: a batch text run line by line on a thread of its own.
#pragma once
#include <windows.h>

#include <string>

// Starts a thread that runs the batch; returns at once.
void StartBatchRun(const std::string &szBatch);

// What a batch thread asks of the main window's thread: the message
// WM_BATCH_REQUEST, sent with the request in wParam and its text in lParam.
enum { WM_BATCH_REQUEST = WM_APP + 0x70 };
enum BatchRequest {
    BATCH_READFILE,   // a ReadFile line: the file into the main pane
    BATCH_WRITEFILE,  // a WriteFile line: the main pane into the file
    BATCH_STATUS,     // the line being run, in the status bar
    BATCH_STATUSDONE, // the batch has ended, in the status bar for a while
    BATCH_MESSAGE     // a warning box
};

// The main window's side of a request (WM_BATCH_REQUEST); returns 0.
LRESULT OnBatchRequest(WPARAM request, LPARAM lParam);
