// Statement-by-statement rewrite of a dialog's control block.
#include "designer/update.h"
#include <cstdio>
#include <cstring>
#include "common/cp932.h"
#include "designer/flags.h"
#include "designer/parser.h"
#include "designer/locator.h"
#include "designer/writer.h"

const char kDeletedMark[] = "\x94\x70";  // 廃
const char kUnnamedMark[] = "\x96\xA2";  // 未

namespace {

const char kMarker[] = "SORA_EDITOR_INSERTION_POINT_FOR_DEFINITIONS";

bool IsWord(char c) { return isalnum((unsigned char)c) || c == '_'; }

bool StartsWith(const char *s, const char *p) { return strncmp(s, p, strlen(p)) == 0; }

/* The identifier without the deletion mark. */
std::string PlainIdent(const Ctrldata &r)
{
    return StartsWith(r.szIdent, kDeletedMark) ? r.szIdent + strlen(kDeletedMark) : r.szIdent;
}

/* Start of the last whole word END outside quotes and comments, or npos. */
size_t LastEnd(const std::string &text)
{
    std::string s = BlankComments(text);
    size_t last = std::string::npos;
    bool quote = false;
    for (size_t p = 0; p < s.size();) {
        char c = s[p];
        if (c == '"') quote = !quote;
        else if (c == '\n') quote = false;
        else if (quote && c == '\\' && p + 1 < s.size() && (s[p + 1] == '\\' || s[p + 1] == '"')) p++;
        else if (!quote && s.compare(p, 3, "END") == 0 && (p == 0 || !IsWord(s[p - 1])) &&
                 (p + 3 >= s.size() || !IsWord(s[p + 3])))
            last = p;
        p += cp932::CharLength(s.data() + p, s.data() + s.size());
    }
    return last;
}

/* Highest number n of identifiers prefix+word+n or prefix+"NEW_"+word+n per row. */
void ContinueNumbering(const std::vector<Ctrldata> &records, const char *prefix)
{
    for (int r = 0; r < kClassCount; r++)
        g_classInfo[r].counter = 0;
    for (const Ctrldata &c : records) {
        std::string id = PlainIdent(c);
        for (int r = 0; r < kClassCount; r++) {
            for (int form = 0; form < 2; form++) {
                std::string head = std::string(prefix) + (form ? "NEW_" : "") + g_classInfo[r].identWord;
                if (id.compare(0, head.size(), head) != 0 || id.size() == head.size()) continue;
                const char *num = id.c_str() + head.size();
                if (strspn(num, "0123456789") != strlen(num)) continue;
                int n = atoi(num);
                if (n > g_classInfo[r].counter) g_classInfo[r].counter = n;
            }
        }
    }
}

/* Blank runs to one blank, quoted strings kept as they are. */
std::string CollapseBlanks(const std::string &s)
{
    std::string out;
    bool quote = false, blank = false;
    for (char c : s) {
        if (!quote && (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v')) {
            blank = true;
            continue;
        }
        if (blank && !out.empty()) out += ' ';
        blank = false;
        if (c == '"') quote = !quote;
        out += c;
    }
    return out;
}

} // namespace

bool RecordChanged(const Ctrldata &a, const Ctrldata &b)
{
    return strcmp(a.szIdent, b.szIdent) != 0 || a.left != b.left || a.top != b.top || a.right != b.right ||
           a.bottom != b.bottom || strcmp(a.szClass, b.szClass) != 0 || strcmp(a.szText, b.szText) != 0 ||
           memcmp(a.selClass, b.selClass, sizeof a.selClass) != 0 ||
           memcmp(a.selClassEx, b.selClassEx, sizeof a.selClassEx) != 0 ||
           memcmp(a.selWnd, b.selWnd, sizeof a.selWnd) != 0 || memcmp(a.selWndEx, b.selWndEx, sizeof a.selWndEx) != 0 ||
           memcmp(a.selComctl, b.selComctl, sizeof a.selComctl) != 0 || a.style != b.style || a.exStyle != b.exStyle;
}

UpdateResult UpdateDialogScript(const std::string &body, std::vector<Ctrldata> &records,
                                const std::vector<Ctrldata> &saved, const char *prefix, int startId)
{
    UpdateResult res;
    res.nextId = startId;
    ContinueNumbering(records, prefix);
    std::string text = body;
    size_t end = LastEnd(text);
    bool endFound = end != std::string::npos;
    text.insert(endFound ? end : 0, kMarker);
    char buf[128];

    // A statement is looked for before the marker or after it, never across
    // it: a stretch that took the marker in would lose where the new
    // statements and definitions go.
    auto findStatement = [&](const Ctrldata &r) {
        size_t m = text.find(kMarker), after = m + strlen(kMarker);
        TextSpan t = FindControlStatement(text.substr(0, m), r);
        if (!t.found) {
            t = FindControlStatement(text.substr(after), r);
            t.start += after;
        }
        return t;
    };
    auto generate = [&](Ctrldata &r) {
        if (!r.szIdent[0] || StartsWith(r.szIdent, kUnnamedMark)) {
            ClassInfo *row = FindClassInfo(r.szClass);
            int n = row ? ++row->counter : 1;
            snprintf(buf, sizeof buf, "%sNEW_%s%d", prefix, row ? row->identWord : "CTRL", n);
            CopyField(r.szIdent, sizeof r.szIdent, buf, strlen(buf));
            snprintf(buf, sizeof buf, "#define %s   %d\r\n", r.szIdent, res.nextId++);
            res.definitions += buf;
        }
        std::string id = PlainIdent(r);
        return ControlStatement(r, id.c_str(), true);
    };

    for (Ctrldata &r : records) {
        bool deleted = StartsWith(r.szIdent, kDeletedMark);
        std::string id = PlainIdent(r);
        const Ctrldata *old = nullptr;
        if (r.szIdent[0] && !StartsWith(r.szIdent, kUnnamedMark))
            for (const Ctrldata &s : saved)
                if (PlainIdent(s) == id) { old = &s; break; }
        bool wasDeleted = old && StartsWith(old->szIdent, kDeletedMark);
        if (deleted && wasDeleted)
            continue; // commented out by an earlier write-back
        if (deleted) {
            Ctrldata plain = r;
            CopyField(plain.szIdent, sizeof plain.szIdent, id.data(), id.size());
            TextSpan t = findStatement(plain);
            if (t.found)
                text.replace(t.start, t.length, "//" + CollapseBlanks(generate(r)));
        } else if (old && !wasDeleted) {
            if (!RecordChanged(r, *old)) continue;
            TextSpan t = findStatement(*old);
            std::string st = generate(r);
            if (t.found) text.replace(t.start, t.length, st);
        } else {
            // New statements, and controls brought back after their statement was
            // commented out, follow the definitions just before the last END.
            std::string st = generate(r) + "\r\n";
            size_t at = text.find(kMarker);
            if (endFound) text.insert(at + strlen(kMarker), st);
            else text += st;
        }
    }
    size_t m = text.find(kMarker);
    text.replace(m, strlen(kMarker), res.definitions.empty() ? "" : "\r\n" + res.definitions + "\r\n");
    res.body = text;
    return res;
}
