// Real gauges of the module in defined states, drawn from this build's
// bitmaps and compared with golden images (tests/render/golden; update with
// scripts/update-goldens.sh after a deliberate change of drawings or
// rendering). Also: the drawn needle lies where the calibration points.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "host/needle_calibration.h"
#include "host/panel.h"
#include "host/render/panel_renderer.h"
#include "image_compare.h"

using namespace host;
using namespace host::render;

namespace {

class RealGauges : public ::testing::Test {
protected:
    // One window holding the named gauges side by side at their own size
    // (or at `width`).
    void load(const std::vector<std::pair<std::string, std::optional<int>>>& gauges) {
        sizes_ = BitmapCatalog::read(VANTOR_BITMAP_TABLE);
        PanelConfig config;
        config.path = "(test)";
        WindowConfig window;
        window.section = "Window00";
        window.visible = true;
        int x = 0;
        for (const auto& [name, width] : gauges) {
            GaugePlacement p;
            p.module = "Vantor_Instr";
            p.gauge = name;
            p.x = x;
            p.width = width;
            p.key = "gauge";
            window.gauges.push_back(p);
            x += 310;
        }
        window.size_mm_x = x;
        window.size_mm_y = 310;
        config.windows.push_back(window);
        Panel::Options options;
        options.module_paths["Vantor_Instr"] = VANTOR_MODULE_PATH;
        panel_ = std::make_unique<Panel>(simulation_, sizes_, options);
        panel_->load(config);
        bitmaps_ = std::make_unique<BitmapStore>(VANTOR_RESOURCE_BITMAPS);
        renderer_ = std::make_unique<PanelRenderer>(*panel_, *bitmaps_, fonts_, ".");
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) panel_->frame();
        renderer_->render();
    }
    cairo_surface_t* frame_of(std::size_t index) { return renderer_->gauge(index).frame(); }
    void expect_golden(std::size_t index, const std::string& name) {
        ASSERT_NE(frame_of(index), nullptr);
        const std::string why = render_test::check_golden(frame_of(index), name);
        EXPECT_TRUE(why.empty()) << why;
    }

    Simulation simulation_;
    BitmapCatalog sizes_;
    std::unique_ptr<Panel> panel_;
    std::unique_ptr<BitmapStore> bitmaps_;
    FontBook fonts_;
    std::unique_ptr<PanelRenderer> renderer_;
};

TEST_F(RealGauges, FlightInstrumentsInDaylight) {
    load({{"Airspeed", std::nullopt}, {"Attitude", std::nullopt}, {"Directionnal_Gyro", std::nullopt},
          {"Airspeed", 150}});
    simulation_.set_number(61, 120);  // knots
    simulation_.set_number(78, 5);    // pitch up
    simulation_.set_number(80, 20);   // left bank
    simulation_.set_number(84, 45);   // heading
    frames(3);
    expect_golden(0, "airspeed_120kt");
    expect_golden(1, "attitude_pitch5_bank20");
    expect_golden(2, "directional_gyro_045");
    ASSERT_EQ(cairo_image_surface_get_width(frame_of(3)), 150);
    expect_golden(3, "airspeed_120kt_half_size");
}

TEST_F(RealGauges, StringsAndButtons) {
    load({{"Bendix_DME", std::nullopt}, {"Registration", std::nullopt}, {"Radios_Toggle", std::nullopt}});
    simulation_.set_number(372, 12.3);
    simulation_.set_number(373, 145);
    simulation_.set_number(374, 5);
    frames(3);
    expect_golden(0, "dme_12nm");
    expect_golden(1, "registration_default");
    expect_golden(2, "radios_toggle");
}

TEST_F(RealGauges, NightWithPanelLights) {
    load({{"Altimeter", std::nullopt}, {"Airspeed", std::nullopt}});
    simulation_.set_number(557, 22 * 3600.0);
    simulation_.set_number(10, 1);
    simulation_.set_number(74, 4350);
    simulation_.set_number(61, 95);
    frames(3);
    expect_golden(0, "altimeter_4350ft_night");
    expect_golden(1, "airspeed_95kt_night");
}

