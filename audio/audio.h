// The one audio object: sound bank, instance pool, music and audio panel.
#pragma once

#include <allegro5/allegro.h>

#include <cstdint>
#include <string>

class AudioClass {
public:
    static AudioClass& GetInstance();

    bool Init();
    void Shutdown();
    void UpdateInstances();
    void LoadSounds();
    int FindSound(const char* name) const;
    void LoadSettings(const ALLEGRO_CONFIG* config);
    void SaveSettings(ALLEGRO_CONFIG* config) const;

    bool initialised = false;
    std::string lastError;
    int32_t soundVolume = 240;
    int32_t musicVolume = 140;
    int32_t volumeTestSound = -1;

private:
    AudioClass() = default;
};
