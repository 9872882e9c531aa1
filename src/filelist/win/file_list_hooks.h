// What the documents ask of the file list and its resource associations
// when a file is opened or saved in multi-file mode.
#pragma once
#include <windows.h>

// True when the path is an entry of the file list page on show.
BOOL FileListPageHasPath(const char *szPath);

// Adds a file to the file list: path, its resource script, the label of
// its button and the mode (-1 for a file opened or saved by the user).
void FileListAddFile(const char *szPath, const char *szRcPath, const char *szLabel, int nMode);

// Records the pair (source path, resource script path) in the RcAssociation
// list; an existing source path keeps its pair.
void RecordRcAssociation(const char *szPath, const char *szRcPath);
