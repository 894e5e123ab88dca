// The viewer without a window: the example panel run on the viewer's clock,
// clicked, hovered, flown and played through PanelView, checked on the
// simulation and on the picture's pixels. Also the keyboard's flight model,
// the input script reader and the did-you-mean helper.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/host_error.h"
#include "host/scenario.h"
#include "host/suggest.h"
#include "host/viewer/input_script.h"
#include "host/viewer/panel_view.h"

using namespace host;
using namespace host::viewer;

namespace {

// Pixels of `rect` that differ between two pictures of the same size.
long changed_pixels(cairo_surface_t* a, cairo_surface_t* b, const Rect& r) {
    cairo_surface_flush(a);
    cairo_surface_flush(b);
    const int stride = cairo_image_surface_get_stride(a);
    const unsigned char* pa = cairo_image_surface_get_data(a);
    const unsigned char* pb = cairo_image_surface_get_data(b);
    long n = 0;
    for (int y = r.y; y < r.y + r.height; ++y) {
        for (int x = r.x; x < r.x + r.width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 4;
            if (std::memcmp(pa + at, pb + at, 4) != 0) ++n;
        }
    }
    return n;
}

render::Surface copy(cairo_surface_t* s) {
    render::Surface out(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(s),
                                                   cairo_image_surface_get_height(s)));
    cairo_t* cr = cairo_create(out.get());
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    return out;
}

class ViewerOnExamplePanel : public ::testing::Test {
protected:
    void open(const std::string& scenario = {}, const std::string& record = {},
              const std::string& panel = VANTOR_EXAMPLE_PANEL) {
        ViewOptions o;
        o.panel = panel;
        o.scenario = scenario;
        o.record = record;
        o.session.modules["Vantor_Instr"] = VANTOR_MODULE_PATH;
        o.session.bitmaps = VANTOR_BITMAP_TABLE;
        view = std::make_unique<PanelView>(o, out);
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) view->tick();
    }
    // Presses (and releases) on a point of a gauge's bitmap, as the mouse does.
    void click(const std::string& gauge, double gx, double gy, bool hold = false) {
        auto [x, y] = view->gauge_point(gauge, gx + 0.5, gy + 0.5);
        view->pointer_moved(x, y);
        view->button_down(x, y, MouseButton::Left);
        if (!hold) view->button_up();
    }
    std::ostringstream out;
    std::unique_ptr<PanelView> view;
};

TEST_F(ViewerOnExamplePanel, ASwitchClickedOnThePictureRedrawsOnlyItsGauge) {
    open();
    ticks(2);
    view->take_changes();
    render::Surface before = copy(view->picture());
    click("VOR1_ADF_Switch_H", 40, 20);
    ticks(2);
    const Rect sw = view->gauge_rect("VOR1_ADF_Switch_H");
    EXPECT_GT(changed_pixels(before.get(), view->picture(), sw), sw.width * sw.height / 20);
    EXPECT_EQ(changed_pixels(before.get(), view->picture(), view->gauge_rect("Airspeed")), 0);
    // What changed was handed over by rectangle, the switch's among them.
    bool switch_told = false;
    for (const Rect& r : view->take_changes()) switch_told = switch_told || r.intersects(sw);
    EXPECT_TRUE(switch_told);
}

TEST_F(ViewerOnExamplePanel, AKnobHeldRepeatsAndWindowsOpenByKey) {
    open();
    EXPECT_THROW(view->gauge_point("Radio_COM1", 65, 41), HostError);  // its window is closed
    const int height = view->layout().height;
    EXPECT_EQ(view->key_down("2", false), Command::Window);  // the radio stack, panel.cfg's second window
    ticks(1);
    EXPECT_GT(view->layout().height, height);
    auto [x, y] = view->gauge_point("Radio_COM1", 65.5, 41.5);
    view->pointer_moved(x, y);
    EXPECT_EQ(view->cursor(), Cursor::UpArrow);  // the MHz-up area
    click("Radio_COM1", 65, 41, true);
    EXPECT_EQ(view->simulation().packed(23), 0x1900u);
    ticks(TICKS_PER_SECOND);  // held: repeats from the ninth frame, every second frame
    view->button_up();
    EXPECT_EQ(view->simulation().packed(23), 0x2400u);  // five repeats: 124.00 MHz
    auto [sx, sy] = view->gauge_point("VOR1_ADF_Switch_H", 40, 20);
    view->pointer_moved(sx, sy);
    EXPECT_EQ(view->cursor(), Cursor::Hand);
    view->pointer_moved(5, 5);
    EXPECT_EQ(view->cursor(), Cursor::Arrow);
}

