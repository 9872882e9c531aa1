/* Control and resource ids of the tools subsystem's dialogs (included by resource_ids.h). */
