#include "doc/doc_messages.h"

// The table follows DocMessageId; each text is the CP932 form of the
// Japanese in the comment above it.
static const DocMessage kMessages[DOC_MSG_COUNT + 1] = {
    // DOC_MSG_MISSING_FILE: 指定したファイルは存在しません。 / OK(SetFileOn() )
    {"\x8ew\x92\xe8\x82\xb5\x82\xbd\x83t\x83\x40\x83" "C\x83\x8b\x82\xcd\x91\xb6\x8d\xdd\x82\xb5\x82\xdc\x82\xb9\x82\xf1\x81" "B",
     "OK(SetFileOn() )", DOC_BOX_EXCLAMATION},
    // DOC_MSG_RELATIVE_PATH: ファイル名が不正です。\r\n（ディレクトリ(X:\\)の指定がありません） / 警告
    {"\x83t\x83\x40\x83" "C\x83\x8b\x96\xbc\x82\xaa\x95s\x90\xb3\x82\xc5\x82\xb7\x81" "B\r\n\x81i\x83" "f\x83" "B\x83\x8c\x83N\x83g\x83\x8a(X:\\)\x82\xcc\x8ew\x92\xe8\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81j",
     "\x8cx\x8d\x90", DOC_BOX_EXCLAMATION},
    // DOC_MSG_MISSING_FOLDER: ディレクトリ名の指定が不正です。 / 警告
    {"\x83" "f\x83" "B\x83\x8c\x83N\x83g\x83\x8a\x96\xbc\x82\xcc\x8ew\x92\xe8\x82\xaa\x95s\x90\xb3\x82\xc5\x82\xb7\x81" "B",
     "\x8cx\x8d\x90", DOC_BOX_EXCLAMATION},
    // DOC_MSG_PATH_TOO_LONG: ファイル名が長すぎます。 / 警告
    {"\x83t\x83\x40\x83" "C\x83\x8b\x96\xbc\x82\xaa\x92\xb7\x82\xb7\x82\xac\x82\xdc\x82\xb7\x81" "B",
     "\x8cx\x8d\x90", DOC_BOX_EXCLAMATION},
    // DOC_MSG_LOCKED_FILE: ファイルハンドルは無効です\r\nファイルはロック(使用中)されているかもしれません / Error
    {"\x83t\x83\x40\x83" "C\x83\x8b\x83n\x83\x93\x83h\x83\x8b\x82\xcd\x96\xb3\x8c\xf8\x82\xc5\x82\xb7\r\n\x83t\x83\x40\x83" "C\x83\x8b\x82\xcd\x83\x8d\x83" "b\x83N(\x8eg\x97p\x92\x86)\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xe9\x82\xa9\x82\xe0\x82\xb5\x82\xea\x82\xdc\x82\xb9\x82\xf1",
     "Error", DOC_BOX_PLAIN},
    // DOC_MSG_TOO_BIG: ファイルサイズが大きすぎます。\r\n1,048,576バイト以上のファイルは開けません。 / Too Big File Size!
    {"\x83t\x83\x40\x83" "C\x83\x8b\x83T\x83" "C\x83Y\x82\xaa\x91\xe5\x82\xab\x82\xb7\x82\xac\x82\xdc\x82\xb7\x81" "B\r\n1,048,576\x83o\x83" "C\x83g\x88\xc8\x8f\xe3\x82\xcc\x83t\x83\x40\x83" "C\x83\x8b\x82\xcd\x8aJ\x82\xaf\x82\xdc\x82\xb9\x82\xf1\x81" "B",
     "Too Big File Size!", DOC_BOX_EXCLAMATION_TASKMODAL},
    // DOC_MSG_LINE_TOO_LONG: 1行が16,384バイトを超えるファイルは開けません。 / 警告 (LineTooLongText puts the line before it)
    {"1\x8ds\x82\xaa" "16,384\x83o\x83" "C\x83g\x82\xf0\x92\xb4\x82\xa6\x82\xe9\x83t\x83@\x83" "C\x83\x8b\x82\xcd\x8aJ\x82\xaf\x82\xdc\x82\xb9\x82\xf1\x81" "B",
     "\x8cx\x8d\x90", DOC_BOX_EXCLAMATION},
    // DOC_MSG_READ_NO_MEMORY: ファイルを展開するメモリを確保できません / ERROR
    {"\x83t\x83\x40\x83" "C\x83\x8b\x82\xf0\x93W\x8aJ\x82\xb7\x82\xe9\x83\x81\x83\x82\x83\x8a\x82\xf0\x8am\x95\xdb\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1",
     "ERROR", DOC_BOX_PLAIN},
    // DOC_MSG_READ_FAILED: 読み込みが不正に終りました:ReadFile();  / Error
    {"\x93\xc7\x82\xdd\x8d\x9e\x82\xdd\x82\xaa\x95s\x90\xb3\x82\xc9\x8fI\x82\xe8\x82\xdc\x82\xb5\x82\xbd:ReadFile(); ",
     "Error", DOC_BOX_PLAIN},
    // DOC_MSG_NOT_PURE_TEXT: 純粋なテキストファイルではありません。\r\n強引にすべて開きますか？ / チェック
    {"\x8f\x83\x90\x88\x82\xc8\x83" "e\x83L\x83X\x83g\x83t\x83\x40\x83" "C\x83\x8b\x82\xc5\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81" "B\r\n\x8b\xad\x88\xf8\x82\xc9\x82\xb7\x82\xd7\x82\xc4\x8aJ\x82\xab\x82\xdc\x82\xb7\x82\xa9\x81H",
     "\x83\x60\x83" "F\x83" "b\x83N", DOC_BOX_YESNO_TASKMODAL},
    // DOC_MSG_ASK_SAVE_BEFORE_OPEN: 文書が変更されています。保存しますか？\r\n / 文章が変更されています！
    {"\x95\xb6\x8f\x91\x82\xaa\x95\xcf\x8dX\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb7\x81" "B\x95\xdb\x91\xb6\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81H\r\n",
     "\x95\xb6\x8f\xcd\x82\xaa\x95\xcf\x8dX\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb7\x81I", DOC_BOX_OKCANCEL},
    // DOC_MSG_SAVEAS_NO_MEMORY: バッファの確保に失敗しました。(WriteFile) / ERROR
    {"\x83o\x83" "b\x83t\x83\x40\x82\xcc\x8am\x95\xdb\x82\xc9\x8e\xb8\x94s\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81" "B(WriteFile)",
     "ERROR", DOC_BOX_PLAIN},
    // DOC_MSG_SAVEAS_CLOSE_FAILED: CloseHandle()に失敗しました / Error
    {"CloseHandle()\x82\xc9\x8e\xb8\x94s\x82\xb5\x82\xdc\x82\xb5\x82\xbd",
     "Error", DOC_BOX_EXCLAMATION},
    // DOC_MSG_SAVE2_NO_MEMORY: バッファの確保に失敗しました。(WriteMyFile2) / ERROR
    {"\x83o\x83" "b\x83t\x83\x40\x82\xcc\x8am\x95\xdb\x82\xc9\x8e\xb8\x94s\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81" "B(WriteMyFile2)",
     "ERROR", DOC_BOX_PLAIN},
    // DOC_MSG_SAVE2_CLOSE_FAILED: CloseHandle()に失敗しました(Write2)。フォルダを確かめてください / Error
    {"CloseHandle()\x82\xc9\x8e\xb8\x94s\x82\xb5\x82\xdc\x82\xb5\x82\xbd(Write2)\x81" "B\x83t\x83H\x83\x8b\x83_\x82\xf0\x8am\x82\xa9\x82\xdf\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2",
     "Error", DOC_BOX_EXCLAMATION},
    // DOC_MSG_OVERWRITE_NO_NAME: ファイル名がありません。\r\n「名前を付けて保存」を使用して下さい / 失敗
    {"\x83t\x83\x40\x83" "C\x83\x8b\x96\xbc\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81" "B\r\n\x81u\x96\xbc\x91O\x82\xf0\x95t\x82\xaf\x82\xc4\x95\xdb\x91\xb6\x81v\x82\xf0\x8eg\x97p\x82\xb5\x82\xc4\x89\xba\x82\xb3\x82\xa2",
     "\x8e\xb8\x94s", DOC_BOX_EXCLAMATION},
    // DOC_MSG_OVERWRITE_NO_MEMORY: メモリを確保できません。 / Memory allocation failed.
    {"\x83\x81\x83\x82\x83\x8a\x82\xf0\x8am\x95\xdb\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1\x81" "B",
     "Memory allocation failed.", DOC_BOX_PLAIN},
    // DOC_MSG_OVERWRITE_CLOSE_FAILED: CloseHandle()に失敗しました(OverWrite) / Error
    {"CloseHandle()\x82\xc9\x8e\xb8\x94s\x82\xb5\x82\xdc\x82\xb5\x82\xbd(OverWrite)",
     "Error", DOC_BOX_EXCLAMATION},
    // DOC_MSG_SAVE_OPEN_FAILED: 保存用の一時ファイルを作成できません。\r\nフォルダを確かめてください / Error
    {"\x95\xdb\x91\xb6\x97p\x82\xcc\x88\xea\x8e\x9e\x83t\x83\x40\x83" "C\x83\x8b\x82\xf0\x8d\xec\x90\xac\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1\x81" "B\r\n\x83t\x83H\x83\x8b\x83_\x82\xf0\x8am\x82\xa9\x82\xdf\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2",
     "Error", DOC_BOX_EXCLAMATION},
    // DOC_MSG_SAVE_WRITE_FAILED: ファイルの書き込みに失敗しました。\r\n元のファイルは変更されていません / Error
    {"\x83t\x83\x40\x83" "C\x83\x8b\x82\xcc\x8f\x91\x82\xab\x8d\x9e\x82\xdd\x82\xc9\x8e\xb8\x94s\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81" "B\r\n\x8c\xb3\x82\xcc\x83t\x83\x40\x83" "C\x83\x8b\x82\xcd\x95\xcf\x8dX\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1",
     "Error", DOC_BOX_EXCLAMATION},
    // DOC_MSG_SAVE_REPLACE_FAILED: ファイルを置き換えられません。\r\nファイルはロック(使用中)されているかもしれません / Error
    {"\x83t\x83\x40\x83" "C\x83\x8b\x82\xf0\x92u\x82\xab\x8a\xb7\x82\xa6\x82\xe7\x82\xea\x82\xdc\x82\xb9\x82\xf1\x81" "B\r\n\x83t\x83\x40\x83" "C\x83\x8b\x82\xcd\x83\x8d\x83" "b\x83N(\x8eg\x97p\x92\x86)\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xe9\x82\xa9\x82\xe0\x82\xb5\x82\xea\x82\xdc\x82\xb9\x82\xf1",
     "Error", DOC_BOX_EXCLAMATION},
    // DOC_MSG_DROP_MANY: １回にドロップできるファイルはひとつです / Error
    {"\x82P\x89\xf1\x82\xc9\x83h\x83\x8d\x83" "b\x83v\x82\xc5\x82\xab\x82\xe9\x83t\x83\x40\x83" "C\x83\x8b\x82\xcd\x82\xd0\x82\xc6\x82\xc2\x82\xc5\x82\xb7",
     "Error", DOC_BOX_STOP},
    // DOC_MSG_DROP_ASK_CONTINUE: 文章が変更されています。\r\n構わず続行しますか？ / 注意
    {"\x95\xb6\x8f\xcd\x82\xaa\x95\xcf\x8dX\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb7\x81" "B\r\n\x8d\\\x82\xed\x82\xb8\x91\xb1\x8ds\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81H",
     "\x92\x8d\x88\xd3", DOC_BOX_OKCANCEL_TOPMOST},
    // DOC_MSG_ALREADY_LISTED: リストに存在しています。 / OK
    {"\x83\x8a\x83X\x83g\x82\xc9\x91\xb6\x8d\xdd\x82\xb5\x82\xc4\x82\xa2\x82\xdc\x82\xb7\x81" "B",
     "OK", DOC_BOX_EXCLAMATION_TASKMODAL},
    // DOC_MSG_VIEWER_NO_FILE: ファイル名がありません。\r\n一旦対象ファイルを開いてからもう一度試してください。 / 注意
    {"\x83t\x83\x40\x83" "C\x83\x8b\x96\xbc\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81" "B\r\n\x88\xea\x92U\x91\xce\x8f\xdb\x83t\x83\x40\x83" "C\x83\x8b\x82\xf0\x8aJ\x82\xa2\x82\xc4\x82\xa9\x82\xe7\x82\xe0\x82\xa4\x88\xea\x93x\x8e\x8e\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81" "B",
     "\x92\x8d\x88\xd3", DOC_BOX_EXCLAMATION},
    // DOC_MSG_VIEWER_BAD_HANDLE: ファイルハンドルが無効です / Error
    {"\x83t\x83\x40\x83" "C\x83\x8b\x83n\x83\x93\x83h\x83\x8b\x82\xaa\x96\xb3\x8c\xf8\x82\xc5\x82\xb7",
     "Error", DOC_BOX_PLAIN},
    // DOC_MSG_VIEWER_TOO_BIG: サイズが大きすぎます / Too Big File Size!
    {"\x83T\x83" "C\x83Y\x82\xaa\x91\xe5\x82\xab\x82\xb7\x82\xac\x82\xdc\x82\xb7",
     "Too Big File Size!", DOC_BOX_PLAIN},
    // DOC_MSG_VIEWER_NO_MEMORY: メモリ確保に失敗しました。ReadAsBinary(): / 失敗
    {"\x83\x81\x83\x82\x83\x8a\x8am\x95\xdb\x82\xc9\x8e\xb8\x94s\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81" "BReadAsBinary():",
     "\x8e\xb8\x94s", DOC_BOX_PLAIN},
    // DOC_MSG_VIEWER_READ_FAILED: 読み込みが不正に終りました:ReadFile(); / Error
    {"\x93\xc7\x82\xdd\x8d\x9e\x82\xdd\x82\xaa\x95s\x90\xb3\x82\xc9\x8fI\x82\xe8\x82\xdc\x82\xb5\x82\xbd:ReadFile();",
     "Error", DOC_BOX_PLAIN},
    // DOC_MSG_VIEWER_CREATE_FAILED: ウィンドウ(BINARY表示)作成失敗しました / Failure
    {"\x83" "E\x83" "B\x83\x93\x83h\x83" "E(BINARY\x95\\\x8e\xa6)\x8d\xec\x90\xac\x8e\xb8\x94s\x82\xb5\x82\xdc\x82\xb5\x82\xbd",
     "Failure", DOC_BOX_PLAIN},
    {"", "", DOC_BOX_PLAIN},
};

