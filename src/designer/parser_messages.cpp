// The texts of a dialog whose reading stopped and of the notes on a script: English for
// tools, Japanese (CP932, each written out in the comment above it) for the user.
#include "designer/parser.h"

namespace {

// ダイアログ
const char kDialog[] = "\x83_\x83" "C\x83" "A\x83\x8d\x83O ";
// ：
const char kColon[] = "\x81" "F";
// 行目
const char kLineSuffix[] = "\x8ds\x96\xda";
// の
const char kNo[] = "\x82\xcc";
// 「 」
const char kOpenQ[] = "\x81u";
const char kCloseQ[] = "\x81v";
// を読めません。
const char kCannotRead[] = "\x82\xf0\x93\xc7\x82\xdf\x82\xdc\x82\xb9\x82\xf1\x81" "B";
// ファイルの終わり
const char kEndOfText[] = "\x83t\x83@\x83" "C\x83\x8b\x82\xcc\x8fI\x82\xed\x82\xe8";
// の文字列が閉じていません。
const char kBadString[] = "\x82\xcc\x95\xb6\x8e\x9a\x97\xf1\x82\xaa\x95\xc2\x82\xb6\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1\x81" "B";
// の BEGIN に対応する END がありません。
const char kNoEnd[] = "\x82\xcc BEGIN \x82\xc9\x91\xce\x89\x9e\x82\xb7\x82\xe9 END \x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81" "B";
// の後に BEGIN がありません。
const char kNoBegin[] = "\x82\xcc\x8c\xe3\x82\xc9 BEGIN \x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81" "B";
// でコントロールが 256 個を超えました。
const char kTooMany[] = "\x82\xc5\x83R\x83\x93\x83g\x83\x8d\x81[\x83\x8b\x82\xaa 256 \x8c\xc2\x82\xf0\x92\xb4\x82\xa6\x82\xdc\x82\xb5\x82\xbd\x81" "B";
// その前までのコントロール
const char kReadBefore[] = "\x82\xbb\x82\xcc\x91O\x82\xdc\x82\xc5\x82\xcc\x83R\x83\x93\x83g\x83\x8d\x81[\x83\x8b ";
// 個を読み込みました。
const char kCount[] = " \x8c\xc2\x82\xf0\x93\xc7\x82\xdd\x8d\x9e\x82\xdd\x82\xdc\x82\xb5\x82\xbd\x81" "B";
// の #if の式を評価できません（ ... ）。成り立つものとして読みました。
const char kIfUnknown[] = "\x82\xcc #if \x82\xcc\x8e\xae\x82\xf0\x95]\x89\xbf\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1\x81i";
const char kIfUnknownEnd[] = "\x81j\x81" "B\x90\xac\x82\xe8\x97\xa7\x82\xc2\x82\xe0\x82\xcc\x82\xc6\x82\xb5\x82\xc4\x93\xc7\x82\xdd\x82\xdc\x82\xb5\x82\xbd\x81" "B";
// の #include が見つかりません：
const char kIncludeMissing[] = "\x82\xcc #include \x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81" "F";
// のマクロ展開かインクルードが深すぎます：
const char kTooDeep[] = "\x82\xcc\x83}\x83N\x83\x8d\x93W\x8aJ\x82\xa9\x83" "C\x83\x93\x83N\x83\x8b\x81[\x83h\x82\xaa\x90[\x82\xb7\x82\xac\x82\xdc\x82\xb7\x81" "F";
// に名前がありません。
const char kNameless[] = "\x82\xc9\x96\xbc\x91O\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81" "B";

/* "12行目" or "x.h の 12行目" (Japanese), "line 12" or "x.h: line 12" (English). */
std::string Place(const std::string &file, int line, bool japanese)
{
    if (japanese)
        return (file.empty() ? std::string() : file + " " + kNo + " ") + std::to_string(line) + kLineSuffix;
    return (file.empty() ? std::string() : file + ": ") + "line " + std::to_string(line);
}

} // namespace

/* "line N: what" for tools. */
std::string StopText(const ParsedDialog &d)
{
    return Place(d.stop.file, d.stop.line, false) + ": " + d.stop.what;
}

/* The Japanese message of a dialog read only in part ("" when it was read whole). */
std::string StopMessage(const ParsedDialog &d)
{
    const ReadStop &s = d.stop;
    std::string out = std::string(kDialog) + d.dlg.szName + kColon + Place(s.file, s.line, true);
    std::string count = std::to_string(d.controls.size()) + kCount;
    switch (s.kind) {
    case kStopNone: return std::string();
    case kStopBadString: return out + kBadString + kReadBefore + count;
    case kStopNoEnd: return out + kNoEnd + count.substr(1);
    case kStopNoBegin: return out + kNoBegin;
    case kStopTooMany: return out + kTooMany + count.substr(1);
    default:
        return out + kNo + kOpenQ + (s.word.empty() ? std::string(kEndOfText) : s.word) + kCloseQ + kCannotRead +
               kReadBefore + count;
    }
}

/* A note for tools. */
std::string NoteText(const ScriptNote &n)
{
    std::string at = Place(n.file, n.line, false) + ": ";
    switch (n.kind) {
    case kNoteIfUnknown: return at + "#if value unknown (" + n.word + "), read as true";
    case kNoteIncludeMissing: return at + "#include \"" + n.word + "\" not found";
    case kNoteTooDeep: return at + "macro expansion or include too deep (" + n.word + ")";
    case kNoteNamelessDialog: return at + n.word + " without a name";
    }
    return at + n.word;
}

/* A note in Japanese. */
std::string NoteMessage(const ScriptNote &n)
{
    std::string at = Place(n.file, n.line, true);
    switch (n.kind) {
    case kNoteIfUnknown: return at + kIfUnknown + n.word + kIfUnknownEnd;
    case kNoteIncludeMissing: return at + kIncludeMissing + n.word;
    case kNoteTooDeep: return at + kTooDeep + n.word;
    case kNoteNamelessDialog: return at + kNo + " " + n.word + " " + kNameless;
    }
    return at + n.word;
}
