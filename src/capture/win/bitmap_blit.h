// Copying the pixels of one bitmap onto another through two memory DCs.
#pragma once
#include <windows.h>

// Draws the source (nFromWidth x nFromHeight) onto the target (nToWidth x
// nToHeight), stretched when the sizes differ. The memory DCs are made
// compatible with hdc and freed again. FALSE when any step fails.
BOOL BlitBitmap(HDC hdc, HBITMAP hFrom, int nFromWidth, int nFromHeight, HBITMAP hTo, int nToWidth, int nToHeight);
