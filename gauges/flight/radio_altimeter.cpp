// Radio altimeter: height above the ground on a non-linear dial, a
// decision-height index and knob, a DH lamp, and spoken callouts while
// descending through twelve fixed heights and the decision height. The
// callouts sound only with the parameter "s1".
#include <cmath>
#include <cstdio>

#include "frame/gauge_records.h"
#include "frame/host_services.h"
#include "frame/parameters.h"
#include "gauges/flight/radio_altimeter_state.h"
#include "sound/sound_slot.h"

extern GAUGEHDR gauge_Radio_Altimeter;

SINT32 radio_altimeter_on = 1;

namespace {

constexpr UINT32 RADIO_HEIGHT_TOKEN = 614;      // metres
constexpr UINT32 DECISION_HEIGHT_TOKEN = 615;   // metres
constexpr UINT32 DH_STATE_TOKEN = 616;          // lamp image 0 or 1
constexpr UINT32 VERTICAL_SPEED_TOKEN = 65;     // metres per second x 256
constexpr UINT32 SUPPLY_TOKEN = 755;            // callouts need 20 or more
constexpr FLOAT64 FEET_PER_METRE = 3.28084;
constexpr FLOAT64 ANTENNA_HEIGHT = 1.7;         // metres the pointer shows less
constexpr FLOAT64 MINIMUM_SUPPLY = 20.0;
constexpr UINT32 EVENT_DECISION_HEIGHT_UP = 0x10311;
constexpr UINT32 EVENT_DECISION_HEIGHT_DOWN = 0x10312;
constexpr LONG CALLOUT_VOLUME = -500;  // hundredths of a decibel

// Module-wide, shared by every placement.
SINT32 radio_callouts_enabled = 0;
FLOAT64 radio_height_shown = 0.0;        // metres, less the antenna height
FLOAT64 callout_previous_height = 0.0;   // metres, as of the previous update
FLOAT64 callout_descent_rate = 0.0;      // feet per minute, negative descending

struct CalloutEntry {
    FLOAT64 threshold;  // metres
    FLOAT64 rate_gate;  // feet per minute
    LPDIRECTSOUNDBUFFER buffer;
    WORD wave_id;
    LONG volume;
};

// Each threshold is the callout height in feet / 3.28084.
constexpr UINT32 CALLOUT_LIST_SIZE = 12;
CalloutEntry callouts[CALLOUT_LIST_SIZE] = {
    {2500 / FEET_PER_METRE, 100, nullptr, 1280, CALLOUT_VOLUME},
    {1000 / FEET_PER_METRE, 100, nullptr, 1290, CALLOUT_VOLUME},
    {500 / FEET_PER_METRE, 50, nullptr, 1300, CALLOUT_VOLUME},
    {400 / FEET_PER_METRE, 50, nullptr, 1310, CALLOUT_VOLUME},
    {300 / FEET_PER_METRE, 50, nullptr, 1320, CALLOUT_VOLUME},
    {200 / FEET_PER_METRE, 50, nullptr, 1330, CALLOUT_VOLUME},
    {100 / FEET_PER_METRE, 50, nullptr, 1340, CALLOUT_VOLUME},
    {50 / FEET_PER_METRE, 10, nullptr, 1350, CALLOUT_VOLUME},
    {40 / FEET_PER_METRE, 10, nullptr, 1360, CALLOUT_VOLUME},
    {30 / FEET_PER_METRE, 10, nullptr, 1370, CALLOUT_VOLUME},
    {20 / FEET_PER_METRE, 10, nullptr, 1380, CALLOUT_VOLUME},
    {10 / FEET_PER_METRE, 10, nullptr, 1390, CALLOUT_VOLUME},
};
UINT32 callout_count = CALLOUT_LIST_SIZE;
// Its threshold follows the decision height at every update.
CalloutEntry decision_height_callout = {0.0, 50, nullptr, 1400, CALLOUT_VOLUME};

SoundSlot callout_sound = {};  // module handle, window and device; the buffers are the entries'

MODULE_VAR height_var = module_var(RADIO_HEIGHT_TOKEN);
MODULE_VAR decision_height_var = module_var(DECISION_HEIGHT_TOKEN);
MODULE_VAR vertical_speed_var = module_var(VERTICAL_SPEED_TOKEN);

FLOAT64 HOST_CALL height_value(ELEMENT_NEEDLE* pointer);
FLOAT64 HOST_CALL lamp_value(ELEMENT_ICON* lamp);
const char* HOST_CALL tooltip_text(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*);
void HOST_CALL radio_altimeter_callback(GAUGEHDR* gauge, UINT32 service_id, WORD_PTR extra);

FAILURE_RECORD pointer_failures[] = {{20, 2}, {0, 0}};
FAILURE_RECORD lamp_failures[] = {{20, 3}, {0, 0}};

// Values are feet / 3.28084. Both dial needles turn about (152, 151).
NONLINEARITY dial_table[] = {
    {{156, 45}, 0, 0},
    {{179, 51}, 15.239999512320015, 0},
    {{205, 65}, 30.47999902464003, 0},
    {{244, 105}, 60.95999804928006, 0},
    {{257, 159}, 91.4399970739201, 0},
    {{235, 211}, 121.91999609856012, 0},
    {{192, 249}, 152.39999512320017, 0},
    {{155, 258}, 304.79999024640034, 0},
    {{119, 249}, 457.1999853696005, 0},
    {{87, 231}, 609.5999804928007, 0},
    {{63, 204}, 761.9999756160008, 0},
    {{53, 180}, 30479.694224649786, 0},
};

// Half a turn between consecutive values; still above 2500 ft.
NONLINEARITY knob_table[] = {
    {{41, 235}, 0, 0},
    {{41, 285}, 15.239999512320015, 0},
    {{41, 235}, 30.47999902464003, 0},
    {{41, 285}, 60.95999804928006, 0},
    {{41, 235}, 91.4399970739201, 0},
    {{41, 285}, 121.91999609856012, 0},
    {{41, 235}, 152.39999512320017, 0},
    {{41, 285}, 304.79999024640034, 0},
    {{41, 235}, 457.1999853696005, 0},
    {{41, 285}, 609.5999804928007, 0},
    {{41, 235}, 761.9999756160008, 0},
    {{41, 235}, 30479.694224649786, 0},
};

ELEMENT_NEEDLE knob = needle(
    {
        .bitmap_id = 1090,
        .position = {41, 260},
        .image_flags = 0x4083,
        .gauge = &gauge_Radio_Altimeter,
        .offset = {25, 25},
    },
    {
        .var = module_var(DECISION_HEIGHT_TOKEN),
        .calibration = knob_table,
        .calibration_count = count_of(knob_table),
    });

ELEMENT_LIST cover_children[] = {&knob.header, nullptr};

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 1210,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Radio_Altimeter,
    .children = cover_children,
});

