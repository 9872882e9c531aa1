#include "filelist/win/file_list_hooks.h"

// Until the file list is built the documents see an empty list.
BOOL FileListPageHasPath(const char *szPath) { (void)szPath; return FALSE; }

void FileListAddFile(const char *szPath, const char *szRcPath, const char *szLabel, int nMode)
{
    (void)szPath; (void)szRcPath; (void)szLabel; (void)nMode;
}

void RecordRcAssociation(const char *szPath, const char *szRcPath) { (void)szPath; (void)szRcPath; }
