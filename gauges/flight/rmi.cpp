// RMI: compass card turned by the gyro heading, a single bearing pointer
// showing the ADF or NAV1 as the VOR1/ADF selectors choose, and a double
// pointer for NAV2. A pointer without power or without a bearing is parked
// across the dial at 90.
#include "frame/host_services.h"
#include "gauges/flight/course_indicator.h"
#include "gauges/radios/radio_states.h"

extern GAUGEHDR gauge_RMI;

namespace {

constexpr UINT32 GYRO_HEADING = 84;
constexpr UINT32 ADF_BEARING = 39;
constexpr UINT32 NAV1_BEARING = 550;
constexpr UINT32 NAV2_BEARING = 59;
constexpr UINT32 NAV1_STATION_FLAGS = 46;
constexpr UINT32 NAV2_STATION_FLAGS = 55;
constexpr FLOAT64 PARKED = 90.0;

FLOAT64 HOST_CALL single_pointer(ELEMENT_NEEDLE* pointer);
FLOAT64 HOST_CALL double_pointer(ELEMENT_NEEDLE* pointer);

FAILURE_RECORD electrical_failures[] = {{20, 1}, {0, 0}};

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 320,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_RMI,
});
ELEMENT_LIST single_children[] = {&cover.header, nullptr};

// Each pointer has its own table: the host writes the angles into it.
NONLINEARITY single_table[] = {{{149, 50}, 0.0, 0}, {{149, 250}, 180.0, 0}};
ELEMENT_NEEDLE single = needle(
    {.bitmap_id = 300, .position = {149, 150}, .image_flags = 0x4083, .gauge = &gauge_RMI,
     .children = single_children, .failures = electrical_failures, .offset = {95, 13}},
    {.var = module_var(NAV1_BEARING), .calibration = single_table, .calibration_count = count_of(single_table),
     .callback = single_pointer});
ELEMENT_LIST double_children[] = {&single.header, nullptr};

NONLINEARITY double_table[] = {{{149, 50}, 0.0, 0}, {{149, 250}, 180.0, 0}};
ELEMENT_NEEDLE double_needle = needle(
    {.bitmap_id = 310, .position = {149, 150}, .image_flags = 0x4083, .gauge = &gauge_RMI,
     .children = double_children, .failures = electrical_failures, .offset = {94, 18}},
    {.var = module_var(NAV2_BEARING), .calibration = double_table, .calibration_count = count_of(double_table),
     .callback = double_pointer});
ELEMENT_LIST card_children[] = {&double_needle.header, nullptr};

ELEMENT_SPRITE card = sprite(
    {.bitmap_id = 290, .position = {44, 20}, .image_flags = 0x4083, .gauge = &gauge_RMI,
     .children = card_children, .failures = electrical_failures, .offset = {149, 150}},
    {.scale_x = 1.0, .scale_y = 1.0, .var_angle = module_var(GYRO_HEADING), .scale_angle = 1.0});
ELEMENT_LIST background_children[] = {&card.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 280,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_RMI,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB5A),
    mouse_end_parent(),
    mouse_end(),
};

bool has_bearing(UINT32 flags_token) {
    return station_has_bearing(host_lookup_number(flags_token));
}

// Points its own variable at the selected source: the host refreshes it from
// that token from the next update on, so for one update after a change of
// selector the value still comes from the previous source.
FLOAT64 HOST_CALL single_pointer(ELEMENT_NEEDLE* pointer) {
    if (vor1_adf_select == 0) {
        pointer->source_var.token = ADF_BEARING;
        return adf_power_on != 0 ? pointer->source_var.value.number : PARKED;
    }
    pointer->source_var.token = NAV1_BEARING;
    if (nav1_power_on == 0 || !has_bearing(NAV1_STATION_FLAGS)) {
        return PARKED;
    }
    return pointer->source_var.value.number;
}

FLOAT64 HOST_CALL double_pointer(ELEMENT_NEEDLE* pointer) {
    if (nav2_power_on == 0 || !has_bearing(NAV2_STATION_FLAGS)) {
        return PARKED;
    }
    return pointer->source_var.value.number;
}

}  // namespace

GAUGEHDR gauge_RMI = gauge_header({
    .name = "RMI",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
