// The engine and systems instruments on screen: each needle, as drawn,
// points at the mark the art generator printed for its value, and a golden
// image of the engine cluster running.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "host/engine_model.h"
#include "host/needle_calibration.h"
#include "host/panel.h"
#include "host/render/panel_renderer.h"
#include "image_compare.h"

using namespace host;
using namespace host::render;

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double FULL_TANK = 8388608.0;

class EngineCluster : public ::testing::Test {
protected:
    struct Place {
        std::string name;
        int x, y;
        std::optional<int> width;  // the bitmap's own width when not given
    };
    // One window holding the gauges where they are placed.
    void load(const std::vector<Place>& places, int window_width, int window_height) {
        sizes_ = BitmapCatalog::read(VANTOR_BITMAP_TABLE);
        PanelConfig config;
        config.path = "(test)";
        WindowConfig window;
        window.section = "Window00";
        window.visible = true;
        for (const Place& place : places) {
            GaugePlacement p;
            p.module = "Vantor_Instr";
            p.gauge = place.name;
            p.x = place.x;
            p.y = place.y;
            p.width = place.width;
            p.key = "gauge";
            window.gauges.push_back(p);
        }
        window.size_mm_x = window_width;
        window.size_mm_y = window_height;
        config.windows.push_back(window);
        Panel::Options options;
        options.module_paths["Vantor_Instr"] = VANTOR_MODULE_PATH;
        panel_ = std::make_unique<Panel>(simulation_, sizes_, options);
        panel_->load(config);
        bitmaps_ = std::make_unique<BitmapStore>(VANTOR_RESOURCE_BITMAPS);
        renderer_ = std::make_unique<PanelRenderer>(*panel_, *bitmaps_, fonts_, ".");
        // The values below are the tests'; the engine model stays out of it.
        simulation_.set_named(ENGINE_MODEL, 0.0);
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) panel_->frame();
        renderer_->render();
    }
    void tanks(double pounds) {
        simulation_.set_number(291, pounds / 2 * FULL_TANK / 531.0);
        simulation_.set_number(297, pounds / 2 * FULL_TANK / 531.0);
    }

    Simulation simulation_;
    BitmapCatalog sizes_;
    std::unique_ptr<Panel> panel_;
    std::unique_ptr<BitmapStore> bitmaps_;
    FontBook fonts_;
    std::unique_ptr<PanelRenderer> renderer_;
};

