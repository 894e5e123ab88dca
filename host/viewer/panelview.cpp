// panelview: the panel in a desktop window (SDL2), working as it would in
// the simulator. See docs/viewer.md.
#include <SDL.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/host_error.h"
#include "host/suggest.h"
#include "host/text_util.h"
#include "host/viewer/input_script.h"
#include "host/viewer/panel_view.h"

#ifndef VANTOR_VERSION
#define VANTOR_VERSION "0.0.0"
#endif

namespace {

using namespace host;
using namespace host::viewer;
using render::Rect;
using render::Surface;

constexpr const char* USAGE =
    "usage:\n"
    "  panelview PANEL.CFG [--scenario FILE] [--speed N] [--paused] [--mute] [--size WxH]\n"
    "            [--input FILE] [--record FILE] [--screenshot FILE.png --after SECONDS]\n"
    "            [--gauges DIR]... [--module NAME=FILE]... [--bitmaps FILE] [--resources DIR] [--open-all]\n"
    "  panelview --help | --version\n"
    "\n"
    "Shows the panel's windows in a desktop window: click, drag and hover as on the\n"
    "simulator's panel, fly with the keyboard or play a scenario. A change to PANEL.CFG\n"
    "is loaded while it runs.\n"
    "\n"
    "  --scenario FILE     play a scenario (docs/scenarios.md); the keyboard flies on after it\n"
    "  --speed N           frames of panel time per frame of real time (0.25 to 8)\n"
    "  --paused            start paused (Space runs)\n"
    "  --mute              start with the sound off (M turns it on)\n"
    "  --size WxH          the window's size in pixels (default: the panel, fitted to the screen)\n"
    "  --input FILE        events to play: clicks, keys, screenshots at given times (docs/viewer.md)\n"
    "  --record FILE       write what is done to the simulation as a scenario that\n"
    "                      panelhost scenario and run play back (docs/viewer.md)\n"
    "  --screenshot FILE.png --after SECONDS\n"
    "                      write the window as shown after SECONDS, then quit\n"
    "  --gauges, --module, --bitmaps, --resources, --open-all as for panelhost render\n"
    "\n"
    "Keys:\n"
    "  Up/Down nose down/up, Left/Right bank, Z/X rudder, PageUp/PageDown throttle,\n"
    "  G gear, F/Shift+F flaps down/up, T/Shift+T time of day +/- 30 min, C centre the controls,\n"
    "  Space pause/play, [ ] slower/faster, 1-9 open/close the panel.cfg's windows,\n"
    "  M sound on/off, F12 save a picture, Esc or Q quit.\n";

constexpr int STATUS_HEIGHT = 40;
constexpr double STATUS_FONT_SIZE = 12.5;
// Sound queued ahead of the device: a frame of silence goes first when the
// queue ran dry (so the next frame does not underrun), and frames beyond
// this much are dropped (a panel running faster than real time).
constexpr Uint32 MAX_QUEUED_BYTES = 6 * 1225 * 2;

struct Arguments {
    ViewOptions view;
    std::string input;
    std::string screenshot;
    std::optional<double> after;
    std::optional<std::pair<int, int>> size;
};

Arguments parse(int argc, char** argv) {
    Arguments a;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw HostError(arg + " needs a value (panelview --help)");
            return argv[++i];
        };
        auto number = [&](const std::string& v, double low, double high) {
            auto d = real_number(v);
            if (!d || !(*d >= low && *d <= high)) {
                char b[96];
                std::snprintf(b, sizeof b, " expects a number from %g to %g, found ", low, high);
                throw HostError(arg + b + host::quoted(v));
            }
            return *d;
        };
        if (arg == "--scenario") a.view.scenario = value();
        else if (arg == "--speed") a.view.speed = number(value(), 0.25, 8);
        else if (arg == "--paused") a.view.paused = true;
        else if (arg == "--mute") a.view.muted = true;
        else if (arg == "--input") a.input = value();
        else if (arg == "--record") a.view.record = value();
        else if (arg == "--screenshot") a.screenshot = value();
        else if (arg == "--after") a.after = number(value(), 0, 86400);
        else if (arg == "--gauges") a.view.session.gauge_folders.push_back(value());
        else if (arg == "--bitmaps") a.view.session.bitmaps = value();
        else if (arg == "--resources") a.view.session.resources = value();
        else if (arg == "--open-all") a.view.session.open_all = true;
        else if (arg == "--module") {
            const std::string v = value();
            const auto eq = v.find('=');
            if (eq == std::string::npos || eq == 0) throw HostError("--module expects NAME=FILE, found " + host::quoted(v));
            a.view.session.modules[v.substr(0, eq)] = v.substr(eq + 1);
        } else if (arg == "--size") {
            const std::string v = value();
            int w = 0, h = 0;
            char extra = 0;
            if (std::sscanf(v.c_str(), "%dx%d%c", &w, &h, &extra) != 2 || w < 64 || h < 64 || w > 16384 || h > 16384) {
                throw HostError("--size expects WIDTHxHEIGHT from 64 to 16384 pixels a side, found " + host::quoted(v));
            }
            a.size = std::make_pair(w, h);
        } else if (arg.rfind("--", 0) == 0) {
            static const std::vector<std::string> known = {
                "--scenario", "--speed", "--paused", "--mute", "--input", "--record", "--screenshot", "--after", "--size",
                "--gauges", "--module", "--bitmaps", "--resources", "--open-all", "--help", "--version"};
            throw HostError("unknown option " + excerpt(arg) + did_you_mean(arg, known) + " (panelview --help)");
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 1) {
        throw HostError(positional.empty() ? "which panel? give PANEL.CFG (panelview --help)"
                                           : "expected one PANEL.CFG, found " + std::to_string(positional.size()) +
                                                 " words: " + host::quoted(positional[1]) + " is one too many");
    }
    a.view.panel = positional[0];
    if (a.screenshot.empty() != !a.after) throw HostError("--screenshot and --after go together");
    return a;
}

