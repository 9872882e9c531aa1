// Message boxes of the screen capture as CP932 bytes.
#pragma once
#include "capture/bitmap_name_core.h"

enum CaptureBoxKind {
    CAPTURE_BOX_PLAIN,       // MB_OK
    CAPTURE_BOX_EXCLAMATION, // MB_ICONEXCLAMATION
};

struct CaptureMessage {
    const char *szText;
    const char *szTitle;
    CaptureBoxKind nBox;
};

enum CaptureMessageId {
    CAPTURE_MSG_WINDOW_FAILED,
    CAPTURE_MSG_OPEN_FAILED,
    CAPTURE_MSG_FREE_FAILED,
    CAPTURE_MSG_NAME_TOO_LONG,
    CAPTURE_MSG_ALL_NAMES_TAKEN,
    CAPTURE_MSG_WRITE_FAILED,
    CAPTURE_MSG_COUNT,
    CAPTURE_MSG_NONE = CAPTURE_MSG_COUNT,
};

// The message of an id; CAPTURE_MSG_NONE gives an empty text.
const CaptureMessage &GetCaptureMessage(CaptureMessageId id);

// Message of a failed name choice (none for BMPNAME_OK).
CaptureMessageId BitmapNameMessage(BitmapNameResult result);
