#include "doc/document_record.h"

#include "common/cp932.h"

#include <cstdio>
#include <cstring>

/* SetPathAndTitle: the path and its name part; a path that does not fit is no path. */
static void SetPathAndTitle(DocumentRecord &r, const char *szPath)
{
    r.szPath[0] = '\0';
    r.szTitle[0] = '\0';
    if (!szPath || std::strlen(szPath) >= sizeof r.szPath)
        return;
    std::strcpy(r.szPath, szPath);
    GetNameOfPath(szPath, r.szTitle, sizeof r.szTitle);
}

void RecordNoDocument(DocumentRecord &r)
{
    r = DocumentRecord();
}

void RecordFileRead(DocumentRecord &r, const char *szPath, uint64_t nFileSize, uint64_t nTextLen,
                    DocWholeness wholeness, const DocumentEncoding &encoding)
{
    r = DocumentRecord();
    SetPathAndTitle(r, szPath);
    r.nFileSize = nFileSize;
    r.nTextLen = nTextLen;
    r.wholeness = wholeness;
    r.origin = r.szPath[0] ? DOC_ORIGIN_FILE : DOC_ORIGIN_NONE;
    r.encoding = encoding;
}

void RecordSaved(DocumentRecord &r, const char *szPath, uint64_t nFileSize, uint64_t nTextLen, bool bOverWritten)
{
    SetPathAndTitle(r, szPath);
    r.nFileSize = nFileSize;
    r.nTextLen = nTextLen;
    r.bOverWritten = bOverWritten;
    r.wholeness = DOC_WHOLE;
    r.origin = DOC_ORIGIN_FILE;
}

void RecordRecovered(DocumentRecord &r, const char *szPath, uint64_t nTextLen)
{
    r = DocumentRecord();
    SetPathAndTitle(r, szPath);
    r.nTextLen = nTextLen;
    r.origin = DOC_ORIGIN_RECOVERY;
}

void RecordRestored(DocumentRecord &r)
{
    if (r.origin != DOC_ORIGIN_NONE)
        r.origin = DOC_ORIGIN_PARKED;
}

bool OverwriteAllowed(const DocumentRecord &r)
{
    return r.wholeness == DOC_WHOLE;
}

std::string DocumentWindowTitle(const DocumentRecord &r, const char *szNoDocument)
{
    if (r.origin == DOC_ORIGIN_RECOVERY) {
        // "[name]  (復元したテキスト N byte、未保存)", "(無題)" for an unnamed text.
        const char *szName = r.szTitle[0] ? r.szTitle : "(\x96\xb3\x91\xe8)";
        int keep = static_cast<int>(cp932::CutOnCharBoundary(szName, std::strlen(szName), FILE_TITLE_SIZE - 1));
        char sz[WINDOW_TITLE_SIZE];
        std::snprintf(sz, sizeof sz,
                      "[%.*s]  (\x95\x9c\x8c\xb3\x82\xb5\x82\xbd\x83" "e\x83L\x83X\x83g %llubyte\x81"
                      "A\x96\xa2\x95\xdb\x91\xb6)",
                      keep, szName, static_cast<unsigned long long>(r.nTextLen));
        return sz;
    }
    if (r.origin == DOC_ORIGIN_NONE || r.origin == DOC_ORIGIN_GENERATED || !r.szPath[0])
        return szNoDocument;
    std::string title = FormatDocumentTitle(r.szTitle, r.nFileSize, r.nTextLen, r.bOverWritten);
    if (!IsRawCp932(r.encoding.encoding))
    {
        bool utf16 = r.encoding.encoding == TextEncoding::Utf16Le || r.encoding.encoding == TextEncoding::Utf16Be;
        title += std::string("  [") + EncodingName(r.encoding.encoding, r.encoding.bom) +
                 (utf16 && !r.encoding.bom ? "-nobom]" : "]");
    }
    return title;
}
