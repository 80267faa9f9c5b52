// KW_Progress: a panel with a bar that shows how far a long job (a big file
// being loaded) has come. The job steps it from its own loop as often as it
// likes; the panel shows once the job has run for a fifth of a second (a
// quick load only flickers), then is redrawn at most every 50 ms; a close of
// the window during the job ends the program there.
#pragma once

#include <allegro5/allegro.h>

#include <memory>
#include <string>

// [SECTION] Logic without drawing (used by the widget and the tests)

struct KW_ProgressLayout {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;              // the panel, title bar included
    int barX1 = 0, barY1 = 0, barX2 = 0, barY2 = 0;  // the trough of the bar
};
// A panel of at most 500 pixels across, centred on the screen, with the bar
// below its title bar.
KW_ProgressLayout KW_LayoutProgress(int screenW, int screenH, int lineHeight);
// Pixels of the trough's inside filled for a share done (0 to 1, clamped).
int KW_ProgressFill(double done, int troughInside);
// Whole percent of a share done, clamped to 0..100.
int KW_ProgressPercent(double done);
// A redraw is due once the job has run for the delay, and then whenever the
// interval has passed since the last one (lastDrawn below 0: none yet).
bool KW_ProgressDue(double now, double started, double lastDrawn, double delay, double interval);

constexpr double kwProgressDelay = 0.2;      // seconds before the panel shows
constexpr double kwProgressInterval = 0.05;  // seconds between redraws

// [SECTION] The widget

struct KW_Progress {
    std::string caption;
    double started = 0.0;     // al_get_time when the job began
    double lastDrawn = -1.0;  // al_get_time of the last redraw; below 0: none yet
    // Display events only (a close of the window), apart from the toolkit's queue.
    std::unique_ptr<ALLEGRO_EVENT_QUEUE, void (*)(ALLEGRO_EVENT_QUEUE*)> closeWatch{nullptr, al_destroy_event_queue};
};

// Starts watching for a close of the window.
void KW_BeginProgress(KW_Progress& progress, const char* caption);
// done: the share of the job finished (0 to 1). Redraws when due; ends the
// program (kwCloseHandler, then exit code 0) when the window was closed.
void KW_StepProgress(KW_Progress& progress, double done);
// Stops watching; the caller's next frame draws over the panel.
void KW_EndProgress(KW_Progress& progress);
