// The switch between the two panes and the subclassing of the main pane
// (dropped files) and the find entry (its scroll arrows search).
#pragma once
#include <windows.h>

// SwitchPane (1407): shows the resource pane or the main pane.
void SwitchPane(HWND mainWnd);

void SubclassPanes();
// Restores the window procedures of hEdit and hEditEntry, reporting a refusal.
void UnsubclassPanes();
