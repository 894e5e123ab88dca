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
    // One window holding the gauges where they are placed; the values are
    // the tests', the engine model stays out of it.
    void load(const std::vector<Place>& places, int width, int height) {
        sizes_ = BitmapCatalog::read(VANTOR_BITMAP_TABLE);
        PanelConfig config;
        config.path = "(test)";
        WindowConfig window;
        window.section = "Window00";
        window.visible = true;
        window.size_mm_x = width;
        window.size_mm_y = height;
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
        config.windows.push_back(window);
        Panel::Options options;
        options.module_paths["Vantor_Instr"] = VANTOR_MODULE_PATH;
        panel_ = std::make_unique<Panel>(simulation_, sizes_, options);
        panel_->load(config);
        bitmaps_ = std::make_unique<BitmapStore>(VANTOR_RESOURCE_BITMAPS);
        renderer_ = std::make_unique<PanelRenderer>(*panel_, *bitmaps_, fonts_, ".");
        simulation_.set_named(ENGINE_MODEL, 0.0);
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) panel_->frame();
        renderer_->render();
    }

    Simulation simulation_;
    BitmapCatalog sizes_;
    std::unique_ptr<Panel> panel_;
    std::unique_ptr<BitmapStore> bitmaps_;
    FontBook fonts_;
    std::unique_ptr<PanelRenderer> renderer_;
};

std::uint32_t pixel(cairo_surface_t* s, int x, int y) {
    if (x < 0 || y < 0 || x >= cairo_image_surface_get_width(s) || y >= cairo_image_surface_get_height(s)) return 0;
    return reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s))[x];
}

