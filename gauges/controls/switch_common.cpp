#include "gauges/controls/switch_common.h"

#include "frame/host_services.h"

const char SWITCH_WORD_ON[] = "on";
const char SWITCH_WORD_OFF[] = "off";

const char* on_off_word(UINT32 token) { return host_lookup_number(token) > 0.0 ? SWITCH_WORD_ON : SWITCH_WORD_OFF; }
