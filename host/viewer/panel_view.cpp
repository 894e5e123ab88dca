#include "host/viewer/panel_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "host/host_error.h"
#include "host/text_util.h"

namespace host::viewer {

namespace {

constexpr double SLOWEST = 0.25;
constexpr double FASTEST = 8.0;

const char* const KEYS_HELP =
    "\xE2\x86\x91\xE2\x86\x93 nose down/up  \xE2\x86\x90\xE2\x86\x92 bank  Z X rudder  PgUp PgDn throttle  G gear  "
    "F/Shift+F flaps  T/Shift+T time  C centre  |  Space pause  [ ] speed  1-9 windows  M mute  F12 picture  "
    "Esc quit";

Cursor cursor_of(SINT32 shape) {
    switch (shape) {
    case CURSOR_UP_ARROW: return Cursor::UpArrow;
    case CURSOR_DOWN_ARROW: return Cursor::DownArrow;
    case CURSOR_HAND: return Cursor::Hand;
    default: return Cursor::Arrow;
    }
}

std::string clock_text(double seconds) {
    const long s = static_cast<long>(std::fmod(std::max(0.0, seconds), 86400.0));
    char b[48];
    std::snprintf(b, sizeof b, "%02ld:%02ld", s / 3600, s / 60 % 60);
    return b;
}

}  // namespace

const std::vector<KeyBinding>& key_bindings() {
    static const std::vector<KeyBinding> bindings = [] {
        std::vector<KeyBinding> b = {
            {"Up", false, Command::Fly, Control::PitchDown},
            {"Down", false, Command::Fly, Control::PitchUp},
            {"Left", false, Command::Fly, Control::BankLeft},
            {"Right", false, Command::Fly, Control::BankRight},
            {"Z", false, Command::Fly, Control::RudderLeft},
            {"X", false, Command::Fly, Control::RudderRight},
            {"PageUp", false, Command::Fly, Control::ThrottleUp},
            {"PageDown", false, Command::Fly, Control::ThrottleDown},
            {"G", false, Command::Fly, Control::Gear},
            {"F", false, Command::Fly, Control::FlapsDown},
            {"F", true, Command::Fly, Control::FlapsUp},
            {"T", false, Command::Fly, Control::TimeForward},
            {"T", true, Command::Fly, Control::TimeBack},
            {"C", false, Command::Fly, Control::Centre},
            {"Space", false, Command::Pause},
            {"[", false, Command::Slower},
            {"]", false, Command::Faster},
            {"M", false, Command::Mute},
            {"F12", false, Command::Screenshot},
            {"Escape", false, Command::Quit},
            {"Q", false, Command::Quit},
        };
        static const char* const digits[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
        for (int n = 1; n <= 9; ++n) b.push_back({digits[n - 1], false, Command::Window, Control::Centre, n});
        return b;
    }();
    return bindings;
}

const char* keys_help() { return KEYS_HELP; }

PanelView::PanelView(const ViewOptions& options, std::ostream& out)
    : out_(out), panel_path_(options.panel), loaded_stamp_(stamp_of(options.panel)), seen_stamp_(loaded_stamp_) {
    session_.open(options.session, PanelConfig::read(options.panel), panel_folder(options.panel));
    speed_ = std::clamp(options.speed, SLOWEST, FASTEST);
    paused_ = options.paused;
    muted_ = options.muted;
    if (!options.record.empty()) {
        recorder_ = std::make_unique<SessionRecorder>(options.record, options.panel, *session_.panel);
        controls_.on_event = [this](UINT32 event, UINT32 value) { recorder_->key_event(event, value); };
    }
    if (!options.scenario.empty()) {
        scenario_ = std::make_unique<Scenario>(Scenario::read(options.scenario));
        player_ = std::make_unique<Scenario::Player>(*scenario_, *session_.panel, out_);
        scenario_name_ = std::filesystem::path(options.scenario).filename().string();
        if (recorder_) player_->on_command = [this](const Scenario::Command& c) { recorder_->command(c); };
    } else {
        take_controls();
    }
    // The first frame is the first tick's: a scenario's frames are the panel's.
    refresh_picture();
}

PanelView::~PanelView() {
    try {
        finish_recording();
    } catch (const HostError& e) {
        out_ << "panelview: " << e.what() << "\n";
    }
    if (session_.panel) session_.panel->shutdown();
}

void PanelView::finish_recording() {
    if (!recorder_) return;
    controls_.on_event = nullptr;
    if (player_) player_->on_command = nullptr;
    std::unique_ptr<SessionRecorder> recorder = std::move(recorder_);
    recorder->finish();
}

PanelView::FileStamp PanelView::stamp_of(const std::string& path) {
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path, error);
    if (error) return std::nullopt;
    const auto size = std::filesystem::file_size(path, error);
    if (error) return std::nullopt;
    return std::make_pair(time, size);
}

void PanelView::watch_panel_file() {
    const FileStamp stamp = stamp_of(panel_path_);
    // Changed, and still since the last look: an editor has finished writing.
    if (stamp != loaded_stamp_ && stamp == seen_stamp_) {
        loaded_stamp_ = stamp;
        reload();
    }
    seen_stamp_ = stamp;
}

bool PanelView::reload() {
    try {
        PanelConfig config = PanelConfig::read(panel_path_);
        if (pressed_gauge_) button_up();
        session_.reload(std::move(config));
    } catch (const HostError& e) {
        panel_error_ = e.what();
        out_ << "not reloaded, the panel stays as it was: " << panel_error_ << "\n";
        return false;
    }
    panel_error_.clear();
    reloaded_at_ = ticks_;
    out_ << "reloaded " << panel_path_ << " at frame " << session_.simulation.frame() << "\n";
    if (recorder_) recorder_->note(panel_path_ + " reloaded: what follows was done on the panel as changed");
    picture_.reset();
    refresh_picture();
    update_pointer();
    return true;
}

template <typename F>
void PanelView::fly(F&& action) {
    if (!recorder_) {
        action();
        return;
    }
    const SessionRecorder::FlightValues before = SessionRecorder::flight_values(session_.simulation);
    action();
    recorder_->flight_changes(before);
}

void PanelView::take_controls() {
    flying_ = true;
    controls_.take_over(session_.simulation);
}

void PanelView::run_frame() {
    if (player_ != nullptr && !flying_) {
        if (player_->step()) return;
        out_ << "scenario " << scenario_name_ << " ended at frame " << session_.simulation.frame()
             << "; the keyboard flies on from here\n";
        take_controls();
    }
    fly([&] { controls_.frame(session_.simulation); });
    session_.panel->frame();
}

void PanelView::tick() {
    ++ticks_;
    if (ticks_ % RELOAD_POLL_TICKS == 0) watch_panel_file();
    if (!paused_) {
        frame_credit_ += speed_;
        for (; frame_credit_ >= 1.0; frame_credit_ -= 1.0) run_frame();
    }
    refresh_picture();
    ++pointer_rest_;
    update_pointer();
    if (recorder_) recorder_->flush();
}

void PanelView::refresh_picture() {
    render::PanelRenderer& renderer = *session_.renderer;
    renderer.render();
    PanelLayout now = renderer.layout();
    if (!picture_ || now != layout_) {
        layout_ = now;
        picture_ = renderer.compose();
        changes_.assign(1, {0, 0, layout_.width, layout_.height});
        return;
    }
    cairo_t* cr = cairo_create(picture_.get());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    for (const auto& r : renderer.redrawn()) {
        const PanelLayout::Place* place = layout_.find(r.window);
        cairo_surface_t* canvas = renderer.canvas(r.window);
        if (place == nullptr || canvas == nullptr) continue;
        const Rect at{place->canvas.x + r.rect.x, place->canvas.y + r.rect.y, r.rect.width, r.rect.height};
        cairo_save(cr);
        cairo_rectangle(cr, at.x, at.y, at.width, at.height);
        cairo_clip(cr);
        cairo_set_source_surface(cr, canvas, place->canvas.x, place->canvas.y);
        cairo_paint(cr);
        cairo_restore(cr);
        changes_.push_back(at);
    }
    cairo_destroy(cr);
}

std::vector<Rect> PanelView::take_changes() {
    std::vector<Rect> out;
    out.swap(changes_);
    return out;
}

void PanelView::update_pointer() {
    cursor_ = Cursor::Arrow;
    std::optional<std::string> tip;
    if (pointer_) {
        render::PanelRenderer& renderer = *session_.renderer;
        if (auto hit = renderer.gauge_at(layout_, pointer_->first, pointer_->second)) {
            PlacedGauge& gauge = *session_.panel->gauges()[hit->gauge];
            if (const MouseArea* area = session_.panel->mouse_map(gauge).child_at(hit->point)) {
                cursor_ = cursor_of(area->rect->cursor);
            }
            if (pointer_rest_ >= HOVER_TICKS && !pressed_gauge_) tip = session_.panel->tooltip_at(gauge, hit->point);
        }
    }
    tooltip_ = tip;
}

void PanelView::pointer_moved(double x, double y) {
    pointer_ = std::make_pair(x, y);
    pointer_rest_ = 0;
    if (pressed_gauge_ && session_.panel->mouse().holding()) {
        const PlacedGauge& gauge = *session_.panel->gauges()[*pressed_gauge_];
        const PIXPOINT point = session_.renderer->to_gauge(layout_, gauge, x, y);
        if (recorder_) recorder_->move(point);
        session_.panel->mouse().move(point);
    }
    update_pointer();
}

void PanelView::pointer_left() {
    pointer_.reset();
    update_pointer();
}

void PanelView::button_down(double x, double y, MouseButton button) {
    pointer_ = std::make_pair(x, y);
    pointer_rest_ = 0;
    pressed_gauge_.reset();
    if (auto hit = session_.renderer->gauge_at(layout_, x, y)) {
        pressed_gauge_ = hit->gauge;
        PlacedGauge& gauge = *session_.panel->gauges()[hit->gauge];
        if (recorder_) recorder_->press(gauge, hit->point, button);
        session_.panel->press(gauge, hit->point, button);
    }
    update_pointer();
}

void PanelView::button_up() {
    if (recorder_ && pressed_gauge_) recorder_->release();
    session_.panel->mouse().release();
    pressed_gauge_.reset();
    pointer_rest_ = 0;
    update_pointer();
}

Command PanelView::key_down(const std::string& key, bool shift) {
    const KeyBinding* found = nullptr;
    for (const KeyBinding& b : key_bindings()) {
        if (key != b.key) continue;
        if (b.shift == shift) {
            found = &b;
            break;
        }
        if (found == nullptr) found = &b;  // a key without a shifted meaning means the same with Shift
    }
    if (found == nullptr) return Command::None;
    switch (found->command) {
    case Command::Fly:
        if (!flying_) {
            out_ << "the keyboard takes the controls: scenario " << scenario_name_ << " stops at frame "
                 << session_.simulation.frame() << "\n";
            take_controls();
        }
        paused_ = false;
        fly([&] { controls_.press(session_.simulation, found->control); });
        break;
    case Command::Pause: paused_ = !paused_; break;
    case Command::Slower: speed_ = std::max(SLOWEST, speed_ / 2); break;
    case Command::Faster: speed_ = std::min(FASTEST, speed_ * 2); break;
    case Command::Mute: muted_ = !muted_; break;
    case Command::Window: {
        const auto& windows = session_.panel->windows();
        const std::size_t index = static_cast<std::size_t>(found->window - 1);
        if (index < windows.size() && windows[index].config.ident >= 0) {
            if (recorder_) recorder_->toggle_window(windows[index].config.ident);
            session_.panel->toggle_window(windows[index].config.ident);
        }
        break;
    }
    case Command::None:
    case Command::Screenshot:
    case Command::Quit: break;
    }
    return found->command;
}

void PanelView::key_up(const std::string& key) {
    for (const KeyBinding& b : key_bindings()) {
        if (key == b.key && b.command == Command::Fly) controls_.release(b.control);
    }
}

std::vector<std::string> PanelView::status() const {
    const Simulation& s = session_.simulation;
    char line[256];
    std::string state;
    if (scenario_playing() && !flying_) {
        // Whole seconds: a status line that changes every frame would cost a
        // redraw of the window every frame.
        std::snprintf(line, sizeof line, "Scenario %s: %ld s", scenario_name_.c_str(),
                      player_->frames() / TICKS_PER_SECOND);
        state = line;
    } else {
        std::snprintf(line, sizeof line, "Flying: %.0f kt  %.0f ft  heading %03.0f  throttle %.0f%%  gear %s  flaps %d/%d",
                      s.number(61), s.number(74), std::fmod(std::round(s.number(84)) + 360.0, 360.0),
                      controls_.throttle() * 100.0, controls_.gear_down() ? "down" : "up", controls_.flap_notch(),
                      FLAP_STEPS);
        state = line;
    }
    state += "  |  " + clock_text(s.number(557));
    if (paused_) state += "  |  PAUSED";
    if (speed_ != 1.0) {
        std::snprintf(line, sizeof line, "  |  speed x%g", speed_);
        state += line;
    }
    if (muted_) state += "  |  sound off";
    const std::string file = std::filesystem::path(panel_path_).filename().string();
    if (!panel_error_.empty()) return {state, file + " not reloaded, the panel as it was: " + panel_error_};
    if (ticks_ - reloaded_at_ < RELOAD_NOTE_TICKS) return {state, file + " reloaded  |  " + KEYS_HELP};
    return {state, KEYS_HELP};
}

PlacedGauge& PanelView::visible_gauge(const std::string& name) {
    PlacedGauge* gauge = session_.panel->find(name);
    if (gauge == nullptr) throw HostError(session_.panel->not_placed(name));
    if (layout_.find(gauge->window) == nullptr) {
        throw HostError("gauge " + host::quoted(name) + " is on a closed window");
    }
    return *gauge;
}

std::pair<double, double> PanelView::gauge_point(const std::string& name, double gx, double gy) {
    return session_.renderer->from_gauge(layout_, visible_gauge(name), gx, gy);
}

Rect PanelView::gauge_rect(const std::string& name) {
    PlacedGauge& gauge = visible_gauge(name);
    Rect r = session_.renderer->rect(gauge);
    const PanelLayout::Place* place = layout_.find(gauge.window);
    return {place->canvas.x + r.x, place->canvas.y + r.y, r.width, r.height};
}

}  // namespace host::viewer
