// The simulation's radios without a module: tuning steps as the real sets
// step, and what the receivers show from the ground stations.
#include <gtest/gtest.h>

#include <cmath>

#include "host/radio_model.h"

using host::EventSource;
using host::GroundPoint;
using host::Simulation;

namespace {

void send(Simulation& sim, UINT32 event, int times = 1) {
    for (int i = 0; i < times; ++i) sim.trigger_key_event(event, 0, EventSource::Module);
}

GroundPoint position_of(const char* ident) {
    for (const host::GroundStation& s : host::ground_stations()) {
        if (std::string(s.ident) == ident) return s.position;
    }
    ADD_FAILURE() << "no station " << ident;
    return {};
}

// A point `nm` before the runway threshold on the extended centre line,
// `right_nm` to the right of it as seen inbound (course 275).
GroundPoint on_final(double nm, double right_nm = 0.0) {
    const double a = 275.0 * 3.14159265358979323846 / 180.0;
    return {-nm * std::sin(a) + right_nm * std::cos(a), -nm * std::cos(a) - right_nm * std::sin(a)};
}

}  // namespace

TEST(RadioModel, FrequenciesStepLikeTheRealSets) {
    struct Row {
        std::uint32_t packed;
        int lowest, highest, spacing, by;
        bool whole;
        std::uint32_t expected;
    } rows[] = {
        {0x1800, 118, 136, 25, 1, true, 0x1900},  {0x3697, 118, 136, 25, 1, true, 0x1897},
        {0x1805, 118, 136, 25, -1, true, 0x3605}, {0x1795, 108, 117, 50, 1, true, 0x0895},
        {0x0800, 108, 117, 50, -1, true, 0x1700},
        {0x1800, 118, 136, 25, 1, false, 0x1802}, {0x1802, 118, 136, 25, 1, false, 0x1805},
        {0x1807, 118, 136, 25, 1, false, 0x1810}, {0x1897, 118, 136, 25, 1, false, 0x1800},
        {0x1800, 118, 136, 25, -1, false, 0x1897}, {0x1810, 118, 136, 25, -1, false, 0x1807},
        {0x1803, 118, 136, 25, 1, false, 0x1805},  // off the grid: to the next channel
        {0x1030, 108, 117, 50, 1, false, 0x1035}, {0x1095, 108, 117, 50, 1, false, 0x1000},
        {0x1000, 108, 117, 50, -1, false, 0x1095},
    };
    for (const Row& r : rows) {
        const std::uint32_t got = r.whole ? host::step_whole_mhz(r.packed, r.lowest, r.highest, r.by)
                                          : host::step_channel(r.packed, r.spacing, r.by);
        EXPECT_EQ(got, r.expected) << std::hex << r.packed << (r.whole ? " MHz " : " channel ") << std::dec << r.by;
    }
}

TEST(RadioModel, HeadEventsTuneTheirOwnRadio) {
    Simulation sim;
    send(sim, 0x10065);  // COM1 MHz up
    send(sim, 0x10388, 3);  // COM2 channel up
    send(sim, 0x1006A);  // NAV1 channel down
    send(sim, 0x1006D);  // NAV2 MHz up
    EXPECT_EQ(sim.packed(23), 0x1900u);
    EXPECT_EQ(sim.packed(870), 0x2457u);
    EXPECT_EQ(sim.packed(24), 0x1025u);
    EXPECT_EQ(sim.packed(27), 0x1550u);

    // ADF 344.0: hundreds carry into the thousands and wrap 1..17.
    send(sim, 0x10070, 7);
    EXPECT_EQ(host::adf_frequency_tenths(sim), 10440u);
    EXPECT_EQ(sim.packed(16), 0x0044u);
    EXPECT_EQ(sim.packed(18), 256u);
    send(sim, 0x10070, 8);
    EXPECT_EQ(host::adf_frequency_tenths(sim), 1440u) << "past the 1700s back to the 100s";
    send(sim, 0x10083, 5);  // tens 4 -> 9, no borrow
    send(sim, 0x10072);     // units 4 -> 5
    send(sim, 0x10395);     // tenths 0 -> 9
    EXPECT_EQ(host::adf_frequency_tenths(sim), 1959u);
    send(sim, 0x10131);
    EXPECT_EQ(sim.number(880), 1.0);
    send(sim, 0x1012C);
    EXPECT_EQ(sim.number(880), 0.0);

    // Squawk 1200: digits 0..7, wrapping on their own.
    send(sim, 0x10397, 2);  // thousands 1 -> 7
    send(sim, 0x10074, 6);  // hundreds 2 -> 0
    send(sim, 0x1039A);     // units 0 -> 7
    EXPECT_EQ(sim.packed(38), 0x7007u);
    sim.set_packed(38, 0x1289);
    send(sim, 0x10075);  // tens 8 counts as 7: -> 0
    EXPECT_EQ(sim.packed(38), 0x1209u);

    sim.trigger_key_event(0x100B4, 275, EventSource::Module);
    sim.trigger_key_event(0x100B5, 360, EventSource::Module);
    EXPECT_EQ(sim.number(45), 275.0);
    EXPECT_EQ(sim.number(54), 0.0);
}

