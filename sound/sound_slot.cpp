#include "sound/sound_slot.h"

void sound_slot_install(SoundSlot* slot, WORD_PTR module_handle, WORD wave_id) {
    sound_slot_release(slot);
    slot->module = sound_module_handle(module_handle);
    slot->window = sound_find_host_window();
    sound_create_device(slot->window, &slot->device);
    sound_load_resource(slot->window, &slot->device, &slot->buffer, wave_id, slot->module);
}

void sound_slot_play(SoundSlot* slot) { sound_play(&slot->buffer, 0); }

void sound_slot_release(SoundSlot* slot) {
    sound_release_buffer(&slot->buffer);
    sound_release_device(&slot->device);
}

void sound_slot_service(SoundSlot* slot, UINT32 service_id, WORD_PTR extra, WORD wave_id) {
    switch (service_id) {
    case PANEL_SERVICE_PRE_INSTALL:
        sound_slot_install(slot, extra, wave_id);
        break;
    case PANEL_SERVICE_PRE_KILL:
        sound_slot_release(slot);
        break;
    default:
        break;
    }
}
