// The audio object's pure rules: sound names, pan, level, the music position
// text and the "audio" settings of kwui2.ini.
#include "audio/audio.h"
#include "audio/audiorules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <array>
#include <fstream>
#include <tuple>
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
    EXPECT_EQ((std::array{SoundPan(-100, 0), SoundPan(-101, 0), SoundPan(100, 0), SoundPan(101, 0)}),
              (std::array{0, -1, 0, 1}));
    EXPECT_EQ(SoundPan(250, 200), 0) << "the dead zone is around the listener";
    EXPECT_FLOAT_EQ(SoundLevel(0.0f, 2000, 240), 240.0f);
    EXPECT_FLOAT_EQ(SoundLevel(2000.0f, 2000, 240), 0.0f);
    EXPECT_EQ(MusicPositionText(75.9), "1:15");
    EXPECT_EQ(MusicPositionText(600.2), "10:00");
}

TEST(AudioSettings, VolumesAreReadAsNumbersHeldToTheRangeAndWrittenAsDecimals)
{
    ALLEGRO_CONFIG* config = al_create_config();
    AudioClass& audio = AudioClass::GetInstance();
    al_set_config_value(config, "video", "width", "800");
    audio.soundVolume = 1;
    audio.musicVolume = 2;
    audio.musicLoadPath = "old";
    audio.LoadSettings(config);
    EXPECT_EQ(std::pair(audio.soundVolume, audio.musicVolume), std::pair(240, 140)) << "a missing section gives the defaults";
    EXPECT_EQ(audio.musicLoadPath, "");

    al_set_config_value(config, "audio", "SoundVolume", " 81 dB");
    al_set_config_value(config, "audio", "MusicVolume", "loud");
    al_set_config_value(config, "audio", "MusicLoadPath", "base/music/tune 100%.xm");
    AudioSettings read = ReadAudioSettings(config);
    EXPECT_EQ(std::pair(read.soundVolume, read.musicVolume), std::pair(81, 0));
    EXPECT_EQ(read.musicLoadPath, "base/music/tune 100%.xm");
    ASSERT_EQ(read.problems.size(), 1u) << "a number with a unit is still a volume";
    EXPECT_EQ(read.problems[0], "MusicVolume in kwui2.ini is not a number from 0 to 255 (\"loud\"); 0 is used");

    // Hand-edited volumes outside 0..255 are held to the range.
    const std::pair<const char*, int> held[] = {{"300", 255}, {"99999999999", 255}, {"-70", 0},
                                                {"-99999999999999999999", 0}};
    for (const auto& [text, expected] : held) {
        al_set_config_value(config, "audio", "SoundVolume", text);
        al_set_config_value(config, "audio", "MusicVolume", text);
        read = ReadAudioSettings(config);
        EXPECT_EQ(std::pair(read.soundVolume, read.musicVolume), std::pair(expected, expected)) << text;
        // Each is noted for the error log, with what is used instead.
        ASSERT_EQ(read.problems.size(), 2u) << text;
        EXPECT_EQ(read.problems[0].rfind("SoundVolume in kwui2.ini is not a volume from 0 to 255 (\"" +
                                             std::string(text).substr(0, 20), 0), 0u) << read.problems[0];
        EXPECT_NE(read.problems[1].find("; " + std::to_string(expected) + " is used"), std::string::npos);
    }
    al_set_config_value(config, "audio", "SoundVolume", "0");
    al_set_config_value(config, "audio", "MusicVolume", "255");
    EXPECT_TRUE(ReadAudioSettings(config).problems.empty()) << "the ends of the range are volumes";
    al_destroy_config(config);

    ALLEGRO_CONFIG* out = al_create_config();
    audio.soundVolume = 7;
    audio.musicVolume = 255;
    audio.musicLoadPath = "music/a.xm";
    audio.SaveSettings(out);
    EXPECT_STREQ(al_get_config_value(out, "audio", "SoundVolume"), "7");
    EXPECT_STREQ(al_get_config_value(out, "audio", "MusicLoadPath"), "music/a.xm");
    al_destroy_config(out);
    audio.soundVolume = 240;
    audio.musicVolume = 140;
    audio.musicLoadPath.clear();
}

TEST(AudioRules, WavDataExtentWalksTheChunksAndMeasuresWhatFollowsData)
{
    const std::string fmt = std::string("fmt \x10\0\0\0", 8) + std::string(16, '\1');
    const std::string riff = std::string("RIFF\0\0\0\0WAVE", 12);
    const struct {
        std::string bytes;
        bool riff;
        uint64_t declared, present;
    } cases[] = {
        {riff + fmt + std::string("data\x10\0\0\0", 8), true, 16, 0},                            // header only
        {riff + fmt + std::string("data\0\0\0\0", 8), true, 0, 0},                               // says none
        {riff + fmt + std::string("data\x10\0\0\0", 8) + "abcdef", true, 16, 6},                 // cut short
        {riff + fmt + std::string("data\x04\0\0\0", 8) + "abcdefgh", true, 4, 4},                // more after it
        {riff + std::string("LIST\x03\0\0\0xyz\0", 12) + std::string("data\x02\0\0\0ab", 10), true, 2, 2},  // odd pad
        {riff + fmt, false, 0, 0},                                                               // no data chunk
        {riff + std::string("LIST\xff\xff\xff\x7f", 8) + std::string("data\x02\0\0\0ab", 10), false, 0, 0},
        {"not a wave file", false, 0, 0}};
    const std::string path = testing::TempDir() + "extent_test.wav";
    for (size_t i = 0; i < std::size(cases); ++i) {
        std::ofstream(path, std::ios::binary) << cases[i].bytes;
        const WavDataExtent extent = InspectWavData(path.c_str());
        EXPECT_EQ(std::tuple(extent.riff, extent.declaredBytes, extent.presentBytes),
                  std::tuple(cases[i].riff, cases[i].declared, cases[i].present)) << "case " << i;
    }
    std::remove(path.c_str());
    EXPECT_FALSE(InspectWavData((testing::TempDir() + "no_such.wav").c_str()).riff);
}
