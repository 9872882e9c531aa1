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

/* MAKEDLGD: the designer's panel */
#define IDC_DSG_FONTLABEL       7168
#define IDC_DSG_COPYAREA        7174  /* press here, release over another window: its layout is copied */
#define IDC_DSG_FONTCHOOSE      7177
#define IDC_DSG_SIZETOGGLE      7178
#define IDC_DSG_START           7180
#define IDC_DSG_GRID            7181
#define IDC_DSG_QWIDTH          7182
#define IDC_DSG_QHEIGHT         7183
#define IDC_DSG_ALIGNX          7184
#define IDC_DSG_ALIGNY          7185
#define IDC_DSG_STOP            7186
#define IDC_DSG_OUTPUT          7187
#define IDC_DSG_SOURCE          7188
#define IDC_DSG_ICONS           7189
#define IDC_DSG_LEFT            7191
#define IDC_DSG_TOP             7192
#define IDC_DSG_WIDTH           7193
#define IDC_DSG_HEIGHT          7194
#define IDC_DSG_CAPTION         7195
#define IDC_DSG_POINT           7196
#define IDC_DSG_PREFIX          7197
#define IDC_DSG_STARTID         7198
#define IDC_DSG_NAME            7199
#define IDC_DSG_SIZEBOX         7209  /* the size box put on the design dialog */
#define IDC_DSG_READFIELDS      7215
#define IDC_DSG_WRITEFIELDS     7216

/* DECORATEOPTDLG: creation options */
#define IDC_OPT_CAPTION         7201  /* the style toggles: WS_CAPTION ... */
#define IDC_OPT_SYSMENU         7202
#define IDC_OPT_MAXIMIZEBOX     7203
#define IDC_OPT_MINIMIZEBOX     7204
#define IDC_OPT_SIZEBOX         7205  /* ... WS_SIZEBOX */
#define IDC_OPT_FRAME           7206
#define IDC_OPT_FRAMESIZE       7207
#define IDC_OPT_FRAMELABEL      7208
#define IDC_OPT_PANEL           7212
#define IDC_OPT_FLAGS           7224
#define IDC_OPT_READCHECKS      7225
#define IDC_OPT_REFRESHCHECKS   7226
#define IDC_OPT_REFRESHTOGGLES  7227
#define IDC_OPT_CONTROLS        7229

/* DECODETAILDLG (style flags), DECOENTRYDLG (text entry), SIZEMOVEDIALOG (fine adjustment) */
#define IDC_ENTRY_TEXT          471
#define IDC_FLG_LIST            473
#define IDC_FLG_REFRESH         474
#define IDC_FLG_DELETE          475
#define IDC_FLG_RESTORE         476
#define IDC_FLG_CLASS           477
#define IDC_FLG_IDENT           478
#define IDC_FLG_TEXT            480
#define IDC_FLG_SIZE            481
#define IDC_FLG_MOVE            482
#define IDC_FLG_FINE            483
#define IDC_FINE_VERT           7244
#define IDC_FINE_HORZ           7245
#define IDC_FINE_HEIGHT         7246
#define IDC_FINE_WIDTH          7247
#define IDC_FINE_FOLLOW         7248

/* MAKEDLGM: the menu designer (IDC_MENU_COMBO1 + k is the combo of column k) */
#define IDC_MENU_COMBO1         7250
#define IDC_MENU_COMBO2         7251
#define IDC_MENU_COMBO3         7252
#define IDC_MENU_COMBO4         7253
#define IDC_MENU_GENERATE       7257
#define IDC_MENU_ATSTART        7260
#define IDC_MENU_ATEND          7261
#define IDM_MENU_LIVEITEM       7265  /* every item of the live menu */

/* ENUMRESOURCEDIALOG: the dialogs of a script */
#define IDC_DL_LIST             7381
#define IDC_DL_AUTOPREVIEW      7382
#define IDC_DL_COUNT            7383
#define IDC_DL_CUSTOMISE        7384
#define IDC_DL_GETHEADER        7385
#define IDC_DL_GETBODY          7386
#define IDC_DL_SETHEADER        7387
#define IDC_DL_SETBODY          7388

#endif
