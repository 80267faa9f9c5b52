// The sound bank, the instance pool and the music stream against the real sound system.
#include "test_audio_support.h"

#include <cctype>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using audiotest::AudioDevice;
using audiotest::BusySlots;
using audiotest::WriteTone;

TEST_F(AudioDevice, LoadsEveryWavUnderTheFolderByTheNameRule)
{
    for (const char* name : {"a/b7.wav", "a/b12.wav", "a/b.wav", "UPPER.WAV", "tune.wav"})
        ASSERT_TRUE(WriteTone(folder / name, 0.05));
    fs::rename(folder / "tune.wav", folder / "tune.ogg");  // WAV data, another extension
    std::ofstream(folder / "broken.wav") << "not a wave file";

    audio.LoadSoundsFrom(folder.string());

    ASSERT_EQ(audio.SoundCount(), 2);
    const int ab = audio.FindSound("a\\b");
    ASSERT_NE(ab, -1);
    EXPECT_EQ(audio.sounds[ab].samples.size(), 3u);
    EXPECT_NE(audio.FindSound("UPPER"), -1);
    EXPECT_EQ(audio.FindSound("upper"), -1) << "names compare with case";
    EXPECT_EQ(audio.FindSound("tune.ogg"), -1);
    audio.UnloadSounds();
    EXPECT_EQ(audio.FindSound("UPPER"), -1);
}

TEST_F(AudioDevice, FailedLoadsAndUnknownSoundNumbersChangeNothing)
{
    const int tone = AddTone("game\\skid", 0.05);
    ASSERT_EQ(tone, 0);
    EXPECT_FALSE(audio.LoadSample((folder / "missing.wav").c_str(), "game\\skid"));
    EXPECT_EQ(audio.sounds[0].samples.size(), 1u);
    EXPECT_EQ(audio.SoundCount(), 1);

    EXPECT_FALSE(audio.PlaySound(-1, "", 0, 0, false));
    EXPECT_TRUE(ConsoleHas("No such sound number -1"));
    audio.PlaySoundNumber(7);
    EXPECT_TRUE(ConsoleHas("No such sound number 7"));
    EXPECT_EQ(BusySlots(audio), 0);

    audio.PlaySoundNumber(tone);
    ASSERT_EQ(BusySlots(audio), 1);
    EXPECT_FLOAT_EQ(al_get_sample_instance_gain(audio.instances[0].instance), 240.0f / 255.0f);
}

TEST_F(AudioDevice, TheThirtySecondInstanceIsRefused)
{
    const int tone = AddTone("long", 3.0);
    for (int i = 0; i < 31; ++i) ASSERT_TRUE(audio.PlaySound(tone, "", 0, 0, false)) << "instance " << i;
    EXPECT_EQ(BusySlots(audio), 31);
    EXPECT_FALSE(audio.PlaySound(tone, "Extra", 0, 0, false));
    EXPECT_TRUE(ConsoleHas("Cannot play sound instance \"Extra\" because there are no available sample instances."));
    EXPECT_EQ(BusySlots(audio), 31) << "busy slots are never taken away";
}

TEST_F(AudioDevice, ALoopLivesWhileRequestedAndStopsOnTheFourthUpdateAfterAOneShotFreesItsSlotAtItsEnd)
{
    // Shorter than the requests run, so the loop must restart it.
    const int tone = AddTone("game\\engine_idle", 0.1);
    for (int frame = 0; frame < 30; ++frame) {
        ASSERT_TRUE(audio.PlaySound(tone, "Player_Idle", 0, 0, true));
        al_rest(1.0 / 60.0);
        audio.UpdateInstances();
        ASSERT_EQ(BusySlots(audio), 1) << "frame " << frame;
    }
    const int s = audio.FindInstanceByName("Player_Idle");
    ASSERT_NE(s, -1);
    al_rest(0.15);  // past its end: the next update starts it again
    audio.UpdateInstances();
    EXPECT_TRUE(al_get_sample_instance_playing(audio.instances[s].instance));
    audio.UpdateInstances();
    EXPECT_EQ(BusySlots(audio), 1) << "third update since the last request";
    audio.UpdateInstances();
    EXPECT_EQ(BusySlots(audio), 0) << "stopped on the fourth";
    EXPECT_EQ(audio.FindInstanceByName("Player_Idle"), -1);

    ASSERT_TRUE(audio.PlaySound(tone, "Click", 0, 0, false));
    al_rest(0.3);
    audio.UpdateInstances();
    EXPECT_EQ(BusySlots(audio), 0);
}

