// A viewer's input from a file: pointer, button and key events and
// screenshots at given moments, so that the viewer can be driven without a
// person (tests, pictures for the documentation). See docs/viewer.md.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace host::viewer {

struct InputEvent {
    enum class Kind {
        Click,       // GAUGE X Y [left|right]: press and release on a point of the gauge's bitmap
        Press,       // GAUGE X Y [left|right]: press and hold
        Move,        // GAUGE X Y: move the pointer to a point of the gauge's bitmap (drags while held)
        Release,     // release the held button
        Hover,       // GAUGE X Y: the same as Move, named for a pointer left to rest
        Mouse,       // X Y [left|right]: press and release at window pixels
        Pointer,     // X Y: move the pointer to window pixels
        Key,         // NAME: press and release a key (the viewer's key names)
        KeyDown,     // NAME
        KeyUp,       // NAME
        Screenshot,  // FILE: the window as shown, as PNG
        Locate,      // GAUGE: print where the gauge lies in the window
        Resize,      // W H: the window's size
        Quit,
    };
    long tick = 0;  // the viewer's clock: 18 ticks a second from the start
    int line = 0;
    Kind kind = Kind::Quit;
    std::string gauge;
    int x = 0;
    int y = 0;
    bool right = false;
    std::string text;  // the key name, or the screenshot's file
};

class InputScript {
public:
    // Throws HostError naming the file and line of the first bad line.
    static InputScript read(const std::string& path);
    static InputScript parse(std::istream& in, const std::string& path);

    const std::string& path() const { return path_; }
    const std::vector<InputEvent>& events() const { return events_; }
    // Adds an event after every event of its moment (the command line's
    // --screenshot and --after).
    void add(InputEvent event);

private:
    std::string path_;
    std::vector<InputEvent> events_;
};

}  // namespace host::viewer
