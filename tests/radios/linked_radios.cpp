// The radio heads, selectors and the indicators they feed, compiled into the
// test itself.
#include <cstring>

#include "radio_fixture.h"

GAUGESIMPORT ImportTable = {{{IMPORT_PANEL_SERVICES_ID, nullptr}, {0, nullptr}}};

extern GAUGEHDR gauge_Radio_COM1, gauge_Radio_COM2, gauge_Radio_NAV1, gauge_Radio_NAV2, gauge_Radio_ADF,
    gauge_Radio_IFF_XPDR, gauge_VOR1_ADF_Switch_H, gauge_VOR1_ADF_Switch_V, gauge_VOR1_Indicator,
    gauge_VOR2_Indicator, gauge_RMI;

GAUGEHDR* radio_gauge(const char* name) {
    GAUGEHDR* const linked[] = {
        &gauge_Radio_COM1,        &gauge_Radio_COM2,        &gauge_Radio_NAV1,     &gauge_Radio_NAV2,
        &gauge_Radio_ADF,         &gauge_Radio_IFF_XPDR,    &gauge_VOR1_ADF_Switch_H, &gauge_VOR1_ADF_Switch_V,
        &gauge_VOR1_Indicator,    &gauge_VOR2_Indicator,    &gauge_RMI,
    };
    for (GAUGEHDR* g : linked) {
        if (std::strcmp(g->name, name) == 0) return g;
    }
    return nullptr;
}

GAUGESIMPORT& radio_imports() { return ImportTable; }
