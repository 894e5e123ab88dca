// A scenario: a timeline of variable values, failures, clicks, hovers and
// frames run against a loaded panel. See docs/scenarios.md.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "host/panel.h"

namespace host {

class Scenario {
public:
    struct Command {
        int line;
        std::string verb;
        std::vector<std::string> args;
    };

    // Throws HostError naming the file and line of the first bad command.
    static Scenario read(const std::string& path);
    static Scenario parse(std::istream& in, const std::string& path);

    // Runs the commands in order, writing what they show; at the end prints
    // the whole key-event log, the window changes and any warnings.
    void run(Panel& panel, std::ostream& out) const;

    const std::vector<Command>& commands() const { return commands_; }

private:
    void execute(const Command& command, Panel& panel, std::ostream& out, std::size_t& printed_events) const;

    std::string path_;
    std::vector<Command> commands_;
};

}  // namespace host
