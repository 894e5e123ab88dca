// Directionnal Gyro: turning compass card, desired-heading pointer and its knob.
#include "frame/gauge_records.h"
#include "frame/host_services.h"
#include "frame/numeric.h"

extern GAUGEHDR gauge_Directionnal_Gyro;

namespace {

constexpr UINT32 GYRO_HEADING = 84;
constexpr UINT32 DESIRED_HEADING = 855;
constexpr UINT32 DESIRED_HEADING_SET = 0x101FA;

FLOAT64 HOST_CALL pointer_callback(ELEMENT_NEEDLE* element);
HOST_BOOL HOST_CALL knob_down(MOUSE_CLICK* click, UINT32 mouse_flags);
HOST_BOOL HOST_CALL knob_up(MOUSE_CLICK* click, UINT32 mouse_flags);
FLOAT64 HOST_CALL heading_argument(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*);
FLOAT64 HOST_CALL desired_heading_argument(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*);

FAILURE_RECORD gyro_failures[] = {{20, 1}, {0, 0}};

// Half a turn for every 45 degrees of desired heading.
NONLINEARITY knob_calibration[] = {
    {{27, 253}, 0.0, 0},
    {{27, 293}, 45.0, 0},
};

ELEMENT_NEEDLE knob = needle(
    {
        .bitmap_id = 2330,
        .position = {27, 273},
        .image_flags = 0x83,
        .gauge = &gauge_Directionnal_Gyro,
        .offset = {27, 27},
        .special_flags = 0x2,
    },
    {
        .var = module_var(DESIRED_HEADING),
        .calibration = knob_calibration,
        .calibration_count = count_of(knob_calibration),
    });

ELEMENT_LIST cover_children[] = {&knob.header, nullptr};

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 2360,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Directionnal_Gyro,
    .children = cover_children,
});

ELEMENT_LIST pointer_children[] = {&cover.header, nullptr};

// No calibration: the value is the angle, clockwise from the bitmap's own
// direction (to the right).
ELEMENT_NEEDLE pointer = needle(
    {
        .bitmap_id = 2340,
        .position = {151, 151},
        .image_flags = 0x4083,
        .gauge = &gauge_Directionnal_Gyro,
        .children = pointer_children,
        .failures = gyro_failures,
        .offset = {1, 7},
    },
    {
        .var = module_var(DESIRED_HEADING),
        .callback = pointer_callback,
    });

ELEMENT_LIST card_children[] = {&pointer.header, nullptr};

// The card turns by the heading itself.
ELEMENT_SPRITE card = sprite(
    {
        .bitmap_id = 2320,
        .position = {13, 13},
        .image_flags = 0x4083,
        .gauge = &gauge_Directionnal_Gyro,
        .children = card_children,
        .failures = gyro_failures,
        .offset = {151, 151},
    },
    {
        .scale_x = 1.0,
        .scale_y = 1.0,
        .var_angle = module_var(GYRO_HEADING),
        .scale_angle = 1.0,
    });

ELEMENT_LIST background_children[] = {&card.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2310,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Directionnal_Gyro,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSE_ARG tooltip_args[] = {
    mouse_number_arg(heading_argument),
    mouse_number_arg(desired_heading_argument),
};

constexpr UINT32 KNOB_CLICKS = MOUSE_RIGHT_SINGLE | MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("Gyro-magnetic compass (Heading %1!d!"
                       "\xB0"
                       " - Desired heading %2!d!"
                       "\xB0"
                       ")",
                       2, tooltip_args),
    mouse_child({0, 246, 27, 54}, CURSOR_DOWN_ARROW, KNOB_CLICKS, knob_down),
    mouse_child({27, 246, 27, 54}, CURSOR_UP_ARROW, KNOB_CLICKS, knob_up),
    mouse_end_parent(),
    mouse_end(),
};

// Upright when the desired heading equals the heading; it then stays over
// its own mark as the card turns.
FLOAT64 HOST_CALL pointer_callback(ELEMENT_NEEDLE* element) {
    FLOAT64 desired = element->source_var.value.number;
    return desired - host_lookup_number(GYRO_HEADING) - 90.0;
}

// The desired heading as a whole number of degrees in 0..359 (NaN as 0).
SINT32 current_desired_heading() {
    return wrap_degrees(to_int32_saturated(host_lookup_number(DESIRED_HEADING)));
}

// Left click steps by 1, right click by 10, wrapping through 0/359. The left
// bit wins when both are set; a call with neither sends nothing.
void step_desired_heading(UINT32 mouse_flags, bool up) {
    SINT32 c = current_desired_heading();
    SINT32 heading = 0;
    if ((mouse_flags & MOUSE_LEFT_SINGLE) != 0) {
        heading = up ? (c < 359 ? c + 1 : 0) : (c > 0 ? c - 1 : 359);
    } else if ((mouse_flags & MOUSE_RIGHT_SINGLE) != 0) {
        heading = up ? (c <= 349 ? c + 10 : c - 350) : (c >= 10 ? c - 10 : c + 350);
    } else {
        return;
    }
    host_trigger_key_event(DESIRED_HEADING_SET, static_cast<UINT32>(heading));
}

HOST_BOOL HOST_CALL knob_down(MOUSE_CLICK*, UINT32 mouse_flags) {
    step_desired_heading(mouse_flags, false);
    return 0;
}

HOST_BOOL HOST_CALL knob_up(MOUSE_CLICK*, UINT32 mouse_flags) {
    step_desired_heading(mouse_flags, true);
    return 0;
}

FLOAT64 HOST_CALL heading_argument(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return host_lookup_number(GYRO_HEADING);
}

FLOAT64 HOST_CALL desired_heading_argument(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return host_lookup_number(DESIRED_HEADING);
}

}  // namespace

GAUGEHDR gauge_Directionnal_Gyro = gauge_header({
    .name = "Directionnal_Gyro",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
