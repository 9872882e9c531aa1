/* Control and resource ids of the text subsystem's dialogs (included by resource_ids.h). */
#ifndef SORA_IDS_TEXT_H
#define SORA_IDS_TEXT_H

/* LISTDLG2: strings found */
#define IDC_LD2_NOTE        7004
#define IDM_LD2_SEARCH      7006
#define IDM_LD2_FREE        7007
#define IDC_LD2_PHRASE      7008
#define IDC_LD2_RESEARCH    7009
#define IDC_LD2_NORMAL      7010
#define IDC_LD2_VARIABLE    7011
#define IDC_LD2_PATTERN     7012
#define IDC_LD2_REPLTEXT    7030
#define IDC_LD2_LIST        7032
#define IDC_LD2_REPLACE     7034
#define IDC_LD2_PHRASELABEL 7035
#define IDC_LD2_REPLLABEL   7036

/* LISTDLG: functions */
#define IDC_LD_LIST         7031

/* MAKEDLGS: new-project skeleton */
#define IDC_SK_OUTPUT       7123
#define IDC_SK_CURSOR       7124
#define IDC_SK_BRUSH        7125
#define IDC_SK_MENU         7126
#define IDC_SK_CLASS        7127
#define IDC_SK_TITLE        7128
#define IDC_SK_STYLE_FIRST  7131
#define IDC_SK_STYLE_LAST   7135
#define IDC_SK_PRETRANS     7136
#define IDC_SK_ICON_FIRST   7141
#define IDC_SK_ICON_LAST    7146
#define IDC_SK_ATSTART      7148
#define IDC_SK_ATEND        7149

/* String table: the skeleton and its PreTranslator option texts */
#define IDS_SKELETON        7403
#define IDS_SK_LOOPOPEN     7404
#define IDS_SK_LOOPCLOSE    7405
#define IDS_SK_DECL         7406
#define IDS_SK_FUNCTION     7407

/* String table: the skeletons of commands 404 and 405 (each read into a
   1024-byte buffer: at most 1023 CP932 bytes) */
#define IDS_SKELETON16      7540
#define IDS_SKELETONHTML    7541

#endif
