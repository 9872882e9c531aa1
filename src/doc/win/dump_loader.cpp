#include "doc/win/dump_loader.h"

#include "app/frame/pane_text.h"
#include "common/test_hooks.h"
#include "doc/dump_slices_core.h"

#include <richedit.h>
#include <algorithm>

namespace {

struct DumpLoad {
    HWND viewer = NULL;
    HWND pane = NULL;
    std::string dump;
    size_t done = 0;        // bytes of the dump already in the pane
    size_t slice = DUMP_SLICE_FIRST;
};
DumpLoad load;

/* ElapsedMs: milliseconds since a performance-counter reading. */
unsigned ElapsedMs(const LARGE_INTEGER &start)
{
    LARGE_INTEGER now, freq;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&freq);
    return freq.QuadPart ? (unsigned)((now.QuadPart - start.QuadPart) * 1000 / freq.QuadPart) : 0;
}

} // namespace

HWND StartDumpLoad(HWND pane, std::string &&dump)
{
    StopDumpLoad();
    // The whole dump must fit, not only its first slice.
    if ((size_t)SendMessageA(pane, EM_GETLIMITTEXT, 0, 0) < dump.size())
        SendMessageA(pane, EM_EXLIMITTEXT, 0, (LPARAM)dump.size());
    size_t first = DumpSliceEnd(dump.size(), 0, DUMP_SLICE_FIRST);
    pane = SetPaneText(pane, dump.data(), first);
    SendMessageA(pane, EM_SETMODIFY, FALSE, 0);
    if (first == dump.size())
        return pane;
    HWND viewer = GetParent(pane);
    load.viewer = viewer;
    load.pane = pane;
    load.dump = std::move(dump);
    load.done = first;
    load.slice = DUMP_SLICE_FIRST;
    SetPropA(viewer, DUMP_LOADING_PROP, (HANDLE)1);
    SetTimer(viewer, DUMP_LOAD_TIMER, 0, NULL);
    return pane;
}

void ContinueDumpLoad(HWND viewer)
{
    if (viewer != load.viewer || !IsWindow(load.pane)) {
        StopDumpLoad();
        return;
    }
    // Slices follow each other without going back to the message loop (the
    // timer's round trip costs more than a small slice) until input, a
    // message of another thread or a posted one waits, or a batch's time is
    // up; the pane is repainted between batches.
    LARGE_INTEGER batchStart;
    QueryPerformanceCounter(&batchStart);
    do {
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        size_t end = DumpSliceEnd(load.dump.size(), load.done, load.slice);
        AppendPaneText(load.pane, load.dump.data() + load.done, end - load.done);
        size_t given = end - load.done;
        load.done = end;
        if (load.done >= load.dump.size()) {
            SendMessageA(load.pane, EM_SETMODIFY, FALSE, 0);  // the whole dump is in
            StopDumpLoad();
            return;
        }
        load.slice = NextDumpSliceBytes(given, ElapsedMs(start));
    } while (ElapsedMs(batchStart) < DUMP_BATCH_MS &&
             !HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE)));
}

void StopDumpLoad()
{
    if (load.viewer) {
        KillTimer(load.viewer, DUMP_LOAD_TIMER);
        RemovePropA(load.viewer, DUMP_LOADING_PROP);
    }
    std::fill(load.dump.begin(), load.dump.end(), '\0');
    load = DumpLoad();
}
