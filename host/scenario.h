// A scenario: a timeline of variable values, failures, clicks, hovers and
// frames run against a loaded panel. See docs/scenarios.md.
#pragma once

#include <functional>
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

    // The furthest one `wait` or `at` may reach: a day of frames. Larger
    // ones are errors rather than runs that never end.
    static constexpr long MAX_FRAMES = 24L * 3600 * static_cast<long>(FRAMES_PER_SECOND);

    // Throws HostError naming the file and line of the first bad command.
    static Scenario read(const std::string& path);
    static Scenario parse(std::istream& in, const std::string& path);

    // Runs the commands in order, writing what they show; at the end prints
    // the whole key-event log, the window changes and any warnings.
    void run(Panel& panel, std::ostream& out) const;
    struct Outcome {
        bool commands_unshown = false;  // commands ran after the last frame: no update has seen them yet
    };
    // Runs the commands in order, calling `on_frame` after each frame they
    // run. Stops once `stop` says so (it is asked before each frame, so the
    // commands of the frame it stops at have run).
    Outcome run_commands(Panel& panel, std::ostream& out, const std::function<void()>& on_frame,
                         const std::function<bool()>& stop) const;
    // The closing report of run().
    void report(Panel& panel, std::ostream& out) const;

    const std::vector<Command>& commands() const { return commands_; }
    const std::string& path() const { return path_; }

    // Plays a scenario one frame at a time, for a caller that owns the clock
    // (run_commands, the viewer). The scenario must outlive it.
    class Player {
    public:
        Player(const Scenario& scenario, Panel& panel, std::ostream& out)
            : scenario_(scenario), panel_(panel), out_(out) {}
        // Runs the commands due before the next frame; false when the
        // scenario has ended (no frame of it is left). Throws HostError
        // naming the file and line of a command that cannot run.
        bool run_due();
        // Runs the commands due, then one frame; false, and no frame, at the end.
        bool step();
        bool ended() const { return next_ >= scenario_.commands_.size() && frames_due_ == 0; }
        bool commands_unshown() const { return commands_unshown_; }
        // Frames run by the scenario so far.
        long frames() const { return frames_; }
        // Told of each command other than wait and at just before it runs.
        std::function<void(const Command&)> on_command;

    private:
        friend class Scenario;
        void frame();

        const Scenario& scenario_;
        Panel& panel_;
        std::ostream& out_;
        std::size_t next_ = 0;     // the next command
        long frames_due_ = 0;      // frames of the current wait or at still to run
        long frames_ = 0;
        std::size_t printed_events_ = 0;
        bool commands_unshown_ = false;
    };

private:
    // Runs one command; returns the frames it asks to run (wait, at).
    long execute(const Command& command, Panel& panel, std::ostream& out, Player& player) const;

    std::string path_;
    std::vector<Command> commands_;
};

}  // namespace host
