// KW_Progress: layout, fill and pacing of the progress bar, its drawing, and
// the watch for a close of the window while a long job runs.
#include "kwui/progress.h"

#include "kwui/closing.h"
#include "kwui/core.h"
#include "kwui/redraw.h"
#include "kwui/draw.h"
#include "kwui/frame.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

// [SECTION] Logic

KW_ProgressLayout KW_LayoutProgress(int screenW, int screenH, int lineHeight)
{
    KW_ProgressLayout layout;
    const int width = std::max(80, std::min(500, screenW - 40));
    const int titleHeight = lineHeight + 4;
    const int height = titleHeight + 16 + (lineHeight + 8) + 16;
    layout.x1 = (screenW - width) / 2;
    layout.x2 = layout.x1 + width;
    layout.y1 = (screenH - height) / 2;
    layout.y2 = layout.y1 + height;
    layout.barX1 = layout.x1 + 16;
    layout.barX2 = layout.x2 - 16;
    layout.barY1 = layout.y1 + titleHeight + 16;
    layout.barY2 = layout.barY1 + lineHeight + 8;
    return layout;
}

int KW_ProgressFill(double done, int troughInside)
{
    if (troughInside <= 0 || !(done > 0.0)) return 0;  // also for NaN
    if (done >= 1.0) return troughInside;
    return static_cast<int>(done * troughInside);
}

int KW_ProgressPercent(double done) { return KW_ProgressFill(done, 100); }

bool KW_ProgressDue(double now, double started, double lastDrawn, double delay, double interval)
{
    if (now - started < delay) return false;
    return lastDrawn < 0.0 || now - lastDrawn >= interval;
}

// [SECTION] Drawing and the close watch

static void DrawProgress(const KW_Progress& progress, double done)
{
    const KW_ProgressLayout layout = KW_LayoutProgress(kwScreenW, kwScreenH, KW_LineHeight());
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    KW_TargetFrame();
    // drawn whole and shown at once, whatever the frame in hand was to draw;
    // the screen behind is drawn again once the work is done
    KW_RedrawAll();
    al_clear_to_color(KW_Colour(KWC_Background));
    KW_DrawWindowFrame(layout.x1, layout.y1, layout.x2, layout.y2, "%s", progress.caption.c_str());
    // trough, as a slider's, with the done part in the title bar's blue
    KW_DrawBevelBox(layout.barX1, layout.barY1, layout.barX2, layout.barY2, 255, al_map_rgb(131, 131, 131),
                    al_map_rgb(179, 179, 179), al_map_rgb(79, 79, 79));
    const int fill = KW_ProgressFill(done, layout.barX2 - layout.barX1 - 2);
    if (fill > 0)
        KW_DrawRect(layout.barX1 + 1, layout.barY1 + 1, layout.barX1 + fill, layout.barY2 - 1, true,
                    KW_Colour(KWC_TitleFill), 255);
    char percent[8];
    std::snprintf(percent, sizeof percent, "%d%%", KW_ProgressPercent(done));
    const int textX = (layout.barX1 + layout.barX2 - KW_TextWidth(percent)) / 2;
    KW_DrawFontText(kwFont, textX, layout.barY1 + 4, KW_Colour(KWC_TitleText), percent);
    KW_ShowFrame();
    al_set_target_bitmap(previous);
}

static void EndOnClose(KW_Progress& progress)
{
    if (!progress.closeWatch) return;
    ALLEGRO_EVENT event;
    while (al_get_next_event(progress.closeWatch.get(), &event)) {
        if (event.type != ALLEGRO_EVENT_DISPLAY_CLOSE) continue;
        progress.closeWatch.reset();
        KW_CloseWindow();
    }
}

void KW_BeginProgress(KW_Progress& progress, const char* caption)
{
    progress.caption = caption ? caption : "";
    progress.started = al_get_time();
    progress.lastDrawn = -1.0;
    progress.closeWatch.reset();
    if (!kwDisplay) return;
    progress.closeWatch.reset(al_create_event_queue());
    if (progress.closeWatch)
        al_register_event_source(progress.closeWatch.get(), al_get_display_event_source(kwDisplay));
}

void KW_StepProgress(KW_Progress& progress, double done)
{
    if (!kwDisplay) return;
    const double now = al_get_time();
    if (!KW_ProgressDue(now, progress.started, progress.lastDrawn, kwProgressDelay, kwProgressInterval)) return;
    progress.lastDrawn = now;
    EndOnClose(progress);
    DrawProgress(progress, done);
}

void KW_EndProgress(KW_Progress& progress) { progress.closeWatch.reset(); }
