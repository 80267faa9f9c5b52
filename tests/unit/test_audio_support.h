// Shared by the audio tests that use the real sound system: the audio object
// brought up on the test's sound server, a scratch folder and generated WAVs.
#pragma once

#include "audio/audio.h"
#include "kwui/console.h"
#include "kwui/core.h"

#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace audiotest {

namespace fs = std::filesystem;

// A mono 16-bit 440 Hz sine at 22050 Hz, in memory or written to a WAV.
inline ALLEGRO_SAMPLE* MakeTone(double seconds, float amplitude = 0.5f)
{
    const unsigned int rate = 22050, count = static_cast<unsigned int>(seconds * rate);
    int16_t* data = static_cast<int16_t*>(al_malloc(count * sizeof(int16_t)));
    for (unsigned int i = 0; i < count; ++i)
        data[i] = static_cast<int16_t>(amplitude * 32767.0 * std::sin(2.0 * M_PI * 440.0 * i / rate));
    return al_create_sample(data, count, rate, ALLEGRO_AUDIO_DEPTH_INT16, ALLEGRO_CHANNEL_CONF_1, true);
}

inline bool WriteTone(const fs::path& path, double seconds)
{
    ALLEGRO_SAMPLE* sample = MakeTone(seconds);
    if (!sample) return false;
    fs::create_directories(path.parent_path());
    const bool saved = al_save_sample(path.c_str(), sample);
    al_destroy_sample(sample);
    return saved;
}

inline int BusySlots(const AudioClass& audio)
{
    return static_cast<int>(std::count_if(audio.instances.begin(), audio.instances.end(), [](const SampleInstanceSlot& slot) {
        return al_get_sample_instance_attached(slot.instance);
    }));
}

// The audio object on the run's private PulseAudio, started once per process (Allegro cannot restart it).
class AudioDevice : public ::testing::Test {
protected:
    AudioClass& audio = AudioClass::GetInstance();
    fs::path folder;
    size_t consoleStart = 0;

    // True when the text was reported since the test began.
    bool ConsoleHas(const std::string& text) const
    {
        const auto& lines = KW_ConsoleWindowLines();
        return std::find(lines.begin() + static_cast<long>(consoleStart), lines.end(), text) != lines.end();
    }

    void SetUp() override
    {
        kwInitialised = true;  // so that KW_Message records
        KW_ClearConsole();
        consoleStart = KW_ConsoleWindowLines().size();
        if (!audio.initialised && !audio.Init()) {
            if (!std::getenv("PULSE_RUNTIME_PATH")) GTEST_SKIP() << "no sound server: run under scripts/with-display.sh";
            FAIL() << "audio did not start: " << audio.lastError;
        }
        WaitForSoundServer();
        folder = fs::temp_directory_path() / ("sodbolt_audio_" + std::to_string(std::random_device()()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }

    // A fresh server connection stalls a second or two before the mixer is first pulled.
    static void WaitForSoundServer()
    {
        static bool running = false;
        if (running) return;
        ALLEGRO_SAMPLE* sample = MakeTone(6.0, 0.0f);
        ALLEGRO_SAMPLE_INSTANCE* probe = al_create_sample_instance(sample);
        al_attach_sample_instance_to_mixer(probe, al_get_default_mixer());
        al_play_sample_instance(probe);
        for (int i = 0; i < 500 && al_get_sample_instance_position(probe) < 22050 / 4; ++i) al_rest(0.01);
        running = al_get_sample_instance_position(probe) >= 22050 / 4;
        al_destroy_sample_instance(probe);
        al_destroy_sample(sample);
    }

    void TearDown() override
    {
        audio.StopMusic();
        audio.UnloadSounds();
        audio.soundVolume = 240;
        audio.musicVolume = 140;
        audio.musicPaused = false;
        audio.musicLoadPath.clear();
        kwInitialised = false;
        KW_ClearConsole();
        if (!folder.empty()) fs::remove_all(folder);
    }

    // Loads one tone as a sound of its own and returns its number.
    int AddTone(const std::string& name, double seconds)
    {
        const fs::path path = folder / (name + ".wav");
        if (!WriteTone(path, seconds) || !audio.LoadSample(path.c_str(), name.c_str())) return -1;
        return audio.FindSound(name.c_str());
    }
};

}  // namespace audiotest
