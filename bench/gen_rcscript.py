#!/usr/bin/env python3
"""Writes a deterministic resource script of about SIZE bytes (default 1 MiB) with many dialogs."""
import sys

def main():
    size = int(sys.argv[1]) if len(sys.argv) > 1 else 1 << 20
    out = ["#include <windows.h>\n", "#define IDC_BASE 1000\n"]
    total = 0
    n = 0
    kinds = ['LTEXT "Label %d:", -1, 7, %d, 40, 8',
             'EDITTEXT %d, 50, %d, 100, 14, ES_AUTOHSCROLL',
             'PUSHBUTTON "Button %d", IDC_BASE + 1, 160, %d, 50, 14',
             'CONTROL "Check %d", 1002, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, 7, %d, 80, 10',
             'COMBOBOX %d, 50, %d, 100, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP',
             'CONTROL "", %d, "SysListView32", LVS_REPORT | WS_BORDER, 7, %d, 200, 40']
    while total < size:
        lines = ["\nDLG_%d DIALOGEX 0, 0, 220, 200\n" % n,
                 "STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n",
                 'CAPTION "Dialog %d"\n' % n, 'FONT 9, "MS Shell Dlg"\n', "BEGIN\n"]
        for i in range(24):
            lines.append("    " + kinds[i % len(kinds)] % (1100 + i, 7 + i * 8) + "\n")
        lines.append("END\n")
        block = "".join(lines)
        out.append(block)
        total += len(block)
        n += 1
    sys.stdout.write("".join(out))

main()