// SDL resources released in order.
struct SdlTexture {
    SDL_Texture* texture = nullptr;
    int width = 0;
    int height = 0;
    ~SdlTexture() { reset(); }
    void reset() {
        if (texture != nullptr) SDL_DestroyTexture(texture);
        texture = nullptr;
        width = height = 0;
    }
};

// An ARGB32 Cairo surface (premultiplied) uploaded into a texture.
void upload(SdlTexture& t, SDL_Renderer* renderer, cairo_surface_t* s, const std::optional<Rect>& part = std::nullopt) {
    cairo_surface_flush(s);
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    if (t.texture == nullptr || t.width != w || t.height != h) {
        t.reset();
        t.texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
        if (t.texture == nullptr) throw HostError(std::string("cannot make a texture: ") + SDL_GetError());
        SDL_SetTextureBlendMode(t.texture, SDL_BLENDMODE_BLEND);
        t.width = w;
        t.height = h;
    }
    const int stride = cairo_image_surface_get_stride(s);
    const unsigned char* pixels = cairo_image_surface_get_data(s);
    if (part) {
        SDL_Rect r{part->x, part->y, part->width, part->height};
        SDL_UpdateTexture(t.texture, &r, pixels + static_cast<std::size_t>(r.y) * stride + r.x * 4, stride);
    } else {
        SDL_UpdateTexture(t.texture, nullptr, pixels, stride);
    }
}

