// The audio object's pure rules: sound names, pan, level, the music position
// text and the "audio" settings of kwui2.ini.
#include "audio/audiorules.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <tuple>

TEST(AudioRules, NamesPanLevelAndThePositionText)
{
    // (the bank's loading test covers the plain cases: a/b7, a/b12, a/b, 9, x9)
    const std::pair<const char*, const char*> cases[] = {
        {"game/engine_idle.WAV", "game\\engine_idle"},
        {"123.wav", "1"},  // digits go back to the second position only
        {"v1.2/tone3.wav", "v1.2\\tone"}, {"v1.2/tone", "v1.2\\tone"}};  // a dotted folder keeps its dot
    for (const auto& [path, name] : cases) EXPECT_EQ(SoundNameFromRelativePath(path), name) << path;
    EXPECT_TRUE(SoundNameFits(std::string(255, 'a')));
    EXPECT_FALSE(SoundNameFits(std::string(256, 'a')));

    EXPECT_EQ((std::array{SoundPan(-100, 0), SoundPan(-101, 0), SoundPan(101, 0), SoundPan(250, 200)}),
              (std::array{0, -1, 1, 0})) << "a dead zone of 100 around the listener";
    EXPECT_FLOAT_EQ(SoundLevel(0.0f, 2000, 240), 240.0f);
    EXPECT_FLOAT_EQ(SoundLevel(2000.0f, 2000, 240), 0.0f);
    EXPECT_EQ(MusicPositionText(75.9), "1:15");
}

TEST(AudioSettings, VolumesAreReadAsNumbersAndHeldToTheRange)
{
    ALLEGRO_CONFIG* config = al_create_config();
    al_set_config_value(config, "audio", "SoundVolume", " 81 dB");
    al_set_config_value(config, "audio", "MusicVolume", "loud");
    al_set_config_value(config, "audio", "MusicLoadPath", "base/music/tune 100%.xm");
    AudioSettings read = ReadAudioSettings(config);
    EXPECT_EQ(std::pair(read.soundVolume, read.musicVolume), std::pair(81, 0));
    EXPECT_EQ(read.musicLoadPath, "base/music/tune 100%.xm");
    EXPECT_EQ(read.problems, std::vector<std::string>{"MusicVolume in kwui2.ini is not a number from 0 to 255 (\"loud\"); 0 is used"})
        << "a number with a unit is still a volume";

    // Hand-edited volumes outside 0..255 are held to the range, and noted with what is used instead.
    for (const auto& [text, expected] : {std::pair{"300", 255}, {"99999999999", 255}, {"-99999999999999999999", 0}}) {
        al_set_config_value(config, "audio", "SoundVolume", text);
        read = ReadAudioSettings(config);
        EXPECT_EQ(read.soundVolume, expected) << text;
        ASSERT_EQ(read.problems.size(), 2u) << text;
        EXPECT_EQ(read.problems[0].rfind("SoundVolume in kwui2.ini is not a volume from 0 to 255 (\"" +
                                             std::string(text).substr(0, 20), 0), 0u) << read.problems[0];
        EXPECT_NE(read.problems[0].find("; " + std::to_string(expected) + " is used"), std::string::npos);
    }
    al_set_config_value(config, "audio", "SoundVolume", "0");
    al_set_config_value(config, "audio", "MusicVolume", "255");
    EXPECT_TRUE(ReadAudioSettings(config).problems.empty()) << "the ends of the range are volumes";
    al_destroy_config(config);
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
    EXPECT_FALSE(InspectWavData((testing::TempDir() + "no_such.wav").c_str()).riff);
}
