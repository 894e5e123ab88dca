#include "gauges/navigation/panel_button.h"

#include "frame/host_services.h"
#include "frame/parameters.h"

namespace {

constexpr SINT32 FIRST_FACE = 100;
constexpr SINT32 LAST_FACE = 270;
constexpr SINT32 FACE_STEP = 10;
constexpr int SEAT_STEPS = 3;

// Sends `event_id` with the panel id of every occurrence of `key`, left to
// right; ids below 0 send nothing.
void send_panel_commands(const char* parameters, char key, UINT32 event_id) {
    for (const char* match = param_find_key(parameters, key); match != nullptr;
         match = param_find_key(match + 1, key)) {
        SINT32 panel = param_panel_id(param_value(match));
        if (panel >= 0) {
            host_trigger_key_event(event_id, static_cast<UINT32>(panel));
        }
    }
}

void send_view_command(const char* parameters) {
    const char* match = param_find_key(parameters, 'p');
    if (match == nullptr) {
        return;
    }
    SINT32 count = param_read_int(param_value(match));
    if (count == 0) {
        host_trigger_key_event(EVENT_VIEW_RESET, 0);
        return;
    }
    UINT32 event_id = count > 0 ? EVENT_VIEW_NEXT : EVENT_VIEW_PREVIOUS;
    // Bounded before negation: -2147483648 has no positive counterpart.
    SINT32 repeats = count > 0 ? (count < VIEW_REPEAT_LIMIT ? count : VIEW_REPEAT_LIMIT)
                               : (count > -VIEW_REPEAT_LIMIT ? -count : VIEW_REPEAT_LIMIT);
    for (SINT32 i = 0; i < repeats; ++i) {
        host_trigger_key_event(event_id, 0);
    }
}

// The `b` key. False when the key is present but its value or the face
// element is unusable.
bool apply_face(GAUGEHDR* gauge, const char* parameters) {
    const char* match = param_find_key(parameters, 'b');
    if (match == nullptr) {
        return true;
    }
    SINT32 face = param_read_int(param_value(match));
    ELEMENT_HEADER* element = gauge->elements != nullptr ? gauge->elements[0] : nullptr;
    if (face < FIRST_FACE || face > LAST_FACE || face % FACE_STEP != 0 || element == nullptr) {
        return false;
    }
    element->bitmap_id = static_cast<UINT32>(face);
    return true;
}

void apply_help(GAUGEHDR* gauge, const char* parameters) {
    const char* match = param_find_key(parameters, 'h');
    if (match != nullptr && gauge->mouse_rects != nullptr) {
        gauge->mouse_rects[0].help_id = param_help_id(param_value(match));
    }
}

void close_start_panel(const char* parameters) {
    const char* match = param_find_key(parameters, 'a');
    if (match == nullptr) {
        return;
    }
    SINT32 panel = param_panel_id(param_value(match));
    if (panel >= 0) {
        host_trigger_key_event(EVENT_PANEL_CLOSE, static_cast<UINT32>(panel));
    }
}

}  // namespace

void HOST_CALL panel_button_callback(GAUGEHDR* gauge, UINT32 service_id, WORD_PTR) {
    if (gauge == nullptr || service_id != PANEL_SERVICE_PRE_INSTALL) {
        return;
    }
    const char* parameters = gauge->parameters;
    if (apply_face(gauge, parameters)) {
        apply_help(gauge, parameters);
    }
    if (gauge->user_data == 0) {
        close_start_panel(parameters);
        gauge->user_data = 1;
    }
}

void panel_button_run_click(const MOUSE_CLICK* click, UINT32 seat_event) {
    if (click == nullptr || click->gauge == nullptr) {
        return;
    }
    const char* parameters = click->gauge->parameters;
    if (!param_empty(parameters)) {
        send_panel_commands(parameters, 'o', EVENT_PANEL_OPEN);
        send_panel_commands(parameters, 'c', EVENT_PANEL_CLOSE);
        send_panel_commands(parameters, 't', EVENT_PANEL_TOGGLE);
        send_view_command(parameters);
        return;
    }
    host_panel_window_toggle(0);
    if (seat_event != 0) {
        for (int i = 0; i < SEAT_STEPS; ++i) {
            host_trigger_key_event(seat_event, 0);
        }
    }
}

HOST_BOOL HOST_CALL panel_button_click(MOUSE_CLICK* click, UINT32) {
    panel_button_run_click(click, 0);
    return 0;
}