TEST_F(AudioDevice, RequestingAPlayingNamedInstanceOnlyMovesItAndDistanceSetsItsLevel)
{
    const int tone = AddTone("game\\skid", 2.0);
    ASSERT_TRUE(audio.PlaySound(tone, "PlayerSkid", 0, 0, false));
    const int s = audio.FindInstanceByName("PlayerSkid");
    ASSERT_NE(s, -1);
    const ALLEGRO_SAMPLE_INSTANCE* instance = audio.instances[s].instance;
    al_rest(0.4);
    const unsigned int before = al_get_sample_instance_position(instance);

    ASSERT_TRUE(audio.PlaySound(tone, "PlayerSkid", -1000, 0, false));
    EXPECT_EQ(BusySlots(audio), 1);
    EXPECT_GE(al_get_sample_instance_position(instance), before) << "not restarted";
    EXPECT_FLOAT_EQ(al_get_sample_instance_pan(instance), -1.0f);
    EXPECT_FLOAT_EQ(al_get_sample_instance_gain(instance), 120.0f / 255.0f);
    ASSERT_TRUE(audio.PlaySound(tone, "", 0, 0, false));
    EXPECT_EQ(BusySlots(audio), 2) << "anonymous requests always take a fresh slot";
    EXPECT_TRUE(audio.PlaySound(tone, "", 2001, 0, false)) << "out of hearing still counts as done";
    EXPECT_EQ(BusySlots(audio), 2);

    audio.soundVolume = 0;
    ASSERT_TRUE(audio.PlaySound(tone, "Muted", 0, 0, false));
    const int muted = audio.FindInstanceByName("Muted");
    ASSERT_NE(muted, -1) << "silent, but it takes a slot";
    EXPECT_FLOAT_EQ(al_get_sample_instance_gain(audio.instances[muted].instance), 0.0f);
}

TEST_F(AudioDevice, AWavThatIsOnlyItsHeaderIsSkippedWithItsNameAndACutOneKeepsWhatIsThere)
{
    ASSERT_TRUE(WriteTone(folder / "tone.wav", 0.05));  // 1102 frames of 2 bytes
    std::ifstream in(folder / "tone.wav", std::ios::binary);
    const std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t dataStart = whole.find("data") + 8;
    ASSERT_GT(dataStart, 8u);
    std::ofstream(folder / "header.wav", std::ios::binary) << whole.substr(0, dataStart);
    std::ofstream(folder / "cut.wav", std::ios::binary) << whole.substr(0, dataStart + 1001);

    const std::string header = (folder / "header.wav").string();
    EXPECT_FALSE(audio.LoadSample(header.c_str(), "header"));
    EXPECT_EQ(audio.lastError, "Unable to load sample from " + header + ": it holds no sound");

    const std::string cut = (folder / "cut.wav").string();
    ASSERT_TRUE(audio.LoadSample(cut.c_str(), "cut"));
    EXPECT_TRUE(ConsoleHas(cut + " is cut short: 1001 of its 2204 bytes of sound are there"));
    const int number = audio.FindSound("cut");
    EXPECT_EQ(al_get_sample_length(audio.sounds[number].samples[0]), 500u) << "no made-up silence after the cut";
    const int16_t* frames = static_cast<const int16_t*>(al_get_sample_data(audio.sounds[number].samples[0]));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(frames), 1000), whole.substr(dataStart, 1000));
}

