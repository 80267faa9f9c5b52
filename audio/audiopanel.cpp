// The "Audio Panel": effect and music volumes on two sliders (the test sound
// plays while the effects volume moves), the music transport, the music
// status display and the music file chooser. A modal screen of its own.
#include "audio/audio.h"

#include "kwui/console.h"
#include "kwui/core.h"
#include "kwui/dialogs.h"
#include "kwui/draw.h"
#include "kwui/filedialog.h"
#include "kwui/frame.h"
#include "kwui/input.h"
#include "kwui/tooltip.h"

static constexpr int kPanelW = 630;
static constexpr int kPanelH = 470;
static constexpr int kSliderW = 590;
static constexpr int kSliderH = 24;
static constexpr int kButtonStep = 34;
static constexpr double kSkipSeconds = 5.0;
static constexpr int kDefaultSoundVolume = 240;
static constexpr int kDefaultMusicVolume = 140;

// [SECTION] Layout

struct PanelButton {
    KW_Button AudioClass::*button;
    const char* icon;
    const char* caption;
    int hotKey;
};

// The transport row, left to right.
static const PanelButton kTransport[] = {
    {&AudioClass::playButton, "play", "Play/Restart", ALLEGRO_KEY_SPACE},
    {&AudioClass::backButton, "ptrack", "Skip Backward", ALLEGRO_KEY_LEFT},
    {&AudioClass::forwardButton, "ntrack", "Skip Forward", ALLEGRO_KEY_RIGHT},
    {&AudioClass::pauseButton, "pause", "Pause/Resume", ALLEGRO_KEY_P},
    {&AudioClass::stopButton, "stop", "Stop", ALLEGRO_KEY_S},
    {&AudioClass::loadButton, "load", "Load Music File", ALLEGRO_KEY_F3},
};
static constexpr int kTransportCount = static_cast<int>(sizeof kTransport / sizeof kTransport[0]);
static const char* const kDoneIcon = "yes";
static const char* const kDefaultsIcon = "reset";

static void SetUpVolumeSlider(SliderClass& slider, const char* name, int x, int y, int32_t* value)
{
    slider = SliderClass{};
    slider.name = name;
    slider.x = x;
    slider.y = y;
    slider.w = kSliderW;
    slider.h = kSliderH;
    slider.min = 0;
    slider.max = 255;
    slider.value = value;
    slider.vertical = false;
    slider.thumbLength = -1;
    slider.pageSize = -1;
    slider.levelColours = true;
}

void AudioClass::CreateAudioPanel()
{
    panelX1 = (kwScreenW - kPanelW) / 2;
    panelY1 = (kwScreenH - kPanelH) / 2;
    panelX2 = panelX1 + kPanelW;
    panelY2 = panelY1 + kPanelH;

    FrameBoxClass::Create(effectsFrame, "Sound Effects", panelX1, panelY1 + 30, 120);
    SetUpVolumeSlider(effectsSlider, "Sound Volume", panelX1 + 20, panelY1 + 70, &soundVolume);
    FrameBoxClass::Create(musicFrame, "Music", panelX1, panelY1 + 140, 260);
    SetUpVolumeSlider(musicSlider, "Music Volume", panelX1 + 20, panelY1 + 180, &musicVolume);

    statusX = panelX1 + 20;
    statusY = panelY1 + 240;
    statusW = kSliderW;
    statusH = KW_LineHeight() + KW_MediumLineHeight() + 4;

    const int rowX = musicFrame.innerX1 + 4;
    const int rowY = musicFrame.innerY2 - 36;
    for (int i = 0; i < kTransportCount; ++i) {
        const PanelButton& entry = kTransport[i];
        KW_CreateButton(this->*entry.button, rowX + i * kButtonStep, rowY, entry.caption, entry.hotKey, entry.icon);
    }

    const int wideW = KW_TextWidth("0000000000") + 32;
    const int wideH = 42;
    KW_CreateButton(doneButton, 0, 0, "Done", ALLEGRO_KEY_ENTER, kDoneIcon);
    KW_SetButtonSize(doneButton, wideW, wideH);
    doneButton.x = panelX1 + 5;
    doneButton.y = panelY2 - wideH - 5;
    KW_CreateButton(defaultsButton, 0, 0, "Defaults", ALLEGRO_KEY_D, kDefaultsIcon);
    KW_SetButtonSize(defaultsButton, wideW, wideH);
    defaultsButton.x = panelX1 + 5 + doneButton.width + 5;
    defaultsButton.y = doneButton.y;

    panelCreated = true;
}

// [SECTION] Status display

static ALLEGRO_COLOR Rgb(int r, int g, int b)
{
    return al_map_rgb(static_cast<unsigned char>(r), static_cast<unsigned char>(g), static_cast<unsigned char>(b));
}

