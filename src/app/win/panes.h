// The two rich-edit panes: initial font and subclassing.
#pragma once
#include <windows.h>

void SetInitialPaneFont(HWND pane);
void SubclassPanes();
// Restores the window procedures of hEdit and hEditEntry, reporting a refusal.
void UnsubclassPanes();