// ファイルを開く
const char szOpenDialogTitle[] = "\x83t\x83\x40\x83" "C\x83\x8b\x82\xf0\x8aJ\x82\xad";
// 名前を付けて保存する
const char szSaveAsDialogTitle[] = "\x96\xbc\x91O\x82\xf0\x95t\x82\xaf\x82\xc4\x95\xdb\x91\xb6\x82\xb7\x82\xe9";
// ファイルの保存
const char szSave2DialogTitle[] = "\x83t\x83\x40\x83" "C\x83\x8b\x82\xcc\x95\xdb\x91\xb6";
// テキスト及びソースファイル(*.c;*.cpp;*.cc;*.cxx;*.h;*.hpp;*.txt;*.rc;*.rtf;*.html)\0*.c;*.cpp;*.cc;*.cxx;*.h;*.hpp;*.txt;*.rc;*.rtf;*.html\0すべてのファイル(*.*)\0*.*\0
const char szOpenFilter[] = "\x83" "e\x83L\x83X\x83g\x8by\x82\xd1\x83\\\x81[\x83X\x83t\x83\x40\x83" "C\x83\x8b(*.c;*.cpp;*.cc;*.cxx;*.h;*.hpp;*.txt;*.rc;*.rtf;*.html)\0*.c;*.cpp;*.cc;*.cxx;*.h;*.hpp;*.txt;*.rc;*.rtf;*.html\0\x82\xb7\x82\xd7\x82\xc4\x82\xcc\x83t\x83\x40\x83" "C\x83\x8b(*.*)\0*.*\0";
// すべてのファイル(*.*)\0*.*\0
const char szSaveFilter[] = "\x82\xb7\x82\xd7\x82\xc4\x82\xcc\x83t\x83\x40\x83" "C\x83\x8b(*.*)\0*.*\0";
// ＭＳ 明朝
const char szViewerFontFace[] = "\x82l\x82r \x96\xbe\x92\xa9";