TEST_F(ViewerOnExamplePanel, ALeverFollowsThePointerPastItsGauge) {
    open();
    view->key_down("3", false);  // the throttle window
    ticks(2);
    EXPECT_EQ(view->simulation().number(558), 0.0);
    click("Throttle_Quadrant", 46, 280, true);
    auto [x, y] = view->gauge_point("Throttle_Quadrant", 46, -40);  // dragged above the quadrant
    view->pointer_moved(x, y);
    view->button_up();
    ticks(2);
    EXPECT_EQ(view->simulation().number(558), 1.0);  // fully forward
}

TEST_F(ViewerOnExamplePanel, TheTooltipShowsAfterTheRestingTime) {
    open();
    auto [x, y] = view->gauge_point("Airspeed", 150, 150);
    view->pointer_moved(x, y);
    ticks(HOVER_TICKS - 1);
    EXPECT_FALSE(view->tooltip());
    ticks(1);
    ASSERT_TRUE(view->tooltip());
    EXPECT_EQ(*view->tooltip(), "Airspeed indicator");
    view->pointer_moved(x + 1, y);
    EXPECT_FALSE(view->tooltip());
}

TEST_F(ViewerOnExamplePanel, PauseSpeedAndTheKeyboardFlying) {
    open();
    const long frame = view->simulation().frame();
    view->key_down("Space", false);
    ticks(5);
    EXPECT_EQ(view->simulation().frame(), frame);
    view->key_down("Space", false);
    view->key_down("]", false);
    ticks(5);
    EXPECT_EQ(view->simulation().frame(), frame + 10);
    EXPECT_EQ(view->key_down("Right", false), Command::Fly);
    ticks(9);
    view->key_up("Right");
    EXPECT_LT(view->simulation().number(80), -20.0);  // banked right: token 80 is positive to the left
    EXPECT_EQ(view->key_down("Escape", false), Command::Quit);
    EXPECT_EQ(view->key_down("F13", false), Command::None);
}

TEST_F(ViewerOnExamplePanel, AScenarioPlaysThenTheKeyboardFliesOn) {
    const std::string path = ::testing::TempDir() + "viewer_core.scenario";
    std::ofstream(path) << "set 61 150\nwait 1s\nset 61 90\nprint 61\nwait 1s\n";
    open(path);
    ticks(TICKS_PER_SECOND);
    EXPECT_TRUE(view->scenario_playing());
    EXPECT_EQ(view->simulation().number(61), 150.0);
    EXPECT_EQ(view->status()[0].rfind("Scenario viewer_core.scenario: ", 0), 0u) << view->status()[0];
    ticks(TICKS_PER_SECOND + 2);
    EXPECT_FALSE(view->scenario_playing());
    EXPECT_NE(out.str().find("token 61 = 90"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("ended at frame 36"), std::string::npos) << out.str();
    EXPECT_EQ(view->status()[0].rfind("Flying: ", 0), 0u) << view->status()[0];
}

TEST_F(ViewerOnExamplePanel, TheSwitchClickIsHeardThroughTheListener) {
    open();
    long loud = 0;
    view->session().panel->audio().set_listener([&](const std::int16_t* s, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) loud += std::abs(s[i]) > 256;
    });
    ticks(3);
    EXPECT_EQ(loud, 0);
    click("VOR1_ADF_Switch_H", 40, 20);
    ticks(3);
    EXPECT_GT(loud, 100);
}

TEST_F(ViewerOnExamplePanel, ARecordedSessionPlaysBackToTheSameState) {
    const std::string file = ::testing::TempDir() + "viewer_session.scenario";
    open({}, file);
    ticks(3);
    click("VOR1_ADF_Switch_H", 40, 20);
    ticks(2);
    view->key_down("3", false);  // the throttle window
    ticks(1);
    click("Throttle_Quadrant", 46, 280, true);
    ticks(2);
    auto [x, y] = view->gauge_point("Throttle_Quadrant", 46.5, 150.5);
    view->pointer_moved(x, y);  // a drag: the lever half way
    ticks(2);
    view->button_up();
    view->key_down("G", false);  // the gear lever's event
    view->key_up("G");
    view->key_down("Left", false);  // the flight model banks
    ticks(4);
    view->key_up("Left");
    ticks(5);
    Simulation& seen = view->simulation();
    std::vector<std::string> log;
    for (const KeyEvent& e : seen.key_log().events()) log.push_back(KeyEventLog::format(e));
    view->finish_recording();

    std::ifstream recorded(file);
    const std::string text((std::istreambuf_iterator<char>(recorded)), std::istreambuf_iterator<char>());
    for (const char* line : {"\nclick VOR1_ADF_Switch_H 40 20\n", "\ntoggle THROTTLE_PANEL\n", "\npress Throttle_Quadrant 46 280\n",
                             "\nmove 46 150\n", "\nkey 0x10022 0\n", "\nset 80 "}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << " not in\n" << text;
    }
    Simulation sim;
    const BitmapCatalog sizes = BitmapCatalog::read(VANTOR_BITMAP_TABLE);
    Panel::Options modules;
    modules.module_paths["Vantor_Instr"] = VANTOR_MODULE_PATH;
    Panel panel(sim, sizes, modules);
    panel.load(PanelConfig::read(VANTOR_EXAMPLE_PANEL));
    std::ostringstream shown;
    Scenario::read(file).run(panel, shown);
    EXPECT_TRUE(panel.warnings().empty()) << shown.str();
    std::vector<std::string> played;
    for (const KeyEvent& e : sim.key_log().events()) played.push_back(KeyEventLog::format(e));
    EXPECT_EQ(played, log);
    EXPECT_EQ(sim.frame(), seen.frame());
    for (const VariableInfo& v : standard_variables()) {
        EXPECT_EQ(sim.element_value(v.token), seen.element_value(v.token)) << "token " << v.token << " " << v.name;
    }
    EXPECT_GT(seen.number(558), 0.3);  // the lever moved, the gear went up, the aircraft banked
    EXPECT_EQ(seen.number(331), 0.0);
    EXPECT_GT(seen.number(80), 2.0);
}

