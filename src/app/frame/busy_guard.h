// One guard for the long operations on the panes: colouring, loading a
// text, switching listed files, find-all, indentation, and any other that
// works in slices. While one runs the main window keeps answering: the
// operation calls PumpWhileBusy between its slices, which runs the waiting
// messages but drops keyboard and mouse input with a beep; commands that
// reach the main window meanwhile are refused with a beep, and a close waits
// until the operation has ended.
//
//     BusyGuard busy;              // for as long as the operation runs
//     while (more) { DoSlice(); PumpWhileBusy(); }
//
// Entry points that start work on a pane call RefuseWhileBusy() first.
#pragma once
#include <windows.h>

#include "common/test_hooks.h" // BUSY_PROP, BUSY_STARTS_PROP

// Marks a long operation for as long as it lives; guards nest, the
// outermost one ends the busy time. Only the main window's thread has busy
// times: a guard on another thread (the binary viewer's) does nothing, and
// PumpWhileBusy there returns at once.
class BusyGuard {
public:
    BusyGuard();
    ~BusyGuard();
    BusyGuard(const BusyGuard &) = delete;
    BusyGuard &operator=(const BusyGuard &) = delete;

private:
    bool bCounted;
};

// True while a long operation runs.
BOOL IsBusy();

// While a long operation runs: a beep and TRUE, and the caller drops what
// it was asked to do. FALSE otherwise.
BOOL RefuseWhileBusy();

// Runs the messages waiting in the thread's queue for at most a few tens of
// milliseconds; keyboard and mouse input in client areas is dropped (with a
// beep for a key or button press). Does nothing outside a busy time. Cheap
// enough to call from a stream-in callback: at most every 40 ms it looks at
// the queue, otherwise it returns at once.
void PumpWhileBusy();

// The message loop's handling before a message is dispatched (the modeless
// dialogs' keys, the Enter command), also used by PumpWhileBusy; it returns
// FALSE for a message it has taken. Without one, messages are dispatched.
void SetBusyPretranslate(BOOL (*pretranslate)(MSG *msg));

// For the close of the main window: TRUE while a long operation runs, and
// the close is then sent again once the operation has ended.
BOOL DeferCloseWhileBusy(HWND mainWnd);
