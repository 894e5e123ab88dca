// The drawing commands of panelhost: render, run (with frames), gallery and
// sheet. Each takes the words after the command name.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "host/panel.h"

namespace host::render {

extern const char* const RENDER_USAGE;

bool is_render_command(const std::string& command);
// Runs one command; returns the exit status, throws HostError.
int run_render_command(const std::string& command, const std::vector<std::string>& args);

// Runs a scenario one frame at a time: `on_frame` after every frame, and
// stops (returning false) as soon as `stop` says so. Commands print to `out`.
bool step_scenario(const std::string& path, Panel& panel, std::ostream& out, const std::function<void()>& on_frame,
                   const std::function<bool()>& stop);

}  // namespace host::render
