// Pure rules of the audio object, kept apart so that they can be checked
// without a sound device.
#include "audio/audiorules.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

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
// 99999999999 would otherwise play every sound at a gain of millions.
int ReadVolume(const char* text)
{
    const long long value = std::strtoll(text, nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, 0, 255));
}
}  // namespace

AudioSettings ReadAudioSettings(const ALLEGRO_CONFIG* config)
{
    AudioSettings settings;
    if (!config) return settings;
    if (const char* value = al_get_config_value(config, "audio", "SoundVolume")) settings.soundVolume = ReadVolume(value);
    if (const char* value = al_get_config_value(config, "audio", "MusicVolume")) settings.musicVolume = ReadVolume(value);
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
