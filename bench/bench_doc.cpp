// The binary viewer's dump of the largest file it accepts.
#include "doc/hexdump_core.h"

#include <benchmark/benchmark.h>

#include <vector>

static void BM_HexDumpLargestFile(benchmark::State &state)
{
    std::vector<unsigned char> data(1048575);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<unsigned char>(i * 131 + (i >> 7));
    std::vector<char> out(HexDumpSize(data.size()) + 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildHexDump(data.data(), data.size(), out.data(), out.size()));
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_HexDumpLargestFile);

BENCHMARK_MAIN();
