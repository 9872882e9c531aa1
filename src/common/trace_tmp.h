#pragma once
#include <windows.h>
#include <stdio.h>
static inline void TraceTmp(const char *what)
{
    static DWORD t0 = GetTickCount();
    FILE *f = fopen("C:\\sora-trace.txt", "a");
    if (f) { fprintf(f, "%6lu %s\n", (unsigned long)(GetTickCount() - t0), what); fclose(f); }
}
