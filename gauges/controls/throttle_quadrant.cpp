// Throttle quadrant: throttle, propeller and mixture levers that follow the
// pointer in their slots, a dive brake lever stepping between OFF, the
// middle and ON, and a flap lever moved one notch per click. The levers are
// sliders on the simulation's own variables.
#include <cmath>

#include "frame/gauge_records.h"
#include "frame/host_services.h"
#include "frame/numeric.h"

extern GAUGEHDR gauge_Throttle_Quadrant;

namespace {

constexpr UINT32 THROTTLE = 558;
constexpr UINT32 PROPELLER = 559;
constexpr UINT32 MIXTURE = 560;
constexpr UINT32 DIVE_BRAKE = 325;
constexpr UINT32 FLAP_SETTING = 329;

constexpr UINT32 EVENT_THROTTLE_SET = 0x1011C;
constexpr UINT32 EVENT_PROPELLER_SET = 0x10183;
constexpr UINT32 EVENT_MIXTURE_SET = 0x1017F;
constexpr UINT32 EVENT_DIVE_BRAKE_MIDDLE_TO_ON = 0x10210;
constexpr UINT32 EVENT_DIVE_BRAKE_MIDDLE_TO_OFF = 0x10211;
constexpr UINT32 EVENT_DIVE_BRAKE_SET = 0x100FA;
constexpr UINT32 EVENT_FLAPS_UPPER = 0x100DF;
constexpr UINT32 EVENT_FLAPS_LOWER = 0x100DE;

constexpr FLOAT64 LEVER_FULL_SCALE = 16384.0;
constexpr UINT32 DIVE_BRAKE_MIDDLE = 8192;
// Bands of the dive brake lever (0 OFF to 16383 ON).
constexpr FLOAT64 DIVE_BRAKE_OFF_MAX = 100.0;
constexpr FLOAT64 DIVE_BRAKE_MIDDLE_LOW = 8000.0;
constexpr FLOAT64 DIVE_BRAKE_MIDDLE_HIGH = 8600.0;
constexpr FLOAT64 DIVE_BRAKE_ON_MIN = 16000.0;

constexpr UINT32 LEVER_CLICKS = MOUSE_LEFT_SINGLE | MOUSE_MOVE_REPEAT;

HOST_BOOL HOST_CALL throttle_lever(MOUSE_CLICK* click, UINT32 mouse_flags);
HOST_BOOL HOST_CALL propeller_lever(MOUSE_CLICK* click, UINT32 mouse_flags);
HOST_BOOL HOST_CALL mixture_lever(MOUSE_CLICK* click, UINT32 mouse_flags);
HOST_BOOL HOST_CALL dive_brake_up(MOUSE_CLICK* click, UINT32 mouse_flags);
HOST_BOOL HOST_CALL dive_brake_down(MOUSE_CLICK* click, UINT32 mouse_flags);

// Each lever is a child of the one before, the throttle grip drawn last.
ELEMENT_SLIDER throttle_grip = slider(
    {
        .bitmap_id = 4130,
        .position = {0, 228},
        .image_flags = 0x3,
        .gauge = &gauge_Throttle_Quadrant,
    },
    {
        .scale_x = 1.0,
        .var_y = module_var(THROTTLE),
        .scale_y = -228.0,
    });

ELEMENT_LIST propeller_children[] = {&throttle_grip.header, nullptr};

ELEMENT_SLIDER propeller_knob = slider(
    {
        .bitmap_id = 4140,
        .position = {94, 239},
        .image_flags = 0x3,
        .gauge = &gauge_Throttle_Quadrant,
        .children = propeller_children,
    },
    {
        .scale_x = 1.0,
        .var_y = module_var(PROPELLER),
        .scale_y = -232.0,
    });

ELEMENT_LIST mixture_children[] = {&propeller_knob.header, nullptr};

ELEMENT_SLIDER mixture_knob = slider(
    {
        .bitmap_id = 4150,
        .position = {158, 233},
        .image_flags = 0x3,
        .gauge = &gauge_Throttle_Quadrant,
        .children = mixture_children,
    },
    {
        .scale_x = 1.0,
        .var_y = module_var(MIXTURE),
        .scale_y = -202.0,
    });

ELEMENT_LIST dive_brake_children[] = {&mixture_knob.header, nullptr};

// Up 105 pixels from OFF to ON.
ELEMENT_SLIDER dive_brake_lever = slider(
    {
        .bitmap_id = 4160,
        .position = {249, 105},
        .image_flags = 0x3,
        .gauge = &gauge_Throttle_Quadrant,
        .children = dive_brake_children,
    },
    {
        .var_y = module_var(DIVE_BRAKE),
        .scale_y = -105.0 / 16384.0,
    });

ELEMENT_LIST flap_children[] = {&dive_brake_lever.header, nullptr};

// Down 73 pixels from UP to DOWN.
ELEMENT_SLIDER flap_lever = slider(
    {
        .bitmap_id = 4170,
        .position = {229, 156},
        .image_flags = 0x3,
        .gauge = &gauge_Throttle_Quadrant,
        .children = flap_children,
    },
    {
        .var_y = module_var(FLAP_SETTING),
        .scale_y = 73.0 / 16384.0,
    });

ELEMENT_LIST background_children[] = {&flap_lever.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4120,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Throttle_Quadrant,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

// The nested parents carry only the tooltips; the click areas are children
// of the whole gauge.
MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_parent({0, 0, 93, 300}, CURSOR_NONE, 0),
    mouse_tooltip_id(0x31A0),
    mouse_end_parent(),
    mouse_parent({94, 7, 56, 291}, CURSOR_NONE, 0),
    mouse_tooltip_id(0x3198),
    mouse_end_parent(),
    mouse_parent({158, 31, 54, 267}, CURSOR_NONE, 0),
    mouse_tooltip_id(0x3190),
    mouse_end_parent(),
    mouse_parent({249, 0, 51, 156}, CURSOR_NONE, 0),
    mouse_tooltip_id(0x3200),
    mouse_end_parent(),
    mouse_parent({229, 156, 30, 110}, CURSOR_NONE, 0),
    mouse_tooltip_id(0x3010),
    mouse_end_parent(),
    mouse_child({0, 0, 93, 300}, CURSOR_HAND, LEVER_CLICKS, throttle_lever),
    mouse_child({94, 7, 56, 291}, CURSOR_HAND, LEVER_CLICKS, propeller_lever),
    mouse_child({158, 31, 54, 267}, CURSOR_HAND, LEVER_CLICKS, mixture_lever),
    mouse_child({249, 78, 51, 78}, CURSOR_DOWN_ARROW, MOUSE_LEFT_SINGLE, dive_brake_down),
    mouse_child({249, 0, 51, 78}, CURSOR_UP_ARROW, MOUSE_LEFT_SINGLE, dive_brake_up),
    mouse_child_event({229, 156, 30, 55}, CURSOR_DOWN_ARROW, MOUSE_LEFT_SINGLE, EVENT_FLAPS_UPPER),
    mouse_child_event({229, 211, 30, 55}, CURSOR_UP_ARROW, MOUSE_LEFT_SINGLE, EVENT_FLAPS_LOWER),
    mouse_end_parent(),
    mouse_end(),
};

// The lever at the pointer's height in its slot: the top fully forward
// (16384), the bottom fully back (0), clamped beyond the slot while dragging.
// A slot of no height or a position that is not a number sends nothing.
void lever_to_pointer(const MOUSE_CLICK* click, UINT32 event) {
    if (click == nullptr || click->rect == nullptr || click->rect->box.height == 0) {
        return;
    }
    FLOAT64 position = 1.0 - static_cast<FLOAT64>(click->point.y) / static_cast<FLOAT64>(click->rect->box.height);
    if (!std::isfinite(position)) {
        return;
    }
    if (position <= 0.0) {
        position = 0.0;
    } else if (position >= 1.0) {
        position = 1.0;
    }
    SINT32 value = 0;
    if (to_int32_checked(position * LEVER_FULL_SCALE, value)) {
        host_trigger_key_event(event, static_cast<UINT32>(value));
    }
}

HOST_BOOL HOST_CALL throttle_lever(MOUSE_CLICK* click, UINT32) {
    lever_to_pointer(click, EVENT_THROTTLE_SET);
    return 0;
}

HOST_BOOL HOST_CALL propeller_lever(MOUSE_CLICK* click, UINT32) {
    lever_to_pointer(click, EVENT_PROPELLER_SET);
    return 0;
}

HOST_BOOL HOST_CALL mixture_lever(MOUSE_CLICK* click, UINT32) {
    lever_to_pointer(click, EVENT_MIXTURE_SET);
    return 0;
}

bool dive_brake_in_middle(FLOAT64 v) { return v > DIVE_BRAKE_MIDDLE_LOW && v < DIVE_BRAKE_MIDDLE_HIGH; }

// Both halves test the one value read at the start, so a click sends at
// most one event; a lever between the bands ignores clicks.
HOST_BOOL HOST_CALL dive_brake_up(MOUSE_CLICK*, UINT32) {
    const FLOAT64 v = host_lookup_number(DIVE_BRAKE);
    if (dive_brake_in_middle(v)) {
        host_trigger_key_event(EVENT_DIVE_BRAKE_MIDDLE_TO_ON, 0);
    }
    if (v <= DIVE_BRAKE_OFF_MAX) {
        host_trigger_key_event(EVENT_DIVE_BRAKE_SET, DIVE_BRAKE_MIDDLE);
    }
    return 0;
}

HOST_BOOL HOST_CALL dive_brake_down(MOUSE_CLICK*, UINT32) {
    const FLOAT64 v = host_lookup_number(DIVE_BRAKE);
    if (dive_brake_in_middle(v)) {
        host_trigger_key_event(EVENT_DIVE_BRAKE_MIDDLE_TO_OFF, 0);
    }
    if (v >= DIVE_BRAKE_ON_MIN) {
        host_trigger_key_event(EVENT_DIVE_BRAKE_SET, DIVE_BRAKE_MIDDLE);
    }
    return 0;
}

}  // namespace

GAUGEHDR gauge_Throttle_Quadrant = gauge_header({
    .name = "Throttle_Quadrant",
    .width_mm = 150,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
