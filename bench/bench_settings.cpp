// Reading and writing a full settings file: 100 user buttons over 32
// pages, 256 file-list entries, command history and associations.
#include <benchmark/benchmark.h>

#include <string>

#include "settings/config_file.h"

/* BigConfig: a file as large as a long session makes it. */
static ConfigFile BigConfig()
{
    ConfigFile cfg;
    UserButtonPages &buttons = cfg.session.buttons;
    for (int i = 0; i < USER_BUTTON_LIMIT; ++i) {
        buttons.nCurrent = i % USER_PAGE_SLOTS;
        AddUserButton(buttons, "button", KIND_INSERT_AT_CARET, i, std::string(200, 'x'));
    }
    buttons.nCurrent = 0;
    for (int k = 0; k < 32; ++k) {
        cfg.session.pages.emplace_back();
        for (int i = 0; i < 8; ++i) {
            std::string path = "C:\\projects\\sample\\src\\file" + std::to_string(k * 8 + i) + ".cpp";
            cfg.session.pages.back().entries.push_back({path, path + ".rc", "file.cpp"});
            AddRcAssociation(cfg.session.rcAssoc, path, path + ".rc");
        }
    }
    for (int i = 0; i < 50; ++i)
        cfg.session.cmdItems.push_back("bcc32 -tW file" + std::to_string(i) + ".c");
    return cfg;
}

static void BM_DecodeConfig(benchmark::State &state)
{
    std::string bytes = EncodeConfigFile(BigConfig());
    for (auto _ : state) {
        ConfigFile cfg;
        BlockDamage damage;
        benchmark::DoNotOptimize(DecodeConfigFile(bytes.data(), bytes.size(), cfg, damage));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_DecodeConfig)->Unit(benchmark::kMillisecond);

static void BM_EncodeConfig(benchmark::State &state)
{
    ConfigFile cfg = BigConfig();
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeConfigFile(cfg));
}
BENCHMARK(BM_EncodeConfig)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