TEST_F(ViewerOnExamplePanel, AChangedPanelFileIsLoadedAndABrokenOneReported) {
    namespace fs = std::filesystem;
    const std::string path = ::testing::TempDir() + "viewer_reload/panel.cfg";
    fs::create_directories(fs::path(path).parent_path());
    const std::string head = "[Window00]\nsize_mm=400,200\nident=MAIN_PANEL\ngauge00=Vantor_Instr!Airspeed, 0, 0, 150\n";
    std::ofstream(path) << head;
    open({}, {}, path);
    auto write = [&](const std::string& more) {
        const auto before = fs::last_write_time(path);
        std::ofstream(path) << head << more;
        fs::last_write_time(path, before + std::chrono::seconds(1));  // a change even where clocks are coarse
        ticks(2 * RELOAD_POLL_TICKS);  // seen changed, then seen still
    };
    ticks(3 * RELOAD_POLL_TICKS);
    const long before = view->simulation().frame();
    EXPECT_THROW(view->gauge_rect("Clock"), HostError);
    write("gauge01=Vantor_Instr!Clock, 200, 0, 150\n");
    EXPECT_EQ(view->panel_error(), "");
    EXPECT_EQ(view->gauge_rect("Clock").width, view->gauge_rect("Airspeed").width);
    EXPECT_GT(view->simulation().frame(), before + RELOAD_POLL_TICKS);  // run on, not restarted
    EXPECT_NE(view->status()[1].find("panel.cfg reloaded"), std::string::npos) << view->status()[1];
    const long frame = view->simulation().frame();

    const struct {
        const char* line;
        const char* error;
    } broken[] = {
        {"gauge01=Vantor_Instr!Clok, 200, 0, 150\n", "panel.cfg:5: gauge01: module Vantor_Instr has no gauge named \"Clok\"; did you mean \"Clock\"?"},
        {"gauge01=Vantor_Instr!Clock 200\n", "panel.cfg:5: "},
    };
    for (const auto& b : broken) {
        write(b.line);
        EXPECT_NE(view->panel_error().find(b.error), std::string::npos) << view->panel_error();
        EXPECT_NE(view->status()[1].find("not reloaded"), std::string::npos) << view->status()[1];
        EXPECT_NO_THROW(view->gauge_rect("Clock"));  // the panel as it was, running on
    }
    EXPECT_GT(view->simulation().frame(), frame);
    write("");
    EXPECT_EQ(view->panel_error(), "");
    EXPECT_THROW(view->gauge_rect("Clock"), HostError);
}

// The keyboard's flight model on the simulation's own models (the engine,
// gear and flaps), from the start state: parked, engine idling.
class Flying : public ::testing::Test {
protected:
    void frames(double seconds) {
        for (long i = 0; i < std::lround(seconds * FRAMES_PER_SECOND); ++i) {
            fly.frame(sim);  // as the viewer does: the flight model, then the panel's frame
            sim.run_frame_models();
            sim.advance_frame();
        }
    }
    void hold(Control c, double seconds) {
        fly.press(sim, c);  // acts in the frame it happens in, the first below
        frames(seconds);
        fly.release(c);
    }
    Simulation sim;
    FlightControls fly;
};

