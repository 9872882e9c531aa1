// Text analysis cores on a generated 1 MiB CP932 C source (gen_csource.py).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "text/colour_scan.h"
#include "text/find_all.h"
#include "text/function_list.h"
#include "text/indent.h"

namespace {

/* The generated source, made once by the script beside this file. */
const std::string &Source()
{
    static std::string text = [] {
        std::string dir = __FILE__;
        dir = dir.substr(0, dir.find_last_of('/') + 1);
        std::string cmd = "python3 '" + dir + "gen_csource.py' 1048576";
        std::string s;
        if (FILE *p = popen(cmd.c_str(), "r")) {
            char buf[65536];
            size_t n;
            while ((n = fread(buf, 1, sizeof buf, p)) > 0)
                s.append(buf, n);
            pclose(p);
        }
        return s;
    }();
    return text;
}

void BM_FindAllNormal(benchmark::State &state)
{
    const std::string &s = Source();
    FindAllResult r;
    for (auto _ : state)
        benchmark::DoNotOptimize(MyFindStringAll(s.c_str(), s.size(), "return", kFindNormal, 0, r));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.size()));
}

void BM_EnumerateFunctions(benchmark::State &state)
{
    const std::string &s = Source();
    FunctionList list;
    for (auto _ : state)
        benchmark::DoNotOptimize(EnumerateFunctions(s.data(), s.size(), 0, list));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.size()));
}

void BM_ColourRuns(benchmark::State &state)
{
    const std::string &s = Source();
    ColourScan scan;
    for (auto _ : state) {
        ScanColours(s.data(), s.size(), 0, scan);
        benchmark::DoNotOptimize(scan.runs.data());
    }
    state.counters["runs"] = static_cast<double>(scan.runs.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.size()));
}

void BM_IndentText(benchmark::State &state)
{
    const std::string &s = Source();
    std::string out;
    IndentOptions opt;
    for (auto _ : state)
        benchmark::DoNotOptimize(IndentText(s.data(), s.size(), opt, out));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.size()));
}

} // namespace

BENCHMARK(BM_FindAllNormal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnumerateFunctions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColourRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndentText)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
