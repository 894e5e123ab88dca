// The composed layout PanelRenderer gives both compose and the viewer:
// where windows lie, which gauge a point falls on, and the point on its bitmap.
#include <gtest/gtest.h>

#include "host/render/panel_session.h"

using namespace host;
using namespace host::render;

namespace {

TEST(PanelLayout, ComposeAndHitTestingShareIt) {
    PanelSession s;
    SessionOptions o;
    o.modules["Vantor_Instr"] = VANTOR_MODULE_PATH;
    o.bitmaps = VANTOR_BITMAP_TABLE;
    s.open(o, PanelConfig::read(VANTOR_EXAMPLE_PANEL), panel_folder(VANTOR_EXAMPLE_PANEL));
    s.panel->open_window(*panel_id_by_name("THROTTLE_PANEL"));
    s.panel->frame();
    s.renderer->render();
    const PanelLayout layout = s.renderer->layout();
    Surface picture = s.renderer->compose();
    EXPECT_EQ(cairo_image_surface_get_width(picture.get()), layout.width);
    EXPECT_EQ(cairo_image_surface_get_height(picture.get()), layout.height);
    ASSERT_EQ(layout.places.size(), 2u);
    EXPECT_EQ(layout.places[1].window, 2);  // the throttle window, below the main panel
    EXPECT_GT(layout.places[1].canvas.y, layout.places[0].canvas.y + layout.places[0].canvas.height);

    // A point of a gauge's bitmap, to the picture and back, on each window.
    for (const char* name : {"Airspeed", "Throttle_Quadrant"}) {
        PlacedGauge& g = *s.panel->find(name);
        auto [x, y] = s.renderer->from_gauge(layout, g, 100.5, 60.5);
        auto hit = s.renderer->gauge_at(layout, x, y);
        ASSERT_TRUE(hit) << name;
        EXPECT_EQ(s.panel->gauges()[hit->gauge].get(), &g) << name;
        EXPECT_EQ(hit->point.x, 100);
        EXPECT_EQ(hit->point.y, 60);
        // Past the gauge's edge (a drag) the point goes on, relative to it.
        const PIXPOINT outside = s.renderer->to_gauge(layout, g, x - 1000, y);
        EXPECT_LT(outside.x, -500);
    }
    // The titles and margins hold no gauge; a closed window's gauges are not hit.
    EXPECT_FALSE(s.renderer->gauge_at(layout, 1, 1));
    PlacedGauge& com = *s.panel->find("Radio_COM1");
    EXPECT_EQ(layout.find(com.window), nullptr);

    // Only the gauge that changed is laid again.
    s.panel->frame();
    s.renderer->render();
    s.simulation.set_number(61, 150);
    s.panel->frame();
    s.renderer->render();
    ASSERT_EQ(s.renderer->redrawn().size(), 1u);
    const Rect airspeed = s.renderer->rect(*s.panel->find("Airspeed"));
    EXPECT_EQ(s.renderer->redrawn()[0].rect.x, airspeed.x);
    EXPECT_EQ(s.renderer->redrawn()[0].rect.width, airspeed.width);
    s.panel->shutdown();
}

}  // namespace
