#include "capture/capture_messages.h"

// The table follows CaptureMessageId; each text is the CP932 form of the
// Japanese in the comment above it.
static const CaptureMessage kMessages[CAPTURE_MSG_COUNT + 1] = {
    // CAPTURE_MSG_WINDOW_FAILED: 透明ウィンドウ作成失敗しました / Failure
    {"\x93\xa7\x96\xbe\x83" "E\x83" "B\x83\x93\x83h\x83" "E\x8d\xec\x90\xac\x8e\xb8\x94s\x82\xb5\x82\xdc\x82\xb5\x82\xbd",
     "Failure", CAPTURE_BOX_PLAIN},
    // CAPTURE_MSG_OPEN_FAILED: ファイルのオープンに失敗しました。\r\n対象ファイルは使用中か、不正、或いは\r\nシステムエラーです。 / Error
    {"\x83t\x83\x40\x83" "C\x83\x8b\x82\xcc\x83I\x81[\x83v\x83\x93\x82\xc9\x8e\xb8\x94s\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81" "B\r\n\x91\xce\x8f\xdb\x83t\x83\x40\x83" "C\x83\x8b\x82\xcd\x8eg\x97p\x92\x86\x82\xa9\x81" "A\x95s\x90\xb3\x81" "A\x88\xbd\x82\xa2\x82\xcd\r\n\x83V\x83X\x83" "e\x83\x80\x83G\x83\x89\x81[\x82\xc5\x82\xb7\x81" "B",
     "Error", CAPTURE_BOX_EXCLAMATION},
    // CAPTURE_MSG_FREE_FAILED: GlobalFree( hMemBuf )失敗 / Error
    {"GlobalFree( hMemBuf )\x8e\xb8\x94s",
     "Error", CAPTURE_BOX_PLAIN},
    // CAPTURE_MSG_NAME_TOO_LONG: ファイル名が長すぎます。 / Error
    {"\x83t\x83\x40\x83" "C\x83\x8b\x96\xbc\x82\xaa\x92\xb7\x82\xb7\x82\xac\x82\xdc\x82\xb7\x81" "B",
     "Error", CAPTURE_BOX_EXCLAMATION},
    // CAPTURE_MSG_ALL_NAMES_TAKEN: これ以上ファイル名を作れません。\r\n出力先の古いbmpファイルを整理してください。 / Error
    {"\x82\xb1\x82\xea\x88\xc8\x8f\xe3\x83t\x83\x40\x83" "C\x83\x8b\x96\xbc\x82\xf0\x8d\xec\x82\xea\x82\xdc\x82\xb9\x82\xf1\x81" "B\r\n\x8fo\x97\xcd\x90\xe6\x82\xcc\x8c\xc3\x82\xa2" "bmp\x83t\x83\x40\x83" "C\x83\x8b\x82\xf0\x90\xae\x97\x9d\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81" "B",
     "Error", CAPTURE_BOX_EXCLAMATION},
    // CAPTURE_MSG_WRITE_FAILED: ファイルの書き込みに失敗しました。 / Error
    {"\x83t\x83\x40\x83" "C\x83\x8b\x82\xcc\x8f\x91\x82\xab\x8d\x9e\x82\xdd\x82\xc9\x8e\xb8\x94s\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81" "B",
     "Error", CAPTURE_BOX_EXCLAMATION},
    {"", "", CAPTURE_BOX_PLAIN},
};

const CaptureMessage &GetCaptureMessage(CaptureMessageId id)
{
    if (id < 0 || id > CAPTURE_MSG_COUNT)
        id = CAPTURE_MSG_NONE;
    return kMessages[id];
}

CaptureMessageId BitmapNameMessage(BitmapNameResult result)
{
    switch (result) {
    case BMPNAME_ALL_TAKEN: return CAPTURE_MSG_ALL_NAMES_TAKEN;
    case BMPNAME_TOO_LONG: return CAPTURE_MSG_NAME_TOO_LONG;
    default: return CAPTURE_MSG_NONE;
    }
}
