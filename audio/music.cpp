// The music stream (one looping file at a time, at the music volume), the
// panel's transport actions on it, and the "audio" section of kwui2.ini.
#include "audio/audio.h"
#include "audio/audiorules.h"

#include "kwui/console.h"
#include "kwui/filedialog.h"
#include "platform/platform.h"

static constexpr size_t kStreamBuffers = 4;
static constexpr unsigned int kStreamSamples = 2048;

static std::string FileNamePart(const char* path)
{
    std::string name;
    if (ALLEGRO_PATH* parsed = al_create_path(path)) {
        name = al_get_path_filename(parsed);
        al_destroy_path(parsed);
    }
    return name;
}

void AudioClass::DropMusic()
{
    musicPath.clear();
    musicFileName.clear();
    if (musicStream) {
        al_detach_audio_stream(musicStream);
        al_destroy_audio_stream(musicStream);
        musicStream = nullptr;
    }
}

bool AudioClass::PlayMusic(const char* path)
{
    if (!path) path = "";

    // The same tune asked for again (in any case) carries on where it is.
    if (musicStream && PlatformCompareNoCase(musicPath.c_str(), path) == 0) {
        if (musicPaused) {
            musicPaused = false;
            al_set_audio_stream_playing(musicStream, true);
        }
        return true;
    }

    DropMusic();

    // Without a sound system there is no mixer to feed: treat it as a file
    // that cannot be played rather than start a stream with nowhere to go.
    ALLEGRO_AUDIO_STREAM* stream = nullptr;
    if (initialised) stream = al_load_audio_stream(path, kStreamBuffers, kStreamSamples);
    if (!stream) {
        lastError = std::string("Unable to load music from ") + path;
        KW_Message("%s", lastError.c_str());
        return false;
    }
    ALLEGRO_MIXER* mixer = al_get_default_mixer();
    if (!mixer || !al_attach_audio_stream_to_mixer(stream, mixer)) {
        lastError = "Unable to attach music stream to mixer";
        KW_Message("%s", lastError.c_str());
        al_destroy_audio_stream(stream);
        return false;
    }

    musicStream = stream;
    al_set_audio_stream_gain(musicStream, static_cast<float>(musicVolume) / 255.0f);
    al_set_audio_stream_playmode(musicStream, ALLEGRO_PLAYMODE_LOOP);
    musicPaused = false;
    musicPath = path;
    musicFileName = FileNamePart(path);
    KW_Message("Playing music from %s", path);
    musicLoadPath = path;
    return true;
}

std::string AudioClass::GetMusicPositionText() const
{
    if (!musicStream) return "-:--";
    return MusicPositionText(al_get_audio_stream_position_secs(musicStream));
}

// [SECTION] Transport

void AudioClass::RestartMusic()
{
    if (!musicStream) return;
    if (musicPaused) {
        musicPaused = false;
        al_set_audio_stream_playing(musicStream, true);
    } else {
        al_rewind_audio_stream(musicStream);
    }
}

void AudioClass::SkipMusic(double seconds)
{
    if (!musicStream) return;
    // A seek before the start or past the end is refused by the stream.
    al_seek_audio_stream_secs(musicStream, al_get_audio_stream_position_secs(musicStream) + seconds);
}

void AudioClass::TogglePauseMusic()
{
    if (!musicStream) return;
    musicPaused = !musicPaused;
    al_set_audio_stream_playing(musicStream, !musicPaused);
}

void AudioClass::StopMusic() { DropMusic(); }

// [SECTION] Settings

void AudioClass::LoadSettings(const ALLEGRO_CONFIG* config)
{
    const AudioSettings settings = ReadAudioSettings(config);
    soundVolume = settings.soundVolume;
    musicVolume = settings.musicVolume;
    musicLoadPath = settings.musicLoadPath;
    for (const std::string& problem : settings.problems) KW_LogError("AudioClass::LoadSettings: %s", problem.c_str());
    // A path the file dialog refuses would lock "Load Music File" for good.
    if (!FileDialogIsUsablePath(musicLoadPath)) {
        KW_LogError("AudioClass::LoadSettings: MusicLoadPath in kwui2.ini is not a usable path; the music file "
                    "dialog starts in the working folder.");
        musicLoadPath.clear();
    }
}

void AudioClass::SaveSettings(ALLEGRO_CONFIG* config) const
{
    AudioSettings settings;
    settings.soundVolume = soundVolume;
    settings.musicVolume = musicVolume;
    settings.musicLoadPath = musicLoadPath;
    WriteAudioSettings(config, settings);
}
