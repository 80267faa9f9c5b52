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

SaveGameSlot SlotAt(const std::string& path)
{
    SaveGameSlot slot;
    slot.path = path;
    return slot;
}

} // namespace

TEST(SaveGame, ASaveIsTheMagicAndThreeNumbers)
{
    ScratchFolder scratch;
    SaveGameSlot slot = SlotAt(scratch.Path("000.sav"));
    gCurrentSlot = &slot;
    ASSERT_TRUE(SaveGame(2, 1));
    gCurrentSlot = nullptr;
    Bytes expected = {0x12, 0x00};
    for (char c : std::string("Sodbolt Saved Game")) expected.push_back(static_cast<uint8_t>(c));
    for (uint8_t b : {0x01, 0x00, 0x02, 0x00, 0x01, 0x00}) expected.push_back(b);
    EXPECT_EQ(ReadFileBytes(slot.path), expected);

    int16_t level = -1, skill = -1;
    ASSERT_TRUE(LoadSavedGame(slot, level, skill));
    EXPECT_EQ(std::pair(level, skill), (std::pair<int16_t, int16_t>(2, 1)));
    EXPECT_EQ(GetSlotDescription(slot), "Normal - Level 3");

    EXPECT_FALSE(SaveGame(0, 0)); // no current slot
}

TEST(SaveGame, VersionsMagicDamageAndSlotDescriptions)
{
    ScratchFolder scratch;
    SaveGameSlot slot = SlotAt(scratch.Path("s.sav"));
    EXPECT_EQ(GetSlotDescription(slot), "(empty slot)");
    EXPECT_EQ(slot.lastError, "Unable to open " + slot.path);
    int16_t level = 7, skill = 7;

    WriteFileBytes(slot.path, SaveFile("Sodbolt Saved Game", 0, 4, 2));
    EXPECT_TRUE(LoadSavedGame(slot, level, skill));
    EXPECT_EQ(level, 4);
    EXPECT_EQ(GetSlotDescription(slot), "Hard - Level 5");
    WriteFileBytes(slot.path, SaveFile("Sodbolt Saved Game", 1, 0, 5));
    EXPECT_EQ(GetSlotDescription(slot), " - Level 1");
    WriteFileBytes(slot.path, SaveFile("Sodbolt Saved Game", 1, 0, 0));
    EXPECT_EQ(GetSlotDescription(slot), "Easy - Level 1");

    const std::pair<const char*, int> refused[] = {{"Sodbolt Saved Game", 2}, {"Sodbolt Saved Gamf", 1},
                                                   {"sodbolt Saved Game", 1}, {"Sodbolt Saved Gam", 1},
                                                   {"Sodbolt Saved Game!", 1}};
    for (const auto& [magic, version] : refused) {
        WriteFileBytes(slot.path, SaveFile(magic, version, 0, 0));
        level = skill = 7;
        EXPECT_FALSE(LoadSavedGame(slot, level, skill)) << magic;
        EXPECT_EQ(slot.lastError, version == 2 ? "Saved game file is too advanced" : "Not a valid save game file");
        EXPECT_EQ(level, 7);
    }

    // Damaged files describe themselves as empty too, at every length.
    const Bytes valid = SaveFile("Sodbolt Saved Game", 1, 3, 1);
    level = skill = 9;
    ExpectEveryTruncationFails(
        slot.path, valid, [&](const std::string&) { return LoadSavedGame(slot, level, skill); },
        [&] { EXPECT_EQ(level, 9); });
    EXPECT_EQ(GetSlotDescription(slot), "(empty slot)");
    EXPECT_EQ(slot.lastError, slot.path + " is damaged or truncated");
}

TEST(SaveGame, AFailedSaveKeepsTheOldFile)
{
    ScratchFolder scratch;
    SaveGameSlot missingFolder = SlotAt(scratch.Path("savegames/000.sav"));
    EXPECT_FALSE(SaveGame(missingFolder, 1, 1));
    EXPECT_EQ(missingFolder.lastError, "Unable to create " + missingFolder.path);

    SaveGameSlot slot = SlotAt(scratch.Path("001.sav"));
    ASSERT_TRUE(SaveGame(slot, 1, 2));
    const Bytes before = ReadFileBytes(slot.path);
    std::filesystem::create_directory(slot.path + ".tmp~");
    EXPECT_FALSE(SaveGame(slot, 5, 0));
    EXPECT_EQ(ReadFileBytes(slot.path), before);
}

TEST(SaveGame, TheEightSlotsLieUnderTheBaseFolder)
{
    const bool wasModded = gUseModFolder;
    gUseModFolder = false;
    BuildSaveSlots();
    ASSERT_EQ(gSaveSlots.size(), 8u);
    EXPECT_EQ(gSaveSlots[7].path, "base/savegames/007.sav");
    gCurrentSlot = &gSaveSlots[3];
    ClearSaveSlots();
    EXPECT_EQ(gCurrentSlot, nullptr) << "no pointer into the slots that went";
    gUseModFolder = wasModded;

    SaveGameSlot editor("savegames/mapeditor.sav");
    EXPECT_EQ(editor.path, "base/savegames/mapeditor.sav");
}
