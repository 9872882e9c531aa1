#include "filelist/win/file_list_hooks.h"

#include "filelist/win/file_list_win.h"

/* FileListPageHasPath: the path is an entry of the page on show. */
BOOL FileListPageHasPath(const char *szPath)
{
    return pFileList && szPath && pFileList->FindByPath(szPath) != NULL;
}

/* FileListAddFile: lists a file (see FileListAddFileChecked). */
void FileListAddFile(const char *szPath, const char *szRcPath, const char *szLabel, int nMode)
{
    FileListAddFileChecked(szPath, szRcPath, szLabel, nMode);
}

/* RecordRcAssociation: the pair, unless the source path has one. */
void RecordRcAssociation(const char *szPath, const char *szRcPath)
{
    if (szPath && szRcPath)
        AddRcAssociation(rcAssociation, szPath, szRcPath);
}
