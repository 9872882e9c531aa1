// Buttons as rebar bands, shared by the user-button bar and the file list.
#pragma once
#include <windows.h>

// Every new band is refused while limitReached() says the run's button
// limit is reached (the user-button bar registers it).
void SetBandButtonLimit(BOOL (*limitReached)());

// A user button (plain push button) as a new last band of the bar.
// NULL when refused (the run's button limit) or when it could not be made.
HWND AddBandButton(HWND bar, const char *szLabel, UINT id);

// A file button (push-like radio button, vertical band) for the file list.
HWND AddFileBandButton(HWND bar, const char *szLabel, UINT id);

// Removes the band of the button with the id and destroys the button.
void DeleteBandButton(HWND bar, UINT id);

// Shows or hides the band of the button with the id.
void ShowBandButton(HWND bar, UINT id, BOOL bShow);

// The button window with the id on the bar, or NULL.
HWND BandButtonWindow(HWND bar, UINT id);
