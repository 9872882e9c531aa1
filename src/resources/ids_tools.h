/* Control and resource ids of the tools subsystem's dialogs (included by resource_ids.h). */
#ifndef SORA_IDS_TOOLS_H
#define SORA_IDS_TOOLS_H

/* DOS window STDDIALOG */
#define IDC_DOS_OUTPUT       50
#define IDC_DOS_INPUT        51
#define IDC_DOS_LIST         52
#define IDC_DOS_PROCESSES    53
#define IDC_DOS_THREADS      54

/* Makefile window MAKEFILEDIALOG */
#define IDC_MAKE_TEXT        7361
#define IDC_MAKE_WINDOWS     7363
#define IDC_MAKE_DLL         7364
#define IDC_MAKE_MULTI       7365
#define IDC_MAKE_PREVIEW     7366
#define IDC_MAKE_SAVE        7367
#define IDC_MAKE_CONSOLE     7368

/* Compile confirmation CPLMESSAGEDIALOG */
#define IDC_CPL_YES          6145
#define IDC_CPL_NO           6146
#define IDC_CPL_BROWSE       6147
#define IDC_CPL_FOLDER       6148
#define IDC_CPL_NAME         6149
#define IDC_CPL_OPTIONS      6150
#define IDC_CPL_RUN          6151

/* Static library STLIBDIALOG */
#define IDC_LIB_OBJLINE      6163
#define IDC_LIB_YES          6165
#define IDC_LIB_NO           6166
#define IDC_LIB_LIBLINE      6169

/* Compiler setup INITSETDIALOG */
#define IDC_SETUP_AUTOEXEC   6611
#define IDC_SETUP_INSTALL    6612
#define IDC_SETUP_BCC        6613
#define IDC_SETUP_ILINK      6614
#define IDC_SETUP_AUTOEXEC_B 6621
#define IDC_SETUP_INSTALL_B  6622
#define IDC_SETUP_BCC_B      6623
#define IDC_SETUP_ILINK_B    6624
#define IDC_SETUP_NOSTARTUP  6625

/* Setup preview INITSETPREDIALOG */
#define IDC_SETPRE_CAPTION   6661
#define IDC_SETPRE_TEXT      6662
#define IDC_SETPRE_CURRENT   6663
#define IDC_SETPRE_PREVIEW   6664
#define IDC_SETPRE_WRITE     6665

/* Results of the setup dialogs */
#define SETUP_END_CHANGED    17
#define SETUP_END_CLOSED     16

/* String table: the makefile template and the command-line templates */
#define IDS_MAKEFILE_TEMPLATE 7430
#define IDS_CMD_CHANGE_FOLDER 7431
#define IDS_CMD_COMPILE       7432
#define IDS_CMD_COMPILE_FOLDER 7433
#define IDS_CMD_COMPILE_NAME  7434
#define IDS_CMD_COMPILE_NAME_FOLDER 7435
#define IDS_CMD_RESOURCE      7436
#define IDS_CMD_LIB_OBJECT    7437
#define IDS_CMD_LIBRARY       7438

#endif
