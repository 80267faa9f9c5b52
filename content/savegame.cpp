// Saved games: slots and the slot file format.
#include "content/savegame.h"

#include "app/paths.h"

std::vector<SaveGameSlot> gSaveSlots;
SaveGameSlot* gCurrentSlot = nullptr;

void SaveGameSlot::SetPath(const char* relativePath) { path = ResolveDataPath(std::string(relativePath ? relativePath : "")); }
std::string CurrentSlotPath() { return gCurrentSlot ? gCurrentSlot->path : std::string(); }
std::string CurrentSlotError() { return gCurrentSlot ? gCurrentSlot->lastError : std::string(); }
void BuildSaveSlots() {}
void ClearSaveSlots() { gSaveSlots.clear(); }
std::string GetSkillName(int16_t) { return ""; }
bool SaveGame(int16_t, int16_t) { return false; }
bool SaveGame(SaveGameSlot&, int16_t, int16_t) { return false; }
bool LoadSavedGame(SaveGameSlot&, int16_t&, int16_t&) { return false; }
std::string GetSlotDescription(SaveGameSlot&) { return "(empty slot)"; }
