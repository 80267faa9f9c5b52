// Saved games: the 26-byte file, versions, descriptions, slots and damage.
#include "content/savegame.h"

#include "content/datapath.h"
#include "content_testing.h"

namespace {

Bytes SaveFile(const std::string& magic, int version, int level, int skill)
{
    Bytes bytes = FileStart(magic, static_cast<unsigned>(version));
    PutU16(bytes, static_cast<unsigned>(level));
    PutU16(bytes, static_cast<unsigned>(skill));
    return bytes;
}

}  // namespace

TEST(SaveGame, ASaveIsTheMagicAndThreeNumbers)
{
    ScratchFolder scratch;
    SaveGameSlot slot;
    slot.path = scratch.Path("000.sav");
    gCurrentSlot = &slot;
    ASSERT_TRUE(SaveGame(2, 1));
    gCurrentSlot = nullptr;
    EXPECT_FALSE(SaveGame(0, 0)) << "no current slot";
    EXPECT_EQ(ReadFileBytes(slot.path), SaveFile("Sodbolt Saved Game", 1, 2, 1));
    EXPECT_EQ(GetSlotDescription(slot), "Normal - Level 3");
}

TEST(SaveGame, VersionsMagicDamageAndSlotDescriptions)
{
    ScratchFolder scratch;
    SaveGameSlot slot;
    slot.path = scratch.Path("s.sav");
    EXPECT_EQ(GetSlotDescription(slot), "(empty slot)");
    EXPECT_EQ(slot.lastError, "Unable to open " + slot.path);
    const struct { int version, level, skill; const char* description; } read[] = {
        {0, 4, 2, "Hard - Level 5"}, {1, 0, 5, " - Level 1"}, {1, 0, 0, "Easy - Level 1"}};
    for (const auto& r : read) {
        WriteFileBytes(slot.path, SaveFile("Sodbolt Saved Game", r.version, r.level, r.skill));
        EXPECT_EQ(GetSlotDescription(slot), r.description);
    }

    int16_t level = 7, skill = 7;
    const std::pair<const char*, int> refused[] = {{"Sodbolt Saved Game", 2}, {"Sodbolt Saved Gamf", 1},
                                                   {"sodbolt Saved Game", 1}, {"Sodbolt Saved Game!", 1}};
    for (const auto& [magic, version] : refused) {
        WriteFileBytes(slot.path, SaveFile(magic, version, 0, 0));
        EXPECT_FALSE(LoadSavedGame(slot, level, skill)) << magic;
        EXPECT_EQ(slot.lastError, version == 2 ? "Saved game file is too advanced" : "Not a valid save game file");
        EXPECT_EQ(level, 7);
    }

    ExpectEveryTruncationFails(
        slot.path, SaveFile("Sodbolt Saved Game", 1, 3, 1),
        [&](const std::string&) { return LoadSavedGame(slot, level, skill); }, [&] { EXPECT_EQ(level, 7); });
    EXPECT_EQ(GetSlotDescription(slot), "(empty slot)");
    EXPECT_EQ(slot.lastError, slot.path + " is damaged or truncated");
}

TEST(SaveGame, TheEightSlotsLieUnderTheBaseFolder)
{
    gUseModFolder = false;
    BuildSaveSlots();
    ASSERT_EQ(gSaveSlots.size(), 8u);
    EXPECT_EQ(gSaveSlots[7].path, "base/savegames/007.sav");
    gCurrentSlot = &gSaveSlots[3];
    ClearSaveSlots();
    EXPECT_EQ(gCurrentSlot, nullptr) << "no pointer into the slots that went";
    EXPECT_EQ(SaveGameSlot("savegames/mapeditor.sav").path, "base/savegames/mapeditor.sav");
}
