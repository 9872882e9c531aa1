/* Control and resource ids of the filelist subsystem's dialogs (included by resource_ids.h). */