// The pointer shapes the panel's rectangles name: the system's arrow and
// hand, and up and down arrows drawn here.
class Cursors {
public:
    Cursors() {
        cursors_[Cursor::Arrow] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
        cursors_[Cursor::Hand] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
        cursors_[Cursor::UpArrow] = arrow(true);
        cursors_[Cursor::DownArrow] = arrow(false);
    }
    ~Cursors() {
        for (auto& [shape, cursor] : cursors_) {
            if (cursor != nullptr) SDL_FreeCursor(cursor);
        }
    }
    void show(Cursor shape) {
        if (shape == shown_) return;
        shown_ = shape;
        if (SDL_Cursor* c = cursors_[shape]) SDL_SetCursor(c);
    }

private:
    static SDL_Cursor* arrow(bool up) {
        constexpr int SIZE = 24;
        Surface s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, SIZE, SIZE));
        cairo_t* cr = cairo_create(s.get());
        if (!up) {
            cairo_translate(cr, 0, SIZE);
            cairo_scale(cr, 1, -1);
        }
        // A broad arrow with its tip at the top centre.
        const double pts[][2] = {{12, 1.5}, {21.5, 11}, {15.5, 11}, {15.5, 22}, {8.5, 22}, {8.5, 11}, {2.5, 11}};
        cairo_move_to(cr, pts[0][0], pts[0][1]);
        for (const auto& p : pts) cairo_line_to(cr, p[0], p[1]);
        cairo_close_path(cr);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill_preserve(cr);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_destroy(cr);
        cairo_surface_flush(s.get());
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(s.get()), SIZE, SIZE,
                                                                   32, cairo_image_surface_get_stride(s.get()),
                                                                   SDL_PIXELFORMAT_ARGB8888);
        SDL_Cursor* cursor = surface != nullptr ? SDL_CreateColorCursor(surface, SIZE / 2, up ? 2 : SIZE - 3) : nullptr;
        if (surface != nullptr) SDL_FreeSurface(surface);
        return cursor;
    }
    std::map<Cursor, SDL_Cursor*> cursors_;
    std::optional<Cursor> shown_;
};

class Viewer {
public:
    Viewer(const Arguments& args, InputScript script)
        : script_(std::move(script)), view_(args.view, std::cout) {
        window_ = SDL_CreateWindow(("panelview: " + args.view.panel).c_str(), SDL_WINDOWPOS_CENTERED,
                                   SDL_WINDOWPOS_CENTERED, 640, 480, SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
        if (window_ == nullptr) throw HostError(std::string("cannot open a window: ") + SDL_GetError());
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
        if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        if (renderer_ == nullptr) throw HostError(std::string("cannot draw in the window: ") + SDL_GetError());
        int w = 0, h = 0;
        if (args.size) {
            std::tie(w, h) = *args.size;
        } else {
            // The panel at its own size, or smaller to fit the screen.
            SDL_Rect usable{0, 0, 1280, 960};
            SDL_GetDisplayUsableBounds(0, &usable);
            const PanelLayout& layout = view_.layout();
            const double scale = std::min({1.0, 0.92 * usable.w / layout.width,
                                           (0.92 * usable.h - STATUS_HEIGHT) / layout.height});
            w = std::max(320, static_cast<int>(layout.width * scale));
            h = std::max(240, static_cast<int>(layout.height * scale) + STATUS_HEIGHT);
        }
        SDL_SetWindowSize(window_, w, h);
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        SDL_ShowWindow(window_);
        open_audio();
    }
    ~Viewer() {
        if (audio_ != 0) SDL_CloseAudioDevice(audio_);
        panel_.reset();
        status_.reset();
        tip_.reset();
        cursors_.reset();
        if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
        if (window_ != nullptr) SDL_DestroyWindow(window_);
    }

    // Checks what the input script names before anything runs.
    void check_script() {
        for (const InputEvent& e : script_.events()) {
            if (!e.gauge.empty() && view_.session().panel->find(e.gauge) == nullptr) {
                throw HostError(script_.path(), e.line, view_.session().panel->not_placed(e.gauge));
            }
            if ((e.kind == InputEvent::Kind::Key || e.kind == InputEvent::Kind::KeyDown ||
                 e.kind == InputEvent::Kind::KeyUp) &&
                SDL_GetKeyFromName(e.text.c_str()) == SDLK_UNKNOWN) {
                std::vector<std::string> names;
                for (const KeyBinding& b : key_bindings()) names.push_back(b.key);
                throw HostError(script_.path(), e.line,
                                "unknown key " + host::quoted(e.text) + did_you_mean(e.text, names) +
                                    " (key names as SDL gives them: Up, PageUp, Space, G, F12, ...)");
            }
        }
    }

    int run() {
        cursors_ = std::make_unique<Cursors>();
        const Uint64 period_ms = 1000 / TICKS_PER_SECOND;  // 55 ms; the clock below keeps the exact rate
        const Uint64 start = SDL_GetTicks64();
        long due = 1;  // the next tick
        dirty_all_ = true;
        present();
        while (!quit_) {
            const Uint64 now = SDL_GetTicks64();
            const Uint64 next_at = start + static_cast<Uint64>(due) * 1000 / TICKS_PER_SECOND;
            SDL_Event e;
            if (now < next_at) {
                if (SDL_WaitEventTimeout(&e, static_cast<int>(std::min<Uint64>(next_at - now, period_ms)))) {
                    handle(e);
                    while (!quit_ && SDL_PollEvent(&e)) handle(e);
                }
                if (!quit_ && (dirty_all_ || overlay_dirty_)) present();
                continue;
            }
            // A clock far behind (the machine was busy) catches up at once
            // rather than running a burst of frames.
            const long behind = static_cast<long>((now - start) * TICKS_PER_SECOND / 1000);
            if (behind > due + TICKS_PER_SECOND) due = behind;
            ++due;
            tick();
        }
        return 0;
    }

private:
    void open_audio() {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            std::fprintf(stderr, "panelview: warning: no sound: %s\n", SDL_GetError());
            return;
        }
        SDL_AudioSpec want{}, have{};
        want.freq = static_cast<int>(AUDIO_RATE);
        want.format = AUDIO_S16SYS;
        want.channels = 1;
        want.samples = 512;
        audio_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (audio_ == 0) {
            std::fprintf(stderr, "panelview: warning: no sound: %s\n", SDL_GetError());
            return;
        }
        SDL_PauseAudioDevice(audio_, 0);
        // The panel's frames advance the mixer (host/audio_output.h); the
        // device only plays what they mixed.
        view_.session().panel->audio().set_listener([this](const std::int16_t* samples, std::size_t count) {
            if (view_.muted() || audio_ == 0) return;
            const Uint32 bytes = static_cast<Uint32>(count * sizeof(std::int16_t));
            const Uint32 queued = SDL_GetQueuedAudioSize(audio_);
            if (queued > MAX_QUEUED_BYTES) return;
            if (queued == 0) {
                std::vector<std::int16_t> silence(count, 0);
                SDL_QueueAudio(audio_, silence.data(), bytes);
            }
            SDL_QueueAudio(audio_, samples, bytes);
        });
    }