const DocMessage &GetDocMessage(DocMessageId id)
{
    if (id < 0 || id > DOC_MSG_COUNT)
        id = DOC_MSG_NONE;
    return kMessages[id];
}

// Messages of the path refusals shared by reading and overwriting.
static DocMessageId PathCheckMessage(DocCheck check)
{
    switch (check) {
    case DOC_PATH_TOO_LONG: return DOC_MSG_PATH_TOO_LONG;
    case DOC_MISSING_FILE: return DOC_MSG_MISSING_FILE;
    case DOC_RELATIVE_PATH: return DOC_MSG_RELATIVE_PATH;
    case DOC_MISSING_FOLDER: return DOC_MSG_MISSING_FOLDER;
    default: return DOC_MSG_NONE;
    }
}

DocMessageId ReadCheckMessage(DocCheck check)
{
    switch (check) {
    case DOC_LOCKED_FILE: return DOC_MSG_LOCKED_FILE;
    case DOC_TOO_BIG: return DOC_MSG_TOO_BIG;
    case DOC_LINE_TOO_LONG: return DOC_MSG_LINE_TOO_LONG;
    case DOC_NO_MEMORY: return DOC_MSG_READ_NO_MEMORY;
    default: return PathCheckMessage(check);
    }
}

DocMessageId OverWriteCheckMessage(DocCheck check)
{
    switch (check) {
    case DOC_NO_FILE_NAME: return DOC_MSG_OVERWRITE_NO_NAME;
    case DOC_NO_MEMORY: return DOC_MSG_OVERWRITE_NO_MEMORY;
    default: return PathCheckMessage(check);
    }
}

