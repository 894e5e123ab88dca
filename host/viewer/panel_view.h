// The viewer without its window: a loaded panel run on the viewer's clock,
// flown from the keyboard or played from a scenario, with the mouse routed
// as on the real host, and the picture kept up to date with only the
// gauges that changed. The SDL front end (panelview.cpp) shows it, feeds it
// events and plays its sound; everything here is testable without a display.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "host/render/panel_session.h"
#include "host/scenario.h"
#include "host/viewer/flight_controls.h"
#include "host/viewer/session_recorder.h"

namespace host::viewer {

using render::PanelLayout;
using render::Rect;

// The viewer's clock runs at the panel's frame rate; a pointer resting this
// many ticks shows the tooltip.
constexpr long TICKS_PER_SECOND = static_cast<long>(FRAMES_PER_SECOND);
constexpr long HOVER_TICKS = 9;
// How often panel.cfg's modification time is looked at, and how long the
// status line says it was reloaded.
constexpr long RELOAD_POLL_TICKS = 6;
constexpr long RELOAD_NOTE_TICKS = 3 * TICKS_PER_SECOND;

enum class Cursor { Arrow, UpArrow, DownArrow, Hand };

// What a key does. The front end acts on Screenshot and Quit itself.
enum class Command { None, Fly, Pause, Slower, Faster, Mute, Window, Screenshot, Quit };

struct KeyBinding {
    const char* key;  // the key's name as SDL gives it ("Up", "PageUp", "G", "[", "1")
    bool shift;
    Command command;
    Control control = Control::Centre;  // Fly
    int window = 0;                     // Window: the panel.cfg window, counted from 1
};
// Every key the viewer knows, and the one line that explains them.
const std::vector<KeyBinding>& key_bindings();
const char* keys_help();

struct ViewOptions {
    std::string panel;
    std::string scenario;  // played from the start when given
    double speed = 1.0;    // panel frames per tick
    bool paused = false;
    bool muted = false;
    std::string record;    // the session written to this file as a scenario
    render::SessionOptions session;
};

class PanelView {
public:
    // Loads the panel and the scenario, starts the recording; throws HostError.
    explicit PanelView(const ViewOptions& options, std::ostream& out);
    ~PanelView();

    // Reads panel.cfg again and puts it in place of the panel, keeping the
    // simulation (Panel::reload); on a mistake the panel stays as it was
    // and the status line shows the error. The clock calls this when the
    // file's modification time (or size) changed and held still since the
    // last look, every RELOAD_POLL_TICKS.
    bool reload();
    const std::string& panel_error() const { return panel_error_; }
    // Ends the recording: the file waits out the frames run so far.
    void finish_recording();

    // One tick of the viewer's clock: the frames due at the speed (none
    // while paused), each from the scenario while it plays and from the
    // keyboard's flight model after; then the picture is brought up to date.
    void tick();
    long ticks() const { return ticks_; }

    // The mouse, at points of the picture.
    void pointer_moved(double x, double y);
    void pointer_left();
    void button_down(double x, double y, MouseButton button);
    void button_up();
    Cursor cursor() const { return cursor_; }
    // The tooltip of the rectangle under a pointer resting long enough.
    const std::optional<std::string>& tooltip() const { return tooltip_; }

    // Keys by name; returns what the key does (None for keys it does not know).
    Command key_down(const std::string& key, bool shift);
    void key_up(const std::string& key);

    // The picture: every visible window as `compose` lays them out.
    cairo_surface_t* picture() const { return picture_.get(); }
    const PanelLayout& layout() const { return layout_; }
    // The rectangles of the picture that changed since the last call; the
    // whole picture when its layout changed.
    std::vector<Rect> take_changes();
    // Two lines: what is happening, and what the keys do.
    std::vector<std::string> status() const;

    // A point of a gauge's bitmap in the picture, and the gauge's rectangle;
    // throws HostError with the nearest names for a gauge not on a visible window.
    std::pair<double, double> gauge_point(const std::string& gauge, double gx, double gy);
    Rect gauge_rect(const std::string& gauge);

    bool paused() const { return paused_; }
    bool muted() const { return muted_; }
    double speed() const { return speed_; }
    bool scenario_playing() const { return player_ != nullptr && !player_->ended(); }
    render::PanelSession& session() { return session_; }
    Simulation& simulation() { return session_.simulation; }

private:
    // File modification time and size; nullopt when it cannot be read.
    using FileStamp = std::optional<std::pair<std::filesystem::file_time_type, std::uintmax_t>>;
    static FileStamp stamp_of(const std::string& path);
    void watch_panel_file();
    // A call into the keyboard's controls, the flight model's changes recorded.
    template <typename F>
    void fly(F&& action);
    void run_frame();
    void refresh_picture();
    void update_pointer();
    PlacedGauge& visible_gauge(const std::string& name);
    void take_controls();

    std::ostream& out_;
    std::string panel_path_;
    FileStamp loaded_stamp_, seen_stamp_;
    std::string panel_error_;
    long reloaded_at_ = -RELOAD_NOTE_TICKS;
    render::PanelSession session_;
    std::unique_ptr<SessionRecorder> recorder_;
    std::unique_ptr<Scenario> scenario_;
    std::unique_ptr<Scenario::Player> player_;
    std::string scenario_name_;
    FlightControls controls_;
    bool flying_ = false;
    bool paused_ = false;
    bool muted_ = false;
    double speed_ = 1.0;
    double frame_credit_ = 0;
    long ticks_ = 0;

    render::Surface picture_;
    PanelLayout layout_;
    std::vector<Rect> changes_;

    std::optional<std::pair<double, double>> pointer_;
    long pointer_rest_ = 0;
    std::optional<std::size_t> pressed_gauge_;
    Cursor cursor_ = Cursor::Arrow;
    std::optional<std::string> tooltip_;
};

}  // namespace host::viewer
