#include "capture/win/capture.h"
#include "capture/win/bitmap_blit.h"

#include "capture/bmp_writer_core.h"
#include "doc/path_core.h"

#include <vector>

/* StretchToSize: a new bitmap of nWidth x nHeight with the planes and bits
   per pixel of the source, holding the source stretched onto it. */
static HBITMAP StretchToSize(HBITMAP hSource, const BITMAP &bm, HDC hdc, int nWidth, int nHeight)
{
    HBITMAP sized = CreateBitmap(nWidth, nHeight, bm.bmPlanes, bm.bmBitsPixel, NULL);
    if (sized && !BlitBitmap(hdc, hSource, bm.bmWidth, bm.bmHeight, sized, nWidth, nHeight)) {
        DeleteObject(sized);
        sized = NULL;
    }
    return sized;
}

/* BuildFileBytes: the whole BMP file of the bitmap in the layout planned
   for it; empty when the system did not give the pixels. */
static std::vector<unsigned char> BuildFileBytes(HBITMAP hSized, HDC hdc, const BmpLayout &layout,
                                                 CaptureMessageId *pFreeFailure)
{
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD palette[256];
    } info = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = layout.nWidth;
    info.header.biHeight = layout.nHeight;
    info.header.biPlanes = 1;
    info.header.biBitCount = layout.wBitCount;
    info.header.biCompression = BI_RGB;

    std::vector<unsigned char> bytes;
    HGLOBAL hMemBuf = GlobalAlloc(GHND, layout.nImageBytes);
    unsigned char *pixels = hMemBuf ? (unsigned char *)GlobalLock(hMemBuf) : NULL;
    if (pixels && GetDIBits(hdc, hSized, 0, (UINT)layout.nHeight, pixels, (BITMAPINFO *)&info,
                            DIB_RGB_COLORS) == layout.nHeight)
        bytes = BuildBmpFile(layout, (const unsigned char *)info.palette, pixels);
    if (pixels)
        GlobalUnlock(hMemBuf);
    if (hMemBuf && GlobalFree(hMemBuf) != NULL)
        *pFreeFailure = CAPTURE_MSG_FREE_FAILED;
    return bytes;
}

/* CreateTempBeside: a new temporary file in the folder of szPath; its
   name goes to szTemp. INVALID_HANDLE_VALUE when none can be made. */
static HANDLE CreateTempBeside(const char *szPath, char *szTemp, size_t nSize)
{
    for (unsigned nTry = 0; nTry < 100; ++nTry) {
        if (!MakeSaveTempPath(szPath, nTry, szTemp, nSize))
            return INVALID_HANDLE_VALUE;
        HANDLE file = CreateFileA(szTemp, GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
        if (file != INVALID_HANDLE_VALUE)
            return file;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            return INVALID_HANDLE_VALUE;
    }
    return INVALID_HANDLE_VALUE;
}

/* WriteWhole: the bytes as the file szPath, through a temporary file that
   takes the name only when it is complete. */
static CaptureMessageId WriteWhole(const char *szPath, const std::vector<unsigned char> &bytes)
{
    char szTemp[MAX_PATH];
    HANDLE file = CreateTempBeside(szPath, szTemp, sizeof szTemp);
    if (file == INVALID_HANDLE_VALUE)
        return CAPTURE_MSG_OPEN_FAILED;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, NULL) && written == bytes.size();
    ok = CloseHandle(file) && ok;
    ok = ok && MoveFileA(szTemp, szPath);
    if (!ok) {
        DeleteFileA(szTemp);
        return CAPTURE_MSG_WRITE_FAILED;
    }
    return CAPTURE_MSG_NONE;
}

CaptureMessageId WriteBitmapFile(HBITMAP hBitmap, HDC hdc, const char *szPath, int nWidth, int nHeight)
{
    BITMAP bm = {};
    BmpLayout layout;
    if (!GetObjectA(hBitmap, sizeof bm, &bm) ||
        !PlanBmpLayout(nWidth, nHeight, bm.bmPlanes, bm.bmBitsPixel, &layout))
        return CAPTURE_MSG_WRITE_FAILED;
    HBITMAP sized = StretchToSize(hBitmap, bm, hdc, nWidth, nHeight);
    if (!sized)
        return CAPTURE_MSG_WRITE_FAILED;
    CaptureMessageId freeFailure = CAPTURE_MSG_NONE;
    std::vector<unsigned char> bytes = BuildFileBytes(sized, hdc, layout, &freeFailure);
    DeleteObject(sized);
    if (bytes.empty())
        return CAPTURE_MSG_WRITE_FAILED;
    CaptureMessageId result = WriteWhole(szPath, bytes);
    return result == CAPTURE_MSG_NONE ? freeFailure : result;
}

void ShowCaptureMessage(HWND owner, CaptureMessageId id)
{
    if (id == CAPTURE_MSG_NONE)
        return;
    const CaptureMessage &m = GetCaptureMessage(id);
    MessageBoxA(owner, m.szText, m.szTitle, m.nBox == CAPTURE_BOX_EXCLAMATION ? MB_OK | MB_ICONEXCLAMATION : MB_OK);
}
