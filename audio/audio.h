// The one audio object: the bank of named sounds, the pool of sample
// instances, the music stream, the "audio" settings and the audio panel.
#pragma once

#include "kwui/button.h"
#include "kwui/slider.h"
#include "kwui/timing.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_audio.h>

#include <cstdint>
#include <string>
#include <vector>

// One named sound and its variants; a fresh start picks a variant at random.
struct SoundEntry {
    std::vector<ALLEGRO_SAMPLE*> samples;  // never empty while the entry exists
    std::string name;
};

// A slot of the instance pool. It is busy while its instance is attached to
// the mixer; there is no other in-use flag.
struct SampleInstanceSlot {
    ALLEGRO_SAMPLE_INSTANCE* instance = nullptr;
    bool loop = false;
    int16_t keepAlive = 0;  // updates since the last request (looping slots)
    std::string name;       // empty for an anonymous instance
};

class AudioClass {
public:
    static AudioClass& GetInstance();

    // [SECTION] Sound bank and instance pool (soundbank.cpp)
    bool Init();
    void Shutdown();
    void UpdateInstances();
    // Every WAV under the folder, named by its path relative to it.
    void LoadSoundsFrom(const std::string& folder);
    bool LoadSample(const char* path, const char* name);
    int FindSound(const char* name) const;
    bool PlaySound(int number, const char* instanceName, int x, int y, bool loop);
    void PlaySoundNumber(int number);
    int FindInstanceByName(const char* name) const;
    int FindFreeInstance() const;
    void UnloadSounds();
    int SoundCount() const { return static_cast<int>(sounds.size()); }

    // [SECTION] Music stream and settings (music.cpp)
    bool PlayMusic(const char* path);
    bool SelectMusicFile();
    std::string GetMusicPositionText() const;
    // The transport actions of the panel; each does nothing without music.
    void RestartMusic();  // resume when paused, else rewind
    void SkipMusic(double seconds);
    void TogglePauseMusic();
    void StopMusic();
    void LoadSettings(const ALLEGRO_CONFIG* config);
    void SaveSettings(ALLEGRO_CONFIG* config) const;

    // [SECTION] Audio panel (audiopanel.cpp)
    void CreateAudioPanel();
    void RunAudioPanel();
    bool DoAudioPanel();

    // Sound bank and pool.
    bool initialised = false;
    std::string lastError;
    int32_t soundVolume = 240;
    int32_t musicVolume = 140;
    std::vector<SoundEntry> sounds;
    std::vector<SampleInstanceSlot> instances;
    int32_t listenerX = 0, listenerY = 0;
    int32_t hearingDistance = 2000;

    // Music.
    bool musicPaused = false;
    ALLEGRO_AUDIO_STREAM* musicStream = nullptr;
    std::string musicPath;
    std::string musicFileName;
    std::string musicLoadPath;
    int32_t volumeTestSound = -1;

    // Panel.
    int32_t panelX1 = 0, panelY1 = 0, panelX2 = 0, panelY2 = 0;
    FrameBoxClass effectsFrame;
    SliderClass effectsSlider;
    FrameBoxClass musicFrame;
    SliderClass musicSlider;
    // Made from the current back buffer for each frame's status display, so a
    // display-mode change never leaves it pointing into a display that is gone.
    ALLEGRO_BITMAP* statusBitmap = nullptr;
    int32_t statusX = 0, statusY = 0, statusW = 0, statusH = 0;
    KW_Button playButton, backButton, forwardButton, pauseButton, stopButton, loadButton;
    KW_Button doneButton, defaultsButton;
    KW_FrameTimer panelTimer;
    bool panelCreated = false;

private:
    AudioClass() = default;
    void FreeSlot(SampleInstanceSlot& slot);
    void DropMusic();
};

// Puts the toolkit's sound hooks (kwAudioHooks: settings, start, stop, the
// per-frame update) onto the one audio object; called at start-up before KW_Init.
void InstallAudioHooks();
