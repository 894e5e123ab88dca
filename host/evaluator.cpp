#include "host/evaluator.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "host/host_error.h"

namespace host {

namespace {

constexpr int MAX_DEPTH = 64;
constexpr int MAX_FAILURES = 64;

double finite_or_zero(double v) { return std::isfinite(v) ? v : 0.0; }

int icon_index(double value, UINT32 count) {
    if (!(value >= 0.0) || value >= static_cast<double>(count)) {
        return -1;  // negative, NaN or too large
    }
    return static_cast<int>(value);
}

double range_fraction(double value, double min, double max) {
    if (min == max || std::isnan(value)) {
        return 0.0;
    }
    return std::clamp((value - min) / (max - min), 0.0, 1.0);
}

// Signed shortest turn from one angle to another, -180 < result <= 180.
double shortest_turn(double from, double to) {
    double d = normalize_degrees(to - from);
    return d > 180.0 ? d - 360.0 : d;
}

}  // namespace

const char* element_kind_name(UINT32 kind) {
    switch (kind) {
    case ELEMENT_TYPE_STATIC_IMAGE: return "static";
    case ELEMENT_TYPE_NEEDLE: return "needle";
    case ELEMENT_TYPE_STRING: return "string";
    case ELEMENT_TYPE_SLIDER: return "slider";
    case ELEMENT_TYPE_ICON: return "icon";
    case ELEMENT_TYPE_MOVING_IMAGE: return "moving image";
    case ELEMENT_TYPE_SPRITE: return "sprite";
    }
    return "unknown";
}

NeedleCalibration Evaluator::calibrate(ELEMENT_NEEDLE& needle) {
    NeedleCalibration calibration =
        NeedleCalibration::from_table(needle.header.position, needle.calibration, needle.calibration_count);
    for (std::size_t i = 0; i < calibration.points().size(); ++i) {
        needle.calibration[i].degrees = calibration.points()[i].angle;
    }
    return calibration;
}

void Evaluator::evaluate(GAUGEHDR& gauge, GaugeEvaluation& evaluation) {
    std::vector<ElementState> states;
    states.reserve(evaluation.states_.size());
    previous_ = &evaluation.states_;
    walk(gauge, gauge.elements, 0, evaluation, states);
    previous_ = nullptr;
    evaluation.states_ = std::move(states);
    ++evaluation.updates_;
}

void Evaluator::walk(GAUGEHDR& gauge, ELEMENT_LIST* list, int depth, GaugeEvaluation& evaluation,
                     std::vector<ElementState>& out) {
    if (list == nullptr) {
        return;
    }
    if (depth >= MAX_DEPTH) {
        throw HostError(std::string("gauge ") + (gauge.name ? gauge.name : "?") +
                        ": element tree deeper than 64 levels (a list that contains itself?)");
    }
    for (ELEMENT_LIST* entry = list; *entry != nullptr; ++entry) {
        ElementState state;
        state.element = *entry;
        state.depth = depth;
        evaluate_element(gauge, **entry, evaluation, state);
        out.push_back(std::move(state));
        walk(gauge, (*entry)->next_element, depth + 1, evaluation, out);
    }
}

double Evaluator::refresh(MODULE_VAR& var) {
    if (var.token != 0) {
        simulation_.lookup(var);
    }
    return simulation_.is_packed(var.token) ? static_cast<double>(var.value.packed) : var.value.number;
}

void Evaluator::evaluate_element(GAUGEHDR& gauge, ELEMENT_HEADER& element, GaugeEvaluation& evaluation,
                                 ElementState& state) {
    state.kind = element.element_type;
    state.bitmap_id = element.bitmap_id;
    state.position = element.position;

    // Variables from the token the record holds now, then the callbacks:
    // every update, whatever the failures, since callbacks keep timers.
    switch (element.element_type) {
    case ELEMENT_TYPE_NEEDLE: {
        auto& e = reinterpret_cast<ELEMENT_NEEDLE&>(element);
        state.values[0] = refresh(e.source_var);
        if (e.callback != nullptr) state.values[0] = e.callback(&e);
        break;
    }
    case ELEMENT_TYPE_STRING: {
        auto& e = reinterpret_cast<ELEMENT_STRING&>(element);
        for (MODULE_VAR& var : e.source_var) refresh(var);
        state.values[0] = simulation_.is_packed(e.source_var[0].token) ? e.source_var[0].value.packed
                                                                        : e.source_var[0].value.number;
        run_string(gauge, e, evaluation, state);
        break;
    }
    case ELEMENT_TYPE_SLIDER: {
        auto& e = reinterpret_cast<ELEMENT_SLIDER&>(element);
        state.values[0] = refresh(e.source_var_x);
        state.values[1] = refresh(e.source_var_y);
        if (e.callback_x != nullptr) state.values[0] = e.callback_x(&e);
        if (e.callback_y != nullptr) state.values[1] = e.callback_y(&e);
        break;
    }
    case ELEMENT_TYPE_ICON: {
        auto& e = reinterpret_cast<ELEMENT_ICON&>(element);
        state.values[0] = refresh(e.source_var);
        if (e.callback != nullptr) state.values[0] = e.callback(&e);
        break;
    }
    case ELEMENT_TYPE_MOVING_IMAGE: {
        auto& e = reinterpret_cast<ELEMENT_MOVING_IMAGE&>(element);
        state.values[0] = refresh(e.source_var_x);
        state.values[1] = refresh(e.source_var_y);
        if (e.callback_x != nullptr) state.values[0] = e.callback_x(&e);
        if (e.callback_y != nullptr) state.values[1] = e.callback_y(&e);
        break;
    }
    case ELEMENT_TYPE_SPRITE: {
        auto& e = reinterpret_cast<ELEMENT_SPRITE&>(element);
        state.values[0] = refresh(e.source_var_x);
        state.values[1] = refresh(e.source_var_y);
        state.values[2] = refresh(e.source_var_angle);
        if (e.callback_x != nullptr) state.values[0] = e.callback_x(&e);
        if (e.callback_y != nullptr) state.values[1] = e.callback_y(&e);
        if (e.callback_angle != nullptr) state.values[2] = e.callback_angle(&e);
        break;
    }
    default:
        break;
    }
    // Callbacks may rewrite their element's flags (lighting) and bitmap.
    state.image_flags = element.image_flags;
    state.bitmap_id = element.bitmap_id;

    bool hidden = false;
    if (element.failures != nullptr) {
        for (int i = 0; i < MAX_FAILURES && element.failures[i].key != 0; ++i) {
            if (!simulation_.failure_active(element.failures[i].key)) continue;
            switch (element.failures[i].action) {
            case FAILURE_FREEZE: state.frozen = true; break;
            case FAILURE_ZERO: state.zeroed = true; break;
            case FAILURE_HIDE: hidden = true; break;
            default: break;
            }
        }
    }
    // This element's state from the previous update, if any.
    const ElementState* previous = nullptr;
    if (previous_ != nullptr) {
        for (const ElementState& p : *previous_) {
            if (p.element == &element) {
                previous = &p;
                break;
            }
        }
    }
    if (state.zeroed) {
        std::fill(std::begin(state.values), std::end(state.values), 0.0);
    }
    if (state.frozen && previous != nullptr) {
        bool zeroed = state.zeroed;
        state = *previous;
        state.frozen = true;
        state.zeroed = zeroed;
    } else {
        derive(element, evaluation, previous, state);
    }
    state.drawn = !hidden && (state.kind != ELEMENT_TYPE_ICON || state.icon >= 0);
    state.image_flags = element.image_flags;
}

void Evaluator::run_string(GAUGEHDR& gauge, ELEMENT_STRING& e, GaugeEvaluation& evaluation, ElementState& state) {
    std::vector<char>& buffer = evaluation.text_buffers_[&e];
    const std::size_t text_bytes = static_cast<std::size_t>(e.max_chars) + 1;
    if (buffer.size() != text_bytes + TEXT_CANARY_BYTES) {
        buffer.assign(text_bytes + TEXT_CANARY_BYTES, TEXT_CANARY);
    }
    std::fill(buffer.begin(), buffer.begin() + static_cast<long>(text_bytes), '\0');
    e.text = buffer.data();
    if (e.callback != nullptr) {
        state.values[0] = e.callback(&e);
    }
    bool canary_intact = std::all_of(buffer.begin() + static_cast<long>(text_bytes), buffer.end(),
                                     [](char c) { return c == TEXT_CANARY; });
    const char* end = static_cast<const char*>(std::memchr(buffer.data(), '\0', text_bytes));
    state.text.assign(buffer.data(), end != nullptr ? static_cast<std::size_t>(end - buffer.data()) : e.max_chars);
    state.text_overrun = !canary_intact || end == nullptr;
    if (state.text_overrun) {
        std::fill(buffer.begin() + static_cast<long>(text_bytes), buffer.end(), TEXT_CANARY);
        if (warn) {
            warn(std::string("gauge ") + (gauge.name ? gauge.name : "?") + ": a string callback wrote past its " +
                 std::to_string(text_bytes) + "-byte text buffer (" + std::to_string(e.max_chars) +
                 " characters and the terminating zero)");
        }
    }
}

void Evaluator::derive(ELEMENT_HEADER& element, GaugeEvaluation& evaluation, const ElementState* previous,
                       ElementState& state) {
    switch (element.element_type) {
    case ELEMENT_TYPE_NEEDLE: {
        auto& e = reinterpret_cast<ELEMENT_NEEDLE&>(element);
        auto found = evaluation.calibrations_.find(&e);
        if (found == evaluation.calibrations_.end()) {
            found = evaluation.calibrations_.emplace(&e, calibrate(e)).first;
        }
        double target = found->second.angle(state.values[0]);
        if (e.max_degrees_per_update > 0 && previous != nullptr) {
            double turn = shortest_turn(previous->angle, target);
            double limit = e.max_degrees_per_update;
            target = normalize_degrees(previous->angle + std::clamp(turn, -limit, limit));
        }
        state.angle = target;
        break;
    }
    case ELEMENT_TYPE_SLIDER: {
        auto& e = reinterpret_cast<ELEMENT_SLIDER&>(element);
        state.shift_x = finite_or_zero(state.values[0] * e.scale_x);
        state.shift_y = finite_or_zero(state.values[1] * e.scale_y);
        break;
    }
    case ELEMENT_TYPE_ICON: {
        auto& e = reinterpret_cast<ELEMENT_ICON&>(element);
        state.icon = icon_index(state.values[0], e.icon_count);
        break;
    }
    case ELEMENT_TYPE_MOVING_IMAGE: {
        auto& e = reinterpret_cast<ELEMENT_MOVING_IMAGE&>(element);
        state.fraction_x = range_fraction(state.values[0], e.min_x, e.max_x);
        state.fraction_y = range_fraction(state.values[1], e.min_y, e.max_y);
        state.window = bitmaps_.size(e.header.bitmap_id + 1);
        auto image = bitmaps_.size(e.header.bitmap_id);
        if (image && state.window) {
            state.shift_x = state.fraction_x * std::max(0, image->width - state.window->width);
            state.shift_y = state.fraction_y * std::max(0, image->height - state.window->height);
        }
        break;
    }
    case ELEMENT_TYPE_SPRITE: {
        auto& e = reinterpret_cast<ELEMENT_SPRITE&>(element);
        state.shift_x = finite_or_zero(state.values[0] * e.scale_x);
        state.shift_y = finite_or_zero(state.values[1] * e.scale_y);
        state.angle = finite_or_zero(state.values[2] * e.scale_angle);
        state.window = bitmaps_.size(e.header.bitmap_id + 1);
        break;
    }
    default:
        break;
    }
}

}  // namespace host
