// The records of a save slot: per skill level and level, the best time and
// the most stars won, in a small file of its own beside the saved game.
#pragma once

#include <map>
#include <string>
#include <utility>

struct LevelRecord {
    int bestMilliseconds = 0;  // 0: never won
    int stars = 0;
};

struct Records {
    std::map<std::pair<int, int>, LevelRecord> levels;  // by (skill, level index)

    // The record of a level on a skill, or null when it was never won there.
    const LevelRecord* Find(int skill, int level) const;
    // Notes a win; true when its time beats the best kept (or is the first).
    bool AddWin(int skill, int level, int milliseconds, int stars);
};

// The records file of a saved game: "savegames/000.sav" -> "savegames/000.rec".
std::string RecordsPathFor(const std::string& savePath);
// A missing file gives empty records. A damaged or hostile file is refused
// as a whole: false, records left empty, error says why.
bool LoadRecords(const std::string& path, Records& records, std::string& error);
// Through a temporary file: a failed save leaves the old file as it was.
bool SaveRecords(const std::string& path, const Records& records, std::string& error);