TEST_F(RealGauges, ClockInSettingMode) {
    load({{"Clock", std::nullopt}});
    simulation_.set_number(557, 10 * 3600 + 10 * 60 + 30);
    frames(1);
    PlacedGauge& clock = *panel_->find("Clock");
    const PIXPOINT plus = {40, 270};
    panel_->press(clock, plus, MouseButton::Right);  // enters setting mode
    panel_->mouse().release();
    for (int i = 0; i < 5; ++i) {  // five minutes on
        panel_->press(clock, plus, MouseButton::Left);
        panel_->mouse().release();
    }
    frames(2);
    // Hands held at 10:15:30 while the simulation's clock runs on; lamp lit.
    int lamp = -2;
    for (const ElementState& state : clock.evaluation.elements()) {
        if (state.kind == ELEMENT_TYPE_ICON) {
            lamp = state.icon;
        }
    }
    EXPECT_EQ(lamp, 1);
    expect_golden(0, "clock_setting_mode");
}

TEST_F(RealGauges, ThrottleQuadrantMidTravel) {
    load({{"Throttle_Quadrant", std::nullopt}});
    for (UINT32 lever : {558u, 559u, 560u}) simulation_.set_number(lever, 0.5);
    simulation_.set_number(325, 8192);  // dive brakes in the middle
    simulation_.set_number(329, 8192);  // flaps 1/2
    frames(2);
    expect_golden(0, "throttle_quadrant_mid_travel");
}

bool same_pixels(cairo_surface_t* a, cairo_surface_t* b) {
    cairo_surface_flush(a);
    cairo_surface_flush(b);
    const int h = cairo_image_surface_get_height(a);
    const int stride = cairo_image_surface_get_stride(a);
    return h == cairo_image_surface_get_height(b) && stride == cairo_image_surface_get_stride(b) &&
           std::memcmp(cairo_image_surface_get_data(a), cairo_image_surface_get_data(b),
                       static_cast<std::size_t>(h) * stride) == 0;
}

Surface copy_of(cairo_surface_t* s) {
    Surface c(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(s),
                                         cairo_image_surface_get_height(s)));
    cairo_t* cr = cairo_create(c.get());
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    return c;
}

// A frozen airspeed needle stays where it was; the DME's digits vanish with
// the avionics failure.
TEST_F(RealGauges, FailuresShow) {
    load({{"Airspeed", std::nullopt}, {"Bendix_DME", std::nullopt}});
    simulation_.set_number(61, 120);
    simulation_.set_number(372, 12.3);
    frames(2);
    Surface airspeed = copy_of(frame_of(0));
    Surface dme = copy_of(frame_of(1));
    simulation_.set_failure(6, true);
    simulation_.set_failure(21, true);
    simulation_.set_number(61, 200);
    frames(2);
    EXPECT_TRUE(same_pixels(frame_of(0), airspeed.get()));
    EXPECT_FALSE(same_pixels(frame_of(1), dme.get()));
    simulation_.set_failure(6, false);
    simulation_.set_failure(21, false);
    frames(2);
    EXPECT_FALSE(same_pixels(frame_of(0), airspeed.get()));
    EXPECT_TRUE(same_pixels(frame_of(1), dme.get()));
}

std::uint32_t argb_at(cairo_surface_t* s, int x, int y) {
    cairo_surface_flush(s);
    return reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(s) +
                                                  static_cast<std::size_t>(y) * cairo_image_surface_get_stride(s))[x];
}

