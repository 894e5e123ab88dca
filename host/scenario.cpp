#include "host/scenario.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "host/gauge_report.h"
#include "host/host_error.h"
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
    };
    return table;
}

std::optional<long long> whole_number(const std::string& s) {
    if (s.empty()) return std::nullopt;
    char* end = nullptr;
    const bool hex = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
    long long v = std::strtoll(s.c_str(), &end, hex ? 16 : 10);  // decimal or 0x hex
    if (*end != '\0') return std::nullopt;
    return v;
}

std::optional<double> real_number(const std::string& s) {
    if (s.empty()) return std::nullopt;
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (*end != '\0') return std::nullopt;
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
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw HostError("cannot open scenario " + path);
    }
    return parse(in, path);
}

Scenario Scenario::parse(std::istream& in, const std::string& path) {
    Scenario scenario;
    scenario.path_ = path;
    std::string raw;
    int line = 0;
    while (std::getline(in, raw)) {
        ++line;
        auto hash = raw.find('#');
        std::istringstream words(raw.substr(0, hash));
        Command command{line, {}, {}};
        if (!(words >> command.verb)) {
            continue;
        }
        for (std::string w; words >> w;) {
            command.args.push_back(w);
        }
        auto verb = verbs().find(command.verb);
        if (verb == verbs().end()) {
            throw HostError(path, line, "unknown command \"" + command.verb + "\"");
        }
        if (command.args.size() < verb->second.min_args || command.args.size() > verb->second.max_args) {
            throw HostError(path, line, std::string("expected: ") + verb->second.usage);
        }
        scenario.commands_.push_back(std::move(command));
    }
    return scenario;
}

void Scenario::run(Panel& panel, std::ostream& out) const {
    std::size_t printed_events = 0;
    for (const Command& command : commands_) {
        execute(command, panel, out, printed_events);
    }
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

void Scenario::execute(const Command& c, Panel& panel, std::ostream& out, std::size_t& printed_events) const {
    Simulation& sim = panel.simulation();
    auto fail = [&](const std::string& what) -> HostError { return HostError(path_, c.line, what); };
    auto warn = [&](const std::string& what) {
        panel.warnings().push_back(path_ + ":" + std::to_string(c.line) + ": " + what);
    };
    auto frames_of = [&](const std::string& arg) -> long {
        if (!arg.empty() && arg.back() == 's') {
            auto seconds = real_number(arg.substr(0, arg.size() - 1));
            if (!seconds || *seconds < 0) throw fail("expected seconds such as 1.5s, found " + arg);
            return std::lround(*seconds * FRAMES_PER_SECOND);
        }
        auto frames = whole_number(arg);
        if (!frames || *frames < 0) throw fail("expected a frame count, found " + arg);
        return static_cast<long>(*frames);
    };
    auto token_of = [&](const std::string& arg) -> UINT32 {
        auto t = whole_number(arg);
        if (!t || *t <= 0 || *t > 0xFFFFFFFFLL) throw fail("expected a token number, found " + arg);
        return static_cast<UINT32>(*t);
    };
    auto gauge_of = [&](const std::string& name) -> PlacedGauge& {
        PlacedGauge* g = panel.find(name);
        if (g == nullptr) throw fail("gauge " + name + " is not placed on the panel");
        return *g;
    };
    auto point_of = [&](const std::string& x, const std::string& y) -> PIXPOINT {
        auto px = whole_number(x);
        auto py = whole_number(y);
        if (!px || !py) throw fail("expected pixel coordinates, found " + x + " " + y);
        return {static_cast<SINT32>(*px), static_cast<SINT32>(*py)};
    };
    auto panel_of = [&](const std::string& arg) -> int {
        if (auto id = panel_id_by_name(arg)) return *id;
        auto n = whole_number(arg);
        if (!n) throw fail("expected a panel name or number, found " + arg);
        return static_cast<int>(*n);
    };
    auto named = [&](std::size_t from) {
        std::string name;
        for (std::size_t i = from; i < c.args.size(); ++i) name += (i > from ? " " : "") + c.args[i];
        return name.substr(2);
    };
    auto stamp = [&]() { return "[frame " + std::to_string(sim.frame()) + "] "; };

    if (c.verb == "wait") {
        for (long n = frames_of(c.args[0]); n > 0; --n) panel.frame();
    } else if (c.verb == "at") {
        long target = frames_of(c.args[0]);
        if (target < sim.frame()) throw fail("frame " + std::to_string(target) + " has already passed");
        while (sim.frame() < target) panel.frame();
    } else if (c.verb == "set") {
        if (c.args[0].rfind("A:", 0) == 0) {
            std::vector<std::string> parts(c.args.begin(), c.args.end() - 1);
            auto v = real_number(c.args.back());
            if (!v) throw fail("expected a number, found " + c.args.back());
            std::string name;
            for (std::size_t i = 0; i < parts.size(); ++i) name += (i ? " " : "") + parts[i];
            if (!sim.named(name.substr(2))) {
                warn("set " + name + ": the simulation has no variable named " + name.substr(2) + "; it is made all the same");
            }
            sim.set_named(name.substr(2), *v);
            return;
        }
        if (c.args.size() != 2) throw fail("expected: set TOKEN VALUE");
        UINT32 token = token_of(c.args[0]);
        if (!sim.has(token)) {
            warn("set " + c.args[0] + ": the simulation has no variable with this token (docs/host-conventions.md "
                 "lists them); it is made all the same");
        }
        if (sim.is_packed(token)) {
            auto v = whole_number(c.args[1]);
            if (!v || *v < 0 || *v > 0xFFFFFFFFLL) throw fail("token " + c.args[0] + " takes a packed value such as 0x1800");
            sim.set_packed(token, static_cast<UINT32>(*v));
        } else {
            auto v = real_number(c.args[1]);
            if (!v) throw fail("expected a number, found " + c.args[1]);
            sim.set_number(token, *v);
        }
    } else if (c.verb == "print") {
        if (c.args[0].rfind("A:", 0) == 0) {
            std::string name = named(0);
            auto v = sim.named(name);
            if (!v) throw fail("no named variable " + name);
            out << stamp() << "A:" << name << " = " << v->value << " " << v->unit << "\n";
            return;
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
        if (!panel.visible(gauge)) throw fail("gauge " + c.args[0] + " is on a closed window");
        PIXPOINT p = point_of(c.args[1], c.args[2]);
        MouseButton button = MouseButton::Left;
        if (c.args.size() == 4) {
            if (c.args[3] == "right") button = MouseButton::Right;
            else if (c.args[3] != "left") throw fail("expected left or right, found " + c.args[3]);
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
        auto id = whole_number(c.args[0]);
        auto value = c.args.size() > 1 ? whole_number(c.args[1]) : std::optional<long long>(0);
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
    } else if (c.verb == "log") {
        const auto& events = sim.key_log().events();
        for (; printed_events < events.size(); ++printed_events) {
            out << stamp() << "key " << KeyEventLog::format(events[printed_events]) << "\n";
        }
    }
}

}  // namespace host
