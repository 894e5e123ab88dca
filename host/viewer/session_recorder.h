// A viewer session written down as a scenario (docs/viewer.md, Recording):
// what was done to the simulation, each at its frame with `wait`s between,
// so that `panelhost scenario` or `run` playing the file on a fresh panel
// reaches the same state. Written: presses, drags and releases on gauges
// (a press released in its frame as a click), the key events the keyboard's
// controls send, the flight model's variables that changed, the windows
// the number keys open and close, and the commands of a scenario played.
#pragma once

#include <array>
#include <fstream>
#include <optional>
#include <string>

#include "host/panel.h"
#include "host/scenario.h"
#include "host/viewer/flight_controls.h"

namespace host::viewer {

class SessionRecorder {
public:
    // Starts FILE; throws HostError when it cannot be written. Windows the
    // panel shows otherwise than panel.cfg starts them are opened or closed
    // first.
    SessionRecorder(const std::string& file, const std::string& panel_file, Panel& panel);

    void press(const PlacedGauge& gauge, PIXPOINT point, MouseButton button);
    void move(PIXPOINT point);
    void release();
    void key_event(UINT32 event, UINT32 value);
    void toggle_window(int ident);
    void command(const Scenario::Command& command);
    void note(const std::string& text);

    // The flight model's variables, and a `set` for each that changed since.
    using FlightValues = std::array<double, std::size(FLIGHT_MODEL_TOKENS)>;
    static FlightValues flight_values(const Simulation& simulation);
    void flight_changes(const FlightValues& before);

    // Writes what is held back; the file ends after the frames run so far.
    void flush();
    void finish();

private:
    // A line at the simulation's frame, after a wait for the frames since the last.
    void write(const std::string& line);
    void write_pending();
    void reach(long frame);

    Panel& panel_;
    std::string path_;
    std::ofstream out_;
    long frame_ = 0;                     // the frame the file has reached
    std::optional<std::string> pressed_;  // a press not yet written: it may become a click
    long pressed_at_ = 0;
};

}  // namespace host::viewer
