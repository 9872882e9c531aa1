// Parking a pane's text in its temporary file while another listed file
// is on show, and bringing it back.
#pragma once
#include <windows.h>

#include <string>

#include "filelist/file_list_pages.h"

// Writes the main pane's text to the entry's main temporary file and
// remembers its modified flag. FALSE (with a message, the pane untouched)
// when the file could not be written. The text written goes into *pText
// when pText is given.
BOOL ParkMain(FileEntry &entry, HWND pane, std::string *pText = NULL);

// The same for the resource pane; an empty pane parks nothing (bRcTmp 0).
// After parking the pane is emptied and the resource path cleared.
BOOL ParkRc(FileEntry &entry, HWND pane, std::string *pText = NULL);

// Fills the pane (main or resource) from the entry's temporary file.
// 1 when filled, 0 otherwise (reported; the pane is then empty). The pane
// may be rebuilt: use hEdit / hSubEdit1 afterwards.
int restoreTmp(HWND mainWnd, HWND pane, FileEntry &entry);

// Writes a parked text over its file with the checks of an overwrite (a
// text that was not read whole is refused with its message); its changes
// are then saved. FALSE when it was not written.
BOOL SaveParkedText(FileEntry &entry, BOOL bMain);
