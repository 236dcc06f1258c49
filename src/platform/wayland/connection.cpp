// The Wayland host's connection: the display, the globals it binds, and the outputs with their
// scales and names.
#include "platform/wayland/connection.h"

#include "pointer-constraints-unstable-v1-client-protocol.h"
#include "relative-pointer-unstable-v1-client-protocol.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// The versions asked for, where the compositor offers them: buffer scales and surface
// enter/leave (compositor 4), key repeat information (seat 5), output names (output 4).
constexpr std::uint32_t compositorVersion = 4, seatVersion = 5, outputVersion = 4,
                        xdgOutputVersion = 3, layerShellVersion = 4;

template <typename Proxy>
Proxy* bind(wl_registry* registry, std::uint32_t name, const wl_interface& interface,
            std::uint32_t offered, std::uint32_t wanted) {
    return static_cast<Proxy*>(
        wl_registry_bind(registry, name, &interface, std::min(offered, wanted)));
}

Output& outputOf(void* data) {
    return *static_cast<Output*>(data);
}

void ignoreGeometry(void*, wl_output*, int, int, int, int, int, const char*, const char*, int) {}
void ignoreMode(void*, wl_output*, std::uint32_t, int, int, int) {}
void ignoreText(void*, wl_output*, const char*) {}

} // namespace

Connection::~Connection() {
    if (!display) return;
    for (Output& output : outputs) {
        if (output.xdgOutput) zxdg_output_v1_destroy(output.xdgOutput);
        wl_output_destroy(output.output);
    }
    if (xdgOutputs) zxdg_output_manager_v1_destroy(xdgOutputs);
    if (layerShell && zwlr_layer_shell_v1_get_version(layerShell) >= 3)
        zwlr_layer_shell_v1_destroy(layerShell);
    else if (layerShell)
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(layerShell)); // no request before 3
    if (relativePointers) zwp_relative_pointer_manager_v1_destroy(relativePointers);
    if (pointerConstraints) zwp_pointer_constraints_v1_destroy(pointerConstraints);
    if (seat) wl_seat_destroy(seat);
    if (shm) wl_shm_destroy(shm);
    if (compositor) wl_compositor_destroy(compositor);
    if (registry) wl_registry_destroy(registry);
    wl_display_disconnect(display);
}

bool Connection::open() {
    // A socket's name is looked for in XDG_RUNTIME_DIR, and without one there is no compositor
    // to find (the library would say so on stderr).
    const char* socket = std::getenv("WAYLAND_DISPLAY");
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!(socket && socket[0] == '/') && !(runtime && runtime[0] == '/')) return false;
    display = wl_display_connect(nullptr);
    if (!display) return false;
    static const wl_registry_listener listener{global, globalRemove};
    registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, this);
    // The first roundtrip lists the globals, the second brings what the bound ones first tell.
    return wl_display_roundtrip(display) >= 0 && wl_display_roundtrip(display) >= 0;
}

const Output* Connection::find(const wl_output* wlOutput) const {
    for (const Output& output : outputs)
        if (output.output == wlOutput) return &output;
    return nullptr;
}

void Connection::global(void* data, wl_registry* registry, std::uint32_t name,
                        const char* interface, std::uint32_t version) {
    Connection& c = *static_cast<Connection*>(data);
    const auto is = [interface](const wl_interface& known) {
        return std::strcmp(interface, known.name) == 0;
    };
    if (is(wl_compositor_interface)) {
        c.compositor = bind<wl_compositor>(registry, name, wl_compositor_interface, version,
                                           compositorVersion);
    } else if (is(wl_shm_interface)) {
        c.shm = bind<wl_shm>(registry, name, wl_shm_interface, version, 1);
    } else if (is(wl_seat_interface) && !c.seat) {
        c.seat = bind<wl_seat>(registry, name, wl_seat_interface, version, seatVersion);
        c.seatName = name;
        if (c.seatChanged) c.seatChanged(c.seat);
    } else if (is(wl_output_interface)) {
        c.addOutput(name, version);
    } else if (std::strcmp(interface, "xdg_wm_base") == 0) {
        c.hasXdgWmBase = true; // libdecor binds it for the window
    } else if (is(zwp_relative_pointer_manager_v1_interface)) {
        c.relativePointers = bind<zwp_relative_pointer_manager_v1>(
            registry, name, zwp_relative_pointer_manager_v1_interface, version, 1);
    } else if (is(zwp_pointer_constraints_v1_interface)) {
        c.pointerConstraints = bind<zwp_pointer_constraints_v1>(
            registry, name, zwp_pointer_constraints_v1_interface, version, 1);
    } else if (is(zwlr_layer_shell_v1_interface)) {
        c.layerShell = bind<zwlr_layer_shell_v1>(registry, name, zwlr_layer_shell_v1_interface,
                                                 version, layerShellVersion);
    } else if (is(zxdg_output_manager_v1_interface)) {
        c.xdgOutputs = bind<zxdg_output_manager_v1>(
            registry, name, zxdg_output_manager_v1_interface, version, xdgOutputVersion);
        for (Output& output : c.outputs)
            c.describeWithXdgOutput(output);
    }
}

void Connection::globalRemove(void* data, wl_registry*, std::uint32_t name) {
    Connection& c = *static_cast<Connection*>(data);
    if (c.seat && name == c.seatName) {
        if (c.seatChanged) c.seatChanged(nullptr);
        wl_seat_destroy(c.seat);
        c.seat = nullptr;
        return;
    }
    const auto gone = std::find_if(c.outputs.begin(), c.outputs.end(),
                                   [name](const Output& o) { return o.globalName == name; });
    if (gone == c.outputs.end()) return;
    if (gone->xdgOutput) zxdg_output_v1_destroy(gone->xdgOutput);
    wl_output_destroy(gone->output);
    c.outputs.erase(gone);
    c.changed();
}

void Connection::addOutput(std::uint32_t name, std::uint32_t version) {
    // An output's description ends with its done event (from version 2), when the scale may have
    // changed.
    static const wl_output_listener listener{
        ignoreGeometry,
        ignoreMode,
        [](void* data, wl_output*) { outputOf(data).connection->changed(); },
        [](void* data, wl_output*, int scale) { outputOf(data).scale = scale; },
        [](void* data, wl_output*, const char* outputName) { outputOf(data).name = outputName; },
        ignoreText,
    };
    Output& output = outputs.emplace_back();
    output.output = bind<wl_output>(registry, name, wl_output_interface, version, outputVersion);
    output.globalName = name;
    output.connection = this;
    wl_output_add_listener(output.output, &listener, &output);
    if (xdgOutputs) describeWithXdgOutput(output);
}

// xdg-output names the output where wl_output is older than version 4; wl_output's own name,
// when it comes, is the same.
void Connection::describeWithXdgOutput(Output& output) {
    static const zxdg_output_v1_listener listener{
        [](void*, zxdg_output_v1*, int, int) {},
        [](void*, zxdg_output_v1*, int, int) {},
        [](void*, zxdg_output_v1*) {},
        [](void* data, zxdg_output_v1*, const char* outputName) {
            if (outputOf(data).name.empty()) outputOf(data).name = outputName;
        },
        [](void*, zxdg_output_v1*, const char*) {},
    };
    if (output.xdgOutput) return;
    output.xdgOutput = zxdg_output_manager_v1_get_xdg_output(xdgOutputs, output.output);
    zxdg_output_v1_add_listener(output.xdgOutput, &listener, &output);
}

void Connection::changed() {
    if (outputsChanged) outputsChanged();
}
