/* Control and resource ids of the designer subsystem's dialogs (included by resource_ids.h). */
#ifndef SORA_IDS_DESIGNER_H
#define SORA_IDS_DESIGNER_H

/* String table: the texts that the script output adds to the panes */
#define IDS_DLG_RESOURCEFILES   7410  /* icon, cursor and bitmap lines */
#define IDS_DLG_SOURCE          7502  /* the dialog's source; also the snippet "CreateDialog" */
#define IDS_DLG_COMMONCONTROLS  7530
#define IDS_DLG_TABCODE         7531  /* tab, header, rebar and list view set-up code */
#define IDS_DLG_HEADERCODE      7533
#define IDS_DLG_REBARCODE       7534
#define IDS_DLG_LISTVIEWCODE    7535

#endif
