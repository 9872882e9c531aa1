/* Control and resource ids of the web subsystem's dialogs (included by resource_ids.h). */
#ifndef SORA_IDS_WEB_H
#define SORA_IDS_WEB_H

/* Search dialog WEBSEARCHDIALOG */
#define IDC_WEB_WORD         6121
#define IDC_WEB_ENGINE       6122
#define IDC_WEB_GO           6123
#define IDC_WEB_SETTINGS     6124
#define IDC_WEB_RESULTS      6125
#define IDC_WEB_RESULTTEXT   6126
#define IDC_WEB_STATUS       6127

/* Settings dialog WEBSEARCHPSH1DIALOG */
#define IDC_WEBSET_NAME      6681
#define IDC_WEBSET_SERVER    6684
#define IDC_WEBSET_PATH      6687
#define IDC_WEBSET_METHOD    6688
#define IDC_WEBSET_LIST      6691
#define IDC_WEBSET_VARIABLE  6692
#define IDC_WEBSET_OPTNAME   6694
#define IDC_WEBSET_OPTVALUE  6696
#define IDC_WEBSET_FROMURL   6697
#define IDC_WEBSET_RESTORE   6698
#define IDC_WEBSET_FORMSITE  6699
#define IDC_WEBSET_DELETE    6700
#define IDC_WEBSET_OK        6701
#define IDC_WEBSET_TAB       6702
#define IDC_WEBSET_OPTPREV   6703
#define IDC_WEBSET_OPTNEXT   6704
#define IDC_WEBSET_OPTSLOT   6711

/* Internal commands of the settings dialog */
#define IDM_WEBSET_SPLITURL  6706   /* lParam: the URL text */
#define IDM_WEBSET_FILL      6707   /* lParam: a SearchEntry record */
#define IDM_WEBSET_SHOWSLOT  6709   /* lParam: option slot */
#define IDM_WEBSET_CURSLOT   6710

/* URL dialog WEBSEARCHENTRYDIALOG and option list SEARCHWEBOPTLISTDIALOG */
#define IDC_WEBURL_EDIT      6705
#define IDC_WEBOPT_LIST      6708

/* Form-analysis dialog FORMANALDIALOG and form result dialog WEBSEARCHLISTVDIALOG */
#define IDC_FORM_URL         6713
#define IDC_FORM_ANALYSE     6714
#define IDC_FORM_STATUS      6717
#define IDC_FORM_RESULTS     6718

/* Window messages of the HTTP client */
#define WM_WEB_ADDRLOOKUP    9874
#define WM_WEB_NAMELOOKUP    9875
#define WM_WEB_SOCKET        9876

#endif
