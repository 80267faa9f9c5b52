// The audio panel's layout, computed from the screen size at start-up.
#include "audio/audio.h"
#include "kwui/core.h"

#include <gtest/gtest.h>

#include <array>

TEST(AudioPanelLayout, CentredOnAnEightHundredBySixHundredScreen)
{
    const int savedW = kwScreenW, savedH = kwScreenH;
    kwScreenW = 800;
    kwScreenH = 600;
    AudioClass& audio = AudioClass::GetInstance();
    audio.CreateAudioPanel();
    kwScreenW = savedW;
    kwScreenH = savedH;

    EXPECT_EQ((std::array{audio.panelX1, audio.panelY1, audio.panelX2, audio.panelY2}), (std::array{85, 65, 715, 535}));
    const SliderClass& effects = audio.effectsSlider;
    EXPECT_EQ((std::array{effects.x, effects.y, effects.w, effects.max}), (std::array{105, 135, 590, 255}));
    EXPECT_TRUE(effects.levelColours);
    EXPECT_EQ(effects.value, &audio.soundVolume);
    EXPECT_EQ(audio.musicSlider.y, 245);
    EXPECT_EQ(audio.musicSlider.value, &audio.musicVolume);
    EXPECT_EQ(audio.musicFrame.h, 260);

    // The transport row sits on the music frame's inner bottom, 34 apart.
    const KW_Button* row[] = {&audio.playButton,  &audio.backButton, &audio.forwardButton,
                              &audio.pauseButton, &audio.stopButton, &audio.loadButton};
    const char* captions[] = {"Play/Restart", "Skip Backward", "Skip Forward", "Pause/Resume", "Stop", "Load Music File"};
    const int hotKeys[] = {ALLEGRO_KEY_SPACE, ALLEGRO_KEY_LEFT, ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_P, ALLEGRO_KEY_S, ALLEGRO_KEY_F3};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(row[i]->x, audio.musicFrame.innerX1 + 4 + 34 * i) << captions[i];
        EXPECT_EQ(row[i]->y, audio.musicFrame.innerY2 - 36) << captions[i];
        EXPECT_EQ(row[i]->text, captions[i]);
        EXPECT_EQ(row[i]->hotKey, hotKeys[i]);
    }

    const KW_Button &done = audio.doneButton, &defaults = audio.defaultsButton;
    EXPECT_EQ((std::array{done.x, done.y, done.height, done.hotKey}), (std::array<int, 4>{90, 535 - 42 - 5, 42, ALLEGRO_KEY_ENTER}));
    EXPECT_EQ((std::array{defaults.x, defaults.width, defaults.hotKey}), (std::array<int, 3>{90 + done.width + 5, done.width, ALLEGRO_KEY_D}));
    EXPECT_EQ((std::array{audio.statusX, audio.statusY, audio.statusW}), (std::array{105, 305, 590}));
}
