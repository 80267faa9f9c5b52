// The audio panel: effect and music volumes, the music transport and the
// music file chooser, as a modal screen.
#include "audio/audio.h"

void AudioClass::CreateAudioPanel() { panelCreated = true; }

// Filled in with the panel's widgets.
void AudioClass::RunAudioPanel() {}
bool AudioClass::DoAudioPanel() { return true; }
bool AudioClass::SelectMusicFile() { return false; }
