// BMP files of the screen capture, built in memory: the 14-byte file
// header, the 40-byte information header, the palette and the pixel rows
// bottom-up, as GetDIBits returns them. The Win32 layer writes the bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

enum {
    BMP_FILE_HEADER_BYTES = 14,
    BMP_INFO_HEADER_BYTES = 40,
    BMP_MAX_SIDE = 32767,  // larger sides are refused
};

// Largest pixel block written (256 MiB); a larger image is refused.
const uint32_t BMP_MAX_IMAGE_BYTES = 0x10000000;

// Sizes and offsets of one BMP file.
struct BmpLayout {
    int32_t nWidth;
    int32_t nHeight;           // positive: rows stored bottom-up
    uint16_t wBitCount;        // 1, 4, 8, 16, 24 or 32
    uint32_t nPaletteEntries;  // 2^bits up to 8 bits, else 0
    uint32_t nRowBytes;        // one row padded to 4 bytes
    uint32_t nImageBytes;      // nRowBytes x nHeight
    uint32_t nPixelOffset;     // 14 + 40 + 4 x nPaletteEntries
    uint32_t nFileBytes;       // nPixelOffset + nImageBytes
};

// Bits per pixel of the file for a bitmap of nPlanes x nBitsPerPixel: the
// product rounded up to 1, 4, 8, 16, 24 or 32 (32 for anything larger).
int BmpBitCount(int nPlanes, int nBitsPerPixel);

// Plans the file of a bitmap of the given size and format. Returns false
// when a side is not within 1 to BMP_MAX_SIDE or the pixels would need
// more than BMP_MAX_IMAGE_BYTES.
bool PlanBmpLayout(int nWidth, int nHeight, int nPlanes, int nBitsPerPixel, BmpLayout *layout);

// The whole file: headers, nPaletteEntries x 4 bytes of palette (zeros
// when palette is null) and nImageBytes of pixels.
std::vector<unsigned char> BuildBmpFile(const BmpLayout &layout, const unsigned char *palette,
                                        const unsigned char *pixels);
