// Start-up path building and the snippet list, the only work of the core
// that runs before the window shows.
#include "app/snippet_menu_core.h"
#include "app/startup_core.h"

#include <benchmark/benchmark.h>

#include <string>

static void BM_BuildStartupPaths(benchmark::State &state)
{
    StartupPaths paths;
    for (auto _ : state) {
        BuildStartupPaths("C:\\Program Files\\sora", "C:\\Program Files\\sora\\sora.exe", "C:\\WINDOWS", &paths);
        benchmark::DoNotOptimize(paths);
    }
}
BENCHMARK(BM_BuildStartupPaths);

static void BM_ParseSnippetList(benchmark::State &state)
{
    std::string list("22", 3);
    for (int i = 0; i < 22; ++i)
        list += "CreateWindow" + std::string(1, '\0');
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseSnippetList(list.data(), list.size()));
}
BENCHMARK(BM_ParseSnippetList);

BENCHMARK_MAIN();
