#include "settings/win/workspace_hooks.h"

// Stand-ins until the user buttons and the file list are built.
void OnPositionCaptured(HWND pane, LONG pos, BOOL bChangeMode) { (void)pane; (void)pos; (void)bChangeMode; }
const char *ArmedInsertionText() { return NULL; }
void ShowUserButtonMenu(HWND button, POINT screen) { (void)button; (void)screen; }
void ShowFileButtonMenu(HWND button, POINT screen) { (void)button; (void)screen; }
void NextUserButtonPage() {}
