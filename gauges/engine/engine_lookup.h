// Reading a simulation variable that an element does not carry: a fresh
// record with only the token set, filled by the host.
#pragma once

#include "frame/gauge_records.h"
#include "frame/host_services.h"

inline FLOAT64 lookup_number(UINT32 token) {
    MODULE_VAR var = module_var(token);
    host_lookup_var(&var);
    return var.value.number;
}
