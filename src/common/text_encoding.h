// The encodings a document file may be in, how the editor tells them apart
// from the file's bytes, and where a problem sits in a file.
#pragma once
#include <cstddef>
#include <string>

enum class TextEncoding : unsigned char {
    Ascii,     // 7-bit text: read and written as raw CP932
    Cp932,     // raw CP932 (Shift-JIS) bytes
    Utf8,
    Utf16Le,
    Utf16Be,
    EucJp,
    Iso2022Jp,
};

// Name of an encoding as sora-tool prints it: cp932, utf-8, utf-8-bom,
// utf-16le, utf-16be, euc-jp, iso-2022-jp, ascii.
const char *EncodingName(TextEncoding encoding, bool bom);

// The encoding (and byte order mark) a name stands for; false when unknown.
// Also takes "shift_jis", "sjis", "utf8", "utf-16le-bom", "utf-16be-bom".
bool EncodingFromName(const char *name, TextEncoding &encoding, bool &bom);

// True for the encodings whose text the pane holds byte for byte.
inline bool IsRawCp932(TextEncoding e) { return e == TextEncoding::Ascii || e == TextEncoding::Cp932; }

// A place in a text: byte offset from the start of the file (BOM included)
// and 1-based line number; offset npos when there is none.
struct TextPlace {
    size_t offset = std::string::npos;
    size_t line = 0;
    bool Found() const { return offset != std::string::npos; }
};

// 1-based line of a byte offset in text of the given encoding (CR LF, LF
// and CR each end a line).
size_t LineAtOffset(const char *data, size_t len, TextEncoding encoding, size_t offset);

// What reading a file's bytes found.
struct EncodingGuess {
    TextEncoding encoding = TextEncoding::Ascii;
    bool bom = false;
    bool unsure = false;          // another reading is valid too: ask the user
    TextEncoding other = TextEncoding::Cp932;  // that other reading, when unsure
    const char *refusal = nullptr; // set for a file not to be opened (UTF-32)
    TextPlace firstInvalid;        // Cp932 taken because nothing else fits:
                                   // the first sequence CP932 does not define
};

// Looks at the whole file: a byte order mark decides; a BOM-less UTF-16
// pattern of zero bytes; 7-bit text (ISO-2022-JP when it has its escapes);
// then strict UTF-8, EUC-JP and CP932, the one valid reading winning. When
// several are valid, UTF-8 wins with enough multibyte sequences, EUC-JP
// before CP932, and the guess is unsure when the evidence is thin.
EncodingGuess DetectTextEncoding(const char *data, size_t len);

// The code point of the UTF-8 sequence at u[i] and its length n; for a
// sequence that is not valid, kBadCodePoint with n the length of its longest
// valid beginning (at least 1).
const char32_t kBadCodePoint = 0xFFFFFFFF;
char32_t DecodeUtf8At(const unsigned char *u, size_t len, size_t i, size_t &n);

// True when data is strictly valid UTF-8; counts its multibyte sequences.
bool IsValidUtf8(const char *data, size_t len, size_t *multibyte = nullptr);

// True when data is valid EUC-JP by structure (JIS X 0208 pairs, 8E
// half-width katakana, 8F JIS X 0212 triples); counts its non-ASCII characters.
bool IsValidEucJp(const char *data, size_t len, size_t *characters = nullptr);

// True when data is 7-bit and holds an ISO-2022-JP designation escape.
bool LooksIso2022Jp(const char *data, size_t len);

// What converting a file's text to CP932 met, with offsets in the file:
// characters with no CP932 form and byte sequences not valid in the file's
// encoding (each put as "?"), a JIS/Microsoft twin pair written in both of
// its forms, and whether converting back gives the file's bytes.
struct ConversionReport {
    size_t unmappable = 0;
    TextPlace firstUnmappable;
    size_t invalid = 0;
    TextPlace firstInvalid;
    bool mixedTwins = false;
    bool exact = true;
    TextPlace firstDifference;

    // Counts one problem at a file offset, keeping the first place.
    static void Note(size_t &count, TextPlace &first, size_t offset)
    {
        if (count++ == 0)
            first.offset = offset;
    }
};

// Why pane text cannot be written in a document's encoding, with the place
// in the pane text.
enum class SaveProblemKind { None, InvalidCp932, NoForm };
struct SaveProblem {
    SaveProblemKind kind = SaveProblemKind::None;
    TextPlace place;
};
