#include "host/key_event_log.h"

#include <cstdio>

namespace host {

const char* to_string(EventSource source) {
    switch (source) {
    case EventSource::Module:
        return "module";
    case EventSource::Host:
        return "host";
    case EventSource::Scenario:
        return "scenario";
    }
    return "?";
}

std::string KeyEventLog::format(const KeyEvent& event) {
    char line[96];
    std::snprintf(line, sizeof line, "frame %ld: 0x%05X %u (%s%s)", event.frame, static_cast<unsigned>(event.id),
                  static_cast<unsigned>(event.value), to_string(event.source), event.handled ? "" : ", no handler");
    return line;
}

}  // namespace host
