// Generator Light: red lamp lit while the engine runs and the generator
// does not charge.
#include "frame/gauge_records.h"
#include "frame/host_services.h"

extern GAUGEHDR gauge_Generator_Light;

namespace {

constexpr UINT32 GENERATOR_TOKEN = 565;
constexpr UINT32 ENGINE_TOKEN = 364;

FLOAT64 HOST_CALL generator_lamp_value(ELEMENT_ICON* lamp);

FAILURE_RECORD lamp_failures[] = {{21, 3}, {0, 0}};

// Its own variable (566) is refreshed by the host but not used.
ELEMENT_ICON glow = icon(
    {
        .bitmap_id = 4340,
        .position = {0, 0},
        .image_flags = 0x3,
        .gauge = &gauge_Generator_Light,
        .failures = lamp_failures,
    },
    {
        .var = module_var(566),
        .icon_count = 1,
        .callback = generator_lamp_value,
    });

ELEMENT_LIST lamp_children[] = {&glow.header, nullptr};

ELEMENT_STATIC_IMAGE lamp = static_image({
    .bitmap_id = 4330,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Generator_Light,
    .children = lamp_children,
});

ELEMENT_LIST elements[] = {&lamp.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_id(0x3032),
    mouse_end_parent(),
    mouse_end(),
};

FLOAT64 HOST_CALL generator_lamp_value(ELEMENT_ICON*) {
    FLOAT64 generator = host_lookup_number(GENERATOR_TOKEN);
    FLOAT64 engine = host_lookup_number(ENGINE_TOKEN);
    return generator == 0.0 && engine > 0.0 ? 0.0 : -1.0;
}

}  // namespace

GAUGEHDR gauge_Generator_Light = gauge_header({
    .name = "Generator_Light",
    .width_mm = 30,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
