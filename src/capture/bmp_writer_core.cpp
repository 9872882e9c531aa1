#include "capture/bmp_writer_core.h"

#include <cstring>

int BmpBitCount(int nPlanes, int nBitsPerPixel)
{
    static const int kCounts[] = {1, 4, 8, 16, 24};
    long bits = static_cast<long>(nPlanes) * nBitsPerPixel;
    for (int count : kCounts)
        if (bits <= count)
            return count;
    return 32;
}

bool PlanBmpLayout(int nWidth, int nHeight, int nPlanes, int nBitsPerPixel, BmpLayout *layout)
{
    std::memset(layout, 0, sizeof *layout);
    if (nWidth < 1 || nWidth > BMP_MAX_SIDE || nHeight < 1 || nHeight > BMP_MAX_SIDE)
        return false;
    int bits = BmpBitCount(nPlanes, nBitsPerPixel);
    uint64_t rowBytes = ((static_cast<uint64_t>(bits) * nWidth + 31) & ~static_cast<uint64_t>(31)) / 8;
    if (rowBytes * nHeight > BMP_MAX_IMAGE_BYTES)
        return false;
    layout->nWidth = nWidth;
    layout->nHeight = nHeight;
    layout->wBitCount = static_cast<uint16_t>(bits);
    // A colour table only where pixels index one; 16 bits and more hold the colour itself.
    layout->nPaletteEntries = bits <= 8 ? 1u << bits : 0;
    layout->nRowBytes = static_cast<uint32_t>(rowBytes);
    layout->nImageBytes = layout->nRowBytes * static_cast<uint32_t>(nHeight);
    layout->nPixelOffset = BMP_FILE_HEADER_BYTES + BMP_INFO_HEADER_BYTES + 4 * layout->nPaletteEntries;
    layout->nFileBytes = layout->nPixelOffset + layout->nImageBytes;
    return true;
}

// Little-endian stores of the header fields.
static unsigned char *Put16(unsigned char *p, uint32_t v)
{
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
    return p + 2;
}

static unsigned char *Put32(unsigned char *p, uint32_t v)
{
    return Put16(Put16(p, v & 0xFFFF), v >> 16);
}

std::vector<unsigned char> BuildBmpFile(const BmpLayout &layout, const unsigned char *palette,
                                        const unsigned char *pixels)
{
    std::vector<unsigned char> file(layout.nFileBytes, 0);
    unsigned char *p = file.data();
    *p++ = 'B';
    *p++ = 'M';
    p = Put32(p, layout.nFileBytes);
    p = Put32(p, 0);  // two reserved words
    p = Put32(p, layout.nPixelOffset);

    p = Put32(p, BMP_INFO_HEADER_BYTES);
    p = Put32(p, static_cast<uint32_t>(layout.nWidth));
    p = Put32(p, static_cast<uint32_t>(layout.nHeight));
    p = Put16(p, 1);  // planes
    p = Put16(p, layout.wBitCount);
    p = Put32(p, 0);  // uncompressed
    p = Put32(p, layout.nImageBytes);
    p = Put32(p, 0);  // horizontal resolution
    p = Put32(p, 0);  // vertical resolution
    p = Put32(p, layout.nPaletteEntries);
    p = Put32(p, 0);  // important colours

    if (palette)
        std::memcpy(p, palette, 4 * layout.nPaletteEntries);
    if (pixels)
        std::memcpy(file.data() + layout.nPixelOffset, pixels, layout.nImageBytes);
    return file;
}