DocMessageId ViewerCheckMessage(DocCheck check)
{
    switch (check) {
    case DOC_NO_FILE_NAME: return DOC_MSG_VIEWER_NO_FILE;
    case DOC_LOCKED_FILE: return DOC_MSG_VIEWER_BAD_HANDLE;
    case DOC_SIZE_UNKNOWN: return DOC_MSG_VIEWER_BAD_HANDLE;
    case DOC_TOO_BIG: return DOC_MSG_VIEWER_TOO_BIG;
    case DOC_NO_MEMORY: return DOC_MSG_VIEWER_NO_MEMORY;
    default: return PathCheckMessage(check);
    }
}

DocMessageId SaveCheckMessage(SaveCaller caller, SaveCheck check)
{
    static const DocMessageId kNoMemory[] = {DOC_MSG_SAVEAS_NO_MEMORY, DOC_MSG_SAVE2_NO_MEMORY,
                                             DOC_MSG_OVERWRITE_NO_MEMORY};
    static const DocMessageId kCloseFailed[] = {DOC_MSG_SAVEAS_CLOSE_FAILED, DOC_MSG_SAVE2_CLOSE_FAILED,
                                                DOC_MSG_OVERWRITE_CLOSE_FAILED};
    if (caller < SAVE_AS || caller > SAVE_OVERWRITE)
        return DOC_MSG_NONE;
    switch (check) {
    case SAVE_NO_MEMORY: return kNoMemory[caller];
    case SAVE_OPEN_FAILED: return DOC_MSG_SAVE_OPEN_FAILED;
    case SAVE_WRITE_FAILED: return DOC_MSG_SAVE_WRITE_FAILED;
    case SAVE_CLOSE_FAILED: return kCloseFailed[caller];
    case SAVE_REPLACE_FAILED: return DOC_MSG_SAVE_REPLACE_FAILED;
    default: return DOC_MSG_NONE;
    }
}

std::string LineTooLongText(const LongLine &line)
{
    // "N 行目が長すぎます（M バイト）。" and the limit on the next line.
    return std::to_string(line.nLine) + " \x8ds\x96\xda\x82\xaa\x92\xb7\x82\xb7\x82\xac\x82\xdc\x82\xb7\x81i" +
           std::to_string(line.nBytes) + " \x83o\x83" "C\x83g\x81j\x81" "B\r\n" +
           GetDocMessage(DOC_MSG_LINE_TOO_LONG).szText;
}
