/* Control and resource ids of the designer subsystem's dialogs (included by resource_ids.h). */
