// The name SaveBitmapFile writes a capture under: the next counter value
// whose file does not exist yet.
#pragma once
#include "doc/path_core.h"

#include <cstddef>

// Where the name comes from (CP932 paths).
struct BitmapNameInput {
    const char *szOutputFolder; // the output folder setting; empty when none
    const char *szDocPath;      // the document on show; empty when none
    const char *szStartDir;     // the start-up folder, ending in "\"
};

enum BitmapNameResult {
    BMPNAME_OK = 0,
    BMPNAME_ALL_TAKEN, // every counter value up to 255 names an existing file
    BMPNAME_TOO_LONG,  // the name does not fit the buffer
};

// The name for counter value btCounter, without asking whether it exists:
// - output folder set and existing: the folder, a "\" (unless it already
//   ends in one), and the document's file name with its extension replaced
//   by the counter and ".bmp" ("main.cpp", 3: "main3.bmp"), or the counter
//   and ".bmp" alone when there is no document;
// - otherwise, with a document: its full path with the extension replaced;
// - otherwise the start-up folder, "NoFileName", the counter and ".bmp".
// Returns 1, or 0 with szOut empty when the name does not fit nSize.
int MakeBitmapFileName(const BitmapNameInput &input, bool bFolderExists, unsigned char btCounter,
                       char *szOut, size_t nSize);

// Raises *pbtCounter from its value until the name does not exist and puts
// that name into szOut (the counter keeps the value used). The counter is a
// byte: when every name up to 255 exists the search stops with
// BMPNAME_ALL_TAKEN instead of wrapping round for ever, and the counter is
// left as it was. folderExists is asked once about the output folder.
BitmapNameResult ChooseBitmapFileName(const BitmapNameInput &input, unsigned char *pbtCounter,
                                      const PathPredicate &exists, const PathPredicate &folderExists,
                                      char *szOut, size_t nSize);