// Pixels of an ARGB32 surface, for reading.
struct Pixels {
    explicit Pixels(cairo_surface_t* s) : surface(s) { cairo_surface_flush(s); }
    std::uint32_t at(int x, int y) const {
        if (x < 0 || y < 0 || x >= cairo_image_surface_get_width(surface) ||
            y >= cairo_image_surface_get_height(surface)) {
            return 0;
        }
        const unsigned char* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
        return reinterpret_cast<const std::uint32_t*>(row)[x];
    }
    // How white a pixel is: its darkest channel, 0..255.
    int whiteness(double x, double y) const {
        std::uint32_t p = at(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
        return static_cast<int>(std::min({(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF}));
    }
    cairo_surface_t* surface;
};

double wrap180(double d) { return std::remainder(d, 360.0); }

struct Reading {
    const char* dial;
    UINT32 token;  // 0: the carburettor's calculator variable
    double value;
    const char* mark;
};

TEST_F(EngineCluster, EachNeedlePointsAtThePrintedMarkForItsValue) {
    const std::vector<std::string> dials = {"Manifold_Pressure", "Tachometer",    "Oil_Pressure",
                                            "Oil_Temperature",   "Fuel_Pressure", "CHT_Indicator",
                                            "Carb_Temperature",  "OAT_Indicator", "Hydraulic_Pressure",
                                            "Voltmeter",         "Ammeter",       "Fuel_Quantity",
                                            "Flaps_Position"};
    std::vector<Place> places;
    for (std::size_t i = 0; i < dials.size(); ++i) {
        places.push_back({dials[i], static_cast<int>(i % 5) * 300, static_cast<int>(i / 5) * 300, std::nullopt});
    }
    load(places, 1500, 900);
    auto rankine = [](double c) { return c * 1.8 + 491.67; };
    const Reading readings[] = {
        {"Manifold_Pressure", 391, 20 * 70.7328, "20 inHg"},
        {"Manifold_Pressure", 391, 45 * 70.7328, "45 inHg"},
        {"Manifold_Pressure", 391, 70 * 70.7328, "70 inHg, past the top and round"},
        {"Tachometer", 390, 1000, "1000 rpm"},
        {"Tachometer", 390, 2000, "2000 rpm"},
        {"Tachometer", 390, 3500, "3500 rpm"},
        {"Oil_Pressure", 418, 20 * 144.0, "20 psi"},
        {"Oil_Pressure", 418, 80 * 144.0, "80 psi"},
        {"Oil_Temperature", 416, rankine(0), "0 C"},
        {"Oil_Temperature", 416, rankine(100), "100 C"},
        {"Fuel_Pressure", 425, 10 * 144.0, "10 psi"},
        {"Fuel_Pressure", 425, 25 * 144.0, "25 psi"},
        {"CHT_Indicator", 415, rankine(100), "100 C"},
        {"CHT_Indicator", 415, rankine(250), "250 C"},
        {"Carb_Temperature", 0, -25, "-25 C"},
        {"Carb_Temperature", 0, 25, "25 C"},
        {"OAT_Indicator", 341, -40, "-40 C"},
        {"OAT_Indicator", 341, 30, "30 C"},
        {"Hydraulic_Pressure", 732, 500 * 144.0, "500 psi"},
        {"Hydraulic_Pressure", 732, 1500 * 144.0, "1500 psi"},
        {"Voltmeter", 753, 10, "10 V"},
        {"Voltmeter", 753, 25, "25 V"},
        {"Ammeter", 751, -5, "-5"},
        {"Ammeter", 751, 5, "+5"},
        {"Fuel_Quantity", 291, 200, "200 lbs"},
        {"Fuel_Quantity", 291, 900, "900 lbs"},
        {"Flaps_Position", 330, 4096, "10 degrees"},
        {"Flaps_Position", 330, 12288, "30 degrees"},
    };
    for (const Reading& r : readings) {
        SCOPED_TRACE(std::string(r.dial) + " at " + r.mark);
        if (r.token == 0) {
            simulation_.set_named(CARBURETOR_TEMPERATURE, r.value);
        } else if (r.token == 291) {
            tanks(r.value);
        } else {
            simulation_.set_number(r.token, r.value);
        }
        frames(r.token == 330 ? 200 : 1);  // the flap needle closes in by an eighth per update
        const std::size_t index = static_cast<std::size_t>(std::find(dials.begin(), dials.end(), r.dial) - dials.begin());
        const PlacedGauge& gauge = *panel_->gauges()[index];
        const ElementState* needle = nullptr;
        for (const ElementState& s : gauge.evaluation.elements()) {
            if (s.kind == ELEMENT_TYPE_NEEDLE) needle = &s;
        }
        ASSERT_NE(needle, nullptr);
        const auto* record = reinterpret_cast<const ELEMENT_NEEDLE*>(needle->element);
        const PIXPOINT pivot = record->header.position;
        const double expected =
            NeedleCalibration::from_table(pivot, record->calibration, record->calibration_count).angle(r.value);

        // The same gauge drawn without its needle: what differs is the needle.
        std::vector<ElementState> states = gauge.evaluation.elements();
        for (ElementState& s : states) {
            if (s.kind == ELEMENT_TYPE_NEEDLE) s.drawn = false;
        }
        GaugeRenderer bare(*bitmaps_, fonts_);
        bare.render(states, renderer_->gauge(index).size(), renderer_->lighting());
        Pixels with(renderer_->gauge(index).frame());
        Pixels without(bare.frame());

        // The needle's direction: the far end of the pixels it changes.
        struct Hit {
            double dx, dy, d;
        };
        std::vector<Hit> hits;
        double farthest = 0;
        for (int y = 0; y < cairo_image_surface_get_height(with.surface); ++y) {
            for (int x = 0; x < cairo_image_surface_get_width(with.surface); ++x) {
                if (with.at(x, y) == without.at(x, y)) continue;
                const double dx = x + 0.5 - pivot.x, dy = y + 0.5 - pivot.y, d = std::hypot(dx, dy);
                hits.push_back({dx, dy, d});
                farthest = std::max(farthest, d);
            }
        }
        double sx = 0, sy = 0;
        for (const Hit& h : hits) {
            if (h.d > 0.75 * farthest) {
                sx += h.dx / h.d;
                sy += h.dy / h.d;
            }
        }
        const double drawn = std::atan2(sy, sx) * 180.0 / PI;
        EXPECT_NEAR(wrap180(drawn - expected), 0.0, 1.5) << "the needle as drawn";

        // The printed mark: the whitest radial line just inside the ring the
        // needle tips sweep, within a few degrees of the needle.
        double ring = 0;
        int points = 0;
        const NONLINEARITY* table = record->calibration;
        const UINT32 last = record->calibration_count - 1;
        auto same = [&](UINT32 a, UINT32 b) { return table[a].point.x == table[b].point.x && table[a].point.y == table[b].point.y; };
        for (UINT32 i = 0; i <= last; ++i) {
            const PIXPOINT p = table[i].point;
            // The outer point of an end stop lies on the mark of the inner one.
            const bool stop = (i == 0 && same(0, 1)) || (i == last && same(last, last - 1));
            if (stop) continue;
            ring += std::hypot(p.x - pivot.x, p.y - pivot.y);
            ++points;
        }
        ring /= points;
        int best = -1;
        double best_angle = 0;
        int samples = 0;
        for (double a = expected - 3.0; a <= expected + 3.0; a += 0.1) {
            int sum = 0;
            samples = 0;
            for (double radius = ring * 0.9; radius <= ring - 1; radius += 0.5, ++samples) {
                sum += without.whiteness(pivot.x + radius * std::cos(a * PI / 180), pivot.y + radius * std::sin(a * PI / 180));
            }
            if (sum > best) {
                best = sum;
                best_angle = a;
            }
        }
        EXPECT_GT(best, samples * 200 / 2) << "a white mark near the needle";
        EXPECT_NEAR(wrap180(best_angle - expected), 0.0, 1.0) << "the mark under the needle";
    }
}

// The cluster in cruise: dials, lamps, the fuel selector showing the left
// tank and the lever down.
TEST_F(EngineCluster, RunningInCruise) {
    const int D = 150;  // dials
    load({{"Manifold_Pressure", 0, 0, D},         {"Tachometer", D, 0, D},          {"Fuel_Quantity", 2 * D, 0, D},
          {"Oil_Pressure", 3 * D, 0, D},          {"Oil_Temperature", 4 * D, 0, D}, {"CHT_Indicator", 5 * D, 0, D},
          {"Fuel_Pressure", 0, D, D},             {"Carb_Temperature", D, D, D},    {"OAT_Indicator", 2 * D, D, D},
          {"Hydraulic_Pressure", 3 * D, D, D},    {"Voltmeter", 4 * D, D, D},       {"Ammeter", 5 * D, D, D},
          {"Flaps_Position", 0, 2 * D, D},        {"Flaps_Warning_Light", 160, 310, 40},
          {"Gear_Lamp_Front", 210, 310, 40},      {"Gear_Lamp_Left", 260, 310, 40}, {"Gear_Lamp_Right", 310, 310, 40},
          {"Gear_Light", 360, 310, 40},           {"Generator_Light", 410, 310, 40}, {"Low_Fuel_Light", 460, 310, 40},
          {"Speed_Brake_Light", 510, 310, 40},    {"Fuel_Qty_Switch", 160, 370, 80}, {"Speed_Brake_Lamp", 260, 360, 60},
          {"Gear_Lever", 600, 290, 43}},
         6 * D, 3 * D);
    simulation_.set_number(390, 2300);
    simulation_.set_number(391, 32 * 70.7328);
    simulation_.set_number(418, 72 * 144.0);
    simulation_.set_number(416, 640);
    simulation_.set_number(415, 860);
    simulation_.set_number(425, 22 * 144.0);
    simulation_.set_named(CARBURETOR_TEMPERATURE, -4);
    simulation_.set_number(341, -12);
    simulation_.set_number(732, 1850 * 144.0);
    simulation_.set_number(753, 28.2);
    simulation_.set_number(751, 3);
    simulation_.set_number(291, 0.3 * FULL_TANK);
    simulation_.set_number(297, 0.5 * FULL_TANK);
    simulation_.set_number(329, 4096);
    simulation_.set_number(330, 4096);
    frames(40);
    panel_->press(*panel_->find("Fuel_Qty_Switch"), {10, 20}, MouseButton::Left);
    panel_->mouse().release();
    frames(3);
    const std::string why = render_test::check_golden(renderer_->canvas(0), "engine_cluster_cruise");
    EXPECT_TRUE(why.empty()) << why;
}

}  // namespace