ELEMENT_LIST lamp_children[] = {&cover.header, nullptr};

// Image 0: the lamp yellow, 1: red.
ELEMENT_ICON dh_lamp = icon(
    {
        .bitmap_id = 1200,
        .position = {99, 51},
        .image_flags = 0x7,
        .gauge = &gauge_Radio_Altimeter,
        .children = lamp_children,
        .failures = lamp_failures,
    },
    {
        .var = module_var(DH_STATE_TOKEN),
        .icon_count = 2,
        .callback = lamp_value,
    });

ELEMENT_LIST pointer_children[] = {&dh_lamp.header, nullptr};

ELEMENT_NEEDLE height_pointer = needle(
    {
        .bitmap_id = 1070,
        .position = {152, 151},
        .image_flags = 0x4083,
        .gauge = &gauge_Radio_Altimeter,
        .children = pointer_children,
        .failures = pointer_failures,
        .offset = {0, 12},
    },
    {
        .var = module_var(RADIO_HEIGHT_TOKEN),
        .calibration = dial_table,
        .calibration_count = count_of(dial_table),
        .callback = height_value,
    });

ELEMENT_LIST index_children[] = {&height_pointer.header, nullptr};

ELEMENT_NEEDLE decision_height_index = needle(
    {
        .bitmap_id = 1080,
        .position = {152, 151},
        .image_flags = 0x4083,
        .gauge = &gauge_Radio_Altimeter,
        .children = index_children,
        .offset = {0, 10},
    },
    {
        .var = module_var(DECISION_HEIGHT_TOKEN),
        .calibration = dial_table,
        .calibration_count = count_of(dial_table),
    });

ELEMENT_LIST background_children[] = {&decision_height_index.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 1060,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Radio_Altimeter,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSE_ARG tooltip_args[] = {mouse_text_arg(tooltip_text)};

constexpr UINT32 KNOB_CLICKS = MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("%1!s!", 1, tooltip_args),
    mouse_child_event({16, 235, 25, 50}, CURSOR_DOWN_ARROW, KNOB_CLICKS, EVENT_DECISION_HEIGHT_DOWN),
    mouse_child_event({41, 235, 25, 50}, CURSOR_UP_ARROW, KNOB_CLICKS, EVENT_DECISION_HEIGHT_UP),
    mouse_end_parent(),
    mouse_end(),
};

FLOAT64 HOST_CALL height_value(ELEMENT_NEEDLE* pointer) {
    radio_height_shown = pointer->source_var.value.number - ANTENNA_HEIGHT;
    return radio_altimeter_on != 0 ? radio_height_shown : 0.0;
}

