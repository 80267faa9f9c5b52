// The keys of a level's actions (steering, pause, audio panel, back): the
// defaults, rebinding with swaps, and the "controls" section of sodbolt.ini.
#pragma once

#include <allegro5/allegro.h>

#include <string>

enum ControlAction { kActionUp, kActionDown, kActionLeft, kActionRight, kActionPause, kActionAudioPanel,
                     kActionBack, kActionCount };

struct KeyBindings {
    // Allegro key codes, one per action.
    int keys[kActionCount] = {ALLEGRO_KEY_UP, ALLEGRO_KEY_DOWN, ALLEGRO_KEY_LEFT, ALLEGRO_KEY_RIGHT,
                              ALLEGRO_KEY_P,  ALLEGRO_KEY_F5,   ALLEGRO_KEY_ESCAPE};

    int Key(ControlAction action) const { return keys[action]; }
    // The action bound to the key, or -1.
    int ActionOf(int key) const;
    // Binds the action to the key; an action that had the key takes the
    // action's old key in exchange, so no key does two things.
    void Rebind(ControlAction action, int key);
};

// The keys a level uses (sodbolt.ini, section "controls").
extern KeyBindings gKeyBindings;

// "Up", "Down", "Left", "Right", "Pause", "Audio panel", "Back".
const char* ActionName(ControlAction action);
// The key's name as the Controls screen shows it ("Up", "D", "F5").
std::string KeyName(int key);
// A key a player may bind: not Escape (it cancels) nor Enter, F11 or a
// modifier, which the menus and the full-screen toggle keep.
bool IsBindableKey(int key);

// Reads the section; a missing or unknown key name keeps that action's
// default, and a section that gives one key to two actions is refused
// whole (false: the defaults are used).
bool LoadKeyBindings(const ALLEGRO_CONFIG* config, KeyBindings& bindings);
void SaveKeyBindings(ALLEGRO_CONFIG* config, const KeyBindings& bindings);
