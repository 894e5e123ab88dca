// The command line's own help: each command's synopsis, a one-line summary
// and the details `help COMMAND` prints.
#pragma once

#include <string>
#include <vector>

namespace host {

struct CommandHelp {
    const char* name;
    const char* usage;    // synopsis lines, each starting "  PROGRAM ", ending in a newline
    const char* summary;  // one line
    const char* details;  // what it does and its options, lines ending in newlines
};

// Every command's synopsis and summary, and how to ask for more.
inline std::string usage_text(const std::string& program, const std::vector<CommandHelp>& commands) {
    std::string text = "usage:\n";
    for (const CommandHelp& c : commands) text += c.usage;
    text += "\ncommands:\n";
    for (const CommandHelp& c : commands) {
        std::string name = c.name;
        text += "  " + name + std::string(name.size() < 10 ? 10 - name.size() : 1, ' ') + c.summary + "\n";
    }
    text += "\n'" + program + " help COMMAND' explains a command and its options.\n";
    return text;
}

// One command's synopsis, summary and details.
inline std::string command_help_text(const CommandHelp& c) {
    return std::string("usage:\n") + c.usage + "\n" + c.summary + ".\n\n" + c.details;
}

}  // namespace host
