// The web search's dialogs and the state they share: the table of search
// entries (built-in rows and those added while the program runs), the kept
// search word and the current entry.
#pragma once
#include <windows.h>

#include "web/search_entry.h"

// The entry table, made with the built-in rows on first use; null only when
// it cannot be allocated.
SearchEntryTable *SearchEntries();

// The kept search word and the row of the entry table in use.
struct WebState {
    char szSearchWord[SEARCH_WORD_SIZE];
    int nCurrentEntry;
};
extern WebState web;

// Opens the modeless search dialog (hWebSearchDlg), or brings it forward.
void OpenWebSearchDialog(HWND owner);

// The settings dialog "検索設定", modal.
void ShowWebSettingsDialog(HWND owner);

// The form-analysis dialog, modal; its results go to the settings dialog.
void ShowFormAnalysisDialog(HWND hSettingsDlg);

// The modeless form result dialog with a copy of nCount records.
HWND OpenFormResultDialog(HWND hFormDlg, HWND hSettingsDlg, const SearchEntry *pTable, int nCount);

// Sets a list view's report columns (texts CP932, widths in pixels).
void AddListColumns(HWND list, const char *const *aTitles, const int *aWidths, int nCount);
