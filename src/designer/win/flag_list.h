// Check lists of flags shared by the options and flag dialogs.
#pragma once
#include <windows.h>

void InitFlagList(HWND list);
void AddFlagItems(HWND list, int row, BOOL ex, int group);
int ItemChecked(HWND list, int item);
// The slot and group an item of a check list was tagged with by AddFlagItems.
void FlagItemTag(HWND list, int item, int *pSlot, int *pGroup);
