#include "host/viewer/session_recorder.h"

#include <cstdio>

#include "host/host_error.h"

namespace host::viewer {

namespace {

std::string number_text(double v) {
    char b[40];
    std::snprintf(b, sizeof b, "%.17g", v);  // read back exactly
    return b;
}

}  // namespace

SessionRecorder::SessionRecorder(const std::string& file, const std::string& panel_file, Panel& panel)
    : panel_(panel), path_(file), out_(file), frame_(panel.simulation().frame()) {
    if (!out_) throw HostError("cannot write the recording " + file);
    out_ << "# A panelview session on " << panel_file << ", recorded as a scenario (docs/viewer.md):\n"
         << "# panelhost scenario --panel " << panel_file << " --scenario " << file << "\n";
    if (frame_ != 0) write("at " + std::to_string(frame_));
    for (const PanelWindow& w : panel.windows()) {
        if (w.visible != w.config.visible && w.config.ident >= 0) {
            write((w.visible ? "open " : "close ") + panel_name(w.config.ident));
        }
    }
}

void SessionRecorder::reach(long frame) {
    if (frame > frame_) out_ << "wait " << frame - frame_ << "\n";
    frame_ = frame;
}

void SessionRecorder::write_pending() {
    if (!pressed_) return;
    reach(pressed_at_);
    out_ << *pressed_ << "\n";
    pressed_.reset();
}

void SessionRecorder::write(const std::string& line) {
    write_pending();
    reach(panel_.simulation().frame());
    out_ << line << "\n";
}

void SessionRecorder::press(const PlacedGauge& gauge, PIXPOINT point, MouseButton button) {
    const std::string& name = gauge.placement.gauge;
    if (panel_.find(name) != &gauge) {
        note("the press below was on " + name + " of panel.cfg line " + std::to_string(gauge.placement.line) +
             "; played, it presses the first one on an open window");
    }
    write_pending();
    pressed_ = "press " + name + " " + std::to_string(point.x) + " " + std::to_string(point.y) +
               (button == MouseButton::Right ? " right" : "");
    pressed_at_ = panel_.simulation().frame();
}

void SessionRecorder::move(PIXPOINT point) { write("move " + std::to_string(point.x) + " " + std::to_string(point.y)); }

void SessionRecorder::release() {
    if (pressed_ && pressed_at_ == panel_.simulation().frame()) {
        std::string click = "click" + pressed_->substr(5);
        pressed_.reset();
        write(click);
        return;
    }
    write("release");
}

void SessionRecorder::key_event(UINT32 event, UINT32 value) {
    char b[48];
    std::snprintf(b, sizeof b, "key 0x%X %u", static_cast<unsigned>(event), static_cast<unsigned>(value));
    write(b);
}

void SessionRecorder::toggle_window(int ident) { write("toggle " + panel_name(ident)); }

void SessionRecorder::command(const Scenario::Command& command) {
    std::string line = command.verb;
    for (const std::string& arg : command.args) line += " " + arg;
    write(line);
}

void SessionRecorder::note(const std::string& text) { write("# " + text); }

SessionRecorder::FlightValues SessionRecorder::flight_values(const Simulation& simulation) {
    FlightValues values{};
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = simulation.number(FLIGHT_MODEL_TOKENS[i]);
    return values;
}

void SessionRecorder::flight_changes(const FlightValues& before) {
    const FlightValues now = flight_values(panel_.simulation());
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (now[i] != before[i]) write("set " + std::to_string(FLIGHT_MODEL_TOKENS[i]) + " " + number_text(now[i]));
    }
}

void SessionRecorder::flush() { out_.flush(); }

void SessionRecorder::finish() {
    write_pending();
    reach(panel_.simulation().frame());
    out_.flush();
    if (!out_) throw HostError("cannot write the recording " + path_);
}

}  // namespace host::viewer
