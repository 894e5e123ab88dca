// The drawing commands of panelhost: render, run (with frames), gallery and
// sheet. Each takes the words after the command name.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "host/command_help.h"
#include "host/panel.h"

namespace host::render {

// The commands' help for panelhost's usage and `help COMMAND`; the options
// every drawing command shares.
const std::vector<CommandHelp>& render_command_help();
const char* render_shared_options();

bool is_render_command(const std::string& command);
// Runs one command; returns the exit status, throws HostError.
int run_render_command(const std::string& command, const std::vector<std::string>& args);

struct ScenarioProgress {
    bool reached_end = false;       // every command ran
    bool commands_unshown = false;  // commands ran after the last frame: no update has seen them yet
};

// Runs a scenario one frame at a time, `on_frame` after every frame, up to
// frame `until` (to its end when negative): the commands stamped with that
// frame run, the frames after it do not. Commands print to `out`.
ScenarioProgress step_scenario(const std::string& path, Panel& panel, std::ostream& out,
                               const std::function<void()>& on_frame, long until = -1);

}  // namespace host::render
