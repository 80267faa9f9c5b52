// Saved games: the eight player slots, the current slot, and the slot file.
#include "content/savegame.h"

#include "content/binarystream.h"
#include "content/datapath.h"
#include "kwui/console.h"

#include <cstdio>

static const char* const kSaveMagic = "Sodbolt Saved Game";
static const int16_t kSaveVersion = 1;

std::vector<SaveGameSlot> gSaveSlots;
SaveGameSlot* gCurrentSlot = nullptr;

void SaveGameSlot::SetPath(const char* relativePath)
{
    path = SaveGamePath(std::string(relativePath ? relativePath : ""));
}

std::string CurrentSlotPath() { return gCurrentSlot ? gCurrentSlot->path : std::string(); }
std::string CurrentSlotError() { return gCurrentSlot ? gCurrentSlot->lastError : std::string(); }

void BuildSaveSlots()
{
    gSaveSlots.clear();
    for (int i = 0; i < kSaveSlotCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "savegames/%03d.sav", i);
        gSaveSlots.emplace_back(name);
    }
}

void ClearSaveSlots()
{
    // The current slot may point into the list.
    for (SaveGameSlot& slot : gSaveSlots) {
        if (gCurrentSlot == &slot) gCurrentSlot = nullptr;
    }
    gSaveSlots.clear();
}

std::string GetSkillName(int16_t skill)
{
    switch (skill) {
    case SkillEasy: return "Easy";
    case SkillNormal: return "Normal";
    case SkillHard: return "Hard";
    default: return "";
    }
}

// Slot file (26 bytes, little-endian):
//   0   uint16  magic length, 18
//   2   18      "Sodbolt Saved Game", no terminator
//   20  int16   version (1; above 1 refused)
//   22  int16   level index (0-based)
//   24  int16   skill level
bool SaveGame(SaveGameSlot& slot, int16_t levelIndex, int16_t skillLevel)
{
    PrepareFolderFor(slot.path);
    BinaryStream out;
    if (!out.OpenForWriting(slot.path.c_str())) {
        slot.lastError = out.lastError;
        return false;
    }
    out.WriteStdString(kSaveMagic);
    out.WriteInt16(kSaveVersion);
    out.WriteInt16(levelIndex);
    out.WriteInt16(skillLevel);
    if (!out.Finish()) {
        slot.lastError = out.lastError;
        return false;
    }
    KW_Message("Game saved to %s", slot.path.c_str());
    return true;
}

bool SaveGame(int16_t levelIndex, int16_t skillLevel)
{
    if (!gCurrentSlot) return false;
    return SaveGame(*gCurrentSlot, levelIndex, skillLevel);
}

bool LoadSavedGame(SaveGameSlot& slot, int16_t& levelIndex, int16_t& skillLevel)
{
    BinaryStream in;
    int16_t version = 0;
    if (!in.OpenContentFile(slot.path.c_str(), kSaveMagic, kSaveVersion, version, "Not a valid save game file",
                            "Saved game file is too advanced")) {
        slot.lastError = in.lastError;
        return false;
    }
    const int16_t level = in.ReadInt16();
    const int16_t skill = in.ReadInt16();
    if (in.Damaged()) {
        slot.lastError = in.DamagedText();
        return false;
    }
    levelIndex = level;
    skillLevel = skill;
    return true;
}

std::string GetSlotDescription(SaveGameSlot& slot)
{
    int16_t level = 0, skill = 0;
    if (!LoadSavedGame(slot, level, skill)) return "(empty slot)";
    return GetSkillName(skill) + " - Level " + std::to_string(level + 1);
}
