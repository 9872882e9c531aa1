/* Runs a dialog as the designer wrote it: its script (linked in), its #define
   lines (designed_ids.h) and its calling source (designed_source.c). Exits 0
   when the dialog stays while the focus visits every control and each button
   is clicked, and is gone after IDCANCEL. */
#include <windows.h>
#include <stdio.h>

#include "designed_ids.h"
#include "designed_source.c"

/* Handles what is queued for the dialog. */
static void Pump(HWND dlg)
{
    MSG m;
    while (PeekMessageA(&m, NULL, 0, 0, PM_REMOVE))
        if (!IsWindow(dlg) || !IsDialogMessageA(dlg, &m)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
}

int main(int argc, char **argv)
{
    HWND dlg, child;
    char cls[32];
    int visited = 0;
    if (argc < 2)
        return 1;
    dlg = CreateDialogA(GetModuleHandleA(NULL), argv[1], NULL, (DLGPROC)Def_DlgProc);
    if (!dlg) {
        printf("the dialog %s was not made (%lu)\n", argv[1], GetLastError());
        return 2;
    }
    ShowWindow(dlg, SW_SHOW);
    Pump(dlg);
    if (!IsWindow(dlg)) {
        printf("the dialog closed as it came up\n");
        return 3;
    }
    for (child = GetWindow(dlg, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        int id = GetDlgCtrlID(child);
        SetFocus(child);
        Pump(dlg);
        GetClassNameA(child, cls, sizeof cls);
        if (IsWindow(dlg) && lstrcmpiA(cls, "Button") == 0) {
            SendMessageA(child, BM_CLICK, 0, 0);
            Pump(dlg);
        }
        if (!IsWindow(dlg)) {
            printf("the dialog closed when control %d (%s) took the focus\n", id, cls);
            return 3;
        }
        printf("control %d (%s): the dialog stays\n", id, cls);
        ++visited;
    }
    if (visited == 0) {
        printf("the dialog has no controls\n");
        return 3;
    }
    SendMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
    Pump(dlg);
    if (IsWindow(dlg)) {
        printf("IDCANCEL did not close the dialog\n");
        return 4;
    }
    printf("IDCANCEL closed the dialog\n");
    return 0;
}
