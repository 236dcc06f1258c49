// The Wayland host's keyboard: keys read through the keymap the compositor sends, in its present
// state (shifted or not), and a held key repeated at the compositor's rate.
#include "platform/wayland/input.h"

#include "app/globals.h"
#include "controls/special_keys.h"
#include "platform/host_events.h"

#include <algorithm>
#include <sys/mman.h>
#include <unistd.h>
#include <xkbcommon/xkbcommon.h>

namespace {

constexpr std::uint32_t keycodeOffset = 8; // evdev's key codes are X's minus 8

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

} // namespace

// A keyboard comes with the seat's capability, or goes.
void Input::useKeyboard(bool hasKeyboard) {
    if (hasKeyboard && !keyboard) {
        static const wl_keyboard_listener listener{
            [](void* data, wl_keyboard*, std::uint32_t format, int fd, std::uint32_t size) {
                if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1) of(data).keymap(fd, size);
                close(fd);
            },
            [](void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {},
            [](void* data, wl_keyboard*, std::uint32_t, wl_surface*) {
                of(data).releaseHeldKeys();
            },
            [](void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t code,
               std::uint32_t state) {
                of(data).key(code + keycodeOffset, state == WL_KEYBOARD_KEY_STATE_PRESSED);
            },
            [](void* data, wl_keyboard*, std::uint32_t, std::uint32_t depressed,
               std::uint32_t latched, std::uint32_t lockedMods, std::uint32_t group) {
                if (of(data).keyState)
                    xkb_state_update_mask(of(data).keyState, depressed, latched, lockedMods, 0, 0,
                                          group);
            },
            [](void* data, wl_keyboard*, std::int32_t rate, std::int32_t delay) {
                of(data).repeat.setRate(rate, delay);
            },
        };
        keyboard = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(keyboard, &listener, this);
    } else if (!hasKeyboard && keyboard) {
        releaseHeldKeys();
        wl_keyboard_release(keyboard);
        keyboard = nullptr;
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
