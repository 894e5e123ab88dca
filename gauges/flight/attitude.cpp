// Attitude: horizon ball and bank ring, GYRO flag, adjustable miniature aircraft.
#include "frame/gauge_records.h"
#include "frame/host_services.h"
#include "frame/numeric.h"

extern GAUGEHDR gauge_Attitude;

namespace {

FLOAT64 HOST_CALL pitch_callback(ELEMENT_SPRITE* element);
FLOAT64 HOST_CALL gyro_flag_callback(ELEMENT_ICON* element);

FAILURE_RECORD gyro_failures[] = {{8, 0}, {0, 0}};

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 2290,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Attitude,
});

ELEMENT_LIST miniature_aircraft_children[] = {&cover.header, nullptr};

ELEMENT_SLIDER miniature_aircraft = slider(
    {
        .bitmap_id = 2280,
        .position = {80, 144},
        .image_flags = 0x3,
        .gauge = &gauge_Attitude,
        .children = miniature_aircraft_children,
    },
    {
        .var_y = module_var(612),
        .scale_y = -0.3,
    });

ELEMENT_LIST gyro_flag_children[] = {&miniature_aircraft.header, nullptr};

ELEMENT_ICON gyro_flag = icon(
    {
        .bitmap_id = 2300,
        .position = {50, 47},
        .image_flags = 0x4003,
        .gauge = &gauge_Attitude,
        .children = gyro_flag_children,
    },
    {
        .scale = 1.0,
        .icon_count = 1,
        .callback = gyro_flag_callback,
    });

ELEMENT_LIST bank_ring_children[] = {&gyro_flag.header, nullptr};

ELEMENT_SPRITE bank_ring = sprite(
    {
        .bitmap_id = 2270,
        .position = {0, 0},
        .image_flags = 0x4083,
        .gauge = &gauge_Attitude,
        .children = bank_ring_children,
        .failures = gyro_failures,
        .offset = {150, 150},
    },
    {
        .scale_x = 0.0,
        .scale_y = 1.0,
        .var_angle = module_var(80),
        .scale_angle = -1.0,
    });

ELEMENT_LIST horizon_children[] = {&bank_ring.header, nullptr};

ELEMENT_SPRITE horizon = sprite(
    {
        .bitmap_id = 2260,
        .position = {0, 0},
        .image_flags = 0x4083,
        .gauge = &gauge_Attitude,
        .children = horizon_children,
        .failures = gyro_failures,
        .offset = {150, 150},
    },
    {
        .scale_x = 0.0,
        .var_y = module_var(78),
        .scale_y = 1.25,
        .var_angle = module_var(80),
        .scale_angle = -1.0,
        .texture_scale_x = 1.0f,
        .texture_scale_y = 0.9f,
        .callback_y = pitch_callback,
    });

ELEMENT_LIST background_children[] = {&horizon.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2250,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Attitude,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

constexpr UINT32 MINIATURE_AIRCRAFT_DOWN = 0x1030F;
constexpr UINT32 MINIATURE_AIRCRAFT_UP = 0x1030E;

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_id(0x3092),
    mouse_child_event({1, 249, 25, 50}, CURSOR_DOWN_ARROW, MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT,
                      MINIATURE_AIRCRAFT_DOWN),
    mouse_child_event({26, 249, 25, 50}, CURSOR_UP_ARROW, MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT,
                      MINIATURE_AIRCRAFT_UP),
    mouse_end_parent(),
    mouse_end(),
};

// The ball travels at most 39 x 1.25 pixels either way.
FLOAT64 HOST_CALL pitch_callback(ELEMENT_SPRITE* element) {
    FLOAT64 pitch = element->source_var_y.value.number;
    if (pitch > 39.0) {
        return 39.0;
    }
    if (pitch < -39.0) {
        return -39.0;
    }
    return pitch;
}

// A gyro state read as a whole number; anything that is not a valid
// non-negative integer counts as a fault.
bool gyro_state_faulty(UINT32 token) {
    FLOAT64 value = host_lookup_number(token);
    SINT32 whole = 0;
    if (!(value >= 0.0) || !to_int32_checked(value, whole)) {
        return true;
    }
    return whole != 0;
}

// Image 0 (the flag) while either gyro state is set, otherwise none.
FLOAT64 HOST_CALL gyro_flag_callback(ELEMENT_ICON*) {
    bool faulty_279 = gyro_state_faulty(279);
    bool faulty_276 = gyro_state_faulty(276);
    return faulty_279 || faulty_276 ? 0.0 : -1.0;
}

}  // namespace

GAUGEHDR gauge_Attitude = gauge_header({
    .name = "Attitude",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
