// The one AudioClass object: made before main runs and never destroyed, so
// that no exit-time destructor touches Allegro after it is gone.
#include "audio/audio.h"

#include "kwui/core.h"

AudioClass& AudioClass::GetInstance()
{
    static AudioClass* const instance = new AudioClass();
    return *instance;
}

namespace {
AudioClass& gAudioAtStart = AudioClass::GetInstance();
}

void InstallAudioHooks()
{
    kwAudioHooks.loadSettings = [](const ALLEGRO_CONFIG* config) { AudioClass::GetInstance().LoadSettings(config); };
    kwAudioHooks.saveSettings = [](ALLEGRO_CONFIG* config) { AudioClass::GetInstance().SaveSettings(config); };
    kwAudioHooks.start = [] { AudioClass::GetInstance().Init(); };
    kwAudioHooks.stop = [] { AudioClass::GetInstance().Shutdown(); };
    kwAudioHooks.update = [] { AudioClass::GetInstance().UpdateInstances(); };
}
