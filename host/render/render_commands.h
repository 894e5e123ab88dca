// The drawing commands of panelhost: render, run (with frames), gallery and
// sheet. Each takes the words after the command name.
#pragma once

#include <string>
#include <vector>

#include "host/command_help.h"

namespace host::render {

// The commands' help for panelhost's usage and `help COMMAND`; the options
// every drawing command shares.
const std::vector<CommandHelp>& render_command_help();
const char* render_shared_options();

bool is_render_command(const std::string& command);
// Runs one command; returns the exit status, throws HostError.
int run_render_command(const std::string& command, const std::vector<std::string>& args);

}  // namespace host::render
