// LoadSavedGame and GetSlotDescription on arbitrary bytes.
#include "content/savegame.h"
#include "fuzz_common.h"

SODBOLT_FUZZ_INIT

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SaveGameSlot slot;
    slot.path = WriteFuzzInput(data, size);
    int16_t level = 123, skill = 45;
    if (!LoadSavedGame(slot, level, skill) && (level != 123 || skill != 45)) std::abort();
    (void)GetSlotDescription(slot);
    return 0;
}
