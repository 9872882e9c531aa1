/* Control and resource ids of the web subsystem's dialogs (included by resource_ids.h). */
