// A save slot's files: the saved game (26 bytes: versions, descriptions, slots, damage) and its records of won
// levels (round trip, hostile files); and the stars a win is worth against the par.
#include "content/savegame.h"

#include "content/datapath.h"
#include "content_testing.h"
#include "game/par.h"
#include "game/records.h"
#include "game/results.h"

namespace {

Bytes SaveFile(const std::string& magic, int version, int level, int skill)
{
    Bytes bytes = FileStart(magic, static_cast<unsigned>(version));
    PutU16(bytes, static_cast<unsigned>(level));
    PutU16(bytes, static_cast<unsigned>(skill));
    return bytes;
}

Bytes RecordsFile(int version, int count, std::initializer_list<std::array<unsigned, 4>> entries)
{
    Bytes bytes = FileStart("Sodbolt Records", static_cast<unsigned>(version));
    PutU16(bytes, static_cast<unsigned>(count));
    for (const auto& entry : entries) {
        PutU16(bytes, entry[0]);
        PutU16(bytes, entry[1]);
        PutU32(bytes, entry[2]);
        PutU16(bytes, entry[3]);
    }
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
}

TEST(Par, StarsAtTheParFactorsAndTheirTexts)
{
    for (const auto& [seconds, stars] : {std::pair{12.5, 3}, {12.6, 2}, {16.0, 2}, {16.1, 1}})
        EXPECT_EQ(StarsForTime(seconds, 10.0), stars) << seconds << " s against a par of 10 s";
    EXPECT_EQ(FormatSeconds(12.34), "12.3 s");
    EXPECT_EQ(FormatSeconds(65.3), "1:05.3");
    EXPECT_EQ(StarsText(2), "\u2605\u2605\u2606");
}

TEST(Records, BestTimesAndStarsRoundTripPerSkillAndLevel)
{
    ScratchFolder scratch;
    const std::string path = scratch.Path("000.rec");
    Records records;
    std::string error;
    ASSERT_TRUE(LoadRecords(path, records, error)) << "a missing file is no records yet";
    EXPECT_TRUE(records.AddWin(1, 0, 20500, 2));
    EXPECT_FALSE(records.AddWin(1, 0, 25000, 3)) << "slower is no new best";
    EXPECT_TRUE(records.AddWin(1, 0, 19000, 1));
    EXPECT_TRUE(records.AddWin(1, 11, 86400000, 3));
    ASSERT_TRUE(SaveRecords(path, records, error)) << error;
    EXPECT_EQ(scratch.Entries(), std::vector<std::string>{"000.rec"}) << "no temporary file left";

    Records loaded;
    ASSERT_TRUE(LoadRecords(path, loaded, error)) << error;
    ASSERT_EQ(loaded.levels.size(), 2u);
    ASSERT_TRUE(loaded.Find(1, 0));
    EXPECT_EQ(loaded.Find(1, 0)->bestMilliseconds, 19000);
    EXPECT_EQ(loaded.Find(1, 0)->stars, 3) << "the most stars ever won stay";
    EXPECT_EQ(loaded.Find(1, 11)->bestMilliseconds, 86400000);
    EXPECT_EQ(loaded.Find(0, 0), nullptr);
}

TEST(Records, HostileAndDamagedFilesAreRefusedWhole)
{
    ScratchFolder scratch;
    const std::string path = scratch.Path("000.rec");
    const Bytes valid = RecordsFile(1, 2, {{1, 0, 12000, 3}, {0, 4, 50000, 1}});
    Records records;
    std::string error;
    WriteFileBytes(path, valid);
    ASSERT_TRUE(LoadRecords(path, records, error)) << error;
    EXPECT_EQ(records.levels.size(), 2u);

    const Bytes hostile[] = {
        RecordsFile(2, 0, {}),                       // a newer version
        RecordsFile(0, 0, {}),                       // no version this program wrote
        RecordsFile(1, 0xFFFF, {}),                  // a negative count
        RecordsFile(1, 1, {{3, 0, 1000, 1}}),        // no such skill
        RecordsFile(1, 1, {{1, 5000, 1000, 1}}),     // a level far past any list
        RecordsFile(1, 1, {{1, 0, 0, 1}}),           // a time of nothing
        RecordsFile(1, 1, {{1, 0, 0xFFFFFFFF, 1}}),  // longer than a day
        RecordsFile(1, 1, {{1, 0, 1000, 4}}),        // four stars
        RecordsFile(1, 2, {{1, 0, 1000, 1}, {1, 0, 2000, 1}}),  // one level twice
        FileStart("Sodbolt Saved Game", 1),          // another file
    };
    for (const Bytes& bytes : hostile) {
        WriteFileBytes(path, bytes);
        error.clear();
        records.AddWin(1, 1, 5, 1);
        EXPECT_FALSE(LoadRecords(path, records, error)) << ::testing::PrintToString(bytes);
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(records.levels.empty()) << "nothing of a refused file is used";
    }
    ExpectEveryTruncationFails(
        path, valid, [&](const std::string& p) { return LoadRecords(p, records, error); },
        [&] { EXPECT_TRUE(records.levels.empty()); });
}
