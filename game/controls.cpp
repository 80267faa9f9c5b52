// Key bindings of a level's actions and their place in sodbolt.ini.
#include "game/controls.h"

#include <cctype>
#include <cstring>

KeyBindings gKeyBindings;

namespace {
const char* const kSection = "controls";
const char* const kConfigKeys[kActionCount] = {"up", "down", "left", "right", "pause", "audio_panel", "back"};

// The key code whose Allegro name is the text (case ignored), or 0.
int KeyFromName(const char* name)
{
    if (!name || !*name || !al_is_keyboard_installed()) return 0;
    for (int key = 1; key < ALLEGRO_KEY_MAX; ++key) {
        const char* keyName = al_keycode_to_name(key);
        if (keyName && strcasecmp(keyName, name) == 0) return key;
    }
    return 0;
}
}  // namespace

int KeyBindings::ActionOf(int key) const
{
    for (int i = 0; i < kActionCount; ++i)
        if (keys[i] == key) return i;
    return -1;
}

void KeyBindings::Rebind(ControlAction action, int key)
{
    const int other = ActionOf(key);
    if (other >= 0) keys[other] = keys[action];
    keys[action] = key;
}

const char* ActionName(ControlAction action)
{
    static const char* const kNames[kActionCount] = {"Up", "Down", "Left", "Right", "Pause", "Audio panel", "Back"};
    return action >= 0 && action < kActionCount ? kNames[action] : "";
}

std::string KeyName(int key)
{
    const char* name =
        key > 0 && key < ALLEGRO_KEY_MAX && al_is_keyboard_installed() ? al_keycode_to_name(key) : nullptr;
    std::string text = name ? name : "?";
    // Allegro spells them "UP", "PAD 5", "ESCAPE": shown as "Up", "Pad 5", "Escape".
    if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    for (size_t i = 1; i < text.size(); ++i)
        if (std::isalpha(static_cast<unsigned char>(text[i])) && std::isalpha(static_cast<unsigned char>(text[i - 1])))
            text[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    return text;
}

bool IsBindableKey(int key)
{
    if (key <= 0 || key >= ALLEGRO_KEY_MAX) return false;
    if (key == ALLEGRO_KEY_ESCAPE || key == ALLEGRO_KEY_ENTER || key == ALLEGRO_KEY_PAD_ENTER ||
        key == ALLEGRO_KEY_F11)
        return false;
    return key < ALLEGRO_KEY_MODIFIERS;
}

bool LoadKeyBindings(const ALLEGRO_CONFIG* config, KeyBindings& bindings)
{
    KeyBindings read;
    for (int i = 0; i < kActionCount && config; ++i) {
        const int key = KeyFromName(al_get_config_value(config, kSection, kConfigKeys[i]));
        // Escape is Back's own key: no other action may take it.
        if (key > 0 && (IsBindableKey(key) || (i == kActionBack && key == ALLEGRO_KEY_ESCAPE))) read.keys[i] = key;
    }
    for (int i = 0; i < kActionCount; ++i)
        for (int j = i + 1; j < kActionCount; ++j)
            if (read.keys[i] == read.keys[j]) {
                bindings = KeyBindings();
                return false;
            }
    bindings = read;
    return true;
}

void SaveKeyBindings(ALLEGRO_CONFIG* config, const KeyBindings& bindings)
{
    if (!config || !al_is_keyboard_installed()) return;
    for (int i = 0; i < kActionCount; ++i)
        al_set_config_value(config, kSection, kConfigKeys[i], al_keycode_to_name(bindings.keys[i]));
}
