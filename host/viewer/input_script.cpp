#include "host/viewer/input_script.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>

#include "host/host_error.h"
#include "host/simulation.h"
#include "host/suggest.h"
#include "host/text_util.h"

namespace host::viewer {

namespace {

struct Form {
    InputEvent::Kind kind;
    std::size_t min_args;
    std::size_t max_args;
    const char* usage;
};

const std::map<std::string, Form>& forms() {
    using K = InputEvent::Kind;
    static const std::map<std::string, Form> table = {
        {"click", {K::Click, 3, 4, "click GAUGE X Y [left|right]"}},
        {"press", {K::Press, 3, 4, "press GAUGE X Y [left|right]"}},
        {"move", {K::Move, 3, 3, "move GAUGE X Y"}},
        {"release", {K::Release, 0, 0, "release"}},
        {"hover", {K::Hover, 3, 3, "hover GAUGE X Y"}},
        {"mouse", {K::Mouse, 2, 3, "mouse X Y [left|right]"}},
        {"pointer", {K::Pointer, 2, 2, "pointer X Y"}},
        {"key", {K::Key, 1, 1, "key NAME"}},
        {"keydown", {K::KeyDown, 1, 1, "keydown NAME"}},
        {"keyup", {K::KeyUp, 1, 1, "keyup NAME"}},
        {"screenshot", {K::Screenshot, 1, 1, "screenshot FILE.png"}},
        {"locate", {K::Locate, 1, 1, "locate GAUGE"}},
        {"resize", {K::Resize, 2, 2, "resize WIDTH HEIGHT"}},
        {"quit", {K::Quit, 0, 0, "quit"}},
    };
    return table;
}

// A day, as the scenarios allow.
constexpr double LONGEST_SECONDS = 86400.0;

}  // namespace

InputScript InputScript::read(const std::string& path) {
    std::ifstream in = open_input(path, "input script");
    return parse(in, path);
}

InputScript InputScript::parse(std::istream& in, const std::string& path) {
    InputScript script;
    script.path_ = path;
    std::string raw;
    int line = 0;
    long last_tick = 0;
    while (std::getline(in, raw)) {
        ++line;
        const std::vector<std::string> w = words_of(raw);
        if (w.empty()) continue;
        auto fail = [&](const std::string& what) { return HostError(path, line, what); };
        std::string time = w[0];
        if (!time.empty() && time.back() == 's') time.pop_back();
        auto seconds = real_number(time);
        if (!seconds || !(*seconds >= 0) || *seconds > LONGEST_SECONDS) {
            throw fail("expected a time in seconds from 0 to 86400 first (as in \"1.5 click Airspeed 10 20\"), "
                       "found " + host::quoted(w[0]));
        }
        if (w.size() < 2) throw fail("expected a command after the time");
        auto form = forms().find(w[1]);
        if (form == forms().end()) {
            std::vector<std::string> names;
            for (const auto& [name, known] : forms()) names.push_back(name);
            throw fail("unknown command " + host::quoted(w[1]) + did_you_mean(w[1], names));
        }
        const Form& f = form->second;
        const std::vector<std::string> args(w.begin() + 2, w.end());
        if (args.size() < f.min_args || args.size() > f.max_args) throw fail(std::string("expected: TIME ") + f.usage);

        InputEvent e;
        e.tick = std::lround(*seconds * FRAMES_PER_SECOND);
        e.line = line;
        e.kind = f.kind;
        if (e.tick < last_tick) throw fail("times must not go back: " + host::quoted(w[0]) + " comes after a later one");
        last_tick = e.tick;
        auto coordinate = [&](const std::string& v) {
            auto n = whole_number(v);
            if (!n || *n < INT32_MIN || *n > INT32_MAX) throw fail("expected a whole number of pixels, found " + host::quoted(v));
            return static_cast<int>(*n);
        };
        auto button = [&](std::size_t at) {
            if (args.size() <= at) return false;
            if (args[at] == "right") return true;
            if (args[at] == "left") return false;
            throw fail("expected left or right, found " + host::quoted(args[at]));
        };
        using K = InputEvent::Kind;
        switch (e.kind) {
        case K::Click:
        case K::Press:
        case K::Move:
        case K::Hover:
            e.gauge = args[0];
            e.x = coordinate(args[1]);
            e.y = coordinate(args[2]);
            e.right = button(3);
            break;
        case K::Mouse:
        case K::Pointer:
            e.x = coordinate(args[0]);
            e.y = coordinate(args[1]);
            e.right = button(2);
            break;
        case K::Resize:
            e.x = coordinate(args[0]);
            e.y = coordinate(args[1]);
            if (e.x < 1 || e.y < 1 || e.x > 16384 || e.y > 16384) throw fail("expected a size from 1 to 16384 pixels a side");
            break;
        case K::Key:
        case K::KeyDown:
        case K::KeyUp:
        case K::Screenshot: e.text = args[0]; break;
        case K::Locate: e.gauge = args[0]; break;
        case K::Release:
        case K::Quit: break;
        }
        script.events_.push_back(std::move(e));
    }
    return script;
}

void InputScript::add(InputEvent event) {
    auto at = std::upper_bound(events_.begin(), events_.end(), event.tick,
                               [](long tick, const InputEvent& e) { return tick < e.tick; });
    events_.insert(at, std::move(event));
}

}  // namespace host::viewer
