// The screen capture: a full-screen window on which the user drags a
// rectangle; its pixels go to the clipboard and a BMP file, as the
// settings say, and to a "VIEW ボード" window.
#pragma once
#include <windows.h>

#include "capture/capture_messages.h"

// The capture values the settings sheet edits for the run; they are not
// written to the settings file.
struct CaptureOptions {
    BOOL bFixedSize;            // save at the fixed size ("出力の際はサイズを固定")
    UINT nFixedWidth;           // the fixed size in pixels
    UINT nFixedHeight;
    char szFolder[MAX_PATH];    // the output folder ("出力先"), empty when none
    unsigned char btCounter;    // the counter of the file names
};
extern CaptureOptions captureOptions;

// Registers "WHOLE" and creates the hidden full-screen capture window, or
// shows "透明ウィンドウ作成失敗しました" and returns NULL.
HWND CreateCaptureWindow(HWND owner);

// Command 304: arms the capture (hCaptureWnd), unless a capture or another
// pointer mode is already active; the window comes up 300 ms later.
void StartCapture(HWND owner);

// Writes the bitmap as a BMP file under the next free name (the fixed size
// when that option is on). Returns 1 when the file was written.
int SaveBitmapFile(HBITMAP hBitmap, HDC hdc);

// Writes the bitmap stretched to nWidth x nHeight as a BMP file at szPath,
// completely or not at all (a temporary file in the same folder replaces
// nothing until it is whole). Returns CAPTURE_MSG_NONE when written, else
// the message to show.
CaptureMessageId WriteBitmapFile(HBITMAP hBitmap, HDC hdc, const char *szPath, int nWidth, int nHeight);

// Shows one of the capture's messages.
void ShowCaptureMessage(HWND owner, CaptureMessageId id);

// Opens a "VIEW ボード" with its own copy of the bitmap, at the screen's
// top left, its client area the bitmap's size. Returns the board or NULL.
HWND OpenViewBoard(HWND owner, HBITMAP hBitmap, int nWidth, int nHeight);

// Number of open view boards.
int CountViewBoards();
