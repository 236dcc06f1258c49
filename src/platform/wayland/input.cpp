// The Wayland host's input: the seat's keyboard, read through the keymap the compositor sends and
// repeated at its rate, and the pointer, whose motion the manual camera turns by. While the
// manual camera is on the pointer is locked, and its relative motion counts.
#include "platform/wayland/input.h"

#include "app/globals.h"
#include "controls/pointer.h"
#include "controls/special_keys.h"
#include "platform/host_events.h"
#include "pointer-constraints-unstable-v1-client-protocol.h"
#include "relative-pointer-unstable-v1-client-protocol.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-cursor.h>
#include <xkbcommon/xkbcommon.h>

namespace {

// The pointer's arrow, at the cursor size the desktop sets (24 pixels unless XCURSOR_SIZE says
// otherwise), times the buffer scale.
constexpr int defaultCursorSize = 24;
constexpr std::uint32_t keycodeOffset = 8; // evdev's key codes are X's minus 8

Input& inputOf(void* data) {
    return *static_cast<Input*>(data);
}

SpecialKey specialKey(xkb_keysym_t keysym) {
    switch (keysym) {
    case XKB_KEY_Left: return SpecialKey::left;
    case XKB_KEY_Right: return SpecialKey::right;
    case XKB_KEY_Up: return SpecialKey::up;
    case XKB_KEY_Down: return SpecialKey::down;
    case XKB_KEY_Page_Up: return SpecialKey::pageUp;
    case XKB_KEY_Page_Down: return SpecialKey::pageDown;
    case XKB_KEY_Home: return SpecialKey::home;
    case XKB_KEY_End: return SpecialKey::end;
    default: return SpecialKey::other;
    }
}

int cursorSize() {
    const char* size = std::getenv("XCURSOR_SIZE");
    const int value = size ? std::atoi(size) : 0;
    return value > 0 ? value : defaultCursorSize;
}

} // namespace

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
        [](void* data, wl_seat*, std::uint32_t caps) { inputOf(data).capabilities(caps); },
        [](void*, wl_seat*, const char*) {},
    };
    wl_seat_add_listener(seat, &listener, this);
}

// Keyboards and pointers come and go with the seat's capabilities.
void Input::capabilities(std::uint32_t caps) {
    const bool hasKeyboard = caps & WL_SEAT_CAPABILITY_KEYBOARD;
    if (hasKeyboard && !keyboard) {
        static const wl_keyboard_listener listener{
            [](void* data, wl_keyboard*, std::uint32_t format, int fd, std::uint32_t size) {
                if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1) inputOf(data).keymap(fd, size);
                close(fd);
            },
            [](void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {},
            [](void* data, wl_keyboard*, std::uint32_t, wl_surface*) {
                inputOf(data).releaseHeldKeys();
            },
            [](void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t code,
               std::uint32_t state) {
                inputOf(data).key(code + keycodeOffset, state == WL_KEYBOARD_KEY_STATE_PRESSED);
            },
            [](void* data, wl_keyboard*, std::uint32_t, std::uint32_t depressed,
               std::uint32_t latched, std::uint32_t lockedMods, std::uint32_t group) {
                if (inputOf(data).keyState)
                    xkb_state_update_mask(inputOf(data).keyState, depressed, latched, lockedMods, 0,
                                          0, group);
            },
            [](void* data, wl_keyboard*, std::int32_t rate, std::int32_t delay) {
                inputOf(data).repeat.setRate(rate, delay);
            },
        };
        keyboard = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(keyboard, &listener, this);
    } else if (!hasKeyboard && keyboard) {
        releaseHeldKeys();
        wl_keyboard_release(keyboard);
        keyboard = nullptr;
    }

    const bool hasPointer = caps & WL_SEAT_CAPABILITY_POINTER;
    if (hasPointer && !pointer) {
        static const wl_pointer_listener listener{
            [](void* data, wl_pointer*, std::uint32_t serial, wl_surface* entered, wl_fixed_t x,
               wl_fixed_t y) {
                inputOf(data).enter(serial, entered, wl_fixed_to_double(x), wl_fixed_to_double(y));
            },
            [](void* data, wl_pointer*, std::uint32_t, wl_surface*) {
                inputOf(data).inside = false;
            },
            [](void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y) {
                inputOf(data).motion(wl_fixed_to_double(x), wl_fixed_to_double(y));
            },
            [](void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t button,
               std::uint32_t state) {
                inputOf(data).button(button, state == WL_POINTER_BUTTON_STATE_PRESSED);
            },
            [](void*, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) {},
            [](void*, wl_pointer*) {},
            [](void*, wl_pointer*, std::uint32_t) {},
            [](void*, wl_pointer*, std::uint32_t, std::uint32_t) {},
            [](void*, wl_pointer*, std::uint32_t, std::int32_t) {},
            [](void*, wl_pointer*, std::uint32_t, std::int32_t) {},
        };
        pointer = wl_seat_get_pointer(seat);
        wl_pointer_add_listener(pointer, &listener, this);
        if (connection.relativePointers) {
            static const zwp_relative_pointer_v1_listener relativeListener{
                [](void* data, zwp_relative_pointer_v1*, std::uint32_t, std::uint32_t,
                   wl_fixed_t dx, wl_fixed_t dy, wl_fixed_t, wl_fixed_t) {
                    // The accelerated motion, as X's pointer moves.
                    inputOf(data).relativeMotion(wl_fixed_to_double(dx), wl_fixed_to_double(dy));
                },
            };
            relativePointer = zwp_relative_pointer_manager_v1_get_relative_pointer(
                connection.relativePointers, pointer);
            zwp_relative_pointer_v1_add_listener(relativePointer, &relativeListener, this);
        }
        lock(manualCamera);
    } else if (!hasPointer && pointer) {
        lock(false);
        if (relativePointer) zwp_relative_pointer_v1_destroy(relativePointer);
        relativePointer = nullptr;
        wl_pointer_release(pointer);
        pointer = nullptr;
        inside = false;
    }
}