// The controls' moving parts land where their variables put them: the
// throttle grip 228 pixels up from closed to open, the flap lever 73 down
// from UP to DOWN, a switch lever's ball at the top when on, the trim wheel
// turning through its three frames and its pointer moving with the trim.
TEST_F(RealGauges, ControlsAreDrawnWhereTheSimulationPutsThem) {
    load({{"Throttle_Quadrant", std::nullopt}, {"Avionics_Switch", std::nullopt},
          {"Pitch_Trim_Wheel", std::nullopt}});
    auto draw = [&](UINT32 token, double value) {
        simulation_.set_number(token, value);
        frames(1);
    };
    struct Mark {
        std::size_t gauge;
        UINT32 token;
        double a, b;
        PIXPOINT only_a, only_b, neither;
    };
    const Mark marks[] = {
        {0, 558, 0.0, 1.0, {20, 252}, {20, 24}, {20, 140}},            // grip handle centre
        {0, 329, 0.0, 16383.0, {244, 174}, {244, 247}, {244, 211}},    // flap lever wing
        {1, 740, 1.0, 0.0, {22, 13}, {22, 32}, {4, 22}},               // ball of the lever
        {2, 783, 0.0, 0.1, {66, 78}, {66, 94}, {66, 120}},             // pointer, 15.9 px lower
    };
    for (const Mark& m : marks) {
        SCOPED_TRACE(m.token);
        draw(m.token, m.a);
        Surface a = copy_of(frame_of(m.gauge));
        draw(m.token, m.b);
        cairo_surface_t* b = frame_of(m.gauge);
        EXPECT_NE(argb_at(a.get(), m.only_a.x, m.only_a.y), argb_at(b, m.only_a.x, m.only_a.y));
        EXPECT_NE(argb_at(a.get(), m.only_b.x, m.only_b.y), argb_at(b, m.only_b.x, m.only_b.y));
        EXPECT_EQ(argb_at(a.get(), m.neither.x, m.neither.y), argb_at(b, m.neither.x, m.neither.y));
    }
    // Half a degree of pitch trim per frame of the wheel; its bright mark
    // steps down 10 pixels a frame (frame 1 at neutral).
    const double half_degree = 3.14159265358979323846 / 360;
    const int mark_y[] = {61, 71, 51};  // frames 1, 2, 0
    std::vector<Surface> wheel;
    for (int i = 0; i < 3; ++i) {
        draw(783, i * half_degree);
        wheel.push_back(copy_of(frame_of(2)));
    }
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const bool lit = (argb_at(wheel[j].get(), 41, mark_y[i]) & 0xFF) > 0xB0;
            EXPECT_EQ(lit, i == j) << "frame of trim step " << j << " at y " << mark_y[i];
        }
    }
}

// After a change in one gauge only that gauge is redrawn, and the window
// equals one drawn afresh.
TEST_F(RealGauges, WindowRedrawsOnlyChangedGaugesAndMatchesAFreshDraw) {
    load({{"Airspeed", std::nullopt}, {"Altimeter", std::nullopt}, {"Attitude", std::nullopt}});
    frames(2);
    simulation_.set_number(61, 150);
    panel_->frame();
    EXPECT_EQ(renderer_->render(), 1);
    panel_->frame();
    EXPECT_EQ(renderer_->render(), 0);
    PanelRenderer fresh(*panel_, *bitmaps_, fonts_, ".");
    EXPECT_EQ(fresh.render(), 3);
    EXPECT_TRUE(same_pixels(renderer_->canvas(0), fresh.canvas(0)));
    // Night: the light changes every gauge.
    simulation_.set_number(557, 23 * 3600.0);
    panel_->frame();
    EXPECT_EQ(renderer_->render(), 3);
}

// --- The sprite instruments, measured on their pixels ----------------------

struct Rgb8 {
    int r, g, b;
    int brightest() const { return std::max({r, g, b}); }
};

Rgb8 pixel_at(cairo_surface_t* s, int x, int y) {
    cairo_surface_flush(s);
    const std::uint32_t v = reinterpret_cast<const std::uint32_t*>(
        cairo_image_surface_get_data(s) + static_cast<std::size_t>(y) * cairo_image_surface_get_stride(s))[x];
    return {static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF)};
}

