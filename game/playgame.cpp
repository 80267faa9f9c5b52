// The game loop: steering, mowing, clouds, sounds, the status line, pause,
// the level clock and the endings, frame by frame.
#include "game/playgame.h"
#include "game/playstate.h"

#include "audio/audio.h"
#include "game/controls.h"
#include "game/gamepad.h"
#include "game/resources.h"
#include "game/results.h"
#include "kwui/button.h"
#include "kwui/kwui.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <string>

// Held together, these three letters cut the whole level (for testing levels).
static const int kChordKeys[3] = {ALLEGRO_KEY_J, ALLEGRO_KEY_Q, ALLEGRO_KEY_Z};

// ---------------------------------------------------------------------------
// [SECTION] Drawing

// Tiles and the finished map window are opaque: copying their pixels
// instead of blending them gives the same picture for less work per pixel.
namespace {
struct CopyBlending {
    int op, source, destination;
    CopyBlending()
    {
        al_get_blender(&op, &source, &destination);
        al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
    }
    ~CopyBlending() { al_set_blender(op, source, destination); }
};
}  // namespace

void DrawField()
{
    // One held batch from the tile atlas, cut cells as the mown-grass tile.
    const CopyBlending copy;
    gPlay.map.Draw(0.0f, 0.0f, &gPlay.cutFlags[0][0]);
}

