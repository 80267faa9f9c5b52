// game.ini's level list, edited section by section.
#include "editors/levellist.h"

#include "kwui/core.h"

#include <allegro5/allegro.h>

#include <cstdlib>
#include <utility>
#include <vector>

namespace {

using Keys = std::vector<std::pair<std::string, std::string>>;

std::string SectionName(int index) { return "map" + std::to_string(index); }

// The config, its levels' sections (every key of each) in order.
struct LevelList {
    ALLEGRO_CONFIG* config = nullptr;
    std::vector<Keys> levels;
    ~LevelList()
    {
        if (config) al_destroy_config(config);
    }

    bool Read(const std::string& path)
    {
        config = al_load_config_file(path.c_str());
        if (!config) config = al_create_config();
        if (!config) return false;
        const char* countText = al_get_config_value(config, "info", "MapsCount");
        const long count = countText ? std::strtol(countText, nullptr, 10) : 0;
        for (long i = 0; i < count && i < 32767; ++i) {
            Keys keys;
            const std::string section = SectionName(static_cast<int>(i));
            ALLEGRO_CONFIG_ENTRY* entry = nullptr;
            for (const char* key = al_get_first_config_entry(config, section.c_str(), &entry); key;
                 key = al_get_next_config_entry(&entry)) {
                const char* value = al_get_config_value(config, section.c_str(), key);
                if (value) keys.emplace_back(key, value);
            }
            levels.push_back(std::move(keys));
        }
        return true;
    }

    int Find(const std::string& mapName) const
    {
        for (size_t i = 0; i < levels.size(); ++i)
            for (const auto& key : levels[i])
                if (key.first == "map" && key.second == mapName) return static_cast<int>(i);
        return -1;
    }

    bool Write(const std::string& path, size_t oldCount)
    {
        for (size_t i = 0; i < oldCount; ++i) al_remove_config_section(config, SectionName(static_cast<int>(i)).c_str());
        for (size_t i = 0; i < levels.size(); ++i) {
            const std::string section = SectionName(static_cast<int>(i));
            al_add_config_section(config, section.c_str());
            for (const auto& key : levels[i]) al_set_config_value(config, section.c_str(), key.first.c_str(), key.second.c_str());
        }
        al_set_config_value(config, "info", "MapsCount", std::to_string(levels.size()).c_str());
        return KW_SaveConfigReplacing(path.c_str(), config);
    }
};

} // namespace

bool AddToLevelList(const std::string& readPath, const std::string& writePath, const std::string& mapName,
                    const std::string& music, int position, std::string& error)
{
    LevelList list;
    if (!list.Read(readPath)) {
        error = "Unable to read " + readPath;
        return false;
    }
    const int found = list.Find(mapName);
    if (found >= 0) {
        error = mapName + " is level " + std::to_string(found + 1) + " already";
        return false;
    }
    const size_t oldCount = list.levels.size();
    const size_t at = position < 0 ? 0 : std::min(static_cast<size_t>(position), oldCount);
    list.levels.insert(list.levels.begin() + static_cast<long>(at), Keys{{"map", mapName}, {"music", music}});
    if (!list.Write(writePath, oldCount)) {
        error = "Unable to write " + writePath;
        return false;
    }
    return true;
}

bool RemoveFromLevelList(const std::string& readPath, const std::string& writePath, const std::string& mapName,
                         int& position, std::string& error)
{
    LevelList list;
    if (!list.Read(readPath)) {
        error = "Unable to read " + readPath;
        return false;
    }
    position = list.Find(mapName);
    if (position < 0) {
        error = mapName + " is not in the level list";
        return false;
    }
    const size_t oldCount = list.levels.size();
    list.levels.erase(list.levels.begin() + position);
    if (!list.Write(writePath, oldCount)) {
        error = "Unable to write " + writePath;
        return false;
    }
    return true;
}

int LevelListCount(const std::string& readPath, const std::string& mapName, int& position)
{
    LevelList list;
    position = -1;
    if (!list.Read(readPath)) return 0;
    position = list.Find(mapName);
    return static_cast<int>(list.levels.size());
}

std::string LastLevelMusic(const std::string& readPath)
{
    LevelList list;
    if (!list.Read(readPath) || list.levels.empty()) return "";
    for (const auto& key : list.levels.back())
        if (key.first == "music") return key.second;
    return "";
}