void Input::keymap(int fd, std::uint32_t size) {
    void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (text == MAP_FAILED) return;
    xkb_keymap* newKeymap =
        xkb_keymap_new_from_string(keys, static_cast<const char*>(text), XKB_KEYMAP_FORMAT_TEXT_V1,
                                   XKB_KEYMAP_COMPILE_NO_FLAGS);
    munmap(text, size);
    if (!newKeymap) return;
    releaseHeldKeys();
    if (keyState) xkb_state_unref(keyState);
    if (keymapInUse) xkb_keymap_unref(keymapInUse);
    keymapInUse = newKeymap;
    keyState = xkb_state_new(keymapInUse);
}

void Input::key(std::uint32_t code, bool pressed) {
    if (use != InputUse::controls) {
        if (pressed && use == InputUse::endOnUser && userActed) userActed();
        return;
    }
    if (!keyState) return;
    if (!pressed) {
        repeat.release(code);
        const auto held = std::find_if(heldSpecialKeys.begin(), heldSpecialKeys.end(),
                                       [code](const auto& k) { return k.first == code; });
        if (held == heldSpecialKeys.end()) return;
        releaseSpecialKey(held->second, app.input);
        heldSpecialKeys.erase(held);
        return;
    }
    pressKey(code);
    if (xkb_keymap_key_repeats(keymapInUse, code)) repeat.press(code, monotonicMs());
}

// A key going down, or repeating: a special key, or the character it gives in the keymap's
// present state (shifted or not).
void Input::pressKey(std::uint32_t code) {
    const SpecialKey special = specialKey(xkb_state_key_get_one_sym(keyState, code));
    if (special != SpecialKey::other) {
        if (std::none_of(heldSpecialKeys.begin(), heldSpecialKeys.end(),
                         [code](const auto& k) { return k.first == code; }))
            heldSpecialKeys.emplace_back(code, special);
        pressSpecialKey(special, app.input, settings, textOverlay, app.nowSec);
        return;
    }
    const std::uint32_t character = xkb_state_key_get_utf32(keyState, code);
    if (character > 0 && character <= 0xFF && characterPressed)
        characterPressed(static_cast<unsigned char>(character));
}

void Input::repeatDue(std::int64_t nowMs) {
    if (repeat.takeDue(nowMs) && keyState) pressKey(repeat.key());
}

// Without the keyboard's focus no key is held.
void Input::releaseHeldKeys() {
    repeat.stop();
    for (const auto& held : heldSpecialKeys)
        releaseSpecialKey(held.second, app.input);
    heldSpecialKeys.clear();
}

// The pointer comes over a surface of the program's; its place there is not a motion.
void Input::enter(std::uint32_t serial, wl_surface* entered, double x, double y) {
    inside = entered == surface;
    enterSerial = serial;
    lastX = x, lastY = y;
    userMotion.entered(x, y);
    if (inside) setCursor();
}

