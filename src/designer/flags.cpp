// Flag lookups and conversions over the control catalogue.
#include "designer/flags.h"
#include <cstring>
#include <unordered_map>
#include <vector>
#include "common/cp932.h"

/* Copies src into a fixed field, cut on a character boundary, terminated. */
void CopyField(char *field, size_t fieldSize, const char *src, size_t len)
{
    if (fieldSize == 0)
        return;
    size_t n = cp932::CutOnCharBoundary(src, len, fieldSize - 1);
    memcpy(field, src, n);
    field[n] = '\0';
}

/* Returns the first row whose class name is a prefix of className. */
ClassInfo *FindClassInfo(const char *className)
{
    for (int i = 0; i < kClassCount; i++) {
        const char *row = g_classInfo[i].className;
        if (row[0] != className[0] && row[0] != '\0')
            continue; // most rows differ at once
        if (strncmp(className, row, strlen(row)) == 0)
            return &g_classInfo[i];
    }
    return nullptr;
}

/* Finds the slot of a flag name in a list; -1 when absent. */
static int FindInList(const FlagEntry *list, const char *name)
{
    for (int i = 0; i < 32 && list[i].name; i++)
        if (list[i].name[0] && strcmp(list[i].name, name) == 0)
            return i;
    return -1;
}

/* Name -> slot index of every row (list 1 first, then list 2), built once. */
static const std::unordered_map<std::string, int> &RowNameIndex(const ClassInfo *row)
{
    static std::unordered_map<std::string, int> index[kClassCount];
    static bool built = false;
    if (!built) {
        for (int r = 0; r < kClassCount; r++) {
            for (int pass = 0; pass < 2; pass++) {
                const FlagEntry *list = pass ? g_classInfo[r].exStyle : g_classInfo[r].style;
                for (int i = 31; i >= 0; i--) // lowest slot wins
                    if (list[i].name && list[i].name[0] && (pass == 0 || !index[r].count(list[i].name) ||
                                                            FindInList(g_classInfo[r].style, list[i].name) < 0))
                        index[r][list[i].name] = i;
            }
        }
        built = true;
    }
    return index[row - g_classInfo];
}

/* Slot of flagName in a row: -1 no row, -2 no such name. */
static int FindFlagIndexInRow(const ClassInfo *row, const char *flagName)
{
    if (!row)
        return -1;
    const auto &index = RowNameIndex(row);
    auto it = index.find(flagName);
    return it == index.end() ? -2 : it->second;
}

/* Slot of flagName in the row of className: -1 no row, -2 no such name. */
int FindFlagIndex(const char *className, const char *flagName)
{
    return FindFlagIndexInRow(FindClassInfo(className), flagName);
}

/* Splits an expression into "|"-separated names with blanks removed. */
static std::vector<std::string> SplitFlagNames(const char *expr)
{
    std::string s;
    for (const char *p = expr; *p; p++)
        if (!strchr(" \r\n\t\v", *p))
            s += *p;
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= s.size() && !s.empty()) {
        size_t bar = s.find('|', start);
        if (bar == std::string::npos)
            bar = s.size();
        if (bar > start)
            names.push_back(s.substr(start, bar - start));
        start = bar + 1;
    }
    return names;
}

FlagRows FlagRowsOf(const char *className)
{
    return FlagRows{{FindClassInfo(className), FindClassInfo("WNDCLASS"), FindClassInfo("COMCTL")}};
}

/* Value of a flag name: the class's own row first, then window and common-control styles. */
bool FlagNameValue(const FlagRows &rows, const char *name, bool ex, uint32_t &value)
{
    for (const ClassInfo *row : rows.rows) {
        int i = FindFlagIndexInRow(row, name);
        if (i >= 0) {
            value = ex ? row->exStyle[i].value : row->style[i].value;
            return true;
        }
    }
    return false;
}

/* ORs the values of recognised names; ex selects list 2. */
static uint32_t NamesToValue(const char *expr, const char *className, bool ex)
{
    FlagRows rows = FlagRowsOf(className);
    uint32_t value = 0, v;
    for (const std::string &name : SplitFlagNames(expr))
        if (FlagNameValue(rows, name.c_str(), ex, v))
            value |= v;
    return value;
}

uint32_t StringToDword(const char *expr, const char *className)
{
    return NamesToValue(expr, className, false);
}

uint32_t StringToDwordEx(const char *expr, const char *className)
{
    return NamesToValue(expr, className, true);
}

/* Marks style choices of a control from a style expression. */
void StringToflon(const char *expr, const char *className, Ctrldata *rec)
{
    for (const std::string &name : SplitFlagNames(expr)) {
        int i;
        if ((i = FindFlagIndex(className, name.c_str())) >= 0)
            rec->selClass[i] = 1;
        else if ((i = FindFlagIndex("WNDCLASS", name.c_str())) >= 0)
            rec->selWnd[i] = 1;
        else if ((i = FindFlagIndex("COMCTL", name.c_str())) >= 0)
            rec->selComctl[i] = 1;
    }
}

/* Marks extended choices of a control from an extended-style expression. */
void StringToflonEx(const char *expr, const char *className, Ctrldata *rec)
{
    for (const std::string &name : SplitFlagNames(expr)) {
        int i;
        if ((i = FindFlagIndex(className, name.c_str())) >= 0)
            rec->selClassEx[i] = 1;
        else if ((i = FindFlagIndex("WNDCLASS", name.c_str())) >= 0)
            rec->selWndEx[i] = 1;
    }
}

