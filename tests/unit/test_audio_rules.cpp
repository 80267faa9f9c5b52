// The audio object's pure rules: sound names, pan, level, the music position
// text and the "audio" settings of kwui2.ini.
#include "audio/audio.h"
#include "audio/audiorules.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(AudioNames, TrailingDigitsMakeVariantsAndTheFirstCharacterStaysUnlessTheNameIsOneDigit)
{
    // (the bank's loading test covers the plain cases: a/b7, a/b12, a/b, 9, x9)
    const std::pair<const char*, const char*> cases[] = {
        {"game/engine_idle.WAV", "game\\engine_idle"}, {"a/b12.wav", "a\\b"},
        {"123.wav", "1"},  // digits go back to the second position only
        // only the file's own extension goes; a dotted folder keeps its dot
        {"v1.2/tone3.wav", "v1.2\\tone"}, {"v1.2/tone", "v1.2\\tone"}};
    for (const auto& [path, name] : cases) EXPECT_EQ(SoundNameFromRelativePath(path), name) << path;
    EXPECT_TRUE(SoundNameFits(std::string(255, 'a')));
    EXPECT_FALSE(SoundNameFits(std::string(256, 'a')));
}

TEST(AudioRules, PanHasAHundredUnitDeadZoneLevelFallsToNothingAtTheHearingEdge)
{
    EXPECT_EQ(SoundPan(-100, 0), 0);
    EXPECT_EQ(SoundPan(-101, 0), -1);
    EXPECT_EQ(SoundPan(100, 0), 0);
    EXPECT_EQ(SoundPan(101, 0), 1);
    EXPECT_EQ(SoundPan(250, 200), 0) << "the dead zone is around the listener";

    EXPECT_FLOAT_EQ(SoundLevel(0.0f, 2000, 240), 240.0f);
    EXPECT_FLOAT_EQ(SoundLevel(1000.0f, 2000, 240), 120.0f);
    EXPECT_FLOAT_EQ(SoundLevel(2000.0f, 2000, 240), 0.0f);
    EXPECT_FLOAT_EQ(SoundLevel(0.0f, 2000, 0), 0.0f);
    EXPECT_FLOAT_EQ(SoundLevel(0.0f, 2000, 300), 300.0f) << "not clamped here: settings are held when read";

    EXPECT_EQ(MusicPositionText(75.9), "1:15");
    EXPECT_EQ(MusicPositionText(0.0), "0:00");
    EXPECT_EQ(MusicPositionText(600.2), "10:00");
}

TEST(AudioSettings, VolumesAreReadAsNumbersHeldToTheRangeAndWrittenAsDecimals)
{
    AudioSettings read = ReadAudioSettings(nullptr);
    EXPECT_EQ(read.soundVolume, 240);
    EXPECT_EQ(read.musicVolume, 140);
    EXPECT_EQ(read.musicLoadPath, "");

    ALLEGRO_CONFIG* config = al_create_config();
    AudioClass& audio = AudioClass::GetInstance();
    al_set_config_value(config, "video", "width", "800");
    audio.soundVolume = 1;
    audio.musicVolume = 2;
    audio.musicLoadPath = "old";
    audio.LoadSettings(config);
    EXPECT_EQ(audio.soundVolume, 240) << "a missing section gives the defaults";
    EXPECT_EQ(audio.musicVolume, 140);
    EXPECT_EQ(audio.musicLoadPath, "");

    al_set_config_value(config, "audio", "SoundVolume", " 81 dB");
    al_set_config_value(config, "audio", "MusicVolume", "loud");
    al_set_config_value(config, "audio", "MusicLoadPath", "base/music/tune 100%.xm");
    read = ReadAudioSettings(config);
    EXPECT_EQ(read.soundVolume, 81);
    EXPECT_EQ(read.musicVolume, 0);
    EXPECT_EQ(read.musicLoadPath, "base/music/tune 100%.xm");

    // Hand-edited volumes outside 0..255 are held to the range.
    const std::pair<const char*, int> held[] = {{"300", 255}, {"99999999999", 255}, {"-70", 0},
                                                {"-99999999999999999999", 0}};
    for (const auto& [text, expected] : held) {
        al_set_config_value(config, "audio", "SoundVolume", text);
        al_set_config_value(config, "audio", "MusicVolume", text);
        read = ReadAudioSettings(config);
        EXPECT_EQ(read.soundVolume, expected) << text;
        EXPECT_EQ(read.musicVolume, expected) << text;
    }
    al_destroy_config(config);

    ALLEGRO_CONFIG* out = al_create_config();
    audio.soundVolume = 7;
    audio.musicVolume = 255;
    audio.musicLoadPath = "music/a.xm";
    audio.SaveSettings(out);
    EXPECT_STREQ(al_get_config_value(out, "audio", "SoundVolume"), "7");
    EXPECT_STREQ(al_get_config_value(out, "audio", "MusicVolume"), "255");
    EXPECT_STREQ(al_get_config_value(out, "audio", "MusicLoadPath"), "music/a.xm");
    al_destroy_config(out);
    audio.soundVolume = 240;
    audio.musicVolume = 140;
    audio.musicLoadPath.clear();
}