    // The picture's place in the window: fitted above the status line,
    // centred, its proportions kept.
    struct Fit {
        double x = 0, y = 0, scale = 1;
    };
    Fit fit() const {
        int w = 0, h = 0;
        SDL_GetRendererOutputSize(renderer_, &w, &h);
        const PanelLayout& layout = view_.layout();
        const double aw = std::max(1, w), ah = std::max(1, h - STATUS_HEIGHT);
        Fit f;
        f.scale = std::min(aw / layout.width, ah / layout.height);
        f.x = std::floor((aw - layout.width * f.scale) / 2);
        f.y = std::floor((ah - layout.height * f.scale) / 2);
        return f;
    }
    std::pair<double, double> to_picture(double wx, double wy) const {
        const Fit f = fit();
        return {(wx + 0.5 - f.x) / f.scale, (wy + 0.5 - f.y) / f.scale};
    }
    std::pair<int, int> to_window(double px, double py) const {
        const Fit f = fit();
        return {static_cast<int>(std::floor(f.x + px * f.scale)), static_cast<int>(std::floor(f.y + py * f.scale))};
    }

    void handle(const SDL_Event& e) {
        switch (e.type) {
        case SDL_QUIT: quit_ = true; break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_LEAVE) view_.pointer_left();
            if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                dirty_all_ = true;
            }
            break;
        case SDL_MOUSEMOTION: {
            auto [x, y] = to_picture(e.motion.x, e.motion.y);
            pointer_ = {e.motion.x, e.motion.y};
            view_.pointer_moved(x, y);
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.button == SDL_BUTTON_LEFT || e.button.button == SDL_BUTTON_RIGHT) {
                auto [x, y] = to_picture(e.button.x, e.button.y);
                pointer_ = {e.button.x, e.button.y};
                view_.button_down(x, y, e.button.button == SDL_BUTTON_LEFT ? MouseButton::Left : MouseButton::Right);
            }
            break;
        case SDL_MOUSEBUTTONUP:
            if (e.button.button == SDL_BUTTON_LEFT || e.button.button == SDL_BUTTON_RIGHT) view_.button_up();
            break;
        case SDL_KEYDOWN: {
            if (e.key.repeat != 0) break;
            const std::string name = SDL_GetKeyName(e.key.keysym.sym);
            switch (view_.key_down(name, (e.key.keysym.mod & KMOD_SHIFT) != 0)) {
            case Command::Quit: quit_ = true; break;
            case Command::Screenshot: {
                char file[64];
                std::snprintf(file, sizeof file, "panelview-%03d.png", ++pictures_);
                screenshot(file);
                break;
            }
            default: break;
            }
            break;
        }
        case SDL_KEYUP: view_.key_up(SDL_GetKeyName(e.key.keysym.sym)); break;
        default: break;
        }
        overlay_dirty_ = true;
        cursors_->show(view_.cursor());
    }

    // The script's events of this tick, as the window system would send them.
    void play_script(std::vector<std::string>& screenshots) {
        const auto& events = script_.events();
        for (; next_event_ < events.size() && events[next_event_].tick <= view_.ticks(); ++next_event_) {
            const InputEvent& e = events[next_event_];
            auto at_gauge = [&] {
                // The centre of the named bitmap pixel, in window pixels.
                auto [px, py] = view_.gauge_point(e.gauge, e.x + 0.5, e.y + 0.5);
                return to_window(px, py);
            };
            auto mouse = [&](Uint32 type, std::pair<int, int> at, bool right) {
                SDL_Event ev{};
                ev.type = type;
                if (type == SDL_MOUSEMOTION) {
                    ev.motion.windowID = SDL_GetWindowID(window_);
                    ev.motion.x = at.first;
                    ev.motion.y = at.second;
                } else {
                    ev.button.windowID = SDL_GetWindowID(window_);
                    ev.button.button = right ? SDL_BUTTON_RIGHT : SDL_BUTTON_LEFT;
                    ev.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
                    ev.button.clicks = 1;
                    ev.button.x = at.first;
                    ev.button.y = at.second;
                }
                SDL_PushEvent(&ev);
            };
            auto key = [&](Uint32 type) {
                SDL_Event ev{};
                ev.type = type;
                ev.key.windowID = SDL_GetWindowID(window_);
                ev.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
                ev.key.keysym.sym = SDL_GetKeyFromName(e.text.c_str());
                ev.key.keysym.scancode = SDL_GetScancodeFromKey(ev.key.keysym.sym);
                SDL_PushEvent(&ev);
            };
            try {
                using K = InputEvent::Kind;
                switch (e.kind) {
                case K::Click:
                case K::Press: {
                    const auto at = at_gauge();
                    mouse(SDL_MOUSEMOTION, at, false);
                    mouse(SDL_MOUSEBUTTONDOWN, at, e.right);
                    if (e.kind == K::Click) mouse(SDL_MOUSEBUTTONUP, at, e.right);
                    break;
                }
                case K::Move:
                case K::Hover: mouse(SDL_MOUSEMOTION, at_gauge(), false); break;
                case K::Release: mouse(SDL_MOUSEBUTTONUP, pointer_, false); break;
                case K::Mouse:
                    mouse(SDL_MOUSEMOTION, {e.x, e.y}, false);
                    mouse(SDL_MOUSEBUTTONDOWN, {e.x, e.y}, e.right);
                    mouse(SDL_MOUSEBUTTONUP, {e.x, e.y}, e.right);
                    break;
                case K::Pointer: mouse(SDL_MOUSEMOTION, {e.x, e.y}, false); break;
                case K::Key:
                    key(SDL_KEYDOWN);
                    key(SDL_KEYUP);
                    break;
                case K::KeyDown: key(SDL_KEYDOWN); break;
                case K::KeyUp: key(SDL_KEYUP); break;
                case K::Screenshot: screenshots.push_back(e.text); break;
                case K::Locate: {
                    const Rect r = view_.gauge_rect(e.gauge);
                    const auto [x0, y0] = to_window(r.x, r.y);
                    const auto [x1, y1] = to_window(r.x + r.width, r.y + r.height);
                    std::printf("locate %s %d %d %d %d\n", e.gauge.c_str(), x0, y0, x1 - x0, y1 - y0);
                    std::fflush(stdout);
                    break;
                }
                case K::Resize:
                    SDL_SetWindowSize(window_, e.x, e.y);
                    dirty_all_ = true;
                    break;
                case K::Quit: quit_after_tick_ = true; break;
                }
            } catch (const HostError& error) {
                throw HostError(script_.path(), e.line, error.what());
            }
            // Each event is handled before the next is made, as the window
            // system delivers them one after another.
            SDL_Event ev;
            while (SDL_PollEvent(&ev)) handle(ev);
        }
    }

    void tick() {
        std::vector<std::string> screenshots;
        play_script(screenshots);
        view_.tick();
        for (const Rect& r : view_.take_changes()) changed_.push_back(r);
        cursors_->show(view_.cursor());
        // Only what changed is drawn again; an idle panel costs no drawing.
        if (!changed_.empty() || dirty_all_ || overlay_dirty_ || view_.status() != status_lines_ ||
            view_.tooltip() != tip_text_) {
            present();
        }
        for (const std::string& file : screenshots) screenshot(file);
        if (quit_after_tick_) quit_ = true;
    }

    void update_overlays() {
        int w = 0, h = 0;
        SDL_GetRendererOutputSize(renderer_, &w, &h);
        const std::vector<std::string> lines = view_.status();
        if (lines != status_lines_ || status_.width != std::max(1, w)) {
            status_lines_ = lines;
            Surface s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(1, w), STATUS_HEIGHT));
            cairo_t* cr = cairo_create(s.get());
            cairo_set_source_rgb(cr, 0.16, 0.17, 0.18);
            cairo_paint(cr);
            render::use_font(cr, view_.session().fonts.resolve("Arial", 400));
            cairo_set_font_size(cr, STATUS_FONT_SIZE);
            for (std::size_t i = 0; i < lines.size(); ++i) {
                cairo_set_source_rgb(cr, i == 0 ? 0.95 : 0.72, i == 0 ? 0.93 : 0.74, i == 0 ? 0.85 : 0.76);
                cairo_move_to(cr, 8, 16 + 17 * static_cast<double>(i));
                cairo_show_text(cr, lines[i].c_str());
            }
            cairo_destroy(cr);
            upload(status_, renderer_, s.get());
        }
        if (view_.tooltip() != tip_text_) {
            tip_text_ = view_.tooltip();
            tip_.reset();
            if (tip_text_) {
                Surface s = render::tooltip_box(view_.session().fonts, *tip_text_);
                upload(tip_, renderer_, s.get());
            }
        }
    }

    // Draws what the window shows into the renderer's target.
    void draw() {
        update_overlays();
        cairo_surface_t* picture = view_.picture();
        const bool new_size = panel_.width != cairo_image_surface_get_width(picture) ||
                              panel_.height != cairo_image_surface_get_height(picture);
        if (new_size || panel_.texture == nullptr) {
            upload(panel_, renderer_, picture);
            SDL_SetTextureBlendMode(panel_.texture, SDL_BLENDMODE_NONE);
        } else {
            for (const Rect& r : changed_) upload(panel_, renderer_, picture, r);
        }
        changed_.clear();
        int w = 0, h = 0;
        SDL_GetRendererOutputSize(renderer_, &w, &h);
        SDL_SetRenderDrawColor(renderer_, 28, 28, 31, 255);
        SDL_RenderClear(renderer_);
        const Fit f = fit();
        const SDL_FRect dst{static_cast<float>(f.x), static_cast<float>(f.y),
                            static_cast<float>(panel_.width * f.scale), static_cast<float>(panel_.height * f.scale)};
        SDL_RenderCopyF(renderer_, panel_.texture, nullptr, &dst);
        const SDL_Rect bar{0, h - STATUS_HEIGHT, status_.width, STATUS_HEIGHT};
        SDL_RenderCopy(renderer_, status_.texture, nullptr, &bar);
        if (tip_.texture != nullptr) {
            const int x = std::clamp(pointer_.first + 12, 0, std::max(0, w - tip_.width));
            const int y = std::clamp(pointer_.second + 20, 0, std::max(0, h - STATUS_HEIGHT - tip_.height));
            const SDL_Rect at{x, y, tip_.width, tip_.height};
            SDL_RenderCopy(renderer_, tip_.texture, nullptr, &at);
        }
    }

    void present() {
        draw();
        SDL_RenderPresent(renderer_);
        dirty_all_ = overlay_dirty_ = false;
    }

    // The window as shown, as PNG.
    void screenshot(const std::string& file) {
        draw();
        int w = 0, h = 0;
        SDL_GetRendererOutputSize(renderer_, &w, &h);
        Surface s(cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h));
        cairo_surface_flush(s.get());
        if (SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, cairo_image_surface_get_data(s.get()),
                                 cairo_image_surface_get_stride(s.get())) != 0) {
            throw HostError("cannot read the window for " + file + ": " + SDL_GetError());
        }
        cairo_surface_mark_dirty(s.get());
        if (!render::write_png(s.get(), file)) throw HostError("cannot write " + file);
        SDL_RenderPresent(renderer_);
        std::printf("screenshot %s: %d x %d, tick %ld, frame %ld\n", file.c_str(), w, h, view_.ticks(),
                    view_.simulation().frame());
        std::fflush(stdout);
    }

    InputScript script_;
    PanelView view_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_AudioDeviceID audio_ = 0;
    SdlTexture panel_, status_, tip_;
    std::unique_ptr<Cursors> cursors_;
    std::vector<std::string> status_lines_;
    std::optional<std::string> tip_text_;
    std::vector<Rect> changed_;
    std::pair<int, int> pointer_{0, 0};
    std::size_t next_event_ = 0;
    bool dirty_all_ = true;
    bool overlay_dirty_ = true;
    bool quit_ = false;
    bool quit_after_tick_ = false;
    int pictures_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_CTYPE, "");
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(USAGE, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("panelview %s\n", VANTOR_VERSION);
            return 0;
        }
    }
    int status = 0;
    try {
        Arguments args = parse(argc, argv);
        InputScript script = args.input.empty() ? InputScript() : InputScript::read(args.input);
        if (args.after) {
            InputEvent shot;
            shot.tick = std::lround(*args.after * FRAMES_PER_SECOND);
            shot.kind = InputEvent::Kind::Screenshot;
            shot.text = args.screenshot;
            InputEvent quit = shot;
            quit.kind = InputEvent::Kind::Quit;
            script.add(shot);
            script.add(quit);
        }
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
            throw HostError(std::string("cannot open a window: ") + SDL_GetError() + " (is DISPLAY set?)");
        }
        // With no desktop SDL falls back to drawing off screen, which nobody
        // would see: only when asked for (SDL_VIDEODRIVER) is that wanted.
        const char* driver = SDL_GetCurrentVideoDriver();
        if (driver != nullptr && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0) &&
            std::getenv("SDL_VIDEODRIVER") == nullptr) {
            throw HostError("no desktop to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                            "panelhost render draws the panel without one");
        }
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
        {
            Viewer viewer(args, std::move(script));
            viewer.check_script();
            status = viewer.run();
        }
        SDL_Quit();
    } catch (const HostError& e) {
        std::cout.flush();
        std::fprintf(stderr, "panelview: %s\n", e.what());
        SDL_Quit();
        return 1;
    } catch (const std::exception& e) {
        std::cout.flush();
        std::fprintf(stderr, "panelview: internal error: %s\n", e.what());
        SDL_Quit();
        return 3;
    }
    return status;
}
