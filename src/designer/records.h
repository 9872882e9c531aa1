#pragma once
// Control and dialog records shared by the parser, writer and template builder.
#include <cstdint>

struct Ctrldata {
    int32_t id;
    char szIdent[32];
    void *hwnd; // live window on the design surface (unused by the core)
    int32_t left, top, right, bottom; // x, y, cx, cy in dialog units when read from a script
    char szClass[32];
    char szText[256];
    int32_t selClass[32];
    int32_t selClassEx[32];
    int32_t selWnd[32];
    int32_t selWndEx[32];
    int32_t selComctl[32];
    uint32_t style;
    uint32_t exStyle;
};

const int kMaxControls = 256;

struct Dlgdata {
    int32_t selDlg[32];
    int32_t selWnd[32];
    int32_t selWndEx[32];
    char szType[32];
    char szName[256];
    char szMemOpt[32];
    uint32_t exStyle;
    uint32_t style;
    uint16_t x, y, cx, cy;
    char szMenu[256];
    char szClass[256];
    char szCaption[256];
    uint16_t pointSize;
    char szFace[64];
};

// Copies src into a field of fieldSize bytes, cutting on a CP932 character boundary.
void CopyField(char *field, size_t fieldSize, const char *src, size_t len);
