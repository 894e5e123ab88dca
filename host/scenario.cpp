#include "host/scenario.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>

#include "host/gauge_report.h"
#include "host/host_error.h"
#include "host/radio_model.h"
#include "host/text_util.h"
#include "host/text_encoding.h"

namespace host {

namespace {

struct Verb {
    std::size_t min_args;
    std::size_t max_args;
    const char* usage;
};

const std::map<std::string, Verb>& verbs() {
    static const std::map<std::string, Verb> table = {
        {"wait", {1, 1, "wait FRAMES | wait SECONDSs"}},
        {"at", {1, 1, "at FRAME | at SECONDSs"}},
        {"set", {2, 64, "set TOKEN VALUE | set A:NAME VALUE"}},
        {"print", {1, 64, "print TOKEN | print A:NAME"}},
        {"fail", {1, 1, "fail KEY"}},
        {"repair", {1, 1, "repair KEY"}},
        {"click", {3, 4, "click GAUGE X Y [left|right]"}},
        {"press", {3, 4, "press GAUGE X Y [left|right]"}},
        {"move", {2, 2, "move X Y"}},
        {"release", {0, 0, "release"}},
        {"hover", {3, 3, "hover GAUGE X Y"}},
        {"key", {1, 2, "key EVENT [VALUE]"}},
        {"open", {1, 1, "open PANEL"}},
        {"close", {1, 1, "close PANEL"}},
        {"toggle", {1, 1, "toggle PANEL"}},
        {"show", {1, 1, "show GAUGE"}},
        {"windows", {0, 0, "windows"}},
        {"log", {0, 0, "log"}},
        {"radios", {0, 0, "radios"}},
    };
    return table;
}

// The frames of a `wait` or `at` argument: N frames or S seconds.
long frames_of(const std::string& arg, const std::string& path, int line) {
    const bool seconds = !arg.empty() && arg.back() == 's';
    const std::string number = seconds ? arg.substr(0, arg.size() - 1) : arg;
    const bool digits = !number.empty() &&
                        std::all_of(number.begin(), number.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
    auto too_far = [&] {
        return HostError(path, line, "at most " + std::to_string(Scenario::MAX_FRAMES) + " frames (" +
                                         std::to_string(Scenario::MAX_FRAMES / static_cast<long>(FRAMES_PER_SECOND)) +
                                         "s, a day) are allowed, found " + excerpt(arg));
    };
    if (seconds) {
        auto s = real_number(number);
        if (!s || !(*s >= 0)) throw HostError(path, line, "expected seconds such as 1.5s, found " + excerpt(arg));
        if (!(*s * FRAMES_PER_SECOND <= static_cast<double>(Scenario::MAX_FRAMES))) throw too_far();
        return std::lround(*s * FRAMES_PER_SECOND);
    }
    auto n = whole_number(number);
    if (!n && digits) throw too_far();  // beyond 64 bits
    if (!n || *n < 0) throw HostError(path, line, "expected a frame count, found " + excerpt(arg));
    if (*n > Scenario::MAX_FRAMES) throw too_far();
    return static_cast<long>(*n);
}

// A whole number within [low, high], else nullopt.
std::optional<long long> whole_in(const std::string& s, long long low, long long high) {
    auto v = whole_number(s);
    if (!v || *v < low || *v > high) return std::nullopt;
    return v;
}

std::string point_text(PIXPOINT p) {
    char b[32];
    std::snprintf(b, sizeof b, "(%d,%d)", static_cast<int>(p.x), static_cast<int>(p.y));
    return b;
}

std::string hex(UINT32 v) {
    char b[16];
    std::snprintf(b, sizeof b, "0x%X", static_cast<unsigned>(v));
    return b;
}

}  // namespace

Scenario Scenario::read(const std::string& path) {
    std::ifstream in = open_input(path, "scenario");
    return parse(in, path);
}

Scenario Scenario::parse(std::istream& in, const std::string& path) {
    Scenario scenario;
    scenario.path_ = path;
    std::string raw;
    int line = 0;
    while (std::getline(in, raw)) {
        ++line;
        const std::vector<std::string> words = words_of(raw);
        if (words.empty()) {
            continue;
        }
        Command command{line, words.front(), {words.begin() + 1, words.end()}};
        auto verb = verbs().find(command.verb);
        if (verb == verbs().end()) {
            throw HostError(path, line, "unknown command " + quoted(command.verb));
        }
        if (command.args.size() < verb->second.min_args || command.args.size() > verb->second.max_args) {
            throw HostError(path, line, std::string("expected: ") + verb->second.usage);
        }
        if (command.verb == "wait" || command.verb == "at") frames_of(command.args[0], path, line);
        scenario.commands_.push_back(std::move(command));
    }
    return scenario;
}

void Scenario::run(Panel& panel, std::ostream& out) const {
    run_commands(panel, out, [] {}, [] { return false; });
    report(panel, out);
}

Scenario::Outcome Scenario::run_commands(Panel& panel, std::ostream& out, const std::function<void()>& on_frame,
                                         const std::function<bool()>& stop) const {
    Player player(*this, panel, out);
    while (player.run_due()) {
        if (stop()) return {player.commands_unshown()};
        player.frame();
        on_frame();
    }
    return {player.commands_unshown()};
}

bool Scenario::Player::run_due() {
    while (frames_due_ == 0) {
        if (next_ >= scenario_.commands_.size()) return false;
        const Command& command = scenario_.commands_[next_++];
        if (command.verb != "wait" && command.verb != "at") {
            commands_unshown_ = true;
            if (on_command) on_command(command);
        }
        frames_due_ = scenario_.execute(command, panel_, out_, *this);
    }
    return true;
}

void Scenario::Player::frame() {
    panel_.frame();
    --frames_due_;
    ++frames_;
    commands_unshown_ = false;
}

bool Scenario::Player::step() {
    if (!run_due()) return false;
    frame();
    return true;
}

void Scenario::report(Panel& panel, std::ostream& out) const {
    const auto& events = panel.simulation().key_log().events();
    out << "key events:\n";
    for (std::size_t i = 0; i < events.size(); ++i) {
        out << "  " << KeyEventLog::format(events[i]) << "\n";
    }
    if (!panel.window_log().empty()) {
        out << "window changes:\n";
        for (const std::string& change : panel.window_log()) out << "  " << change << "\n";
    }
    if (!panel.warnings().empty()) {
        out << "warnings:\n";
        for (const std::string& w : panel.warnings()) out << "  " << w << "\n";
    }
    if (!panel.simulation().unknown_tokens().empty()) {
        out << "tokens read that the simulation does not have:";
        for (UINT32 t : panel.simulation().unknown_tokens()) out << " " << t;
        out << "\n";
    }
}

long Scenario::execute(const Command& c, Panel& panel, std::ostream& out, Player& player) const {
    Simulation& sim = panel.simulation();
    auto fail = [&](const std::string& what) -> HostError { return HostError(path_, c.line, what); };
    auto warn = [&](const std::string& what) {
        panel.warnings().push_back(path_ + ":" + std::to_string(c.line) + ": " + what);
    };
    auto token_of = [&](const std::string& arg) -> UINT32 {
        auto t = whole_in(arg, 1, UINT32_MAX);
        if (!t) throw fail("expected a token number, found " + excerpt(arg));
        return static_cast<UINT32>(*t);
    };
    auto gauge_of = [&](const std::string& name) -> PlacedGauge& {
        PlacedGauge* g = panel.find(name);
        if (g == nullptr) throw fail(panel.not_placed(name));
        return *g;
    };
    auto point_of = [&](const std::string& x, const std::string& y) -> PIXPOINT {
        auto px = whole_in(x, INT32_MIN, INT32_MAX);
        auto py = whole_in(y, INT32_MIN, INT32_MAX);
        if (!px || !py) throw fail("expected pixel coordinates, found " + excerpt(x) + " " + excerpt(y));
        return {static_cast<SINT32>(*px), static_cast<SINT32>(*py)};
    };
    auto panel_of = [&](const std::string& arg) -> int {
        if (auto id = panel_id_by_name(arg)) return *id;
        auto n = whole_in(arg, INT32_MIN, INT32_MAX);
        if (!n) throw fail("expected a panel name or number, found " + excerpt(arg));
        return static_cast<int>(*n);
    };
    auto named = [&](std::size_t from) {
        std::string name;
        for (std::size_t i = from; i < c.args.size(); ++i) name += (i > from ? " " : "") + c.args[i];
        return name.substr(2);
    };
    auto stamp = [&]() { return "[frame " + std::to_string(sim.frame()) + "] "; };

    if (c.verb == "wait") {
        return frames_of(c.args[0], path_, c.line);
    } else if (c.verb == "at") {
        long target = frames_of(c.args[0], path_, c.line);
        if (target < sim.frame()) throw fail("frame " + std::to_string(target) + " has already passed");
        return target - sim.frame();
    } else if (c.verb == "set") {
        if (c.args[0].rfind("A:", 0) == 0) {
            std::vector<std::string> parts(c.args.begin(), c.args.end() - 1);
            auto v = real_number(c.args.back());
            if (!v) throw fail("expected a number, found " + excerpt(c.args.back()));
            std::string name;
            for (std::size_t i = 0; i < parts.size(); ++i) name += (i ? " " : "") + parts[i];
            if (!sim.named(name.substr(2))) {
                warn("set " + name + ": the simulation has no variable named " + name.substr(2) + "; it is made all the same");
            }
            sim.set_named(name.substr(2), *v);
            return 0;
        }
        if (c.args.size() != 2) throw fail("expected: set TOKEN VALUE");
        UINT32 token = token_of(c.args[0]);
        if (!sim.has(token)) {
            warn("set " + c.args[0] + ": the simulation has no variable with this token (docs/host-conventions.md "
                 "lists them); it is made all the same");
        }
        if (sim.is_packed(token)) {
            auto v = whole_in(c.args[1], 0, UINT32_MAX);
            if (!v) throw fail("token " + c.args[0] + " takes a packed value such as 0x1800");
            sim.set_packed(token, static_cast<UINT32>(*v));
        } else {
            auto v = real_number(c.args[1]);
            if (!v) throw fail("expected a number, found " + excerpt(c.args[1]));
            sim.set_number(token, *v);
        }
    } else if (c.verb == "print") {
        if (c.args[0].rfind("A:", 0) == 0) {
            std::string name = named(0);
            auto v = sim.named(name);
            if (!v) throw fail("no named variable " + excerpt(name));
            out << stamp() << "A:" << name << " = " << v->value << " " << v->unit << "\n";
            return 0;
        }
        UINT32 token = token_of(c.args[0]);
        if (sim.is_packed(token)) {
            out << stamp() << "token " << token << " = " << hex(sim.packed(token)) << "\n";
        } else {
            out << stamp() << "token " << token << " = " << sim.number(token) << "\n";
        }
    } else if (c.verb == "fail" || c.verb == "repair") {
        sim.set_failure(token_of(c.args[0]), c.verb == "fail");
    } else if (c.verb == "click" || c.verb == "press") {
        PlacedGauge& gauge = gauge_of(c.args[0]);
        if (!panel.visible(gauge)) throw fail("gauge " + excerpt(c.args[0]) + " is on a closed window");
        PIXPOINT p = point_of(c.args[1], c.args[2]);
        MouseButton button = MouseButton::Left;
        if (c.args.size() == 4) {
            if (c.args[3] == "right") button = MouseButton::Right;
            else if (c.args[3] != "left") throw fail("expected left or right, found " + excerpt(c.args[3]));
        }
        auto outcome = panel.press(gauge, p, button);
        out << stamp() << c.verb << " " << c.args[0] << " " << point_text(p) << " "
            << (button == MouseButton::Left ? "left" : "right") << ": ";
        if (!outcome.area) {
            out << "no click area\n";
        } else {
            const MouseArea& a = *outcome.area;
            out << "row " << a.row << " (" << a.box.x << "," << a.box.y << "," << a.box.width << ","
                << a.box.height << ")";
            if (!outcome.accepted) out << " does not take this button";
            else if (a.rect->function != nullptr) out << " function";
            else if (a.rect->event_id != 0) out << " event " << hex(a.rect->event_id);
            out << "\n";
        }
        if (c.verb == "click") panel.mouse().release();
    } else if (c.verb == "move") {
        if (!panel.mouse().holding()) throw fail("move without a held button");
        panel.mouse().move(point_of(c.args[0], c.args[1]));
    } else if (c.verb == "release") {
        panel.mouse().release();
    } else if (c.verb == "hover") {
        PlacedGauge& gauge = gauge_of(c.args[0]);
        PIXPOINT p = point_of(c.args[1], c.args[2]);
        auto text = panel.tooltip_at(gauge, p);
        out << stamp() << "hover " << c.args[0] << " " << point_text(p) << ": "
            << (text ? "\"" + cp1252_for_terminal(*text) + "\"" : std::string("no tooltip")) << "\n";
    } else if (c.verb == "key") {
        // Values are 32 bits: negative ones as the simulation's signed events take them.
        auto id = whole_in(c.args[0], 0, UINT32_MAX);
        auto value = c.args.size() > 1 ? whole_in(c.args[1], INT32_MIN, UINT32_MAX) : std::optional<long long>(0);
        if (!id || !value) throw fail("expected: key EVENT [VALUE]");
        sim.trigger_key_event(static_cast<UINT32>(*id), static_cast<UINT32>(*value), EventSource::Scenario);
    } else if (c.verb == "open") {
        panel.open_window(panel_of(c.args[0]));
    } else if (c.verb == "close") {
        panel.close_window(panel_of(c.args[0]));
    } else if (c.verb == "toggle") {
        panel.toggle_window(panel_of(c.args[0]));
    } else if (c.verb == "show") {
        PlacedGauge& gauge = gauge_of(c.args[0]);
        out << stamp() << "show " << c.args[0] << " (" << gauge.evaluation.updates() << " updates)\n";
        print_element_states(out, gauge.evaluation);
    } else if (c.verb == "windows") {
        for (const PanelWindow& w : panel.windows()) {
            out << stamp() << "[" << w.config.section << "] ident " << panel_name(w.config.ident) << " "
                << (w.visible ? "open" : "closed") << "\n";
        }
    } else if (c.verb == "radios") {
        for (const std::string& line : describe_receivers(sim)) out << stamp() << line << "\n";
    } else if (c.verb == "log") {
        const auto& events = sim.key_log().events();
        for (; player.printed_events_ < events.size(); ++player.printed_events_) {
            out << stamp() << "key " << KeyEventLog::format(events[player.printed_events_]) << "\n";
        }
    }
    return 0;
}

}  // namespace host
