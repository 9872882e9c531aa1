#include "doc/win/document.h"

#include "app/frame/cp932_codec_win.h"
#include "app/frame/globals.h"
#include "doc/doc_messages.h"

#include <cstring>
#include <string>

/* AskUnsureEncoding: はい keeps the encoding found, いいえ takes the bytes as
   CP932, キャンセル opens nothing (false). */
static bool AskUnsureEncoding(HWND owner, const EncodingGuess &guess, DocumentEncoding &encoding)
{
    std::string found = EncodingName(guess.encoding, guess.bom);
    std::string text = "このファイルの文字コードは " + found + " と判断しましたが、" +
                       EncodingName(guess.other, false) + " としても読めます。\r\n\r\n" + found +
                       " として開きますか？\r\n（はい: " + found +
                       "　いいえ: Shift-JIS (cp932) のまま　キャンセル: 開かない）";
    int answer = ShowDocMessageText(owner, DOC_MSG_ENCODING_UNSURE, text.c_str());
    if (answer == IDCANCEL)
        return false;
    if (answer == IDNO)
        encoding = DocumentEncoding();
    return true;
}

/* DecodeReadDocument: detection, the questions, the conversion. */
bool DecodeReadDocument(HWND owner, ReadDocument &r)
{
    EncodingGuess guess = DetectTextEncoding(r.buf.data(), r.nRead);
    if (guess.refusal) {
        ShowDocMessageText(owner, DOC_MSG_ENCODING_REFUSED, guess.refusal);
        return false;
    }
    r.encoding = DocumentEncodingOf(guess);
    if (guess.unsure && !AskUnsureEncoding(owner, guess, r.encoding))
        return false;
    std::string text;
    ConversionReport report;
    DecodeDocument(r.buf.data(), r.nRead, r.encoding, Kernel32Cp932Codec(), text, report);
    if (!IsExact(report)) {
        std::string message = ConversionMessage(r.encoding, report);
        if (IsRawCp932(r.encoding.encoding)) {
            // Shown as they are; the pane cannot hold them, so no overwrite.
            // A file with zero bytes is asked about as not pure text instead.
            if (!std::memchr(r.buf.data(), '\0', r.nRead))
                ShowDocMessageText(owner, DOC_MSG_INVALID_CP932, message.c_str());
            r.converted = DOC_NOT_WHOLE_INVALID_BYTES;
        } else {
            message += "\r\n\r\nこのまま開きますか？（いいえ: 開かない）";
            if (ShowDocMessageText(owner, DOC_MSG_ENCODING_LOSSY, message.c_str()) != IDYES)
                return false;
            r.converted = DOC_NOT_WHOLE_LOST_CHARS;
        }
    }
    if (IsRawCp932(r.encoding.encoding))
        return true;  // the bytes are the text
    SecureZeroMemory(r.buf.data(), r.buf.size());
    r.buf.assign(ReadBufferSize(text.size()), '\0');
    text.copy(r.buf.data(), text.size());
    r.nRead = text.size();
    SecureZeroMemory(&text[0], text.size());
    return true;
}

/* EncodeForSave: the pane's text in the document's encoding. */
bool EncodeForSave(HWND owner, const DocumentEncoding &encoding, const std::string &text, std::string &bytes)
{
    SaveProblem problem;
    if (EncodeDocument(text.data(), text.size(), encoding, Kernel32Cp932Codec(), bytes, problem))
        return true;
    ShowDocMessageText(owner, DOC_MSG_SAVE_ENCODING, SaveProblemMessage(encoding, problem).c_str());
    return false;
}