// Unlocked, the pointer's place tells its motion.
void Input::motion(double x, double y) {
    if (!inside) return;
    if (use == InputUse::endOnUser) {
        if (userMotion.movedTo(x, y, monotonicMs()) && userActed) userActed();
    } else if (use == InputUse::controls && !locked) {
        moved(x - lastX, y - lastY);
    }
    lastX = x, lastY = y;
}

// Locked, the pointer's relative motion does.
void Input::relativeMotion(double dx, double dy) {
    if (use == InputUse::endOnUser) {
        if (userMotion.movedBy(dx, dy, monotonicMs()) && userActed) userActed();
    } else if (use == InputUse::controls && locked) {
        moved(dx, dy);
    }
}

// A button: press and release alike count as a report at the pointer's place.
void Input::button(std::uint32_t which, bool pressed) {
    if (!inside) return;
    if (use == InputUse::endOnUser && pressed && userActed) userActed();
    if (use != InputUse::controls) return;
    clickPointer(app.input, which == BTN_LEFT,
                 pointerRestX + static_cast<int>(std::lround(motionX)),
                 pointerRestY + static_cast<int>(std::lround(motionY)));
}

void Input::moved(double dx, double dy) {
    motionX += dx, motionY += dy;
    report();
}

void Input::report() const {
    recordPointer(app.input, pointerRestX + static_cast<int>(std::lround(motionX)),
                  pointerRestY + static_cast<int>(std::lround(motionY)));
}

void Input::recentre() {
    motionX = motionY = 0;
    report();
}

// Entering the manual camera counts as a recentring, so that what the pointer did before does not
// turn the camera.
void Input::follow(bool manual, bool fullScreen) {
    if (use != InputUse::controls) return;
    if (manual && !manualCamera) recentre();
    manualCamera = manual;
    lock(manualCamera);
    if (cursorHidden == fullScreen) return;
    cursorHidden = fullScreen;
    if (inside) setCursor();
}

// The pointer hidden, or the arrow of the desktop's cursor theme at the surface's scale.
void Input::setCursor() {
    if (!pointer) return;
    if (cursorHidden) {
        wl_pointer_set_cursor(pointer, enterSerial, nullptr, 0, 0);
        return;
    }
    if (!connection.shm) return;
    if (!cursorTheme || cursorThemeScale != scale) {
        if (cursorTheme) wl_cursor_theme_destroy(cursorTheme);
        cursorTheme = wl_cursor_theme_load(std::getenv("XCURSOR_THEME"), cursorSize() * scale,
                                           connection.shm);
        cursorThemeScale = scale;
    }
    wl_cursor* arrow = cursorTheme ? wl_cursor_theme_get_cursor(cursorTheme, "left_ptr") : nullptr;
    if (!arrow || arrow->image_count == 0) return;
    wl_cursor_image* image = arrow->images[0];
    if (!cursorSurface) cursorSurface = wl_compositor_create_surface(connection.compositor);
    wl_surface_set_buffer_scale(cursorSurface, scale);
    wl_surface_attach(cursorSurface, wl_cursor_image_get_buffer(image), 0, 0);
    wl_surface_damage(cursorSurface, 0, 0, INT32_MAX, INT32_MAX);
    wl_surface_commit(cursorSurface);
    wl_pointer_set_cursor(pointer, enterSerial, cursorSurface,
                          static_cast<int>(image->hotspot_x) / scale,
                          static_cast<int>(image->hotspot_y) / scale);
}

// A persistent lock, which the compositor lifts while the pointer is elsewhere and puts back
// when it returns.
void Input::lock(bool wanted) {
    if (wanted == (lockedPointer != nullptr)) return;
    if (!wanted) {
        zwp_locked_pointer_v1_destroy(lockedPointer);
        lockedPointer = nullptr;
        locked = false;
        return;
    }
    if (!pointer || !surface || !connection.pointerConstraints || !relativePointer) return;
    static const zwp_locked_pointer_v1_listener listener{
        [](void* data, zwp_locked_pointer_v1*) { inputOf(data).locked = true; },
        [](void* data, zwp_locked_pointer_v1*) { inputOf(data).locked = false; },
    };
    lockedPointer = zwp_pointer_constraints_v1_lock_pointer(
        connection.pointerConstraints, surface, pointer, nullptr,
        ZWP_POINTER_CONSTRAINTS_V1_LIFETIME_PERSISTENT);
    zwp_locked_pointer_v1_add_listener(lockedPointer, &listener, this);
}
