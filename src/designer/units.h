#pragma once
// Dialog base units of a font and the conversions between pixels and dialog units.
#include <cstdint>

// MulDiv with rounding to the nearest; 0 when the divisor is 0.
int32_t MulDivRound(int32_t a, int32_t b, int32_t c);

// Grid of a font from the measured extent (w, h) of the 52 letters A..Z a..z
// at the given point size and vertical resolution. Returns false when the
// measurement is unusable (zero height or a zero result).
bool GridFromTextExtent(int pointSize, int logPixelsY, int w, int h, int &gridpixelX, int &gridpixelY);

inline int PixelsToDluX(int x, int gridpixelX) { return MulDivRound(x, 4, gridpixelX); }
inline int PixelsToDluY(int y, int gridpixelY) { return MulDivRound(y, 8, gridpixelY); }
inline int DluToPixelsX(int x, int gridpixelX) { return MulDivRound(x, gridpixelX, 4); }
inline int DluToPixelsY(int y, int gridpixelY) { return MulDivRound(y, gridpixelY, 8); }
