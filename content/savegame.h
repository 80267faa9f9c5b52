// Saved games: the eight save slots, the current slot, and the 26-byte slot
// file that records the level reached and the skill level.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum SkillLevel : int16_t { SkillEasy = 0, SkillNormal = 1, SkillHard = 2 };

struct SaveGameSlot {
    std::string lastError;
    std::string path; // resolved when set

    SaveGameSlot() = default;
    // Resolves a content-relative name ("savegames/000.sav") and keeps it.
    explicit SaveGameSlot(const char* relativePath) { SetPath(relativePath); }
    void SetPath(const char* relativePath);
    std::string GetLastError() const { return lastError; }
};

constexpr int kSaveSlotCount = 8;
// The player's slots (built at start-up, emptied at shut-down), shown as 1 to 8.
extern std::vector<SaveGameSlot> gSaveSlots;
// The slot SaveGame writes; set by the new-game screen and the map editor's
// test run (null when none).
extern SaveGameSlot* gCurrentSlot;

// The current slot's path and last error ("" with no current slot).
std::string CurrentSlotPath();
std::string CurrentSlotError();

// Builds the eight slots "savegames/000.sav" to "savegames/007.sav".
void BuildSaveSlots();
void ClearSaveSlots();

// "Easy", "Normal", "Hard", or "" for any other value.
std::string GetSkillName(int16_t skill);

// Writes the current slot (false with no current slot). Through a temporary
// file: a failed save leaves the old file as it was.
bool SaveGame(int16_t levelIndex, int16_t skillLevel);
bool SaveGame(SaveGameSlot& slot, int16_t levelIndex, int16_t skillLevel);
bool LoadSavedGame(SaveGameSlot& slot, int16_t& levelIndex, int16_t& skillLevel);
// "Normal - Level 3", or "(empty slot)" for a missing or damaged file.
std::string GetSlotDescription(SaveGameSlot& slot);
