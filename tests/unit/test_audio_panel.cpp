// The audio panel's layout, computed from the screen size at start-up.
#include "audio/audio.h"
#include "kwui/core.h"

#include <gtest/gtest.h>

TEST(AudioPanelLayout, CentredOnAnEightHundredBySixHundredScreen)
{
    const int savedW = kwScreenW, savedH = kwScreenH;
    kwScreenW = 800;
    kwScreenH = 600;
    AudioClass& audio = AudioClass::GetInstance();
    audio.CreateAudioPanel();
    kwScreenW = savedW;
    kwScreenH = savedH;

    EXPECT_EQ(audio.panelX1, 85);
    EXPECT_EQ(audio.panelY1, 65);
    EXPECT_EQ(audio.panelX2, 715);
    EXPECT_EQ(audio.panelY2, 535);

    EXPECT_EQ(audio.effectsSlider.name, "Sound Volume");
    EXPECT_EQ(audio.effectsSlider.x, 105);
    EXPECT_EQ(audio.effectsSlider.y, 135);
    EXPECT_EQ(audio.effectsSlider.w, 590);
    EXPECT_EQ(audio.effectsSlider.max, 255);
    EXPECT_TRUE(audio.effectsSlider.levelColours);
    EXPECT_EQ(audio.effectsSlider.value, &audio.soundVolume);
    EXPECT_EQ(audio.musicSlider.name, "Music Volume");
    EXPECT_EQ(audio.musicSlider.y, 245);
    EXPECT_EQ(audio.musicSlider.value, &audio.musicVolume);
    EXPECT_EQ(audio.effectsFrame.caption, "Sound Effects");
    EXPECT_EQ(audio.musicFrame.caption, "Music");
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

    EXPECT_EQ(audio.doneButton.text, "Done");
    EXPECT_EQ(audio.doneButton.hotKey, ALLEGRO_KEY_ENTER);
    EXPECT_EQ(audio.doneButton.x, 90);
    EXPECT_EQ(audio.doneButton.height, 42);
    EXPECT_EQ(audio.doneButton.y, 535 - 42 - 5);
    EXPECT_EQ(audio.defaultsButton.text, "Defaults");
    EXPECT_EQ(audio.defaultsButton.hotKey, ALLEGRO_KEY_D);
    EXPECT_EQ(audio.defaultsButton.x, 90 + audio.doneButton.width + 5);
    EXPECT_EQ(audio.defaultsButton.width, audio.doneButton.width);
    EXPECT_EQ(audio.statusX, 105);
    EXPECT_EQ(audio.statusY, 305);
    EXPECT_EQ(audio.statusW, 590);
}
