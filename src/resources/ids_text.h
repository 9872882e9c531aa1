/* Control and resource ids of the text subsystem's dialogs (included by resource_ids.h). */
