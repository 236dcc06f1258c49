// The Wayland host's connection: the display, the globals it binds, and the outputs with their
// scales and names.
#pragma once

#include <cstdint>
#include <functional>
#include <list>
#include <string>
#include <wayland-client.h>

struct zwp_relative_pointer_manager_v1;
struct zwp_pointer_constraints_v1;
struct zxdg_output_manager_v1;
struct zxdg_output_v1;
struct zwlr_layer_shell_v1;

// A screen, as the compositor describes it.
struct Output {
    wl_output* output = nullptr;
    std::uint32_t globalName = 0;
    int scale = 1;
    // wl_output's own name (from version 4), or else xdg-output's.
    std::string name;
    zxdg_output_v1* xdgOutput = nullptr;
    class Connection* connection = nullptr;
};

class Connection {
  public:
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection();

    // Connects to the compositor that WAYLAND_DISPLAY names and binds its globals, then waits
    // for what they first tell (the outputs' scales and names, the seat's capabilities). False
    // when no compositor answers there.
    bool open();

    // Called when a seat appears (and with nullptr when it goes), and when an output appears,
    // changes or goes; set before open.
    std::function<void(wl_seat*)> seatChanged;
    std::function<void()> outputsChanged;

    // The output of `wlOutput`, or nullptr.
    const Output* find(const wl_output* wlOutput) const;

    wl_display* display = nullptr;
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    wl_seat* seat = nullptr;
    bool hasXdgWmBase = false; // the desktop shell that windows need
    zwp_relative_pointer_manager_v1* relativePointers = nullptr;
    zwp_pointer_constraints_v1* pointerConstraints = nullptr;
    zxdg_output_manager_v1* xdgOutputs = nullptr;
    zwlr_layer_shell_v1* layerShell = nullptr; // the layers that wlroots compositors offer
    std::list<Output> outputs;

  private:
    static void global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version);
    static void globalRemove(void* data, wl_registry* registry, std::uint32_t name);
    void addOutput(std::uint32_t name, std::uint32_t version);
    void describeWithXdgOutput(Output& output);
    void changed();

    wl_registry* registry = nullptr;
    std::uint32_t seatName = 0;
};
