// The window's close button. Closing ends the program in order (the program's
// kwCloseHandler, then exit code 0) from whatever screen is up, unless a
// guard keeps it open: an editor holding unsaved work stands one while it
// runs and asks first.
#pragma once

#include <functional>
#include <vector>

class KW_CloseGuard {
public:
    // mayClose answers whether the program may close now (it may ask).
    explicit KW_CloseGuard(std::function<bool()> mayClose);
    ~KW_CloseGuard();
    KW_CloseGuard(const KW_CloseGuard&) = delete;
    KW_CloseGuard& operator=(const KW_CloseGuard&) = delete;

private:
    size_t depth;
};

// Asks the guards standing, newest first; true when every one agreed (the
// first refusal stops the asking). A close that comes in while they are
// asking is refused: the question on screen answers it.
bool KW_GuardsAllowClose();

// The close button was pressed: ends the program unless a guard refuses, in
// which case it returns with no key pending.
void KW_CloseWindow();
