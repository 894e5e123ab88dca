#include "host/mouse_router.h"

#include <algorithm>
#include <cstdint>

namespace host {

namespace {

// point - origin, held within the 32 bits of a click coordinate.
SINT32 relative(SINT32 point, SINT32 origin) {
    const long long d = static_cast<long long>(point) - origin;
    return static_cast<SINT32>(std::clamp<long long>(d, INT32_MIN, INT32_MAX));
}

}  // namespace

HOST_BOOL MouseRouter::invoke(const Held& held, UINT32 flags) {
    MOUSERECT* rect = held.area.rect;
    if (rect->function != nullptr) {
        MOUSE_CLICK click{{relative(held.point.x, held.area.box.x), relative(held.point.y, held.area.box.y)},
                          held.gauge, rect};
        return rect->function(&click, flags);
    }
    if (rect->event_id != 0) {
        simulation_.trigger_key_event(rect->event_id, 0, EventSource::Host);
    }
    return 0;
}

MouseRouter::Outcome MouseRouter::press(GAUGEHDR& gauge, const MouseMap& map, PIXPOINT point, MouseButton button) {
    held_.reset();
    Outcome outcome;
    const MouseArea* area = map.child_at(point);
    if (area == nullptr) {
        return outcome;
    }
    outcome.area = *area;
    UINT32 bit = button_flag(button);
    if ((area->rect->mouse_flags & bit) == 0) {
        return outcome;
    }
    outcome.accepted = true;
    Held held{&gauge, *area, bit, point};
    outcome.result = invoke(held, bit);
    if ((area->rect->mouse_flags & (MOUSE_DOWN_REPEAT | MOUSE_MOVE_REPEAT)) != 0) {
        held_ = held;
    }
    return outcome;
}

void MouseRouter::move(PIXPOINT point) {
    if (!held_) {
        return;
    }
    held_->point = point;
    if ((held_->area.rect->mouse_flags & MOUSE_MOVE_REPEAT) != 0) {
        invoke(*held_, held_->button | MOUSE_MOVE_REPEAT);
    }
}

void MouseRouter::frame() {
    if (!held_ || (held_->area.rect->mouse_flags & MOUSE_DOWN_REPEAT) == 0) {
        return;
    }
    long held_for = ++held_->frames;
    if (held_for >= REPEAT_DELAY_FRAMES && (held_for - REPEAT_DELAY_FRAMES) % REPEAT_INTERVAL_FRAMES == 0) {
        invoke(*held_, held_->button | MOUSE_DOWN_REPEAT);
    }
}

}  // namespace host
