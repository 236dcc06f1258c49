// The Wayland host's input: the seat's keyboard, read through the keymap the compositor sends and
// repeated at its rate, and the pointer, whose motion the manual camera turns by. While the
// manual camera is on the pointer is locked, and its relative motion counts.
#pragma once

#include "platform/wayland/connection.h"
#include "platform/wayland/key_repeat.h"
#include "platform/wayland/user_motion.h"

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

enum class SpecialKey;
struct xkb_context;
struct xkb_keymap;
struct xkb_state;
struct wl_cursor_theme;
struct zwp_relative_pointer_v1;
struct zwp_locked_pointer_v1;

// What the input is for: the program's keys and pointer (in a window), nothing (on the
// background layer, which gets none), or ending the screen saver (on the overlay layer).
enum class InputUse { controls, none, endOnUser };

class Input {
  public:
    explicit Input(Connection& connection);
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;
    ~Input();

    // The surface whose input counts, and its buffer scale (for the cursor's image).
    void attach(wl_surface* surface, int scale);

    // From now on input serves `use`; for endOnUser, motion counts from `motionFromMs` on the
    // monotonic clock.
    void serve(InputUse use, std::int64_t motionFromMs = 0);

    // Set by the host: a key that gives a character went down, or repeats (controls); the user
    // pressed a key or a button, or moved the pointer (endOnUser).
    std::function<void(unsigned char)> characterPressed;
    std::function<void()> userActed;

    // The seat that the connection has bound, or nullptr when it has gone.
    void useSeat(wl_seat* seat);

    // How long from `nowMs` until a held key repeats (-1: none does); repeats what is due.
    std::int64_t repeatWaitMs(std::int64_t nowMs) const { return repeat.waitMs(nowMs); }
    void repeatDue(std::int64_t nowMs);

    // Follows the program's modes: the manual camera locks the pointer, full screen hides the
    // cursor (and a window shows the arrow). Called at start and after every key.
    void follow(bool manual, bool fullScreen);

    // The manual camera's recentring: the motion counted so far is used up, and the pointer
    // counts as reported at the rest point.
    void recentre();

  private:
    static Input& of(void* data) { return *static_cast<Input*>(data); }
    void capabilities(std::uint32_t capabilities);
    void useKeyboard(bool hasKeyboard);
    void usePointer(bool hasPointer);
    void keymap(int fd, std::uint32_t size);
    void key(std::uint32_t code, bool pressed);
    void pressKey(std::uint32_t code);
    void releaseHeldKeys();
    void enter(std::uint32_t serial, wl_surface* surface, double x, double y);
    void motion(double x, double y);
    void relativeMotion(double dx, double dy);
    void button(std::uint32_t button, bool pressed);
    void moved(double dx, double dy);
    void setCursor();
    void lock(bool wanted);
    void report() const;

    Connection& connection;
    wl_surface* surface = nullptr;
    int scale = 1;
    InputUse use = InputUse::controls;
    UserMotion userMotion;

    wl_seat* seat = nullptr;
    wl_keyboard* keyboard = nullptr;
    xkb_context* keys = nullptr;
    xkb_keymap* keymapInUse = nullptr;
    xkb_state* keyState = nullptr;
    KeyRepeat repeat;
    std::vector<std::pair<std::uint32_t, SpecialKey>> heldSpecialKeys;

    wl_pointer* pointer = nullptr;
    zwp_relative_pointer_v1* relativePointer = nullptr;
    zwp_locked_pointer_v1* lockedPointer = nullptr;
    bool locked = false; // the compositor has locked the pointer
    bool inside = false; // the pointer is over the surface
    std::uint32_t enterSerial = 0;
    double lastX = 0, lastY = 0;
    // The motion since the last recentring, in the surface's logical pixels.
    double motionX = 0, motionY = 0;

    bool manualCamera = false;
    bool cursorHidden = true;
    wl_cursor_theme* cursorTheme = nullptr;
    int cursorThemeScale = 0;
    wl_surface* cursorSurface = nullptr;
};
