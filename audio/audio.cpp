// The one AudioClass object: made before main runs and never destroyed, so
// that no exit-time destructor touches Allegro after it is gone.
#include "audio/audio.h"

AudioClass& AudioClass::GetInstance()
{
    static AudioClass* const instance = new AudioClass();
    return *instance;
}

namespace {
AudioClass& gAudioAtStart = AudioClass::GetInstance();
}
