// Any bytes as "config.cfg": the reader must stop at the first damage, and
// a file it reads whole must write back to the same bytes it consumed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/config_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ConfigFile cfg;
    BlockDamage damage;
    size_t nUsed = 0;
    bool bWhole = DecodeConfigFile(data, size, cfg, damage, &nUsed);
    if (nUsed > size || bWhole == damage.bDamaged || damage.nOffset > size)
        std::abort();
    std::string out = EncodeConfigFile(cfg);
    ConfigFile again;
    BlockDamage none;
    if (!DecodeConfigFile(out.data(), out.size(), again, none) || EncodeConfigFile(again) != out)
        std::abort();
    return 0;
}
