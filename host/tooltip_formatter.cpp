#include "host/tooltip_formatter.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>

namespace host {

namespace {

// A double truncated toward zero, with NaN as 0 and out-of-range values at
// the nearest end.
long long truncated(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 9.2e18) return std::numeric_limits<long long>::max();
    if (v <= -9.2e18) return std::numeric_limits<long long>::min();
    return static_cast<long long>(v);
}

struct Conversion {
    std::string flags;  // e.g. "07.3"
    char letter = 0;
};

// FORMAT of an insert: [-+ 0]* [width] [.precision] letter
bool parse_conversion(const std::string& text, Conversion& conversion) {
    std::size_t i = 0;
    while (i < text.size() && std::string("-+ 0").find(text[i]) != std::string::npos) ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    }
    if (i + 1 != text.size() || std::string("sdiuxXfeEgG").find(text[i]) == std::string::npos) {
        return false;
    }
    conversion.flags = text.substr(0, i);
    conversion.letter = text[i];
    return conversion.flags.size() < 16;
}

}  // namespace

std::string TooltipFormatter::insert(const std::string& format_text, int number, UINT32 arg_count, MOUSE_ARG* args,
                                     GAUGEHDR* gauge) {
    Conversion conversion;
    if (!parse_conversion(format_text, conversion)) {
        return "(bad insert %" + std::to_string(number) + "!" + format_text + "!)";
    }
    if (args == nullptr || number < 1 || static_cast<UINT32>(number) > arg_count) {
        return "(no argument " + std::to_string(number) + ")";
    }
    MOUSE_ARG& arg = args[number - 1];
    if (arg.source_var.token != 0) {
        simulation_.lookup(arg.source_var);
    }
    const double var_value = arg.source_var.value.number;
    char out[512];
    std::string format = "%" + conversion.flags;
    if (conversion.letter == 's') {
        const char* text = arg.text_callback != nullptr
                               ? arg.text_callback(var_value, arg.source_var.token, nullptr, &arg.source_var, gauge)
                               : nullptr;
        std::snprintf(out, sizeof out, (format + "s").c_str(), text != nullptr ? text : "");
        return out;
    }
    double value = arg.number_callback != nullptr
                       ? arg.number_callback(var_value, arg.source_var.token, nullptr, &arg.source_var, gauge)
                       : var_value;
    switch (conversion.letter) {
    case 'd':
    case 'i':
        std::snprintf(out, sizeof out, (format + "lld").c_str(), truncated(value));
        break;
    case 'u':
    case 'x':
    case 'X':
        std::snprintf(out, sizeof out, (format + "ll" + conversion.letter).c_str(),
                      static_cast<unsigned long long>(truncated(value)));
        break;
    default:
        std::snprintf(out, sizeof out, (format + conversion.letter).c_str(), value);
        break;
    }
    return out;
}

std::string TooltipFormatter::format(const char* text, UINT32 arg_count, MOUSE_ARG* args, GAUGEHDR* gauge) {
    std::string result;
    if (text == nullptr) {
        return result;
    }
    const std::string t(text);
    std::size_t i = 0;
    while (i < t.size()) {
        // %N!FORMAT!
        if (t[i] == '%' && i + 1 < t.size() && std::isdigit(static_cast<unsigned char>(t[i + 1]))) {
            std::size_t j = i + 1;
            int number = 0;
            while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j])) && number < 100) {
                number = number * 10 + (t[j] - '0');
                ++j;
            }
            if (j < t.size() && t[j] == '!') {
                std::size_t close = t.find('!', j + 1);
                if (close != std::string::npos) {
                    result += insert(t.substr(j + 1, close - j - 1), number, arg_count, args, gauge);
                    i = close + 1;
                    continue;
                }
            }
        }
        result += t[i++];
    }
    return result;
}

std::string TooltipFormatter::tooltip(const MOUSERECT& row, GAUGEHDR* gauge) {
    if (row.help_id != 0) {
        return host_text_or_placeholder(row.help_id);
    }
    return format(row.tooltip_text, row.event_id, row.args, gauge);
}

std::string host_text_or_placeholder(UINT32 id) {
    if (auto text = host_text(id)) {
        return *text;
    }
    char placeholder[32];
    std::snprintf(placeholder, sizeof placeholder, "(text 0x%X)", static_cast<unsigned>(id));
    return placeholder;
}

}  // namespace host
