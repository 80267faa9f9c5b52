// The window's close button and the guards that may hold it.
#include "kwui/closing.h"

#include "kwui/core.h"
#include "kwui/frame.h"
#include "kwui/input.h"

#include <allegro5/allegro.h>

#include <cstdlib>

static std::vector<std::function<bool()>>& Guards() { return kwContext.closeGuards; }

KW_CloseGuard::KW_CloseGuard(std::function<bool()> mayClose) : depth(Guards().size())
{
    Guards().push_back(std::move(mayClose));
}

KW_CloseGuard::~KW_CloseGuard() { Guards().resize(depth); }

bool KW_GuardsAllowClose()
{
    if (kwContext.askingGuards) return false;
    kwContext.askingGuards = true;
    bool allowed = true;
    // by index: a guard's question may stand up (and take down) guards of its own
    for (size_t i = Guards().size(); allowed && i-- > 0;) {
        if (i >= Guards().size()) continue;
        const std::function<bool()> ask = Guards()[i];
        allowed = !ask || ask();
    }
    kwContext.askingGuards = false;
    return allowed;
}

void KW_CloseWindow()
{
    // a question goes to the screen whatever the loop was drawing into; a
    // loop drawing onto the screen gets the screen back, the picture it is
    // now if full screen was switched during the question
    ALLEGRO_BITMAP* const target = al_get_target_bitmap();
    const bool onScreen = target == KW_FrameBitmap();
    KW_TargetFrame();
    const bool allowed = KW_GuardsAllowClose();
    if (onScreen) KW_TargetFrame();
    else if (target) al_set_target_bitmap(target);
    if (!allowed) {
        // the answer's own key and click stay with the question
        KW_ClearKey();
        if (al_is_mouse_installed()) KW_WaitMouseRelease();
        return;
    }
    if (kwCloseHandler) kwCloseHandler();
    else KW_Shutdown();
    std::exit(0);
}
