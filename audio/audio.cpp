// AudioClass: placeholder until the sound bank lands.
#include "audio/audio.h"

AudioClass& AudioClass::GetInstance()
{
    static AudioClass instance;
    return instance;
}

bool AudioClass::Init() { return false; }
void AudioClass::Shutdown() { initialised = false; }
void AudioClass::UpdateInstances() {}
void AudioClass::LoadSounds() {}
int AudioClass::FindSound(const char*) const { return -1; }
void AudioClass::LoadSettings(const ALLEGRO_CONFIG*) {}
void AudioClass::SaveSettings(ALLEGRO_CONFIG*) const {}
