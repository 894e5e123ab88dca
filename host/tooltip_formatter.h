// Tooltip texts: the host's own texts for text ids, and the module's texts
// with numbered inserts filled from their argument callbacks.
//
// Inserts are %N!FORMAT! with N the argument number (1-based) and FORMAT a
// printf conversion: s calls the argument's text callback, d/i/u/x/X the
// numeric one truncated toward zero, f/e/g the numeric one as it is.
// Texts stay Windows-1252 bytes.
#pragma once

#include <optional>
#include <string>

#include "frame/host_types.h"
#include "host/simulation.h"

namespace host {

// The host's text for a tooltip or help id, if it has one.
std::optional<std::string> host_text(UINT32 id);
// The same, or "(text 0x3002)" for an id the host has no text for.
std::string host_text_or_placeholder(UINT32 id);

class TooltipFormatter {
public:
    explicit TooltipFormatter(Simulation& simulation) : simulation_(simulation) {}

    // A text with inserts; `args` holds `arg_count` entries.
    std::string format(const char* text, UINT32 arg_count, MOUSE_ARG* args, GAUGEHDR* gauge);
    // The text of a tooltip row: by host id, or the row's own text.
    std::string tooltip(const MOUSERECT& row, GAUGEHDR* gauge);

private:
    std::string insert(const std::string& format, int number, UINT32 arg_count, MOUSE_ARG* args, GAUGEHDR* gauge);

    Simulation& simulation_;
};

}  // namespace host
