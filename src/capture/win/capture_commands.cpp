#include "app/frame/subsystem_commands.h"

#include "app/frame/globals.h"
#include "capture/win/capture.h"
#include "resource_ids.h"

/* CaptureCommand: the main window's commands served by this subsystem. */
static BOOL CaptureCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    (void)code; (void)lParam;
    switch (id) {
    case IDM_CAPTURE:
        StartCapture(hwnd);
        return TRUE;
    }
    return FALSE;
}

static const CommandRange kCaptureIds[] = {COMMAND_ID(IDM_CAPTURE)};
const CommandOwner captureCommands = {"capture", CaptureCommand, COMMAND_IDS(kCaptureIds)};
