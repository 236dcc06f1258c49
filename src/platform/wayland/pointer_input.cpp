// The Wayland host's pointer: its motion, whose sum since the last recentring the manual camera
// turns by, locked while the manual camera is on, with its relative motion counted then; its
// buttons; the cursor, hidden or the arrow; and, on the overlay layer, the motion that ends it.
#include "platform/wayland/input.h"

#include "app/globals.h"
#include "controls/pointer.h"
#include "platform/host_events.h"
#include "pointer-constraints-unstable-v1-client-protocol.h"
#include "relative-pointer-unstable-v1-client-protocol.h"

#include <cmath>
#include <cstdlib>
#include <linux/input-event-codes.h>
#include <wayland-cursor.h>

namespace {

// The pointer's arrow, at the cursor size the desktop sets (24 pixels unless XCURSOR_SIZE says
// otherwise), times the buffer scale.
constexpr int defaultCursorSize = 24;

int cursorSize() {
    const char* size = std::getenv("XCURSOR_SIZE");
    const int value = size ? std::atoi(size) : 0;
    return value > 0 ? value : defaultCursorSize;
}

} // namespace

// A pointer comes with the seat's capability, or goes.
void Input::usePointer(bool hasPointer) {
    if (hasPointer && !pointer) {
        static const wl_pointer_listener listener{
            [](void* data, wl_pointer*, std::uint32_t serial, wl_surface* entered, wl_fixed_t x,
               wl_fixed_t y) {
                of(data).enter(serial, entered, wl_fixed_to_double(x), wl_fixed_to_double(y));
            },
            [](void* data, wl_pointer*, std::uint32_t, wl_surface*) { of(data).inside = false; },
            [](void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y) {
                of(data).motion(wl_fixed_to_double(x), wl_fixed_to_double(y));
            },
            [](void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t button,
               std::uint32_t state) {
                of(data).button(button, state == WL_POINTER_BUTTON_STATE_PRESSED);
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
                    of(data).relativeMotion(wl_fixed_to_double(dx), wl_fixed_to_double(dy));
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
        [](void* data, zwp_locked_pointer_v1*) { of(data).locked = true; },
        [](void* data, zwp_locked_pointer_v1*) { of(data).locked = false; },
    };
    lockedPointer = zwp_pointer_constraints_v1_lock_pointer(
        connection.pointerConstraints, surface, pointer, nullptr,
        ZWP_POINTER_CONSTRAINTS_V1_LIFETIME_PERSISTENT);
    zwp_locked_pointer_v1_add_listener(lockedPointer, &listener, this);
}
