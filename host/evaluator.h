// One update of a gauge's element tree: refresh each element's variables,
// call its callbacks, apply its failures and compute what is to be drawn.
// The results are plain values a renderer can draw from.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "frame/host_types.h"
#include "host/bitmap_catalog.h"
#include "host/needle_calibration.h"
#include "host/simulation.h"

namespace host {

// Failure actions.
enum FailureAction : UINT32 {
    FAILURE_NONE = 0,
    FAILURE_FREEZE = 1,
    FAILURE_ZERO = 2,
    FAILURE_HIDE = 3,
};

struct ElementState {
    const ELEMENT_HEADER* element = nullptr;
    int depth = 0;  // 0 for the gauge's top-level elements
    UINT32 kind = 0;
    UINT32 bitmap_id = 0;
    PIXPOINT position{};
    UINT32 image_flags = 0;

    bool drawn = true;     // false when a failure hides it or an icon has no image
    bool frozen = false;   // a freeze failure holds the last state
    bool zeroed = false;   // a failure forces the values to zero
    double values[3] = {};  // needle, icon, string: [0]; slider, moving image: x, y; sprite: x, y, angle

    // Needle: degrees clockwise from the needle bitmap's +x, 0 <= angle < 360.
    // Sprite: degrees counter-clockwise on screen.
    double angle = 0.0;
    int icon = -1;  // icon index, -1 draws nothing
    // Slider: shift in pixels (+x right, +y down). Sprite: shift in the
    // sprite's rotated frame. Moving image: where the window's top-left lies
    // in the image (0 shows the image's top-left corner).
    double shift_x = 0.0;
    double shift_y = 0.0;
    double fraction_x = 0.0;  // moving image: position in its range, 0..1
    double fraction_y = 0.0;
    std::optional<BitmapSize> window;  // moving image, sprite: bitmap id + 1
    std::string text;                  // string: the callback's text (Windows-1252 bytes)
    bool text_overrun = false;         // string: the callback wrote past its buffer
};

// The evaluated state of one placed gauge, kept between updates.
class GaugeEvaluation {
public:
    const std::vector<ElementState>& elements() const { return states_; }
    long updates() const { return updates_; }

private:
    friend class Evaluator;
    std::vector<ElementState> states_;
    std::map<const ELEMENT_STRING*, std::vector<char>> text_buffers_;
    std::map<const ELEMENT_NEEDLE*, NeedleCalibration> calibrations_;
    long updates_ = 0;
};

constexpr std::size_t TEXT_CANARY_BYTES = 16;
constexpr char TEXT_CANARY = static_cast<char>(0xCD);

class Evaluator {
public:
    Evaluator(Simulation& simulation, const BitmapCatalog& bitmaps) : simulation_(simulation), bitmaps_(bitmaps) {}

    // Reports problems found on the module's side (text buffer overruns).
    std::function<void(const std::string&)> warn;

    void evaluate(GAUGEHDR& gauge, GaugeEvaluation& evaluation);

    // The calibration of a needle about its pivot; also fills the table's
    // degrees fields, which are the host's.
    static NeedleCalibration calibrate(ELEMENT_NEEDLE& needle);

private:
    void walk(GAUGEHDR& gauge, ELEMENT_LIST* list, int depth, GaugeEvaluation& evaluation, std::vector<ElementState>& out);
    void evaluate_element(GAUGEHDR& gauge, ELEMENT_HEADER& element, GaugeEvaluation& evaluation, ElementState& state);
    double refresh(MODULE_VAR& var);
    void derive(ELEMENT_HEADER& element, GaugeEvaluation& evaluation, const ElementState* previous, ElementState& state);
    void run_string(GAUGEHDR& gauge, ELEMENT_STRING& string, GaugeEvaluation& evaluation, ElementState& state);

    Simulation& simulation_;
    const BitmapCatalog& bitmaps_;
    const std::vector<ElementState>* previous_ = nullptr;
};

const char* element_kind_name(UINT32 kind);

}  // namespace host