TEST(RadioModel, LocalizerAndGlideSlopeOnFinal) {
    const host::GroundStation* ils = host::navigation_station_heard(11030, on_final(6));
    ASSERT_NE(ils, nullptr);
    EXPECT_STREQ(ils->ident, "IVT");
    // On the centre line and on the 3 degree path: centred.
    const double path_ft = 50 + std::tan(3.0 * 3.14159265358979323846 / 180) * (6 + 0.16) * 6076.12;
    host::NavigationReading r = host::navigation_reading(ils, on_final(6), path_ft, 275, 0);
    EXPECT_EQ(r.receiver_state, 1);
    EXPECT_NEAR(r.deviation, 0, 1e-6);
    EXPECT_EQ(r.glide_slope_valid, 1);
    EXPECT_NEAR(r.glide_slope, 0, 1e-6);
    EXPECT_EQ(r.station_flags, 0x80) << "a localizer gives no bearing";
    EXPECT_EQ(r.relative_bearing, 90);
    // Left of the centre line the course is to the right; high, the path is below.
    r = host::navigation_reading(ils, on_final(6, -0.2), path_ft + 300, 275, 0);
    EXPECT_GT(r.deviation, 0);
    EXPECT_GT(r.glide_slope, 0);
    r = host::navigation_reading(ils, on_final(6, 3), path_ft - 300, 275, 0);
    EXPECT_EQ(r.deviation, -127) << "full scale";
    EXPECT_EQ(r.glide_slope, 0) << "out of the glide slope's sector";
    EXPECT_EQ(r.glide_slope_valid, 0);
    // Beyond the localizer's sector and range nothing is heard.
    EXPECT_EQ(host::navigation_reading(ils, on_final(2, 3), 1000, 275, 0).receiver_state, 0);
    EXPECT_EQ(host::navigation_station_heard(11030, on_final(30)), nullptr);
}

TEST(RadioModel, VorToAndFromAndTheBeaconBearing) {
    const GroundPoint vor = position_of("VTR");
    const host::GroundStation* s = host::navigation_station_heard(11450, {vor.east, vor.north - 10});
    ASSERT_NE(s, nullptr);
    struct Row {
        GroundPoint at;
        double course, heading;
        double state, deviation, bearing;
    } rows[] = {
        // 10 nm south, course 360 to the station, heading 350.
        {{vor.east, vor.north - 10}, 360, 350, 1, 0, 10},
        // 10 nm north on course 360: from the station.
        {{vor.east, vor.north + 10}, 360, 0, 2, 0, 180},
        // West of the 360 course line inbound: fly right; 5 degrees is half scale.
        {{vor.east - 10 * std::tan(5 * 3.14159265358979323846 / 180), vor.north - 10}, 360, 0, 1, 63.5, 5},
        // West of it outbound: fly right too.
        {{vor.east - 10 * std::tan(5 * 3.14159265358979323846 / 180), vor.north + 10}, 360, 0, 2, 63.5, 175},
    };
    for (const Row& r : rows) {
        host::NavigationReading got = host::navigation_reading(s, r.at, 3000, r.heading, r.course);
        EXPECT_EQ(got.receiver_state, r.state);
        EXPECT_NEAR(got.deviation, r.deviation, 0.01);
        EXPECT_NEAR(got.relative_bearing, r.bearing, 0.01);
        EXPECT_EQ(got.station_flags, 0);
    }

    // Through the frame models: the position sets them all, NAV2 and ADF too.
    Simulation sim;
    sim.set_number(43, 1);
    sim.run_frame_models();
    EXPECT_EQ(sim.number(43), 1.0) << "no position: the scenario's values stay";
    sim.set_named(host::POSITION_EAST, on_final(8).east);
    sim.set_named(host::POSITION_NORTH, on_final(8).north);
    sim.set_number(84, 275);
    sim.set_number(74, 2600);
    sim.run_frame_models();
    EXPECT_EQ(sim.number(43), 1.0);
    EXPECT_EQ(sim.number(44), 1.0);
    EXPECT_EQ(sim.number(46), 0x80);
    EXPECT_EQ(sim.number(52), 1.0) << "NAV2 on the field's VOR";
    EXPECT_EQ(sim.number(55), 0.0);
    EXPECT_NEAR(std::remainder(sim.number(39), 360.0), 0.0, 1e-6) << "the locator straight ahead";
    sim.set_packed(16, 0x0415);
    sim.run_frame_models();
    EXPECT_EQ(sim.number(39), 90.0) << "no beacon on 415 kHz here";
    const auto lines = host::describe_receivers(sim);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("NAV1 110.30 MHz: IVT localizer 275", 0), 0u) << lines[0];
    EXPECT_EQ(lines[2], "ADF 415.0 kHz: no station heard");
}
