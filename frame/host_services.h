// The module's only way to reach the host: the service table whose address
// the host writes into ImportTable. Each call reads the table afresh, and a
// table or entry that is still null makes the call do nothing.
#pragma once

#include "frame/host_types.h"

extern "C" GAUGESIMPORT ImportTable;

HOST_BOOL host_panel_window_toggle(UINT32 panel_id);
void host_trigger_key_event(UINT32 event_id, UINT32 value);
// Leaves the record untouched when the host is not reachable.
void host_lookup_var(MODULE_VAR* var);
// The token's present value, read into a fresh zero-filled record: 0.0 when
// the host is not reachable.
FLOAT64 host_lookup_number(UINT32 token);
// Returns false, leaving *result untouched, when the host is not reachable.
bool host_execute_calculator_code(const char* code, FLOAT64* result);
