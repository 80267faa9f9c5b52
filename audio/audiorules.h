// The audio object's pure rules: sound names from file paths, pan and level
// from a position, the music position text and the "audio" settings.
#pragma once

#include <allegro5/allegro.h>

#include <cstddef>
#include <string>

// Relative names of sound files live in a buffer of this many bytes.
constexpr size_t kSoundNameBufferSize = 256;

// "game/skid12.wav" -> "game\skid": extension dropped, folders joined with
// "\", trailing digits dropped (the first character always stays, except
// that a name of one single digit becomes empty).
std::string SoundNameFromRelativePath(const std::string& relativePath);
// False when the relative path would not fit the name buffer.
bool SoundNameFits(const std::string& relativePath);

// -1 hard left, 0 centre, +1 hard right; 100 units either side are centre.
int SoundPan(int x, int listenerX);
// Level 0..soundVolume at a distance; 255 is full gain.
float SoundLevel(float distance, int hearingDistance, int soundVolume);

// "%d:%02d" of the whole seconds.
std::string MusicPositionText(double seconds);

struct AudioSettings {
    int soundVolume = 240;
    int musicVolume = 140;
    std::string musicLoadPath;
};

// Section "audio"; a null config or a missing key gives the default.
AudioSettings ReadAudioSettings(const ALLEGRO_CONFIG* config);
void WriteAudioSettings(ALLEGRO_CONFIG* config, const AudioSettings& settings);