// The second line of the status display for the music's state.
static void DrawMusicState(const AudioClass& audio, int y)
{
    KW_DateTime now;
    KW_GetDateTime(now);
    if (!audio.musicStream) {
        KW_DrawFontText(kwFont, 2, y, Rgb(151, 151, 151), "No music loaded, click \"Load Music File\" or press F3");
    } else if (audio.musicPaused) {
        if (now.hundredths >= 50) KW_DrawFontText(kwFont, 2, y, Rgb(230, 0, 0), "Paused");
    } else {
        std::string text = "Playing";
        text.append(static_cast<size_t>(now.hundredths / 12), '.');
        KW_DrawFontText(kwFont, 2, y, Rgb(255, 255, 255), text.c_str());
    }
}

static void DrawStatus(AudioClass& audio)
{
    ALLEGRO_BITMAP* screen = KW_FrameBitmap();
    if (!screen) return;
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    al_set_target_bitmap(screen);
    audio.statusBitmap = KW_TargetSubBitmap(audio.statusX, audio.statusY, audio.statusW, audio.statusH);
    if (!audio.statusBitmap) {
        al_set_target_bitmap(previous ? previous : screen);
        return;
    }
    KW_DrawBevelBox(0, 0, audio.statusW - 1, audio.statusH - 1, 255, Rgb(0, 8, 0), Rgb(0, 64, 0), Rgb(0, 20, 0));
    KW_DrawFontTextF(kwFontMedium, 2, 2, Rgb(0, 255, 0), "%s %s", audio.GetMusicPositionText().c_str(),
                     audio.musicFileName.c_str());
    DrawMusicState(audio, KW_MediumLineHeight() + 2);
    al_set_target_bitmap(previous ? previous : screen);

    al_destroy_bitmap(audio.statusBitmap);
    audio.statusBitmap = nullptr;
}

// [SECTION] The panel's frame and loop

bool AudioClass::DoAudioPanel()
{
    bool close = false;

    KW_DrawWindowFrame(panelX1, panelY1, panelX2, panelY2, "%s", "Audio Panel");
    FrameBoxClass::Draw(effectsFrame);
    FrameBoxClass::Draw(musicFrame);

    if (KW_DoButton(playButton)) RestartMusic();
    if (KW_DoButton(backButton)) SkipMusic(-kSkipSeconds);
    if (KW_DoButton(forwardButton)) SkipMusic(kSkipSeconds);
    if (KW_DoButton(pauseButton)) TogglePauseMusic();
    if (KW_DoButton(stopButton)) StopMusic();
    if (KW_DoButton(loadButton)) SelectMusicFile();

    const int32_t soundVolumeBefore = soundVolume;
    SliderClass::Update(effectsSlider);
    SliderClass::Update(musicSlider);

    DrawStatus(*this);

    if (KW_DoButton(doneButton)) close = true;
    if (KW_DoButton(defaultsButton) &&
        KW_Confirm("%s", "Are you sure that you want to set default sound and music volume levels?")) {
        soundVolume = kDefaultSoundVolume;
        musicVolume = kDefaultMusicVolume;
    }

    // Every frame, so that the music slider is heard while it moves.
    if (musicStream) al_set_audio_stream_gain(musicStream, static_cast<float>(musicVolume) / 255.0f);

    if (soundVolume != soundVolumeBefore && volumeTestSound != -1 && KW_TimerTickOf(panelTimer, kwTickRate))
        PlaySoundNumber(volumeTestSound);

    if (kwKeyPending && (kwKeyCode == ALLEGRO_KEY_F5 || kwKeyCode == ALLEGRO_KEY_ESCAPE)) close = true;
    return close;
}

void AudioClass::RunAudioPanel()
{
    // Laid out at start-up; also when the sound system did not start, so
    // that the volumes can still be set.
    if (!panelCreated) CreateAudioPanel();
    // The icons are taken afresh: a change of display mode reloads them.
    for (const PanelButton& entry : kTransport) (this->*entry.button).icon = KW_GetInternalTexture(entry.icon);
    doneButton.icon = KW_GetInternalTexture(kDoneIcon);
    defaultsButton.icon = KW_GetInternalTexture(kDefaultsIcon);
    KW_ClearKey();
    KW_StartTimer(panelTimer);
    for (;;) {
        KW_RedrawAll();  // the music's position and state run on
        al_clear_to_color(al_map_rgb(0, 0, 0));
        const bool close = DoAudioPanel();
        KW_PresentFrame();
        if (close) break;
    }
}

// [SECTION] Music file chooser

bool AudioClass::SelectMusicFile()
{
    static const char* const kMusicExtensions[] = {"flac", "ogg", "wav", "it", "mod", "s3m", "xm"};
    bool chosen;
    std::string path;
    {
        KW_ModalScope modal;
        FileDialogClass dialog;
        dialog.create();
        dialog.SetStartPath(musicLoadPath);
        for (const char* extension : kMusicExtensions) dialog.AddExtension(extension);
        dialog.resultLimit = kPathBufferSize - 1;
        chosen = dialog.Run();
        if (chosen) path = dialog.Result();
        dialog.Close();
    }
    if (!chosen) return false;
    return PlayMusic(path.c_str());
}
