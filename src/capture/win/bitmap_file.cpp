#include "capture/win/capture.h"

#include "app/frame/globals.h"
#include "capture/bitmap_name_core.h"
#include "capture/capture_area_core.h"
#include "doc/win/document.h"

CaptureOptions captureOptions = {TRUE, 24, 23, "", 0};

/* PathExists: the path names a file or folder. */
static bool PathExists(const char *szPath)
{
    return GetFileAttributesA(szPath) != INVALID_FILE_ATTRIBUTES;
}

/* FolderExists: the path names a folder. */
static bool FolderExists(const char *szPath)
{
    DWORD attributes = GetFileAttributesA(szPath);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int SaveBitmapFile(HBITMAP hBitmap, HDC hdc)
{
    BitmapNameInput input = {captureOptions.szFolder, doc.szFullPath, frame.startupPaths.szCurDir};
    char szPath[MAX_PATH];
    BitmapNameResult named = ChooseBitmapFileName(input, &captureOptions.btCounter, PathExists, FolderExists,
                                                  szPath, sizeof szPath);
    if (named != BMPNAME_OK) {
        ShowCaptureMessage(frame.hMainWnd, BitmapNameMessage(named));
        return 0;
    }
    BITMAP bm = {};
    if (!GetObjectA(hBitmap, sizeof bm, &bm))
        return 0;
    int nWidth, nHeight;
    ChooseBitmapTargetSize(captureOptions.bFixedSize != FALSE, (int)captureOptions.nFixedWidth,
                           (int)captureOptions.nFixedHeight, bm.bmWidth, bm.bmHeight, &nWidth, &nHeight);
    CaptureMessageId result = WriteBitmapFile(hBitmap, hdc, szPath, nWidth, nHeight);
    ShowCaptureMessage(frame.hMainWnd, result);
    return result == CAPTURE_MSG_NONE || result == CAPTURE_MSG_FREE_FAILED;
}