// Mean x of the pixels in the box that pass the test, or NaN when none do.
template <typename Test>
double centre_x(cairo_surface_t* s, int x0, int x1, int y0, int y1, Test test) {
    double sum = 0;
    int n = 0;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (test(pixel_at(s, x, y))) {
                sum += x;
                ++n;
            }
        }
    }
    return n > 0 ? sum / n : std::nan("");
}

bool card_ink(Rgb8 p) { return p.r > 170 && p.g > 170 && p.b > 150; }
bool lubber_orange(Rgb8 p) { return p.r > 170 && p.g > 80 && p.g < 200 && p.b < 90; }

// The card turns about the heading bug's pivot: at each cardinal heading its
// mark stands centred under the lubber line on the glass.
TEST_F(RealGauges, GyroCardMarkIsCentredUnderTheLubberLine) {
    load({{"Directionnal_Gyro", std::nullopt}});
    for (double heading : {0.0, 90.0, 180.0, 270.0}) {
        SCOPED_TRACE(heading);
        simulation_.set_number(84, heading);
        simulation_.set_number(855, heading + 180);  // the bug out of the way, at the bottom
        frames(2);
        cairo_surface_t* f = frame_of(0);
        // The lubber line points down at the card from y 22 to 40; the
        // card's mark reaches up to y 15, above it.
        const double lubber = centre_x(f, 131, 171, 26, 34, lubber_orange);
        const double mark = centre_x(f, 141, 161, 15, 20, card_ink);
        ASSERT_FALSE(std::isnan(lubber));
        ASSERT_FALSE(std::isnan(mark));
        EXPECT_NEAR(mark, lubber, 1.0);
    }
}

// The RMI card turns about its pointers' pivot (149, 150): at each cardinal
// heading its mark stands under the lubber line, and the ADF pointer lies
// along the relative bearing, over the card mark heading + bearing.
TEST_F(RealGauges, RmiCardAndPointerTurnAboutOnePivot) {
    load({{"RMI", std::nullopt}});
    auto yellow = [](Rgb8 p) { return p.r > 200 && p.g > 170 && p.b < 100; };
    for (double heading : {0.0, 90.0, 180.0, 270.0}) {
        for (double bearing : {0.0, 90.0, 225.0}) {
            SCOPED_TRACE(std::to_string(heading) + " / " + std::to_string(bearing));
            simulation_.set_number(84, heading);
            simulation_.set_number(39, bearing);
            frames(2);
            cairo_surface_t* f = frame_of(0);
            const double lubber = centre_x(f, 129, 169, 19, 30, lubber_orange);
            const double mark = centre_x(f, 139, 159, 47, 55, card_ink);
            ASSERT_FALSE(std::isnan(lubber));
            ASSERT_FALSE(std::isnan(mark));
            EXPECT_NEAR(mark, lubber, 1.0);
            // The pointer's direction from the pivot, clockwise from up.
            double sx = 0, sy = 0;
            for (int y = 50; y < 250; ++y) {
                for (int x = 49; x < 250; ++x) {
                    const double dx = x - 149.0, dy = y - 150.0, r = std::hypot(dx, dy);
                    if (r > 40 && r < 95 && yellow(pixel_at(f, x, y))) {
                        sx += dx;
                        sy += dy;
                    }
                }
            }
            const double angle = std::fmod(std::atan2(sx, -sy) * 180 / M_PI + 360, 360);
            EXPECT_NEAR(std::remainder(angle - bearing, 360), 0, 3);
        }
    }
}

