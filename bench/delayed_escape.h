// Escape typed into the program's queue after a delay, from another thread
// (emitting events is safe from any thread): ends a screen a bench has started.
#pragma once

#include "kwui/kwui.h"

#include <chrono>
#include <cstring>
#include <thread>

struct DelayedEscape {
    ALLEGRO_EVENT_SOURCE source{};
    std::thread sender;
    explicit DelayedEscape(double seconds)
    {
        al_init_user_event_source(&source);
        al_register_event_source(kwQueue, &source);
        sender = std::thread([this, seconds] {
            std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
            ALLEGRO_EVENT event;
            std::memset(&event, 0, sizeof event);
            event.type = ALLEGRO_EVENT_KEY_CHAR;
            event.keyboard.keycode = ALLEGRO_KEY_ESCAPE;
            al_emit_user_event(&source, &event, nullptr);
        });
    }
    ~DelayedEscape()
    {
        sender.join();
        al_unregister_event_source(kwQueue, &source);
        al_destroy_user_event_source(&source);
    }
};
