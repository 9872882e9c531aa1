// Check lists of flags shared by the options and flag dialogs.
#pragma once
#include <windows.h>

void InitFlagList(HWND list);
void AddFlagItems(HWND list, int row, BOOL ex, int group);
int ItemChecked(HWND list, int item);