// The drum turns with the setting and shows its figures through the window
// at (220, 127), 46 x 46.
TEST_F(RealGauges, AltimeterDrumWindowShowsTheSetting) {
    load({{"Altimeter", std::nullopt}});
    simulation_.set_number(74, 0);  // the hands stand up, clear of the window
    auto window = [&](double setting) {
        simulation_.set_number(76, setting);
        frames(2);
        std::vector<bool> ink;
        for (int y = 128; y < 172; ++y) {
            for (int x = 221; x < 265; ++x) ink.push_back(card_ink(pixel_at(frame_of(0), x, y)));
        }
        return ink;
    };
    const std::vector<bool> standard = window(29.92), high = window(30.12);
    const auto count = [](const std::vector<bool>& v) { return std::count(v.begin(), v.end(), true); };
    EXPECT_GT(count(standard), 60) << "figures in the window at 29.92";
    EXPECT_GT(count(high), 60) << "figures in the window at 30.12";
    long differ = 0;
    for (std::size_t i = 0; i < standard.size(); ++i) differ += standard[i] != high[i];
    EXPECT_GT(differ, 60) << "the same figures at 29.92 and 30.12";
}

// The horizon ball fills the window at every pitch and bank: nothing of the
// dark case behind it shows between the ball and the bank ring.
TEST_F(RealGauges, AttitudeWindowShowsNoBlackAtAnyPitchOrBank) {
    load({{"Attitude", std::nullopt}});
    for (double pitch : {-60.0, -39.0, -20.0, 0.0, 10.0, 30.0, 39.0}) {
        for (double bank : {-180.0, -90.0, -45.0, -20.0, 0.0, 30.0, 60.0, 135.0}) {
            simulation_.set_number(78, pitch);
            simulation_.set_number(80, bank);
            frames(1);
            cairo_surface_t* f = frame_of(0);
            int black = 0;
            for (int y = 14; y < 286; ++y) {
                for (int x = 14; x < 286; ++x) {
                    if (std::hypot(x + 0.5 - 150, y + 0.5 - 150) < 135 && pixel_at(f, x, y).brightest() < 32) ++black;
                }
            }
            EXPECT_EQ(black, 0) << "pitch " << pitch << " bank " << bank;
        }
    }
}

// The DME's fields keep apart: the dark gap between the speed (box 47..79)
// and the time (box 80..102) is clearly wider than the gaps between the
// digits of a field, so "888 88" does not read as one number.
TEST_F(RealGauges, DmeFieldsStayApart) {
    load({{"Bendix_DME", std::nullopt}});
    simulation_.set_number(372, 140);
    simulation_.set_number(373, 888);
    simulation_.set_number(374, 88);
    frames(2);
    std::vector<int> inked;
    for (int x = 47; x < 103; ++x) {
        bool red = false;
        for (int y = 9; y < 21; ++y) {
            const Rgb8 p = pixel_at(frame_of(0), x, y);
            red = red || (p.r > 120 && p.g < 80);
        }
        if (red) inked.push_back(x);
    }
    ASSERT_GT(inked.size(), 20u);
    int between_fields = 0, between_digits = 0;
    for (std::size_t i = 1; i < inked.size(); ++i) {
        const int gap = inked[i] - inked[i - 1] - 1;
        if (inked[i - 1] < 80 && inked[i] >= 80) between_fields = gap;
        else between_digits = std::max(between_digits, gap);
    }
    EXPECT_GE(between_fields, 3 * between_digits) << between_fields << " vs " << between_digits;
}

// By night the panel lights light the reference marks on the glass, not only
// the luminous card; without them the marks go dark.
TEST_F(RealGauges, PanelLightsLightTheReferenceMarksAtNight) {
    load({{"Directionnal_Gyro", std::nullopt}});
    auto lubber = [&] {
        frames(2);
        Rgb8 p = pixel_at(frame_of(0), 151, 30);
        return 0.30 * p.r + 0.59 * p.g + 0.11 * p.b;
    };
    const double day = lubber();
    simulation_.set_number(557, 22 * 3600.0);
    simulation_.set_number(10, 1);
    const double lit = lubber();
    simulation_.set_number(10, 0);
    const double dark = lubber();
    EXPECT_GT(day, 150);
    EXPECT_GT(lit, 0.6 * day);
    EXPECT_LT(dark, 0.3 * day);
}

