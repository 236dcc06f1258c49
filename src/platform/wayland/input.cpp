// The Wayland host's input: the seat, whose keyboard (keyboard_input.cpp) and pointer
// (pointer_input.cpp) come and go with its capabilities, and what the input serves.
#include "platform/wayland/input.h"

#include <wayland-cursor.h>
#include <xkbcommon/xkbcommon.h>

Input::Input(Connection& c) : connection(c), keys(xkb_context_new(XKB_CONTEXT_NO_FLAGS)) {}

Input::~Input() {
    useSeat(nullptr);
    if (cursorSurface) wl_surface_destroy(cursorSurface);
    if (cursorTheme) wl_cursor_theme_destroy(cursorTheme);
    if (keyState) xkb_state_unref(keyState);
    if (keymapInUse) xkb_keymap_unref(keymapInUse);
    if (keys) xkb_context_unref(keys);
}

void Input::serve(InputUse newUse, std::int64_t motionFromMs) {
    use = newUse;
    userMotion = UserMotion(motionFromMs);
    if (use == InputUse::endOnUser) cursorHidden = true; // as a screen saver hides it
}

void Input::attach(wl_surface* inputSurface, int bufferScale) {
    surface = inputSurface;
    scale = bufferScale;
}

void Input::useSeat(wl_seat* newSeat) {
    capabilities(0); // keyboard and pointer of the old seat released
    seat = newSeat;
    if (!seat) return;
    static const wl_seat_listener listener{
        [](void* data, wl_seat*, std::uint32_t caps) { of(data).capabilities(caps); },
        [](void*, wl_seat*, const char*) {},
    };
    wl_seat_add_listener(seat, &listener, this);
}

// Keyboards and pointers come and go with the seat's capabilities.
void Input::capabilities(std::uint32_t caps) {
    useKeyboard(caps & WL_SEAT_CAPABILITY_KEYBOARD);
    usePointer(caps & WL_SEAT_CAPABILITY_POINTER);
}
