// The rubber band of a rectangle being dragged out with the mouse.
#pragma once
#include <windows.h>

// Draws the outline from a to b in the window's client area by inverting
// the pixels, so that drawing it again removes it.
void DrawRubberBand(HWND hwnd, POINT a, POINT b);