// At each calibration value the needle's angle is the direction of the
// calibration point, and the drawn needle covers the ray toward it.
TEST_F(RealGauges, AirspeedNeedlePointsAtItsCalibrationPoints) {
    load({{"Airspeed", std::nullopt}});
    frames(1);
    const PlacedGauge& gauge = *panel_->gauges()[0];
    const ElementState* needle = nullptr;
    for (const ElementState& s : gauge.evaluation.elements()) {
        if (s.kind == ELEMENT_TYPE_NEEDLE) needle = &s;
    }
    ASSERT_NE(needle, nullptr);
    const auto* record = reinterpret_cast<const ELEMENT_NEEDLE*>(needle->element);
    ASSERT_GT(record->calibration_count, 2u);
    const PIXPOINT pivot = record->header.position;
    int checked = 0;
    for (UINT32 i = 0; i < record->calibration_count; ++i) {
        const NONLINEARITY& point = record->calibration[i];
        simulation_.set_number(61, point.value);
        frames(1);
        const ElementState* now = nullptr;
        for (const ElementState& s : panel_->gauges()[0]->evaluation.elements()) {
            if (s.kind == ELEMENT_TYPE_NEEDLE) now = &s;
        }
        const double expected = point_angle(pivot, point.point);
        const double turn = std::remainder(now->angle - expected, 360.0);
        EXPECT_NEAR(turn, 0.0, 1e-6) << "point " << i << " value " << point.value;

        // Compare with the needle turned half a turn away: pixels on the ray
        // toward the point, 40% of the way there, differ.
        const double length = std::hypot(point.point.x - pivot.x, point.point.y - pivot.y);
        if (length < 20) continue;
        const int px = static_cast<int>(std::lround(pivot.x + 0.4 * (point.point.x - pivot.x)));
        const int py = static_cast<int>(std::lround(pivot.y + 0.4 * (point.point.y - pivot.y)));
        cairo_surface_t* f = frame_of(0);
        cairo_surface_flush(f);
        auto pixel = [&](cairo_surface_t* s) {
            return reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(s) +
                                                          static_cast<std::size_t>(py) * cairo_image_surface_get_stride(s))[px];
        };
        const std::uint32_t with_needle = pixel(f);
        GaugeRenderer away(*bitmaps_, fonts_);
        std::vector<ElementState> states = panel_->gauges()[0]->evaluation.elements();
        for (ElementState& s : states) {
            if (s.kind == ELEMENT_TYPE_NEEDLE) s.angle = normalize_degrees(s.angle + 180.0);
        }
        away.render(states, renderer_->gauge(0).size(), Lighting{});
        EXPECT_NE(with_needle, pixel(away.frame())) << "point " << i << " at " << px << "," << py;
        ++checked;
    }
    EXPECT_GT(checked, 2);
}

// The radio stack powered, each head showing its frequency or code.
TEST_F(RealGauges, RadioStackPowered) {
    load({{"Radio_COM1", std::nullopt}, {"Radio_COM2", std::nullopt}, {"Radio_NAV1", std::nullopt},
          {"Radio_NAV2", std::nullopt}, {"Radio_ADF", std::nullopt}, {"Radio_IFF_XPDR", std::nullopt}});
    simulation_.set_packed(23, 0x2152);
    simulation_.set_packed(870, 0x3297);
    simulation_.set_packed(24, 0x0990);
    simulation_.set_packed(27, 0x1795);
    simulation_.set_packed(16, 0x0527);
    simulation_.set_packed(18, 256 + 3);
    simulation_.set_packed(38, 0x2745);
    frames(3);
    expect_golden(0, "radio_com1_121_52");
    expect_golden(1, "radio_com2_132_97");
    expect_golden(2, "radio_nav1_109_90");
    expect_golden(3, "radio_nav2_117_95");
    expect_golden(4, "radio_adf_1527_3");
    expect_golden(5, "radio_transponder_2745");
}

