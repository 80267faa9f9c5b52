// The music stream against the real sound system: a second request for the
// same tune, pause and resume, restart, stop, and files that do not play.
#include "test_audio_support.h"

#include <algorithm>
#include <cctype>

using audiotest::AudioDevice;
using audiotest::WriteTone;

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

