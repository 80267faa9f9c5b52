// Stars against the par, and the records file of a save slot: what a won level is
// worth, and records that survive a round trip and refuse hostile files.
#include "content_testing.h"
#include "game/par.h"
#include "game/records.h"
#include "game/results.h"

#include <gtest/gtest.h>

namespace {

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
    EXPECT_EQ(RecordsPathFor("base/savegames/000.sav"), "base/savegames/000.rec");
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