// Boxes of field pixels, edges inclusive; an empty one has right < left.
namespace {
constexpr PixelBox kNoBox{0, 0, -1, -1};

bool IsEmpty(const PixelBox& box) { return box.right < box.left || box.bottom < box.top; }

PixelBox Union(const PixelBox& a, const PixelBox& b)
{
    if (IsEmpty(a)) return b;
    if (IsEmpty(b)) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

bool SameBox(const PixelBox& a, const PixelBox& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

int Area(const PixelBox& box) { return IsEmpty(box) ? 0 : (box.right - box.left + 1) * (box.bottom - box.top + 1); }

PixelBox Grown(const PixelBox& box, int by)
{
    if (IsEmpty(box)) return box;
    return {std::max(0, box.left - by), std::max(0, box.top - by), std::min(kFieldWidth - 1, box.right + by),
            std::min(kFieldHeight - 1, box.bottom + by)};
}

// The field under the mower and the clouds, kept as a picture of its own and
// drawn again only when a cell is cut, grows back or the level changes; each
// frame of a scaled map window starts as a plain copy of it.
struct FieldPicture {
    ALLEGRO_BITMAP* bitmap = nullptr;
    ALLEGRO_DISPLAY* display = nullptr;
    const ALLEGRO_BITMAP* atlas = nullptr;
    std::string tileSetFile;
    decltype(gPlay.map.cells) cells{};
    uint8_t cutFlags[kFieldRows][kFieldColumns]{};

    void Forget()
    {
        if (bitmap && al_is_system_installed()) al_destroy_bitmap(bitmap);
        bitmap = nullptr;
        display = nullptr;
    }
    bool SameLevel() const
    {
        return bitmap && display == al_get_current_display() && atlas == gPlay.map.tileSet.GetAtlas() &&
               tileSetFile == gPlay.map.tileSet.fileName && cells == gPlay.map.cells;
    }
    // The cells cut or grown back since the picture was drawn, in field pixels.
    PixelBox ChangedCells() const
    {
        PixelBox changed = kNoBox;
        for (int row = 0; row < kFieldRows; ++row)
            for (int column = 0; column < kFieldColumns; ++column)
                if (cutFlags[row][column] != gPlay.cutFlags[row][column])
                    changed = Union(changed, {column * 32, row * 32, column * 32 + 31, row * 32 + 31});
        return changed;
    }
    // Draws the field into the kept picture when it changed; false without
    // one. `changed` says where it changed: nowhere, some cells, or (`whole`)
    // all of it.
    bool Refresh(PixelBox& changed, bool& whole)
    {
        whole = !SameLevel();
        changed = whole ? PixelBox{0, 0, kFieldWidth - 1, kFieldHeight - 1} : ChangedCells();
        if (IsEmpty(changed)) return true;
        if (!bitmap || display != al_get_current_display()) {
            Forget();
            bitmap = al_create_bitmap(kFieldWidth, kFieldHeight);
            if (!bitmap) return false;
            display = al_get_current_display();
        }
        ALLEGRO_BITMAP* previous = al_get_target_bitmap();
        al_set_target_bitmap(bitmap);
        DrawField();
        al_set_target_bitmap(previous);
        atlas = gPlay.map.tileSet.GetAtlas();
        tileSetFile = gPlay.map.tileSet.fileName;
        cells = gPlay.map.cells;
        std::memcpy(cutFlags, gPlay.cutFlags, sizeof cutFlags);
        return true;
    }
};
FieldPicture gFieldPicture;

// Where the screen keeps its last frame after a flip, a scaled field is drawn
// again only where something on it changed: where the mower and each cloud
// were and are now, and the cells cut or grown back. Each such patch is put
// together at 1:1 in the map window (the field copied, then the sprites) and
// the map window is scaled onto the screen inside the patch's clip, so every
// pixel gets what a whole frame would give it. A frame is drawn whole when
// anything else may have drawn on the screen since: another screen's frames
// (a pause, a dialog, the audio panel), console lines or a tool tip, F11.
struct PatchedFrames {
    bool valid = false;      // the screen holds the last frame drawn here
    bool patched = false;    // this frame is drawn in patches
    unsigned presented = 0;  // frames presented when it was drawn
    const ALLEGRO_BITMAP* screen = nullptr;
    int screenW = 0, screenH = 0;
    std::vector<PixelBox> sprites;  // where each sprite was drawn, in field pixels
    std::vector<PixelBox> patches;  // this frame's, in field pixels
};
PatchedFrames gPatches;

// Filtered drawing reaches a pixel past what it covers, and a scaled pixel
// reads one beyond: the margins keep every patch's edge unchanged.
constexpr int kChangeMargin = 2, kComposeMargin = 2;

// The field pixels a Draw of `sprite` at x, y may touch: any of its frames,
// turned any way when `turns`, and its shadow `shadow` pixels down and right.
PixelBox SpriteArea(const Sprite& sprite, int x, int y, int shadow, bool turns)
{
    PixelBox area = kNoBox;
    const int centreX = x + sprite.centreX, centreY = y + sprite.centreY;
    for (const SpriteFrame& frame : sprite.frames) {
        if (!frame.image) continue;
        const int width = al_get_bitmap_width(frame.image), height = al_get_bitmap_height(frame.image);
        int left = width / 2, right = width - width / 2, up = height / 2, down = height - height / 2;
        if (turns) {
            const int reach = static_cast<int>(std::ceil(std::hypot(width, height) / 2.0));
            left = right = up = down = reach;
        }
        const PixelBox box{centreX - left, centreY - up, centreX + right, centreY + down};
        area = Union(area, box);
        if (frame.hasShadow && shadow > 0)
            area = Union(area, {box.left + shadow, box.top + shadow, box.right + shadow, box.bottom + shadow});
    }
    return Grown(area, kChangeMargin);
}

// The mower, then each cloud, in the order they are drawn.
std::vector<PixelBox> SpriteAreas()
{
    std::vector<PixelBox> areas;
    areas.push_back(SpriteArea(gResources.mowerSprite, static_cast<int>(gPlay.mowerX),
                               static_cast<int>(gPlay.mowerY), 1, true));
    for (const Cloud& cloud : gPlay.clouds)
        areas.push_back(cloud.sprite ? SpriteArea(*cloud.sprite, static_cast<int>(cloud.x),
                                                  static_cast<int>(cloud.y), 32, false)
                                     : kNoBox);
    return areas;
}

// The field pixels under a screen rectangle (inclusive), or none.
PixelBox FieldBoxOf(int x1, int y1, int x2, int y2)
{
    const double across = static_cast<double>(gPlay.windowWidth) / kFieldWidth;
    const double down = static_cast<double>(gPlay.windowHeight) / kFieldHeight;
    const PixelBox box{static_cast<int>(std::floor((x1 - gPlay.windowX) / across)),
                       static_cast<int>(std::floor(y1 / down)),
                       static_cast<int>(std::ceil((x2 + 1 - gPlay.windowX) / across)),
                       static_cast<int>(std::ceil((y2 + 1) / down))};
    if (box.right < 0 || box.bottom < 0 || box.left >= kFieldWidth || box.top >= kFieldHeight) return kNoBox;
    return Grown(box, 0);
}

// This frame's patches, or false when it is to be drawn whole. Console
// lines the last frame drew are a patch of their own (the field under them
// and the sides around it are drawn again before they are drawn anew).
bool PlanPatches(const std::vector<PixelBox>& sprites, const PixelBox& changedCells, bool fieldWhole)
{
    PatchedFrames& state = gPatches;
    state.patches.clear();
    const KW_FrameOverlays& overlays = KW_LastFrameOverlays();
    if (fieldWhole || !state.valid || !KW_FrameKeptAfterShow() || overlays.toolTips ||
        KW_FramesPresented() - state.presented > 1 || state.screen != KW_FrameBitmap() ||
        state.screenW != kwScreenW || state.screenH != kwScreenH || state.sprites.size() != sprites.size())
        return false;
    auto add = [&state](const PixelBox& box) {
        if (!IsEmpty(box)) state.patches.push_back(box);
    };
    add(Grown(changedCells, kChangeMargin));
    if (overlays.console) add(Grown(FieldBoxOf(overlays.x1, overlays.y1, overlays.x2, overlays.y2), kChangeMargin));
    for (size_t i = 0; i < sprites.size(); ++i) {
        const PixelBox& was = state.sprites[i];
        const PixelBox& now = sprites[i];
        // A cloud of one frame that did not move shows the same pixels (a
        // patch it shares with something that did move draws it there).
        const Sprite* cloud = i > 0 ? gPlay.clouds[i - 1].sprite : nullptr;
        if (cloud && cloud->frames.size() <= 1 && SameBox(was, now)) continue;
        // A sprite that moved a little is one patch; one that jumped, two.
        if (Area(Union(was, now)) <= Area(was) + Area(now)) {
            add(Union(was, now));
        } else {
            add(was);
            add(now);
        }
    }
    // Patches that overlap much are drawn as one.
    for (bool merged = true; merged;) {
        merged = false;
        for (size_t i = 0; i < state.patches.size() && !merged; ++i)
            for (size_t j = i + 1; j < state.patches.size() && !merged; ++j) {
                const PixelBox both = Union(state.patches[i], state.patches[j]);
                if (Area(both) > Area(state.patches[i]) + Area(state.patches[j])) continue;
                state.patches[i] = both;
                state.patches.erase(state.patches.begin() + static_cast<long>(j));
                merged = true;
            }
    }
    return true;
}
}  // namespace

void ForgetFieldPicture()
{
    gFieldPicture.Forget();
    gPatches = PatchedFrames{};
}

void FormatLevelLine(char* buffer, int size, int levelNumber, const char* title, double percent)
{
    std::snprintf(buffer, size, "Level %d: %s (%.1f%% complete)", levelNumber, title, percent);
}

bool MapWindowIsUnscaled()
{
    return gPlay.windowWidth == kFieldWidth && gPlay.windowHeight == kFieldHeight;
}

// Clears the screen around the map window (the status band only, when the
// sides still hold the last frame's clear); the window itself is covered by
// the scaled map.
static void ClearAroundMapWindow(bool sides)
{
    int clipX, clipY, clipW, clipH;
    al_get_clipping_rectangle(&clipX, &clipY, &clipW, &clipH);
    const ALLEGRO_COLOR background = KW_Colour(KWC_Background);
    const int right = gPlay.windowX + gPlay.windowWidth;
    const int parts[3][4] = {
        {0, 0, gPlay.windowX, gPlay.windowHeight},
        {right, 0, kwScreenW - right, gPlay.windowHeight},
        {0, gPlay.windowHeight, kwScreenW, kwScreenH - gPlay.windowHeight},
    };
    for (const auto& part : parts) {
        if (part[2] <= 0 || part[3] <= 0 || (!sides && part[1] == 0)) continue;
        al_set_clipping_rectangle(clipX, clipY, clipW, clipH);
        KW_ClipWithin(part[0], part[1], part[2], part[3]);
        al_clear_to_color(background);
    }
    al_set_clipping_rectangle(clipX, clipY, clipW, clipH);
}

static void MoveClouds()
{
    for (Cloud& cloud : gPlay.clouds) UpdateCloud(cloud);
}

// The mower, then each cloud, with the field's top-left corner at (left, 0)
// of the current target.
static void DrawMowerAndClouds(int left)
{
    gResources.mowerSprite.Draw(static_cast<int>(gPlay.mowerX) + left, static_cast<int>(gPlay.mowerY), 1,
                                static_cast<uint8_t>(static_cast<int>(gPlay.heading) % 256), 1, 255);
    for (Cloud& cloud : gPlay.clouds)
        if (cloud.sprite)
            cloud.sprite->Draw(static_cast<int>(cloud.x) + left, static_cast<int>(cloud.y), 32, 0, 1, 128);
}

void DrawPlayArea()
{
    if (MapWindowIsUnscaled()) {
        // Shown 1:1, the map window would only be copied: draw it in place,
        // clipped to its rectangle, and spare the copy and two target changes.
        // The one clear also gives a cell without a tile the background colour.
        al_clear_to_color(KW_Colour(KWC_Background));
        int clipX, clipY, clipW, clipH;
        al_get_clipping_rectangle(&clipX, &clipY, &clipW, &clipH);
        KW_ClipWithin(gPlay.windowX, 0, kFieldWidth, kFieldHeight);
        gPlay.map.Draw(static_cast<float>(gPlay.windowX), 0.0f, &gPlay.cutFlags[0][0]);
        MoveClouds();
        DrawMowerAndClouds(gPlay.windowX);
        al_set_clipping_rectangle(clipX, clipY, clipW, clipH);
        return;
    }
    ALLEGRO_BITMAP* backBuffer = al_get_target_bitmap();
    PixelBox changedCells = kNoBox;
    bool fieldWhole = true;
    const bool kept = gFieldPicture.Refresh(changedCells, fieldWhole);
    MoveClouds();
    std::vector<PixelBox> sprites = SpriteAreas();
    PatchedFrames& patches = gPatches;
    patches.patched = kept && PlanPatches(sprites, changedCells, fieldWhole);
    ClearAroundMapWindow(!patches.patched || KW_LastFrameOverlays().console);
    al_set_target_bitmap(gPlay.mapWindow);
    if (patches.patched) {
        const CopyBlending copy;
        for (const PixelBox& patch : patches.patches) {
            const PixelBox from = Grown(patch, kComposeMargin);
            al_draw_bitmap_region(gFieldPicture.bitmap, from.left, from.top, from.right - from.left + 1,
                                  from.bottom - from.top + 1, from.left, from.top, 0);
        }
    } else if (kept) {
        const CopyBlending copy;
        al_draw_bitmap(gFieldPicture.bitmap, 0, 0, 0);
    } else {
        DrawField();
    }
    DrawMowerAndClouds(0);
    al_set_target_bitmap(backBuffer);
    patches.valid = true;
    patches.presented = KW_FramesPresented();
    patches.screen = KW_FrameBitmap();
    patches.screenW = kwScreenW;
    patches.screenH = kwScreenH;
    patches.sprites = std::move(sprites);
}

void ShowPlayArea()
{
    if (MapWindowIsUnscaled()) return;  // already drawn in place
    const CopyBlending copy;
    const auto scale = [] {
        al_draw_scaled_bitmap(gPlay.mapWindow, 0, 0, kFieldWidth, kFieldHeight, gPlay.windowX, 0, gPlay.windowWidth,
                              gPlay.windowHeight, 0);
    };
    if (!gPatches.patched) {
        scale();
        return;
    }
    const double across = static_cast<double>(gPlay.windowWidth) / kFieldWidth;
    const double down = static_cast<double>(gPlay.windowHeight) / kFieldHeight;
    int clipX, clipY, clipW, clipH;
    al_get_clipping_rectangle(&clipX, &clipY, &clipW, &clipH);
    for (const PixelBox& patch : gPatches.patches) {
        const int left = gPlay.windowX + static_cast<int>(std::floor(patch.left * across));
        const int top = static_cast<int>(std::floor(patch.top * down));
        const int right = gPlay.windowX + static_cast<int>(std::ceil((patch.right + 1) * across));
        const int bottom = static_cast<int>(std::ceil((patch.bottom + 1) * down));
        KW_ClipWithin(left, top, right - left, bottom - top);
        scale();
        al_set_clipping_rectangle(clipX, clipY, clipW, clipH);
    }
}

int LevelLineY(int lineLeft, int lineRight, int stripTop, int stripHeight, int lineHeight, const PixelBox& button)
{
    const int top = stripTop + 2;
    const bool overlaps = lineLeft <= button.right && lineRight >= button.left && top <= button.bottom &&
                          top + lineHeight >= button.top;
    return overlaps ? stripHeight - lineHeight - 2 : 2;
}

// The level line changes only when a cell is cut or grows back, or with the
// level: its text and width are kept from frame to frame until then.
namespace {
struct LevelLineCache {
    int levelNumber = -1, cutCount = -1, grassTotal = -1;
    std::string title;
    const ALLEGRO_FONT* font = nullptr;
    char text[256] = "";
    int width = 0;
};
LevelLineCache gLevelLine;
}  // namespace

static const LevelLineCache& CurrentLevelLine()
{
    LevelLineCache& line = gLevelLine;
    const int levelNumber = gPlay.levelIndex + 1;
    if (line.levelNumber != levelNumber || line.cutCount != gPlay.cutCount || line.grassTotal != gPlay.grassTotal ||
        line.font != kwFont || line.title != gPlay.map.title) {
        line.levelNumber = levelNumber;
        line.cutCount = gPlay.cutCount;
        line.grassTotal = gPlay.grassTotal;
        line.font = kwFont;
        line.title = gPlay.map.title;
        FormatLevelLine(line.text, sizeof line.text, levelNumber, line.title.c_str(), CutPercentage());
        line.width = KW_TextWidth(line.text);
    }
    return line;
}

// The strip is a piece of the screen's picture, which F11 may change mid-game.
static void FollowScreenPicture()
{
    ALLEGRO_BITMAP* const screen = KW_FrameBitmap();
    if (!screen || al_get_parent_bitmap(gPlay.audioStrip) == screen) return;
    al_destroy_bitmap(gPlay.audioStrip);
    gPlay.audioStrip = al_create_sub_bitmap(screen, 0, kwScreenH - 65, kwScreenW, kStatusBandHeight);
}

void DrawStatus()
{
    if (!gPlay.audioStrip) return;
    FollowScreenPicture();
    if (!gPlay.audioStrip) return;
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    al_set_target_bitmap(gPlay.audioStrip);
    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
    KW_DrawFontTextF(kwFontMedium, gPlay.windowX, 2, white, "%03d", gPlay.timeLeft);
    const LevelLineCache& line = CurrentLevelLine();
    const int lineX = kwScreenW - gPlay.windowX - line.width - 2;
    const int stripTop = kwScreenH - 65;
    const int lineY =
        LevelLineY(lineX, lineX + line.width, stripTop, kStatusBandHeight, KW_LineHeight(), gPlay.audioButton);
    KW_DrawFontText(kwFont, lineX, lineY, white, line.text);
    al_set_target_bitmap(previous);
}

void ShowOverlayScreen(ALLEGRO_BITMAP* image)
{
    if (!image) {
        KW_ShowMessage("%s", "Press OK to continue");
        return;
    }
    const int width = al_get_bitmap_width(image), height = al_get_bitmap_height(image);
    const int left = (kwScreenW - width) / 2, top = (kwScreenH - height) / 2;
    KW_DrawRect(left + 16, top + 16, left + width + 16, top + height + 16, true, KW_Colour(KWC_Background), 128);
    al_draw_bitmap(image, left, top, 0);
    KW_PresentFrame();

    KW_ModalScope modal;
    for (;;) {
        KW_PollEvents();
        KW_RefreshMouse();
        if (kwKeyPending && kwKeyCode == ALLEGRO_KEY_SPACE) break;
        const int padKey = PollGamepad();
        if (padKey == ALLEGRO_KEY_ENTER || padKey == ALLEGRO_KEY_P) break;
        if (kwMouse.buttons & 1) {
            KW_WaitMouseRelease();
            break;
        }
        al_rest(0.001);
    }
}

// ---------------------------------------------------------------------------
// [SECTION] Start and end

void EndGame()
{
    if (gPlay.map.tileSet.loaded) gPlay.map.tileSet.Unload();
    gPlay.map.loaded = false;
    if (gPlay.audioStrip) al_destroy_bitmap(gPlay.audioStrip);
    gPlay.audioStrip = nullptr;
    if (gPlay.mapWindow) al_destroy_bitmap(gPlay.mapWindow);
    gPlay.mapWindow = nullptr;
    ForgetFieldPicture();
    gPlay.mapPaths.clear();
    gPlay.musicNames.clear();
    gPlay.clouds.clear();
}

static bool StartGame(const char* testMapPath, int16_t levelIndex, int16_t skillLevel, bool testMode,
                      int16_t savedLevel)
{
    gPlay.levelIndex = levelIndex;
    gPlay.skillLevel = skillLevel;
    gPlay.progressLevel = std::max(levelIndex, savedLevel);
    gPlay.mapPaths.clear();
    gPlay.musicNames.clear();
    if (!LoadMapsList()) return false;

    if (!IsLevelInMapsList(levelIndex)) {
        char text[128];
        std::snprintf(text, sizeof text, "Saved level %d is not in the maps list", levelIndex);
        gPlay.errorText = text;
        EndGame();
        return false;
    }

    gPlay.mapWindow = al_create_bitmap(kFieldWidth, kFieldHeight);
    if (!gPlay.mapWindow) {
        gPlay.errorText = "Unable to create map window bitmap";
        EndGame();
        return false;
    }

    const WindowFit fit = FitMapWindow(kwScreenW, kwScreenH);
    gPlay.windowWidth = fit.width;
    gPlay.windowHeight = fit.height;
    gPlay.windowX = fit.x;

    if (testMode) gPlay.mapPaths[0] = testMapPath ? testMapPath : "";

    if (!LoadLevel(levelIndex)) {
        EndGame();
        return false;
    }

    gPlay.audioStrip = al_create_sub_bitmap(KW_FrameBitmap(), 0, kwScreenH - 65, kwScreenW, kStatusBandHeight);
    return true;
}

// ---------------------------------------------------------------------------
// [SECTION] The loop

static void PlayEngineSound(bool moved)
{
    AudioClass& audio = AudioClass::GetInstance();
    const int x = static_cast<int>(gPlay.mowerX) - 400, y = static_cast<int>(gPlay.mowerY) - 256;
    if (gPlay.mowingTimer > 0) {
        --gPlay.mowingTimer;
        audio.PlaySound(gResources.mowingEngineSound, "Player_Mowing", x, y, true);
    } else if (!moved) {
        audio.PlaySound(gResources.idleEngineSound, "Player_Idle", x, y, true);
    } else {
        audio.PlaySound(gResources.movingEngineSound, "Player_Moving", x, y, true);
    }
}

static void CountSecond()
{
    if (!KW_TimeElapsed(gPlay.secondStopwatch, 100)) return;
    --gPlay.timeLeft;
    struct Ambient {
        const char* name;
        int chance;
    };
    static const Ambient kAmbient[] = {
        {"world\\birds", 15}, {"world\\crickets", 80}, {"world\\wind", 90},
        {"world\\battle", 25}, {"world\\teleport", 25},
    };
    AudioClass& audio = AudioClass::GetInstance();
    for (const Ambient& sound : kAmbient) {
        if (std::rand() % sound.chance != 0) continue;
        const int y = std::rand() % 700 - 350;
        const int x = std::rand() % 700 - 350;
        audio.PlaySound(audio.FindSound(sound.name), "", x, y, false);
    }
}

// True when the window went to the background since the last look.
static bool WindowLostFocus(ALLEGRO_EVENT_QUEUE* windowEvents)
{
    bool lost = false;
    ALLEGRO_EVENT event;
    while (windowEvents && al_get_next_event(windowEvents, &event))
        if (event.type == ALLEGRO_EVENT_DISPLAY_SWITCH_OUT) lost = true;
    return lost;
}

GameEnd PlayGame(const char* testMapPath, int16_t levelIndex, int16_t skillLevel, bool testMode,
                 int16_t savedLevel)
{
    if (!StartGame(testMapPath, levelIndex, skillLevel, testMode, savedLevel)) return GameEnd::Error;

    KW_Button audioButton;
    KW_CreateButton(audioButton, 0, gPlay.windowHeight + 4, "Audio Panel", gKeyBindings.Key(kActionAudioPanel), "speaker");
    KW_SetButtonSize(audioButton, -1, -1);
    audioButton.x = (kwScreenW - audioButton.width) / 2;
    gPlay.audioButton = {audioButton.x, audioButton.y, audioButton.x + audioButton.width,
                         audioButton.y + audioButton.height};

    // The window's focus events come to the game on a queue of its own: a
    // level whose window goes to the background pauses.
    ALLEGRO_EVENT_QUEUE* windowEvents = kwDisplay ? al_create_event_queue() : nullptr;
    if (windowEvents) al_register_event_source(windowEvents, al_get_display_event_source(kwDisplay));

    AudioClass& audio = AudioClass::GetInstance();
    EndingTracker endings;
    GameEnd end = GameEnd::Quit;
    bool quit = false;
    KW_ClearKey();
    while (!quit) {
        ALLEGRO_KEYBOARD_STATE keys;
        al_get_keyboard_state(&keys);
        const float oldX = gPlay.mowerX, oldY = gPlay.mowerY, oldTarget = gPlay.targetHeading;

        if (al_key_down(&keys, kChordKeys[0]) && al_key_down(&keys, kChordKeys[1]) &&
            al_key_down(&keys, kChordKeys[2]))
            CutAllGrass();

        const KeyBindings& bound = gKeyBindings;
        // The pad's Start pauses and B goes back, whatever keys those actions have.
        const int padKey = PollGamepad();
        const bool pause = (kwKeyPending && kwKeyCode == bound.Key(kActionPause)) || padKey == ALLEGRO_KEY_P;
        if (pause || WindowLostFocus(windowEvents)) {
            // The overlay's wait lets the engine's looping sound run out; the
            // clock starts its second afresh.
            ShowOverlayScreen(gResources.pausedImage);
            KW_GetDateTime(gPlay.secondStopwatch);
            if (windowEvents) al_flush_event_queue(windowEvents);
        } else if ((kwKeyPending && kwKeyCode == bound.Key(kActionBack)) || padKey == ALLEGRO_KEY_ESCAPE) {
            quit = true;
        }

        const PadState& pad = GamepadState();
        const bool steering = SteerFromKeys(al_key_down(&keys, bound.Key(kActionUp)) || pad.Held(kPadUp),
                                            al_key_down(&keys, bound.Key(kActionDown)) || pad.Held(kPadDown),
                                            al_key_down(&keys, bound.Key(kActionLeft)) || pad.Held(kPadLeft),
                                            al_key_down(&keys, bound.Key(kActionRight)) || pad.Held(kPadRight),
                                            gPlay.targetHeading);
        gPlay.speed = steering ? 3.0f : 0.0f;
        gPlay.heading = static_cast<float>(KW_TurnTowards(gPlay.heading, gPlay.targetHeading, 8));
        MoveMower();
        UpdateMowerCells();
        MowCells();
        if (gPlay.targetHeading != oldTarget)
            audio.PlaySound(gResources.skidSound, "PlayerSkid", static_cast<int>(gPlay.mowerX) - 400,
                            static_cast<int>(gPlay.mowerY) - 256, false);

        KW_RedrawAll();  // the field moves every frame
        DrawPlayArea();
        CountSecond();
        PlayEngineSound(gPlay.mowerX != oldX || gPlay.mowerY != oldY);
        DrawStatus();
        ShowPlayArea();
        if (KW_DoButton(audioButton)) audio.RunAudioPanel();
        KW_PresentFrame();
        ++gPlay.levelFrames;

        const FrameEnding ending = endings.Check(gPlay.timeLeft);
        if (ending == FrameEnding::OutOfTime) {
            KW_Message("%s", "Out of Time");
            ShowOverlayScreen(gResources.outOfTimeImage);
            if (!LoadLevel(gPlay.levelIndex)) {
                KW_ShowMessage("%s", GetGameError().c_str());
                quit = true;
            }
        } else if (ending == FrameEnding::LevelComplete) {
            KW_Message("%s", "Level complete");
            const int frames = gPlay.levelFrames;
            ShowOverlayScreen(gResources.levelCompleteImage);
            if (!testMode) ShowResultsScreen(RecordLevelWin(frames));
            if (testMode) {
                quit = true;
            } else if (static_cast<size_t>(gPlay.levelIndex) + 1 >= gPlay.mapPaths.size()) {
                end = GameEnd::Won;
                quit = true;
            } else if (!LoadLevel(static_cast<int16_t>(gPlay.levelIndex + 1))) {
                KW_ShowMessage("%s", GetGameError().c_str());
                quit = true;
            }
        }
        endings.AfterEnding(ending, gPlay.cutCount, gPlay.grassTotal);
    }

    if (windowEvents) al_destroy_event_queue(windowEvents);
    EndGame();
    return end;
}
