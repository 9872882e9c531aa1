// Dialog script reading throughput on a generated 1 MiB script with many dialogs, and on a
// real script named by SORA_RC_FILE (bench/corpus_rc.sh sets it).
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
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

/* The whole reader (preprocessor, includes beside the script, dialogs) on one real script;
   the bytes counted are the script's own. */
void BM_ReadScriptFile(benchmark::State &state, const std::string &path)
{
    std::string text;
    if (!LoadScriptFile(path, text)) {
        state.SkipWithError("cannot read SORA_RC_FILE");
        return;
    }
    ScriptOptions options;
    options.folder = path.substr(0, path.find_last_of('/') + 1);
    for (auto _ : state) {
        ScriptReading r = ReadDialogScript(text, options);
        benchmark::DoNotOptimize(r.dialogs.data());
    }
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)text.size());
}

} // namespace

int main(int argc, char **argv)
{
    if (const char *file = getenv("SORA_RC_FILE"))
        benchmark::RegisterBenchmark("BM_ReadScriptFile", BM_ReadScriptFile, std::string(file))
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