TEST_F(Flying, ControlsMoveTheInstrumentsVariables) {
    fly.take_over(sim);
    hold(Control::ThrottleUp, 3.0);  // full power, through the throttle's key event
    EXPECT_EQ(sim.number(558), 1.0);
    frames(30);  // the take-off roll
    EXPECT_GT(sim.number(390), 2600.0);  // the engine model's speed, not ours
    EXPECT_GT(sim.number(61), 100.0);
    hold(Control::PitchUp, 1.0);
    EXPECT_NEAR(sim.number(78), PITCH_RATE, 0.01);
    frames(10);
    EXPECT_GT(sim.number(74), 100.0);  // climbing
    EXPECT_GT(sim.number(65), 0.0);
    EXPECT_NEAR(sim.number(614) * 3.28084, sim.number(74), 1e-6);
    const double heading = sim.number(84);
    hold(Control::BankLeft, 1.0);
    EXPECT_NEAR(sim.number(80), BANK_RATE, 0.01);  // left bank is positive
    frames(1);
    EXPECT_GT(std::fmod(heading - sim.number(84) + 360.0, 360.0), 1.0);  // turning left
    EXPECT_LT(sim.number(70), 0.0);
    fly.press(sim, Control::Gear);
    EXPECT_EQ(sim.number(331), 0.0);
    frames(7);
    EXPECT_LT(sim.number(333), 1.0);  // the legs up, moved by the engine model
    fly.press(sim, Control::FlapsDown);
    EXPECT_EQ(sim.number(329), FLAP_NOTCHES[1]);
    EXPECT_EQ(fly.flap_notch(), 1);
    const double time = sim.number(557);
    fly.press(sim, Control::TimeBack);
    EXPECT_NEAR(sim.number(557), time - TIME_STEP, 1e-9);
}

TEST_F(Flying, TheRudderSkidsTheBallAndSpringsBack) {
    fly.take_over(sim);
    fly.press(sim, Control::RudderRight);
    frames(0.5);
    EXPECT_LT(sim.number(69), -50.0);  // a skid to the right pushes the ball left
    fly.release(Control::RudderRight);
    frames(1);
    EXPECT_EQ(sim.number(69), 0.0);
}

TEST(InputScript, ReadsEventsAndNamesTheLineOfAMistake) {
    std::istringstream good("# a comment\n0.5 click Airspeed 10 20 right\n1s key PageUp\n2 screenshot a.png\n2 quit\n");
    InputScript script = InputScript::parse(good, "in.txt");
    ASSERT_EQ(script.events().size(), 4u);
    EXPECT_EQ(script.events()[0].tick, 9);
    EXPECT_TRUE(script.events()[0].right);
    EXPECT_EQ(script.events()[0].gauge, "Airspeed");
    EXPECT_EQ(script.events()[1].tick, 18);
    EXPECT_EQ(script.events()[1].text, "PageUp");
    InputEvent late;
    late.tick = 36;
    late.kind = InputEvent::Kind::Locate;
    script.add(late);  // after the events of its moment
    EXPECT_EQ(script.events()[4].kind, InputEvent::Kind::Locate);

    const struct {
        const char* text;
        const char* message;
    } mistakes[] = {
        {"click Airspeed 1 2\n", "in.txt:1: expected a time in seconds from 0 to 86400 first"},
        {"1 clik Airspeed 1 2\n", "in.txt:1: unknown command \"clik\"; did you mean \"click\"?"},
        {"\n1 click Airspeed 1\n", "in.txt:2: expected: TIME click GAUGE X Y [left|right]"},
        {"1 click Airspeed 1 2 middle\n", "in.txt:1: expected left or right, found \"middle\""},
        {"2 quit\n1 quit\n", "in.txt:2: times must not go back"},
        {"1 pointer 1e99 2\n", "in.txt:1: expected a whole number of pixels, found \"1e99\""},
    };
    for (const auto& m : mistakes) {
        std::istringstream in(m.text);
        try {
            InputScript::parse(in, "in.txt");
            ADD_FAILURE() << m.text << " accepted";
        } catch (const HostError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(m.message, 0), 0u) << e.what();
        }
    }
}

TEST(DidYouMean, NearestRegisteredNames) {
    const std::vector<std::string> names = {"Airspeed", "Altimeter", "Attitude", "Radio_COM1", "Radio_COM2",
                                            "Directionnal_Gyro", "Bendix_DME"};
    const struct {
        const char* wanted;
        std::vector<std::string> nearest;
    } cases[] = {
        {"Airsped", {"Airspeed"}},
        {"airspeed", {"Airspeed"}},           // case ignored
        {"Altimetre", {"Altimeter"}},         // swapped letters
        {"Radio_COM3", {"Radio_COM1", "Radio_COM2"}},
        {"Gyro", {"Directionnal_Gyro"}},      // a part of the name
        {"Throttle", {}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(nearest_names(c.wanted, names), c.nearest) << c.wanted;
    EXPECT_EQ(did_you_mean("Radio_COM3", names), "; did you mean \"Radio_COM1\" or \"Radio_COM2\"?");
    EXPECT_EQ(did_you_mean("Throttle", names), "");
}

}  // namespace
