// Pure rules of the audio object, kept apart so that they can be checked
// without a sound device.
#include "audio/audiorules.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

std::string SoundNameFromRelativePath(const std::string& relativePath)
{
    std::string name = relativePath;
    for (char& c : name)
        if (c == '/') c = '\\';

    // The extension is whatever follows the last dot of the file-name part.
    const size_t fileStart = name.find_last_of('\\') == std::string::npos ? 0 : name.find_last_of('\\') + 1;
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot >= fileStart) name.erase(dot);

    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (name.size() == 1 && isDigit(name[0])) return std::string();
    size_t keep = name.size();
    while (keep > 1 && isDigit(name[keep - 1])) --keep;
    name.erase(keep);
    return name;
}

bool SoundNameFits(const std::string& relativePath) { return relativePath.size() < kSoundNameBufferSize; }

// RIFF layout (little-endian): "RIFF", uint32 size, "WAVE", then chunks of
// 4-byte id, uint32 size, size bytes and a pad byte when size is odd.
WavDataExtent InspectWavData(const char* path)
{
    WavDataExtent extent;
    FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (!file) return extent;
    uint64_t fileSize = 0;
    if (std::fseek(file, 0, SEEK_END) == 0 && std::ftell(file) > 0) fileSize = static_cast<uint64_t>(std::ftell(file));
    std::fseek(file, 0, SEEK_SET);

    auto little32 = [](const unsigned char* b) {
        return static_cast<uint64_t>(b[0]) | (static_cast<uint64_t>(b[1]) << 8) | (static_cast<uint64_t>(b[2]) << 16) |
               (static_cast<uint64_t>(b[3]) << 24);
    };
    unsigned char head[12];
    if (std::fread(head, 1, 12, file) == 12 && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0) {
        uint64_t position = 12;
        unsigned char chunk[8];
        while (position + 8 <= fileSize && std::fread(chunk, 1, 8, file) == 8) {
            position += 8;
            const uint64_t size = little32(chunk + 4);
            if (std::memcmp(chunk, "data", 4) == 0) {
                extent.riff = true;
                extent.declaredBytes = size;
                extent.presentBytes = std::min(size, fileSize - position);
                break;
            }
            position += size + (size & 1);
            if (position > fileSize || std::fseek(file, static_cast<long>(position), SEEK_SET) != 0) break;
        }
    }
    std::fclose(file);
    return extent;
}

int SoundPan(int x, int listenerX)
{
    if (x < listenerX - 100) return -1;
    if (x > listenerX + 100) return 1;
    return 0;
}

float SoundLevel(float distance, int hearingDistance, int soundVolume)
{
    const float percent = 100.0f - (distance / static_cast<float>(hearingDistance)) * 100.0f;
    float level = percent * (static_cast<float>(soundVolume) / 100.0f);
    if (level < 0.0f) level = 0.0f;
    if (level > static_cast<float>(soundVolume)) level = static_cast<float>(soundVolume);
    return level;
}

std::string MusicPositionText(double seconds)
{
    const int whole = static_cast<int>(seconds);
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", whole / 60, whole % 60);
    return text;
}

namespace {
// A volume as atoi reads it ("loud" is 0), held to 0..255: a hand-edited
// 99999999999 would otherwise play every sound at a gain of millions. What
// had to be changed is said in problems, for the error log.
int ReadVolume(const char* key, const char* text, std::vector<std::string>& problems)
{
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    const int held = static_cast<int>(std::clamp<long long>(value, 0, 255));
    const bool noNumber = end == text;
    if (noNumber || held != value) {
        char line[160];
        std::snprintf(line, sizeof line, "%s in kwui2.ini is %s from 0 to 255 (\"%.40s%s\"); %d is used", key,
                      noNumber ? "not a number" : "not a volume", text, std::strlen(text) > 40 ? "..." : "", held);
        problems.push_back(line);
    }
    return held;
}
}  // namespace

AudioSettings ReadAudioSettings(const ALLEGRO_CONFIG* config)
{
    AudioSettings settings;
    if (!config) return settings;
    if (const char* value = al_get_config_value(config, "audio", "SoundVolume"))
        settings.soundVolume = ReadVolume("SoundVolume", value, settings.problems);
    if (const char* value = al_get_config_value(config, "audio", "MusicVolume"))
        settings.musicVolume = ReadVolume("MusicVolume", value, settings.problems);
    if (const char* value = al_get_config_value(config, "audio", "MusicLoadPath")) settings.musicLoadPath = value;
    return settings;
}

void WriteAudioSettings(ALLEGRO_CONFIG* config, const AudioSettings& settings)
{
    if (!config) return;
    char text[16];
    std::snprintf(text, sizeof text, "%d", settings.soundVolume);
    al_set_config_value(config, "audio", "SoundVolume", text);
    std::snprintf(text, sizeof text, "%d", settings.musicVolume);
    al_set_config_value(config, "audio", "MusicVolume", text);
    al_set_config_value(config, "audio", "MusicLoadPath", settings.musicLoadPath.c_str());
}
