// Routes mouse presses, held buttons and drags to a gauge's areas.
//
// Left presses reach only areas with 0x20000000, right presses only areas
// with 0x80000000. While the button is held on an area with the repeat bit
// (0x00200000) the call repeats after REPEAT_DELAY_FRAMES and then every
// REPEAT_INTERVAL_FRAMES; on an area with the drag bit (0x00800000) each
// pointer move calls it again. Repeat and drag calls carry the original
// button bit with the repeat or drag bit. An area with an event id and no
// function makes the host send that key event with value 0.
#pragma once

#include <optional>
#include <string>

#include "frame/host_types.h"
#include "host/mouse_map.h"
#include "host/simulation.h"

namespace host {

enum class MouseButton { Left, Right };

constexpr long REPEAT_DELAY_FRAMES = 9;     // half a second at 18 frames per second
constexpr long REPEAT_INTERVAL_FRAMES = 2;  // then 9 calls per second

class MouseRouter {
public:
    explicit MouseRouter(Simulation& simulation) : simulation_(simulation) {}

    struct Outcome {
        std::optional<MouseArea> area;  // the child under the pointer
        bool accepted = false;          // its flags admit the button
        HOST_BOOL result = 0;           // the mouse function's result
    };

    // Presses the button at a point on the gauge bitmap; a press where no
    // area takes the button does nothing (and holds nothing).
    Outcome press(GAUGEHDR& gauge, const MouseMap& map, PIXPOINT point, MouseButton button);
    // Moves the pointer while the button is held (gauge-bitmap pixels of the
    // pressed gauge).
    void move(PIXPOINT point);
    // One frame passes with the button held.
    void frame();
    void release() { held_.reset(); }
    bool holding() const { return held_.has_value(); }

    static UINT32 button_flag(MouseButton button) {
        return button == MouseButton::Left ? MOUSE_LEFT_SINGLE : MOUSE_RIGHT_SINGLE;
    }

private:
    struct Held {
        GAUGEHDR* gauge;
        MouseArea area;
        UINT32 button;
        PIXPOINT point;
        long frames = 0;
    };
    HOST_BOOL invoke(const Held& held, UINT32 flags);

    Simulation& simulation_;
    std::optional<Held> held_;
};

}  // namespace host
