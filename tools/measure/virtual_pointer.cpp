// The Wayland tests' pointer on $WAYLAND_DISPLAY: a virtual pointer, a device like a mouse (which a
// compositor without input devices lacks), there until standard input ends. Each line read there
// is a list of actions, carried out in turn; then it prints "done" once the compositor has them
// all, or the usage where it cannot read one:
//   move N DX DY MS   N relative moves by (DX, DY), MS milliseconds apart, each its own frame
//   to X Y            an absolute move to (X, Y) of the first output, in its logical pixels
//   press B | release B | click B   the button B: left, right or middle
// Relative moves are what a locked pointer still reports to its client.
#include "virtual-pointer-client-protocol.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <linux/input-event-codes.h>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <wayland-client.h>

namespace {

zwlr_virtual_pointer_manager_v1* manager = nullptr;
wl_output* output = nullptr;
int modeWidth = 0, modeHeight = 0, scale = 1;

const wl_output_listener outputListener = {
    [](void*, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*, const char*,
       int32_t) {},
    [](void*, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t) {
        if (flags & WL_OUTPUT_MODE_CURRENT) modeWidth = width, modeHeight = height;
    },
    [](void*, wl_output*) {},
    [](void*, wl_output*, int32_t factor) { scale = factor; },
    nullptr,
    nullptr}; // name and description: not sent at version 2

void addGlobal(void*, wl_registry* registry, uint32_t name, const char* interface,
               uint32_t version) {
    if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0 && version >= 2)
        manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 2));
    if (std::strcmp(interface, wl_output_interface.name) == 0 && !output) {
        output = static_cast<wl_output*>(wl_registry_bind(registry, name, &wl_output_interface, 2));
        wl_output_add_listener(output, &outputListener, nullptr);
    }
}
const wl_registry_listener registryListener = {addGlobal, [](void*, wl_registry*, uint32_t) {}};

uint32_t nowMs() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// Sends the actions of `line`; false at the first it cannot read.
bool act(wl_display* display, zwlr_virtual_pointer_v1* pointer, std::istringstream& line) {
    static const std::map<std::string, uint32_t> buttons = {
        {"left", BTN_LEFT}, {"right", BTN_RIGHT}, {"middle", BTN_MIDDLE}};
    std::string action, button;
    int n = 0, dx = 0, dy = 0, ms = 0;
    unsigned x = 0, y = 0;
    while (line >> action) {
        if (action == "move" && line >> n >> dx >> dy >> ms) {
            for (int i = 0; i < n; ++i) {
                if (i > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
                zwlr_virtual_pointer_v1_motion(pointer, nowMs(), wl_fixed_from_int(dx),
                                               wl_fixed_from_int(dy));
                zwlr_virtual_pointer_v1_frame(pointer);
                wl_display_flush(display);
            }
        } else if (action == "to" && line >> x >> y) {
            zwlr_virtual_pointer_v1_motion_absolute(pointer, nowMs(), x, y,
                                                    static_cast<uint32_t>(modeWidth / scale),
                                                    static_cast<uint32_t>(modeHeight / scale));
            zwlr_virtual_pointer_v1_frame(pointer);
        } else if (line >> button && buttons.count(button) &&
                   (action == "press" || action == "release" || action == "click")) {
            for (const auto state :
                 {WL_POINTER_BUTTON_STATE_PRESSED, WL_POINTER_BUTTON_STATE_RELEASED})
                if (action != (state ? "release" : "press")) {
                    zwlr_virtual_pointer_v1_button(pointer, nowMs(), buttons.at(button), state);
                    zwlr_virtual_pointer_v1_frame(pointer);
                }
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) return std::fputs("virtual_pointer: no Wayland compositor\n", stderr), 1;
    wl_registry_add_listener(wl_display_get_registry(display), &registryListener, nullptr);
    wl_display_roundtrip(display);
    if (!manager || !output)
        return std::fputs("virtual_pointer: no virtual pointer (version 2) or output\n", stderr), 1;
    zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer_with_output(manager, nullptr,
                                                                           output);
    wl_display_roundtrip(display); // the output's size
    for (std::string text; std::getline(std::cin, text);) {
        std::istringstream line(text);
        const bool done = act(display, pointer, line);
        if (wl_display_roundtrip(display) < 0)
            return std::fputs("virtual_pointer: the compositor has gone\n", stderr), 1;
        std::puts(done ? "done" : "usage: move N DX DY MS | to X Y | press|release|click B ...");
        std::fflush(stdout);
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
