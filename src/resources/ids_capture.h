/* Control and resource ids of the capture subsystem's dialogs (included by resource_ids.h). */
