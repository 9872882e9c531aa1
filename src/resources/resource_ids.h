/* Command, control and resource ids shared by sora.rc and the C++ code.
   Command ids are the menu items' own numbers. */
#ifndef SORA_RESOURCE_IDS_H
#define SORA_RESOURCE_IDS_H

/* Menu and toolbar commands */
#define IDM_EXIT            100
#define IDM_VERSION         102
#define IDM_CMDLINEBAR      125
#define IDM_OPEN            200
#define IDM_SAVEAS          201
#define IDM_OVERWRITE       202
#define IDM_BACKUP          203
#define IDM_SAVERC          204
#define IDM_POSCAPTURE      205
#define IDM_ADDINSERT       206
#define IDM_ADDDOSSHOW      207
#define IDM_ADDDOSHIDE      208
#define IDM_SETENCODING     209  /* the encoding the document is saved in */
#define IDM_ADDOTHER        210
#define IDM_ARMINSERT       211
#define IDM_BTNPAGEXCHG     212
#define IDM_BTNCHANGEPOS    213
#define IDM_BTNPROPERTY     214
#define IDM_BTNDELETE       215
#define IDM_RESOURCELIST    219
#define IDM_FUNCLIST        220
#define IDM_NEXTFUNC        221
#define IDM_FUNCTOP         222
#define IDM_BINVIEWER       225
#define IDM_BRACECOLOUR     226
#define IDM_INDENT          227
#define IDM_FILEREMOVE      229
#define IDM_FILEMENUTITLE   240
#define IDM_FILELISTCLEAR   231
#define IDM_SETTINGS        233
#define IDM_FILEOPENFOLDER  241
#define IDM_FILEOPENFILE    242
#define IDM_FILEPAGEXCHG    243
#define IDM_FILECUT         244
#define IDM_FILEDOSHERE     245
#define IDM_NEXTLISTED      246  /* Ctrl+Tab: the next listed file of the page on show */
#define IDM_PREVLISTED      247  /* Ctrl+Shift+Tab: the one before */
#define IDM_FILEADD         260
#define IDM_FILECLEAR       261
#define IDM_FILEEXPAND      262
#define IDM_FILESELECT      263
#define IDM_FILEDROP        264
#define IDM_TREEOPEN        265
#define IDM_TREETARGET      266
#define IDM_FONT            300
#define IDM_BKCOLOR         302
#define IDM_FONTREPAIR      303
#define IDM_CAPTURE         304
#define IDM_DESKTOP         305
#define IDM_WEBSEARCH       310
#define IDM_CARETEND        395
#define IDM_CARETSTART      396
#define IDM_COMPILESETTINGS 397
#define IDM_CANTCOMPILE     398
#define IDM_STATICLIB       399
#define IDM_APISKELETON     401
#define IDM_DIALOGDESIGN    402
#define IDM_MENUDESIGN      403
#define IDM_SKELETON16      404
#define IDM_SKELETONHTML    405
#define IDM_COMPILERSETUP   406
#define IDM_DOSWINDOW       407
#define IDM_QUICKCOMPILE    408
#define IDM_MAKEFILE        409
#define IDM_DESIGN_FIRST    410
#define IDM_DESIGN_LAST     442
#define IDM_CTL_FLAGS       460
#define IDM_CTL_TEXT        461
#define IDM_CTL_SIZE        462
#define IDM_CTL_MOVE        463
#define IDM_CTL_FINE        466
#define IDM_CTL_DELETE      467
#define IDM_CTL_SCRIPT      468
#define IDM_SNIPPET_FIRST   956
#define IDM_SNIPPET_LAST    998
#define IDM_MODE_NORMAL     1401
#define IDM_MODE_VARIABLE   1402
#define IDM_MODE_PATTERN    1403
#define IDM_PANESWITCH      1407
#define IDM_COLOURPASS      1411
#define IDM_NEXTBTNPAGE     1412
#define IDM_NEXTFILEPAGE    1413
#define IDM_WEBSEARCHBAR    1414
#define IDM_UNDO            2001
#define IDM_CUT             2002
#define IDM_COPY            2003
#define IDM_PASTE           2004
#define IDM_CLEAR           2005
#define IDM_SELECTALL       2006
#define IDM_COPYTOFIND      2007
#define IDM_REGISTER        2008
#define IDM_WRAPCOMMENT     2009
#define IDM_FOCUSFIND       2010  /* Ctrl+F: the find entry, with the selection */
#define IDM_FINDNEXT        2011  /* F3: the find entry's down arrow */
#define IDM_FINDPREV        2012  /* Shift+F3: its up arrow */
#define IDM_LINEJUMP        2013  /* Ctrl+G: the line-jump entry */
#define IDM_ENTER           9997
#define IDM_USERBUTTON_FIRST 8000
#define IDM_FILEBUTTON_FIRST 8500

