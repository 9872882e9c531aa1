// Template builder: little-endian fields, UTF-16 strings, DWORD-aligned items.
#include "designer/template.h"
#include <cstring>
#include "designer/class_table.h"

namespace {

void Put(TemplateBuffer &b, const void *p, size_t n)
{
    if (b.overflow || n > b.capacity - b.size) {
        b.overflow = true;
        return;
    }
    memcpy(b.data + b.size, p, n);
    b.size += n;
}

void Put16(TemplateBuffer &b, uint16_t v)
{
    uint8_t x[2] = {(uint8_t)v, (uint8_t)(v >> 8)};
    Put(b, x, 2);
}

void Put32(TemplateBuffer &b, uint32_t v)
{
    Put16(b, (uint16_t)v);
    Put16(b, (uint16_t)(v >> 16));
}

/* Writes a CP932 string as zero-terminated UTF-16. */
void PutWide(TemplateBuffer &b, const char *s, WideConverter conv)
{
    size_t len = strlen(s);
    std::vector<uint16_t> w(len + 1);
    int n = len ? conv(s, len, w.data(), w.size()) : 0;
    if (n < 0)
        n = 0;
    for (int i = 0; i < n; i++)
        Put16(b, w[i]);
    Put16(b, 0);
}

void Align4(TemplateBuffer &b)
{
    while (!b.overflow && (b.size & 3))
        Put16(b, 0);
}

} // namespace

/* Atom of BUTTON, EDIT, STATIC, LISTBOX, SCROLLBAR, COMBOBOX; 0 otherwise. */
uint16_t ClassAtom(const char *className)
{
    if (strncmp(className, "BUTTON", 6) == 0) return 0x0080;
    if (strcmp(className, "EDIT") == 0) return 0x0081;
    if (strncmp(className, "STATIC", 6) == 0) return 0x0082;
    if (strcmp(className, "LISTBOX") == 0) return 0x0083;
    if (strcmp(className, "SCROLLBAR") == 0) return 0x0084;
    if (strcmp(className, "COMBOBOX") == 0) return 0x0085;
    return 0;
}

/* Writes the extended dialog header, with the font block when asked. */
bool WriteTemplateHeader(TemplateBuffer &buf, const Dlgdata &dlg, uint32_t style, uint16_t itemCount,
                         bool withFont, WideConverter conv)
{
    Put16(buf, 1);
    Put16(buf, 0xFFFF);
    Put32(buf, 0);
    Put32(buf, dlg.exStyle);
    Put32(buf, style);
    Put16(buf, itemCount);
    Put16(buf, dlg.x);
    Put16(buf, dlg.y);
    Put16(buf, dlg.cx);
    Put16(buf, dlg.cy);
    Put16(buf, 0);
    Put16(buf, 0);
    PutWide(buf, dlg.szCaption, conv);
    if (withFont) {
        Put16(buf, dlg.pointSize);
        Put16(buf, 500);
        uint8_t italicCharset[2] = {0, 0x80};
        Put(buf, italicCharset, 2);
        PutWide(buf, dlg.szFace, conv);
    }
    Align4(buf);
    return !buf.overflow;
}

/* Writes one item for a control record. */
bool AppendItem(TemplateBuffer &buf, const Ctrldata &rec, WideConverter conv)
{
    Align4(buf);
    Put32(buf, 0);
    Put32(buf, rec.exStyle);
    Put32(buf, rec.style | kWsChild | kWsVisible);
    Put16(buf, (uint16_t)rec.left);
    Put16(buf, (uint16_t)rec.top);
    Put16(buf, (uint16_t)rec.right);
    Put16(buf, (uint16_t)rec.bottom);
    Put32(buf, (uint32_t)rec.id);
    uint16_t atom = ClassAtom(rec.szClass);
    if (atom) {
        Put16(buf, 0xFFFF);
        Put16(buf, atom);
    } else
        PutWide(buf, rec.szClass, conv);
    PutWide(buf, rec.szText, conv);
    Put16(buf, 0);
    Align4(buf);
    return !buf.overflow;
}

/* Builds the preview template: x = y = 0, WS_CHILD removed, DS_SETFONT with a face. */
bool BuildPreviewTemplate(const Dlgdata &dlg, const std::vector<Ctrldata> &controls, WideConverter conv,
                          std::vector<uint8_t> &out)
{
    // Upper bound: each CP932 byte gives at most one UTF-16 unit.
    size_t need = 64 + 2 * (sizeof dlg.szCaption + sizeof dlg.szFace);
    for (const Ctrldata &c : controls)
        need += 40 + 2 * (sizeof c.szClass + sizeof c.szText);
    out.assign(need, 0);
    TemplateBuffer buf{out.data(), out.size(), 0, false};
    Dlgdata d = dlg;
    d.x = d.y = 0;
    bool withFont = dlg.szFace[0] != '\0';
    uint32_t style = dlg.style & ~kWsChild;
    if (withFont)
        style |= kDsSetFont;
    if (controls.size() > 0xFFFF)
        return false;
    WriteTemplateHeader(buf, d, style, (uint16_t)controls.size(), withFont, conv);
    for (size_t i = 0; i < controls.size(); i++) {
        Ctrldata c = controls[i];
        AppendItem(buf, c, conv);
    }
    out.resize(buf.size);
    return !buf.overflow;
}
