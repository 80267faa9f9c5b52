// The audio panel's layout, computed from the screen size at start-up.
#include "audio/audio.h"
#include "kwui/core.h"

#include <gtest/gtest.h>

#include <utility>

TEST(AudioPanelLayout, CentredOnTheScreenWithTheTransportRowInsideTheMusicFrame)
{
    const int savedW = kwScreenW, savedH = kwScreenH;
    kwScreenW = 800;
    kwScreenH = 600;
    AudioClass& audio = AudioClass::GetInstance();
    audio.CreateAudioPanel();
    kwScreenW = savedW;
    kwScreenH = savedH;

    EXPECT_EQ(audio.panelX1 + audio.panelX2, 800);
    EXPECT_EQ(audio.panelY1 + audio.panelY2, 600);
    EXPECT_EQ(audio.effectsSlider.value, &audio.soundVolume);
    EXPECT_EQ(audio.musicSlider.value, &audio.musicVolume);
    EXPECT_GT(audio.musicSlider.y, audio.effectsSlider.y);

    // The transport buttons in a row on the music frame's inner bottom, each with its key.
    const KW_Button* row[] = {&audio.playButton,  &audio.backButton, &audio.forwardButton,
                              &audio.pauseButton, &audio.stopButton, &audio.loadButton};
    const int hotKeys[] = {ALLEGRO_KEY_SPACE, ALLEGRO_KEY_LEFT, ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_P, ALLEGRO_KEY_S, ALLEGRO_KEY_F3};
    for (int i = 0; i < 6; ++i) {
        EXPECT_GE(row[i]->x, i ? row[i - 1]->x + row[i - 1]->width : audio.musicFrame.innerX1) << row[i]->text;
        EXPECT_EQ(row[i]->y + 36, audio.musicFrame.innerY2) << row[i]->text;
        EXPECT_EQ(row[i]->hotKey, hotKeys[i]) << row[i]->text;
    }
    const KW_Button &done = audio.doneButton, &defaults = audio.defaultsButton;
    EXPECT_LT(done.y + done.height, audio.panelY2);
    EXPECT_GT(defaults.x, done.x + done.width);
    EXPECT_EQ(std::pair(done.hotKey, defaults.hotKey), (std::pair<int, int>(ALLEGRO_KEY_ENTER, ALLEGRO_KEY_D)));
}
