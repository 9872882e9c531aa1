// Batch buttons: a batch text run line by line on a thread of its own.
#pragma once
#include <windows.h>

#include <string>

// Starts a thread that runs the batch; returns at once.
void StartBatchRun(const std::string &szBatch);

// The main window's side of the thread's requests (IDM_BATCH_*): TRUE
// when the command was one of them.
BOOL OnBatchRequest(UINT id, LPARAM lParam);
