/* Control and resource ids of the filelist subsystem's dialogs (included by resource_ids.h). */
#pragma once

/* Page exchange dialog PGEXCHGENTRYDLG */
#define IDC_PGX_REFRESH     6970
#define IDC_PGX_COUNT       6972
#define IDC_PGX_POSITION    6973
#define IDC_PGX_NUMBER      6975
#define IDC_PGX_PREV        6976
#define IDC_PGX_NEXT        6977
#define IDC_PGX_PAGE        6978
#define IDC_PGX_SHIFT       6980

/* Restore dialog of the recovery copies RECOVERYDLG */
#define IDC_RCV_INFO        7040
#define IDC_RCV_LIST        7041
#define IDC_RCV_RESTORE     7042
#define IDC_RCV_DELETE      7043
