#pragma once
// Building DLGTEMPLATEEX / DLGITEMTEMPLATEEX bytes from dialog and control records.
#include <cstddef>
#include <cstdint>
#include <vector>
#include "designer/records.h"

// Converts CP932 bytes to UTF-16 units; returns the number of units written
// (at most cap), or -1 on failure. The Win32 layer passes MultiByteToWideChar(932).
typedef int (*WideConverter)(const char *src, size_t len, uint16_t *dst, size_t cap);

struct TemplateBuffer {
    uint8_t *data;
    size_t capacity;
    size_t size; // bytes written so far
    bool overflow; // set when something did not fit; the bytes then are incomplete
};

// Writes the header; hasFont adds the font block (and DS_SETFONT in preview mode).
bool WriteTemplateHeader(TemplateBuffer &buf, const Dlgdata &dlg, uint32_t style, uint16_t itemCount,
                         bool withFont, WideConverter conv);
bool AppendItem(TemplateBuffer &buf, const Ctrldata &rec, WideConverter conv);
// Whole preview template of a parsed dialog into bytes (grown as needed).
bool BuildPreviewTemplate(const Dlgdata &dlg, const std::vector<Ctrldata> &controls, WideConverter conv,
                          std::vector<uint8_t> &out);
// Atom of a predefined class, or 0 when the class is written by name.
uint16_t ClassAtom(const char *className);
