/* Control and resource ids of the doc subsystem's dialogs (included by resource_ids.h). */
#ifndef SORA_IDS_DOC_H
#define SORA_IDS_DOC_H

/* ENCODINGDIALOG: the encoding a document is saved in, one radio button
   per choice, first to last in the order of the dialog */
#define IDC_ENC_FIRST       7800
#define IDC_ENC_LAST        7808
#define IDC_ENC_NOTE        7810

#endif
