// Mechanics shared by the generic panel buttons: a face image, a 13 x 13
// click area, and a parameter string that says what the button does.
#pragma once

#include "frame/host_types.h"

// Key events the buttons send.
constexpr UINT32 EVENT_PANEL_TOGGLE = 0x103CA;
constexpr UINT32 EVENT_PANEL_OPEN = 0x103CB;
constexpr UINT32 EVENT_PANEL_CLOSE = 0x103CC;
constexpr UINT32 EVENT_VIEW_RESET = 0x10153;
constexpr UINT32 EVENT_VIEW_NEXT = 0x100C6;
constexpr UINT32 EVENT_VIEW_PREVIOUS = 0x100C7;
constexpr UINT32 EVENT_SEAT_UP = 0x103DC;
constexpr UINT32 EVENT_SEAT_DOWN = 0x103DD;

// Upper bound of the `p` key's repeat count, so that a huge count cannot
// hold the panel thread.
constexpr SINT32 VIEW_REPEAT_LIMIT = 1000;

constexpr PIXBOX PANEL_BUTTON_AREA = {3, 3, 13, 13};

// Pre-install: the `b` face, the `h` tooltip, and once per module load the
// `a` close command (the header's user-data word remembers it).
void HOST_CALL panel_button_callback(GAUGEHDR* gauge, UINT32 service_id, WORD_PTR extra);

// Click of a button whose default action is only the toggle of window 0.
HOST_BOOL HOST_CALL panel_button_click(MOUSE_CLICK* click, UINT32 mouse_flags);

// Click: the `o`, `c`, `t` and `p` commands of a non-empty parameter string;
// without parameters the toggle of window 0, then `seat_event` three times
// (none when 0).
void panel_button_run_click(const MOUSE_CLICK* click, UINT32 seat_event);
