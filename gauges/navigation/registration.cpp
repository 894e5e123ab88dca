// Registration: the aircraft's registration on a plate. The text comes from
// the `t` key at the start of the parameter string; after the first blank,
// `r`, `g`, `b` set the text colour and `f` the font.
#include "frame/gauge_records.h"
#include "frame/parameters.h"

extern GAUGEHDR gauge_Registration;

namespace {

FLOAT64 HOST_CALL plate_text(ELEMENT_STRING* element);

ELEMENT_STRING text = string_element(
    {
        .bitmap_id = NO_BITMAP,
        .position = {0, 0},
        .image_flags = 0x3,
        .gauge = &gauge_Registration,
    },
    {
        .vars = {module_var(0), module_var(0), module_var(0)},
        .box_width = 150,
        .box_height = 25,
        .text_color = 0xFFFFFF,
        .background_color = 0x000000,
        .highlight_color = 0x5C5C5C,
        .font_face = "Arial",
        .font_weight = 400,
        .char_set = 1,
        .draw_text_flags = 0x25,
        .max_chars = 7,
        .callback = plate_text,
    });

ELEMENT_LIST plate_children[] = {&text.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 40,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Registration,
    .children = plate_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

const char DEFAULT_REGISTRATION[] = "N700MS";

// Longest text the plate works on; the element's own limit is smaller.
constexpr UINT32 PLATE_TEXT_CAPACITY = 31;
constexpr SINT32 MAX_COMPONENT = 255;

// The `t` value up to its first blank, underscores shown as blanks. Built in
// a local copy: the parameter string is the host's.
FLOAT64 HOST_CALL plate_text(ELEMENT_STRING* element) {
    if (element == nullptr) {
        return 0.0;
    }
    const char* parameters = element->header.gauge != nullptr ? element->header.gauge->parameters : nullptr;
    const char* source = DEFAULT_REGISTRATION;
    const char* key = param_find_key(parameters, 't');
    if (key != nullptr && key == parameters) {
        source = param_value(key);
    }
    const UINT32 limit = element->max_chars < PLATE_TEXT_CAPACITY ? element->max_chars : PLATE_TEXT_CAPACITY;

    // What lies beyond the limit cannot change the shown part: a blank or
    // comment character there would cut or protect only hidden characters.
    const char* blank = param_find_key(source, limit, ' ');
    char local[PLATE_TEXT_CAPACITY + 1] = {};
    UINT32 length = 0;
    while (length < limit && source[length] != '\0' && source + length != blank) {
        local[length] = source[length];
        ++length;
    }
    for (const char* underscore = param_find_key(local, length, '_'); underscore != nullptr;
         underscore = param_find_key(local, length, '_')) {
        local[underscore - local] = ' ';
    }

    if (element->text != nullptr) {
        for (UINT32 i = 0; i < length; ++i) {
            element->text[i] = local[i];
        }
        element->text[length] = '\0';
    }
    return element->source_var[0].value.number;
}

// A colour component of the `r`, `g` or `b` key; out-of-range values give the
// full component.
UINT32 colour_component(const char* text, std::size_t length, char key, UINT32 current) {
    const char* match = param_find_key(text, length, key);
    if (match == nullptr) {
        return current;
    }
    SINT32 value = param_read_int(param_value(match));
    return value < 0 || value > MAX_COMPONENT ? MAX_COMPONENT : static_cast<UINT32>(value);
}

void apply_font(ELEMENT_STRING* element, const char* name) {
    std::size_t i = 0;
    for (; i + 1 < FONT_FACE_BYTES && name[i] != '\0'; ++i) {
        element->font_face[i] = name[i];
    }
    for (; i < FONT_FACE_BYTES; ++i) {
        element->font_face[i] = '\0';
    }
}

// Pre-install: font and colour from the keys after the first blank. A font
// name runs to the end of the string, so keys after it are not seen.
void HOST_CALL plate_callback(GAUGEHDR* gauge, UINT32 service_id, WORD_PTR) {
    if (gauge == nullptr || service_id != PANEL_SERVICE_PRE_INSTALL) {
        return;
    }
    const char* parameters = gauge->parameters;
    ELEMENT_HEADER* plate = gauge->elements != nullptr ? gauge->elements[0] : nullptr;
    ELEMENT_HEADER* child = plate != nullptr && plate->next_element != nullptr ? plate->next_element[0] : nullptr;
    if (param_empty(parameters) || child == nullptr || child->element_type != ELEMENT_TYPE_STRING) {
        return;
    }
    ELEMENT_STRING* element = reinterpret_cast<ELEMENT_STRING*>(child);
    const char* blank = param_find_key(parameters, ' ');
    if (blank == nullptr) {
        return;
    }
    const char* keys = blank + 1;
    std::size_t length = PARAM_UNBOUNDED;
    if (const char* font = param_find_key(keys, 'f')) {
        apply_font(element, param_value(font));
        length = static_cast<std::size_t>(font - keys);
    }
    UINT32 colour = element->text_color;
    UINT32 red = colour_component(keys, length, 'r', colour & 0xFF);
    UINT32 green = colour_component(keys, length, 'g', (colour >> 8) & 0xFF);
    UINT32 blue = colour_component(keys, length, 'b', (colour >> 16) & 0xFF);
    element->text_color = red + 256 * green + 65536 * blue;
}

}  // namespace

GAUGEHDR gauge_Registration = gauge_header({
    .name = "Registration",
    .width_mm = 150,
    .elements = elements,
    .mouse_rects = mouse_rects,
    .callback = plate_callback,
});