// How white a pixel is: its darkest channel, 0..255.
int whiteness(cairo_surface_t* s, double x, double y) {
    std::uint32_t p = pixel(s, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
    return static_cast<int>(std::min({(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF}));
}

// Direction, degrees clockwise from +x, of the far end of the pixels in
// which two drawings of a gauge differ.
double drawn_direction(cairo_surface_t* with, cairo_surface_t* without, PIXPOINT pivot) {
    struct Hit {
        double dx, dy, d;
    };
    std::vector<Hit> hits;
    double farthest = 0;
    for (int y = 0; y < cairo_image_surface_get_height(with); ++y) {
        for (int x = 0; x < cairo_image_surface_get_width(with); ++x) {
            if (pixel(with, x, y) == pixel(without, x, y)) continue;
            const double dx = x + 0.5 - pivot.x, dy = y + 0.5 - pivot.y;
            hits.push_back({dx, dy, std::hypot(dx, dy)});
            farthest = std::max(farthest, hits.back().d);
        }
    }
    double sx = 0, sy = 0;
    for (const Hit& h : hits) {
        if (h.d > 0.75 * farthest) {
            sx += h.dx / h.d;
            sy += h.dy / h.d;
        }
    }
    return std::atan2(sy, sx) * 180.0 / PI;
}

// Where the needle tips sweep: the mean distance of the table's points from
// the pivot, the outer point of each end stop left out.
double tip_ring(const ELEMENT_NEEDLE& n) {
    const NONLINEARITY* t = n.calibration;
    const UINT32 last = n.calibration_count - 1;
    auto same = [&](UINT32 a, UINT32 b) { return t[a].point.x == t[b].point.x && t[a].point.y == t[b].point.y; };
    double sum = 0;
    int count = 0;
    for (UINT32 i = 0; i <= last; ++i) {
        if ((i == 0 && same(0, 1)) || (i == last && same(last, last - 1))) continue;
        sum += std::hypot(t[i].point.x - n.header.position.x, t[i].point.y - n.header.position.y);
        ++count;
    }
    return sum / count;
}

TEST_F(EngineCluster, EachNeedlePointsAtThePrintedMarkForItsValue) {
    const std::vector<std::string> dials = {"Manifold_Pressure", "Tachometer",  "Oil_Pressure",  "Oil_Temperature",
                                            "Fuel_Pressure",     "CHT_Indicator", "Carb_Temperature", "OAT_Indicator",
                                            "Hydraulic_Pressure", "Voltmeter",  "Ammeter",       "Fuel_Quantity",
                                            "Flaps_Position"};
    std::vector<Place> places;
    for (std::size_t i = 0; i < dials.size(); ++i) {
        places.push_back({dials[i], static_cast<int>(i % 5) * 300, static_cast<int>(i / 5) * 300, std::nullopt});
    }
    load(places, 1500, 900);
    auto rankine = [](double c) { return c * 1.8 + 491.67; };
    struct Reading {
        const char* dial;
        UINT32 token;  // 0: the carburettor's calculator variable; 291: pounds in both tanks
        double value;
    };
    const Reading readings[] = {
        {"Manifold_Pressure", 391, 20 * 70.7328}, {"Manifold_Pressure", 391, 70 * 70.7328},
        {"Tachometer", 390, 1000},                {"Tachometer", 390, 3500},
        {"Oil_Pressure", 418, 80 * 144.0},        {"Oil_Temperature", 416, rankine(100)},
        {"Fuel_Pressure", 425, 25 * 144.0},       {"CHT_Indicator", 415, rankine(250)},
        {"Carb_Temperature", 0, -25},             {"OAT_Indicator", 341, 30},
        {"Hydraulic_Pressure", 732, 1500 * 144.0}, {"Voltmeter", 753, 25},
        {"Ammeter", 751, -5},                     {"Fuel_Quantity", 291, 900},
        {"Flaps_Position", 330, 12288},
    };
    for (const Reading& r : readings) {
        SCOPED_TRACE(std::string(r.dial) + " at " + std::to_string(r.value));
        if (r.token == 0) {
            simulation_.set_named(CARBURETOR_TEMPERATURE, r.value);
        } else if (r.token == 291) {
            simulation_.set_number(291, r.value / 2 * FULL_TANK / 531.0);
            simulation_.set_number(297, r.value / 2 * FULL_TANK / 531.0);
        } else {
            simulation_.set_number(r.token, r.value);
        }
        frames(r.token == 330 ? 200 : 1);  // the flap needle closes in by an eighth per update
        const auto index = static_cast<std::size_t>(std::find(dials.begin(), dials.end(), r.dial) - dials.begin());
        const PlacedGauge& gauge = *panel_->gauges()[index];
        std::vector<ElementState> states = gauge.evaluation.elements();
        const ELEMENT_NEEDLE* needle = nullptr;
        for (ElementState& s : states) {
            if (s.kind != ELEMENT_TYPE_NEEDLE) continue;
            needle = reinterpret_cast<const ELEMENT_NEEDLE*>(s.element);
            s.drawn = false;
        }
        ASSERT_NE(needle, nullptr);
        const PIXPOINT pivot = needle->header.position;
        const double expected =
            NeedleCalibration::from_table(pivot, needle->calibration, needle->calibration_count).angle(r.value);

        // The same gauge drawn without its needle: what differs is the needle.
        GaugeRenderer bare(*bitmaps_, fonts_);
        bare.render(states, renderer_->gauge(index).size(), renderer_->lighting());
        cairo_surface_t* with = renderer_->gauge(index).frame();
        cairo_surface_flush(with);
        cairo_surface_flush(bare.frame());
        EXPECT_NEAR(std::remainder(drawn_direction(with, bare.frame(), pivot) - expected, 360.0), 0.0, 1.5)
            << "the needle as drawn";

        // The printed mark: the whitest radial line just inside the ring the
        // needle tips sweep, within a few degrees of the needle.
        const double ring = tip_ring(*needle);
        int best = -1, samples = 0;
        double mark = 0;
        for (double a = expected - 3.0; a <= expected + 3.0; a += 0.1) {
            int sum = 0;
            samples = 0;
            for (double radius = ring * 0.9; radius <= ring - 1; radius += 0.5, ++samples) {
                sum += whiteness(bare.frame(), pivot.x + radius * std::cos(a * PI / 180),
                                 pivot.y + radius * std::sin(a * PI / 180));
            }
            if (sum > best) {
                best = sum;
                mark = a;
            }
        }
        EXPECT_GT(best, samples * 100) << "a white mark near the needle";
        EXPECT_NEAR(std::remainder(mark - expected, 360.0), 0.0, 1.0) << "the mark under the needle";
    }
}

// The cluster in cruise: dials, lamps, the fuel selector showing the left
// tank, gear down and a first stage of flap.
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
    for (auto [token, value] : std::initializer_list<std::pair<UINT32, double>>{
             {390, 2300}, {391, 32 * 70.7328}, {418, 72 * 144.0}, {416, 640}, {415, 860}, {425, 22 * 144.0},
             {341, -12}, {732, 1850 * 144.0}, {753, 28.2}, {751, 3}, {291, 0.3 * FULL_TANK},
             {297, 0.5 * FULL_TANK}, {329, 4096}, {330, 4096}}) {
        simulation_.set_number(token, value);
    }
    simulation_.set_named(CARBURETOR_TEMPERATURE, -4);
    frames(40);
    panel_->press(*panel_->find("Fuel_Qty_Switch"), {10, 20}, MouseButton::Left);
    panel_->mouse().release();
    frames(3);
    const std::string why = render_test::check_golden(renderer_->canvas(0), "engine_cluster_cruise");
    EXPECT_TRUE(why.empty()) << why;
}

}  // namespace
