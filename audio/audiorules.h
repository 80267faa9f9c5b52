// The audio object's pure rules: sound names from file paths, pan and level
// from a position, the music position text and the "audio" settings.
#pragma once

#include <allegro5/allegro.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Relative names of sound files live in a buffer of this many bytes.
constexpr size_t kSoundNameBufferSize = 256;

// "game/skid12.wav" -> "game\skid": extension dropped, folders joined with
// "\", trailing digits dropped (the first character always stays, except
// that a name of one single digit becomes empty).
std::string SoundNameFromRelativePath(const std::string& relativePath);
// False when the relative path would not fit the name buffer.
bool SoundNameFits(const std::string& relativePath);

// What a WAV file's "data" chunk says and what the file really holds after
// it. riff is false for a file that is not RIFF/WAVE or has no data chunk
// (the codec refuses those itself).
struct WavDataExtent {
    bool riff = false;
    uint64_t declaredBytes = 0;
    uint64_t presentBytes = 0;
};
WavDataExtent InspectWavData(const char* path);

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
    // One line for each value that was not a volume and was changed to one.
    std::vector<std::string> problems;
};

// Section "audio"; a null config or a missing key gives the default, and a
// volume outside 0..255 (or no number) is held to the range and noted.
AudioSettings ReadAudioSettings(const ALLEGRO_CONFIG* config);
void WriteAudioSettings(ALLEGRO_CONFIG* config, const AudioSettings& settings);
