/* Control and resource ids of the doc subsystem's dialogs (included by resource_ids.h). */