FLOAT64 HOST_CALL lamp_value(ELEMENT_ICON* lamp) {
    return radio_altimeter_on != 0 ? lamp->source_var.value.number : -1.0;
}

// Room for "%.0f" of any double.
char tooltip[400];

const char* HOST_CALL tooltip_text(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    if (radio_altimeter_on != 0) {
        std::snprintf(tooltip, sizeof tooltip, "Radio Altimeter (%.0f ft)", radio_height_shown * FEET_PER_METRE);
    } else {
        std::snprintf(tooltip, sizeof tooltip, "Radio Altimeter (inactive)");
    }
    return tooltip;
}

bool callouts_wanted(const char* parameters) {
    if (param_empty(parameters)) {
        return false;
    }
    const char* key = param_find_key(parameters, 's');
    return key != nullptr && param_read_int(param_value(key)) == 1;
}

// Loads an entry's sound at its volume; false when the load failed.
bool load_callout(CalloutEntry* entry) {
    if (sound_load_resource(callout_sound.window, &callout_sound.device, &entry->buffer, entry->wave_id,
                            callout_sound.module) == 0) {
        return false;
    }
    sound_set_volume(&entry->buffer, entry->volume);
    return true;
}

// The decision-height entry first; the list only when it loaded, in order,
// up to the first load that fails.
void load_callouts(WORD_PTR module_handle) {
    callout_sound.module = sound_module_handle(module_handle);
    callout_sound.window = sound_find_host_window();
    if (sound_create_device(callout_sound.window, &callout_sound.device) == 0 ||
        !load_callout(&decision_height_callout)) {
        return;
    }
    for (UINT32 i = 0; i < CALLOUT_LIST_SIZE && load_callout(&callouts[i]); ++i) {
    }
}

void release_callouts() {
    for (CalloutEntry& entry : callouts) {
        sound_release_buffer(&entry.buffer);
    }
    sound_release_buffer(&decision_height_callout.buffer);
    sound_release_device(&callout_sound.device);
}

// Plays the entry when the height passed its threshold going down (both
// ends included), fast enough, and its sound is not still playing.
bool try_callout(CalloutEntry* entry, FLOAT64 previous, FLOAT64 current, FLOAT64 rate) {
    if (!(entry->threshold <= previous && entry->threshold >= current && rate <= -entry->rate_gate) ||
        sound_is_playing(&entry->buffer) != 0) {
        return false;
    }
    sound_play(&entry->buffer, 0);
    return true;
}

void update_callouts() {
    callout_previous_height = height_var.value.number;
    host_lookup_var(&height_var);
    const FLOAT64 height = height_var.value.number;
    host_lookup_var(&decision_height_var);
    decision_height_callout.threshold = decision_height_var.value.number;
    host_lookup_var(&vertical_speed_var);
    const FLOAT64 sample = vertical_speed_var.value.number;
    // One bad sample must not poison the smoothed rate for good.
    if (std::isfinite(sample)) {
        callout_descent_rate =
            sample / 256 * FEET_PER_METRE * 60 * 0.09999999999999998 + 0.9 * callout_descent_rate;
    }
    if (radio_altimeter_on == 0 || radio_callouts_enabled == 0) {
        return;
    }
    if (!(host_lookup_number(SUPPLY_TOKEN) >= MINIMUM_SUPPLY)) {
        return;
    }
    if (try_callout(&decision_height_callout, callout_previous_height, height, callout_descent_rate)) {
        return;
    }
    for (UINT32 i = 0; i < callout_count && i < CALLOUT_LIST_SIZE; ++i) {
        if (try_callout(&callouts[i], callout_previous_height, height, callout_descent_rate)) {
            return;
        }
    }
}

void HOST_CALL radio_altimeter_callback(GAUGEHDR* gauge, UINT32 service_id, WORD_PTR extra) {
    switch (service_id) {
    case PANEL_SERVICE_PRE_INSTALL:
        // A second placement shares the entries: release the first one's.
        release_callouts();
        radio_callouts_enabled = callouts_wanted(gauge->parameters) ? 1 : 0;
        if (radio_callouts_enabled != 0) {
            load_callouts(extra);
        }
        break;
    case PANEL_SERVICE_CONNECT_TO_WINDOW:
        callout_count = CALLOUT_LIST_SIZE;
        host_lookup_var(&height_var);
        callout_previous_height = height_var.value.number;
        break;
    case PANEL_SERVICE_PRE_UPDATE:
        update_callouts();
        break;
    case PANEL_SERVICE_PRE_KILL:
        release_callouts();
        break;
    default:
        break;
    }
}

}  // namespace

GAUGEHDR gauge_Radio_Altimeter = gauge_header({
    .name = "Radio_Altimeter",
    .width_mm = 90,
    .elements = elements,
    .mouse_rects = mouse_rects,
    .callback = radio_altimeter_callback,
});