/* Marks the dialog's choices from a style or extended-style expression. */
void DlgdataStringToflon(Dlgdata *dlg, const char *expr)
{
    for (const std::string &name : SplitFlagNames(expr)) {
        int i;
        if ((i = FindFlagIndex("DLGCLASS", name.c_str())) >= 0)
            dlg->selDlg[i] = 1;
        else if ((i = FindFlagIndex("WNDCLASS", name.c_str())) >= 0) {
            if (name.compare(0, 6, "WS_EX_") == 0)
                dlg->selWndEx[i] = 1;
            else
                dlg->selWnd[i] = 1;
        }
    }
}

/* Clears choices whose bits are not all present in the live style. */
void ClearUnsetChoices(uint32_t style, const char *className, int32_t *selClass)
{
    ClassInfo *row = FindClassInfo(className);
    if (!row)
        return;
    for (int i = 0; i < 32 && row->style[i].name && row->style[i].name[0]; i++)
        if ((row->style[i].value & style) != row->style[i].value)
            selClass[i] = 0;
}

/* Reverse lookup: the non-zero flags of a row fully contained in value. */
std::string FlagNamesForValue(uint32_t value, const char *className, bool ex)
{
    ClassInfo *row = FindClassInfo(className);
    std::string out;
    if (!row)
        return out;
    const FlagEntry *list = ex ? row->exStyle : row->style;
    for (int i = 0; i < 32 && list[i].name; i++) {
        if (!list[i].name[0] || list[i].value == 0 || (list[i].value & value) != list[i].value)
            continue;
        if (FindInList(list, list[i].name) != i)
            continue; // a repeated name is listed once
        if (!out.empty())
            out += " | ";
        out += list[i].name;
    }
    return out;
}

/* Appends a flag name with the line-break rule used for style texts. */
static void AppendStyleName(std::string &text, const char *name, const char *sep, size_t width, int &n)
{
    text += name;
    if (text.size() > width * n) {
        text += "\r\n     ";
        n++;
    }
    text += sep;
}

/* Style text of a control: class and window flags interleaved by slot. */
std::string FlagsToStyleText(const Ctrldata &rec)
{
    ClassInfo *row = FindClassInfo(rec.szClass);
    ClassInfo *wnd = &g_classInfo[kRowWndclass];
    std::string text;
    int n = 1;
    for (int i = 0; i < 32; i++) {
        if (row && rec.selClass[i] && row->style[i].name)
            AppendStyleName(text, row->style[i].name, "| ", 50, n);
        if (rec.selWnd[i] && wnd->style[i].name)
            AppendStyleName(text, wnd->style[i].name, "| ", 50, n);
    }
    if (text.empty())
        return "0L";
    text.erase(text.size() - 2);
    return text;
}

/* Style (or extended style) text of a dialog. */
std::string DlgFlagsToStyleText(const Dlgdata &dlg, bool exPart)
{
    ClassInfo *dc = &g_classInfo[kRowDlgclass];
    ClassInfo *wnd = &g_classInfo[kRowWndclass];
    std::string text;
    int n = 1;
    for (int i = 0; i < 32; i++) {
        if (exPart) {
            if (dlg.selWndEx[i] && wnd->exStyle[i].name)
                AppendStyleName(text, wnd->exStyle[i].name, " | ", 50, n);
            continue;
        }
        if (dlg.selDlg[i] && dc->style[i].name)
            AppendStyleName(text, dc->style[i].name, " | ", 45, n);
        if (dlg.selWnd[i] && wnd->style[i].name)
            AppendStyleName(text, wnd->style[i].name, " | ", 45, n);
    }
    if (text.empty())
        return "0L";
    text.erase(text.size() - 3);
    return text;
}

/* Bits of a class's style that hold one kind value rather than separate flags. */
static uint32_t KindMask(const char *className)
{
    if (strcmp(className, "BUTTON") == 0) return 0xF;
    if (strcmp(className, "STATIC") == 0) return 0x1F;
    if (strcmp(className, "COMBOBOX") == 0) return 0x3;
    return 0;
}

/* Whether an earlier entry of the list has the same value (one name per value). */
static bool ValueListedBefore(const FlagEntry *list, int i)
{
    for (int j = 0; j < i; j++)
        if (list[j].name && list[j].name[0] && list[j].value == list[i].value)
            return true;
    return false;
}

void ChoicesFromStyle(uint32_t style, const char *className, Ctrldata *rec)
{
    ClassInfo *row = FindClassInfo(className);
    if (row) {
        uint32_t kind = KindMask(row->className);
        for (int i = 0; i < 32 && row->style[i].name; i++) {
            const FlagEntry &f = row->style[i];
            if (!f.name[0] || (f.value & 0xFFFF0000) || ValueListedBefore(row->style, i))
                continue;
            bool isKind = kind && (f.value & ~kind) == 0;
            if (isKind ? (style & kind) == f.value : f.value && (style & f.value) == f.value)
                rec->selClass[i] = 1;
        }
    }
    const FlagEntry *wnd = g_classInfo[kRowWndclass].style;
    for (int i = 0; i < 32 && wnd[i].name; i++) {
        uint32_t v = wnd[i].value;
        if (!wnd[i].name[0] || v < 0x10000 || (v & (v - 1)) || ValueListedBefore(wnd, i))
            continue;
        if (style & v)
            rec->selWnd[i] = 1;
    }
}