/* Controls of the main window */
#define IDC_CMDCOMBO        499
#define IDC_STATUS          5000
#define IDC_MAINEDIT        5001
#define IDC_SUBEDIT         5002
#define IDC_FINDENTRY       5011
#define IDC_LINESTATIC      5012
#define IDC_LINEJUMP        5013
#define IDC_SPLIT0          5014
#define IDC_SPLIT1          5015
#define IDC_SPLIT2          5016
#define IDC_SPLIT3          5017
#define IDC_SPLIT4          5018
#define IDC_TOOLBAR         1100
#define IDC_FILETREE        1301

/* Version dialog fields */
#define IDC_VER_PRODUCT     6112
#define IDC_VER_VERSION     6113
#define IDC_VER_DATE        6114
#define IDC_VER_NOTICE      6115
#define IDC_ENTRYTEXT       6705
#define IDM_ENTRYDONE       6706

/* String table */
#define IDS_TOOLBARSTRINGS  7581
#define IDS_SNIPPETLIST     7598
#define IDS_SNIPPET_FIRST   7501  /* item i of IDS_SNIPPETLIST: IDS_SNIPPET_FIRST + i */
#define IDS_SNIPPET_BASE    (IDS_SNIPPET_FIRST - IDM_SNIPPET_FIRST)  /* menu item id + base */

#include "ids_doc.h"
#include "ids_text.h"
#include "ids_filelist.h"
#include "ids_settings.h"
#include "ids_tools.h"
#include "ids_web.h"
#include "ids_designer.h"
#include "ids_capture.h"

/* Every string resource that the code loads, by the names above: S(name)
   for one string, SLIST(first, list) for the strings first + i, one for
   each item i of the NUL-separated list "list" (a count, then the items).
   Every load uses these names; a test under Wine finds each of them in
   the program's resources. */
#define SORA_LOADED_STRINGS(S, SLIST) \
    S(IDS_TOOLBARSTRINGS) S(IDS_SNIPPETLIST) SLIST(IDS_SNIPPET_FIRST, IDS_SNIPPETLIST) \
    S(IDS_SKELETON) S(IDS_SK_LOOPOPEN) S(IDS_SK_LOOPCLOSE) S(IDS_SK_DECL) S(IDS_SK_FUNCTION) \
    S(IDS_SKELETON16) S(IDS_SKELETONHTML) \
    S(IDS_MAKEFILE_TEMPLATE) S(IDS_CMD_CHANGE_FOLDER) S(IDS_CMD_COMPILE) S(IDS_CMD_COMPILE_FOLDER) \
    S(IDS_CMD_COMPILE_NAME) S(IDS_CMD_COMPILE_NAME_FOLDER) S(IDS_CMD_RESOURCE) S(IDS_CMD_LIB_OBJECT) \
    S(IDS_CMD_LIBRARY) \
    S(IDS_DLG_SOURCE) S(IDS_DLG_COMMONCONTROLS) S(IDS_DLG_TABCODE) S(IDS_DLG_HEADERCODE) \
    S(IDS_DLG_REBARCODE) S(IDS_DLG_LISTVIEWCODE) S(IDS_DLG_RESOURCEFILES)

#endif