// Right of course and below the glide path, heading 10 degrees left of the
// selected course, with both flags out of view.
TEST_F(RealGauges, CourseIndicatorOffItsCourse) {
    load({{"VOR1_Indicator", std::nullopt}});
    simulation_.set_number(84, 30);
    simulation_.set_number(45, 40);
    simulation_.set_number(40, -50);
    simulation_.set_number(41, -40);
    simulation_.set_number(43, 1);
    simulation_.set_number(44, 1);
    frames(3);
    expect_golden(0, "vor1_off_course");
}

// Mean brightness of a rectangle of a gauge's frame, 0..255.
double brightness(cairo_surface_t* s, int x0, int y0, int w, int h) {
    cairo_surface_flush(s);
    double sum = 0;
    for (int y = y0; y < y0 + h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(s) +
                                                                 static_cast<std::size_t>(y) * cairo_image_surface_get_stride(s));
        for (int x = x0; x < x0 + w; ++x) {
            sum += ((row[x] >> 16 & 0xFF) + (row[x] >> 8 & 0xFF) + (row[x] & 0xFF)) / 3.0;
        }
    }
    return sum / (w * h);
}

// A head switched off keeps showing its frequency, its digits dark by day
// and at night; switched on again they are as bright as before.
TEST_F(RealGauges, DigitsOfAHeadSwitchedOffAreDark) {
    load({{"Radio_COM1", std::nullopt}});
    PlacedGauge& com1 = *panel_->find("Radio_COM1");
    auto click_at = [&](PIXPOINT p) {
        panel_->press(com1, p, MouseButton::Left);
        panel_->mouse().release();
    };
    for (double time : {12 * 3600.0, 22 * 3600.0}) {
        simulation_.set_number(557, time);
        simulation_.set_number(10, 1);
        frames(2);
        const double on = brightness(frame_of(0), 39, 39, 65, 25);
        click_at({10, 84});  // off
        frames(2);
        const double off = brightness(frame_of(0), 39, 39, 65, 25);
        EXPECT_LT(off, 0.6 * on) << "at " << time / 3600 << " h";
        EXPECT_GT(off, 0.0);
        click_at({30, 84});  // on
        frames(2);
        EXPECT_DOUBLE_EQ(brightness(frame_of(0), 39, 39, 65, 25), on);
    }
}

// The hanging deviation needle swings out along the rays to its calibration
// points at full deflection on either side, and the course pointer stands
// toward its 0 point.
TEST_F(RealGauges, CourseIndicatorNeedlesLandOnTheirPoints) {
    load({{"VOR1_Indicator", std::nullopt}});
    simulation_.set_number(43, 1);
    simulation_.set_number(41, -119);  // glide-slope needle up, out of the way
    // 0.8 of the way from the pivot (158, 93) to the points (221, 168) and
    // (98, 168), clear of the dots and flags.
    auto right = [&] { return brightness(frame_of(0), 207, 152, 3, 3); };
    auto left = [&] { return brightness(frame_of(0), 109, 152, 3, 3); };
    simulation_.set_number(40, 127);
    frames(1);
    EXPECT_GT(right(), 120) << "cream needle over the dark face";
    EXPECT_LT(left(), 60);
    simulation_.set_number(40, -127);
    frames(1);
    EXPECT_GT(left(), 120);
    EXPECT_LT(right(), 60);
    // Heading on the course: the pointer stands up, along x = 159.
    simulation_.set_number(84, 100);
    simulation_.set_number(45, 100);
    frames(1);
    const double up = brightness(frame_of(0), 158, 112, 3, 20);
    simulation_.set_number(45, 10);  // parked across to the right
    frames(1);
    EXPECT_GT(up, brightness(frame_of(0), 158, 112, 3, 20) + 40);
}

}  // namespace
