#include "gauges/controls/switch_common.h"

#include "frame/host_services.h"

const char SWITCH_WORD_ON[] = "on";
const char SWITCH_WORD_OFF[] = "off";

const char* on_off_word(UINT32 token) { return host_lookup_number(token) > 0.0 ? SWITCH_WORD_ON : SWITCH_WORD_OFF; }

void switch_sound_service(SoundSlot* slot, UINT32 service_id, WORD_PTR extra) {
    switch (service_id) {
    case PANEL_SERVICE_PRE_INSTALL:
        sound_slot_install(slot, extra, WAVE_SWITCH_CLICK);
        break;
    case PANEL_SERVICE_PRE_KILL:
        sound_slot_release(slot);
        break;
    default:
        break;
    }
}

void two_position_switch_click(UINT32 toggle_event, SoundSlot* slot) {
    host_trigger_key_event(toggle_event, 0);
    sound_slot_play(slot);
}
