// State and entry points of the designer's windows: the panel MAKEDLGD, the
// design dialog, the options, flag and fine-adjust dialogs, the dialog list
// with its preview, and the menu designer.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "common/test_hooks.h"
#include "designer/records.h"
#include "resource_ids.h" // the control ids of the designer's dialogs

// Design session
struct DesignerState {
    Ctrldata *Ctrls;              // kMaxControls records in the shared section
    int Icount;                   // records in use, kept at the front
    Dlgdata dlgData;              // the designed dialog
    Dlgdata dlgDataOrg;           // customise mode: as it was read
    std::vector<Ctrldata> savedCtrls; // customise mode: records as read
    HWND hDesignDlg, hOptDlg, hFlagDlg, hFineDlg, hSizeBox;
    int gridpixelX = 8, gridpixelY = 16;
    BOOL bCustomise, bGridOn;
    int nSelected = -1;           // selected record, -1 none
};
extern DesignerState designer;

// The control ids of the panel, the design dialog and the other designer
// dialogs are in resources/ids_designer.h, shared with designer.rc.

// WM_DESIGN_SELECTDO (common/test_hooks.h) selects the control record
// lParam on the design dialog, then gives the dialog the command wParam
// (0: select only). The flag dialog sends it.

// Text helpers (wide conversion for templates, string resources)
int Cp932ToUtf16Win(const char *src, size_t len, uint16_t *dst, size_t cap);
std::string LoadResString(UINT id);
std::string GetItemText(HWND dlg, int id);
BOOL MeasureDialogUnits(HWND hwnd, int pointSize, const char *face, int *gx, int *gy);
void PlaceWindow(HWND hwnd, HWND ref, const char *where);
void PressPaneToggleIfNeeded();
void AppendToPane(HWND pane, const std::string &text, BOOL atStart);
BOOL SelectTextInEdit(HWND edit, const std::string &text, BOOL fromSelection);

// Shared-memory control array
BOOL CreateCtrlArray();
void FreeCtrlArray();
BOOL IsLiveRecord(const Ctrldata &c);
void CompactRecords();
void ResetRowCounters();

// Panel
void OpenDesignerPanel(HWND owner);
void StartDesigning(HWND panel);
void StopDesigning(HWND panel, BOOL ask);

// Design dialog
HWND CreateDesignDialog(HWND panel);
void RefreshControlList();
void SelectStatementOfRecord(int index);
RECT RecordRectInDlu(const Ctrldata &c);
int CreateDesignControl(UINT cmd, const RECT &rc);
void DeleteRecord(int index);
void QuantiseControls(BOOL widths);
void AlignControls(BOOL lefts);
BOOL RefreshRecordRect(int index);
void RestyleControl(int index, DWORD style);
HFONT DesignFont();
int RecordOfWindow(HWND hwnd);

int FreeControlId();

// Copying another window's layout
void BeginLayoutCopy(HWND panel);
void LayoutCopyMouseMove();
void CancelLayoutCopy();
BOOL EndLayoutCopy(HWND panel, POINT ptPanel);
void FreeCopiedFonts();

// Size box
HWND CreateSizeBox(HWND design);
BOOL ReleaseSizeBox();
void ShowSizeBoxOn(HWND target);
void ReturnSizeBox();
BOOL SizeBoxIsUnder(POINT ptDesign);

// Script output
void WriteDialogScript(HWND panel);
void UpdateCustomisedScript(HWND panel);
std::string ControlScriptOfRecord(int index);

// Options, flag, text and fine-adjust dialogs
HWND CreateOptionsDialog(HWND panel);
HWND CreateFlagDialog(int index);
HWND CreateFineDialog(int index);
BOOL AskControlText(int index);

// Dialog list and preview
void OpenDialogList(HWND owner);
void ShowDialogListAgain();
std::string DialogListHeader();
std::string DialogListBody();
void DialogListSetTexts(const std::string &header, const std::string &body);

// Menu designer
void OpenMenuDesigner(HWND owner);
BOOL MenuDesignerEnter(UINT comboId);
