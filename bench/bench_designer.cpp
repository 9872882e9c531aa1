// Dialog script reading throughput on a generated 1 MiB script with many dialogs.
#include <benchmark/benchmark.h>
#include <cstdio>
#include <malloc.h>
#include <string>
#include <vector>
#include "designer/parser.h"

namespace {

/* Builds the same kind of script as gen_rcscript.py, in memory. */
std::string MakeScript(size_t size)
{
    std::string s = "#define IDC_BASE 1000\n";
    char line[200];
    for (int n = 0; s.size() < size; n++) {
        snprintf(line, sizeof line, "\nDLG_%d DIALOGEX 0, 0, 220, 200\nSTYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION\n"
                 "CAPTION \"Dialog %d\"\nFONT 9, \"MS Shell Dlg\"\nBEGIN\n", n, n);
        s += line;
        for (int i = 0; i < 24; i++) {
            if (i % 3 == 0)
                snprintf(line, sizeof line, "    LTEXT \"Label %d:\", -1, 7, %d, 40, 8\n", i, 7 + i * 8);
            else if (i % 3 == 1)
                snprintf(line, sizeof line, "    EDITTEXT %d, 50, %d, 100, 14, ES_AUTOHSCROLL\n", 1100 + i, 7 + i * 8);
            else
                snprintf(line, sizeof line, "    CONTROL \"Check %d\", 1002, \"Button\", BS_AUTOCHECKBOX | WS_TABSTOP, 7, %d, 80, 10\n",
                         i, 7 + i * 8);
            s += line;
        }
        s += "END\n";
    }
    return s;
}

void BM_ParseDialogs1MiB(benchmark::State &state)
{
    std::string script = MakeScript(1 << 20);
    for (auto _ : state) {
        std::vector<ParsedDialog> dialogs;
        std::string error;
        ParseDialogs(script, dialogs, error);
        benchmark::DoNotOptimize(dialogs.data());
    }
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)script.size());
}
BENCHMARK(BM_ParseDialogs1MiB)->Unit(benchmark::kMillisecond);

/* The same with the heap kept between runs, as in the long-lived editor process: the records
   of 1 MiB of script take about 20 MiB, which glibc otherwise hands back to the kernel after
   each run, so every run pays the page faults of fresh memory again. */
void BM_ParseDialogs1MiBWarmHeap(benchmark::State &state)
{
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    mallopt(M_MMAP_THRESHOLD, 512 << 20);
    BM_ParseDialogs1MiB(state);
}
BENCHMARK(BM_ParseDialogs1MiBWarmHeap)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
