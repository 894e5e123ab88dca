// Altimeter: three hands on indicated altitude, an altimeter-setting drum and
// a millibar dial, with a setting knob whose halves the host turns into key
// events.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Altimeter;

namespace {

FLOAT64 HOST_CALL drum_angle(ELEMENT_SPRITE* drum);

// Millibar dial: 1013 mb points right, 1070 mb left.
NONLINEARITY millibar_table[] = {
    {{57, 260}, 1013, 0},
    {{7, 260}, 1070, 0},
};

ELEMENT_NEEDLE millibar_dial = needle(
    {
        .bitmap_id = 2060,
        .position = {32, 260},
        .image_flags = 0x83,
        .gauge = &gauge_Altimeter,
        .offset = {25, 25},
    },
    {
        .var = module_var(75),
        .calibration = millibar_table,
        .calibration_count = count_of(millibar_table),
    });

ELEMENT_LIST cover_children[] = {&millibar_dial.header, nullptr};

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 2070,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Altimeter,
    .children = cover_children,
});

FAILURE_RECORD altimeter_failures[] = {{3, 1}, {0, 0}};

// Two-point tables give only each hand's rate: half a turn per 500, 5,000 and
// 50,000 ft; the host turns the hands on past the last point.
NONLINEARITY hundreds_table[] = {
    {{151, 101}, 0, 0},
    {{151, 201}, 500, 0},
};

ELEMENT_LIST hundreds_children[] = {&cover.header, nullptr};

ELEMENT_NEEDLE hundreds_hand = needle(
    {
        .bitmap_id = 2030,
        .position = {151, 151},
        .image_flags = 0x4083,
        .gauge = &gauge_Altimeter,
        .children = hundreds_children,
        .failures = altimeter_failures,
        .offset = {7, 10},
    },
    {
        .var = module_var(74),
        .calibration = hundreds_table,
        .calibration_count = count_of(hundreds_table),
    });

NONLINEARITY thousands_table[] = {
    {{151, 101}, 0, 0},
    {{151, 201}, 5000, 0},
};

ELEMENT_LIST thousands_children[] = {&hundreds_hand.header, nullptr};

ELEMENT_NEEDLE thousands_hand = needle(
    {
        .bitmap_id = 2040,
        .position = {151, 151},
        .image_flags = 0x4083,
        .gauge = &gauge_Altimeter,
        .children = thousands_children,
        .failures = altimeter_failures,
        .offset = {0, 7},
    },
    {
        .var = module_var(74),
        .calibration = thousands_table,
        .calibration_count = count_of(thousands_table),
    });

NONLINEARITY ten_thousands_table[] = {
    {{151, 101}, 0, 0},
    {{151, 201}, 50000, 0},
};

ELEMENT_LIST ten_thousands_children[] = {&thousands_hand.header, nullptr};

ELEMENT_NEEDLE ten_thousands_hand = needle(
    {
        .bitmap_id = 2050,
        .position = {151, 151},
        .image_flags = 0x4083,
        .gauge = &gauge_Altimeter,
        .children = ten_thousands_children,
        .failures = altimeter_failures,
        .offset = {62, 65},
    },
    {
        .var = module_var(74),
        .calibration = ten_thousands_table,
        .calibration_count = count_of(ten_thousands_table),
    });

ELEMENT_LIST drum_children[] = {&ten_thousands_hand.header, nullptr};

// Altimeter-setting drum: turned by (setting - 29.92 inHg) x 100.
ELEMENT_SPRITE drum = sprite(
    {
        .bitmap_id = 2010,
        .position = {220, 127},
        .image_flags = 0x4083,
        .gauge = &gauge_Altimeter,
        .children = drum_children,
        .offset = {138, 150},
    },
    {
        .scale_x = 1.0,
        .scale_y = 1.0,
        .var_angle = module_var(76),
        .scale_angle = 100.0,
        .callback_angle = drum_angle,
    });

ELEMENT_LIST background_children[] = {&drum.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2000,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Altimeter,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB07),
    mouse_tooltip_id(0x3051),
    mouse_parent({17, 235, 50, 50}, CURSOR_NONE, 0xAB3A),
    mouse_child_event({0, 0, 25, 50}, CURSOR_DOWN_ARROW, MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT, 0x1015C),
    mouse_child_event({25, 0, 25, 50}, CURSOR_UP_ARROW, MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT, 0x1015B),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_end(),
};

constexpr FLOAT64 DRUM_LOWEST_INHG = 28.1;
constexpr FLOAT64 DRUM_HIGHEST_INHG = 31.5;
constexpr FLOAT64 STANDARD_INHG = 29.92;

// The drum turns over 28.1 to 31.5 inHg only; a setting that is not a number
// rests at the low end.
FLOAT64 HOST_CALL drum_angle(ELEMENT_SPRITE* drum) {
    FLOAT64 setting = drum->source_var_angle.value.number;
    if (!(setting > DRUM_LOWEST_INHG)) {
        setting = DRUM_LOWEST_INHG;
    }
    if (setting >= DRUM_HIGHEST_INHG) {
        setting = DRUM_HIGHEST_INHG;
    }
    return setting - STANDARD_INHG;
}

}  // namespace

GAUGEHDR gauge_Altimeter = gauge_header({
    .name = "Altimeter",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
