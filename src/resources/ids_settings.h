/* Control and resource ids of the settings subsystem's dialogs (included by resource_ids.h). */
