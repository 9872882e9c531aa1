// Any bytes as "ubuttons.cfg": bounded reading, and what was read writes
// back to a block that reads to the same buttons.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/button_block.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    UserButtonPages pages;
    BlockDamage damage;
    bool bWhole = DecodeButtonFile(data, size, pages, damage);
    if (bWhole == damage.bDamaged || damage.nOffset > size || pages.nUserButtons > USER_BUTTON_LIMIT)
        std::abort();
    std::string out = EncodeButtonFile(pages);
    UserButtonPages again;
    BlockDamage none;
    if (!DecodeButtonFile(out.data(), out.size(), again, none) || EncodeButtonFile(again) != out)
        std::abort();
    return 0;
}