class AudioMusic : public AudioDevice {
protected:
    std::string tune;
    void SetUp() override
    {
        AudioDevice::SetUp();
        if (IsSkipped() || HasFailure()) return;
        tune = (folder / "Tune.wav").string();
        ASSERT_TRUE(WriteTone(tune, 4.0));
    }
    double Position() const { return al_get_audio_stream_position_secs(audio.musicStream); }
    bool Playing() const { return al_get_audio_stream_playing(audio.musicStream); }
};

TEST_F(AudioMusic, PlayLoopsAtTheMusicVolumeUntilAStopOrAFileThatCannotBePlayed)
{
    audio.musicVolume = 51;
    ASSERT_TRUE(audio.PlayMusic(tune.c_str()));
    ASSERT_NE(audio.musicStream, nullptr);
    EXPECT_TRUE(ConsoleHas("Playing music from " + tune));
    EXPECT_FLOAT_EQ(al_get_audio_stream_gain(audio.musicStream), 0.2f);
    audio.SkipMusic(-5.0);  // asks for a negative time; the stream carries on
    EXPECT_TRUE(Playing());
    audio.SkipMusic(3.5);
    EXPECT_GE(Position(), 3.5);
    al_rest(1.0);
    EXPECT_LT(Position(), 3.0) << "near its end it goes round to the start";
    EXPECT_TRUE(Playing());

    // After a stop the transport does nothing; the dialog still starts from the last tune.
    audio.StopMusic();
    EXPECT_EQ(audio.GetMusicPositionText(), "-:--");
    audio.RestartMusic();
    audio.TogglePauseMusic();
    audio.SkipMusic(5.0);
    EXPECT_EQ(audio.musicStream, nullptr);
    EXPECT_FALSE(audio.musicPaused);
    EXPECT_EQ(audio.musicLoadPath, tune);

    ASSERT_TRUE(audio.PlayMusic(tune.c_str())) << "after a stop the same file starts again";
    const std::string missing = (folder / "missing.xm").string();
    EXPECT_FALSE(audio.PlayMusic(missing.c_str()));
    EXPECT_EQ(audio.musicStream, nullptr) << "the old music ends";
    EXPECT_EQ(audio.musicLoadPath, tune);
}

TEST_F(AudioMusic, TheSameFileInAnotherCaseCarriesOnOrResumesAndPlayRestartRewindsOrResumes)
{
    ASSERT_TRUE(audio.PlayMusic(tune.c_str()));
    ALLEGRO_AUDIO_STREAM* stream = audio.musicStream;
    al_rest(1.2);
    const double before = Position();
    ASSERT_GT(before, 0.8);
    std::string shouted = tune;
    std::transform(shouted.begin(), shouted.end(), shouted.begin(), [](unsigned char c) { return std::toupper(c); });
    ASSERT_TRUE(audio.PlayMusic(shouted.c_str()));
    EXPECT_EQ(audio.musicStream, stream) << "not loaded again";
    EXPECT_GE(Position(), before) << "not restarted";

    audio.TogglePauseMusic();
    const double paused = Position();
    al_rest(0.3);
    EXPECT_NEAR(Position(), paused, 0.05) << "a paused stream stays where it is";
    ASSERT_TRUE(audio.PlayMusic(shouted.c_str()));
    EXPECT_TRUE(Playing()) << "resumed";

    audio.RestartMusic();
    EXPECT_LT(Position(), 0.5) << "rewound while playing";
    al_rest(1.0);
    audio.TogglePauseMusic();
    const double pausedAgain = Position();
    ASSERT_GT(pausedAgain, 0.6);
    audio.RestartMusic();
    EXPECT_TRUE(Playing());
    EXPECT_GE(Position(), pausedAgain) << "resumed, not rewound, while paused";
}
