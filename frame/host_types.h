// Records exchanged with the host's panel system.
//
// Field order and widths are the host's published layout. On the 32-bit
// Windows target every pointer is 32 bits and records use 4-byte packing, so
// each field sits at a fixed 32-bit word; the static_asserts at the end pin
// those positions. Native 64-bit builds keep the same field order with natural
// pointer width. Words the host keeps for itself appear as `host_*` arrays and
// are zero in every definition.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define VANTOR_TARGET_WIN32 1
#define HOST_CALL __stdcall
#else
#define VANTOR_TARGET_WIN32 0
#define HOST_CALL
#endif

using UINT32 = std::uint32_t;
using SINT32 = std::int32_t;
using FLOAT64 = double;
using HOST_BOOL = SINT32;
// Word-sized value: 32 bits on the target; wide enough for a handle natively.
using WORD_PTR = std::uintptr_t;

#pragma pack(push, 4)

struct GAUGEHDR;
struct ELEMENT_HEADER;
struct MOUSERECT;

struct PIXPOINT {
    SINT32 x;
    SINT32 y;
};

struct PIXBOX {
    SINT32 x;
    SINT32 y;
    SINT32 width;
    SINT32 height;
};

// Simulation variable. The host fills the value; the module sets the token.
// Radio frequency and squawk tokens carry a packed-decimal 32-bit integer in
// the first four bytes of the value.
union VAR_VALUE {
    FLOAT64 number;
    UINT32 packed;
};

struct MODULE_VAR {
    UINT32 token;
    void* host_pointer;
    UINT32 host_type;
    VAR_VALUE value;
    VAR_VALUE previous_value;
};

// One needle calibration point: where the needle tip points for a value.
struct NONLINEARITY {
    PIXPOINT point;
    FLOAT64 value;
    FLOAT64 degrees;  // filled by the host
};

// A failure list ends with a record whose key is 0.
struct FAILURE_RECORD {
    UINT32 key;
    UINT32 action;
};

enum ELEMENT_KIND : UINT32 {
    ELEMENT_TYPE_STATIC_IMAGE = 0,
    ELEMENT_TYPE_NEEDLE = 1,
    ELEMENT_TYPE_STRING = 2,
    ELEMENT_TYPE_SLIDER = 3,
    ELEMENT_TYPE_ICON = 4,
    ELEMENT_TYPE_MOVING_IMAGE = 5,
    ELEMENT_TYPE_SPRITE = 6,
};

// Image flags the module stores; the host gives them their drawing meaning.
enum IMAGE_FLAG : UINT32 {
    IMAGE_TRANSPARENT = 0x1,
    IMAGE_COLOR_KEYED = 0x2,
    IMAGE_SELF_LIT = 0x4,
    IMAGE_SMOOTHED = 0x80,
    IMAGE_LUMINOUS = 0x4000,
};

// A list of elements is a null-terminated array of element pointers.
using ELEMENT_LIST = ELEMENT_HEADER*;

// Common 15-word head of every element kind.
struct ELEMENT_HEADER {
    UINT32 element_type;
    UINT32 bitmap_id;  // 0xFFFFFFFF for strings
    PIXPOINT position;
    PIXPOINT previous_position;
    PIXPOINT offset;
    GAUGEHDR* gauge;
    ELEMENT_HEADER* previous_element;
    ELEMENT_LIST* next_element;
    FAILURE_RECORD* failures;
    UINT32 image_flags;
    UINT32 special_flags;
    UINT32 reserved;
};

struct ELEMENT_NEEDLE;
struct ELEMENT_STRING;
struct ELEMENT_SLIDER;
struct ELEMENT_ICON;
struct ELEMENT_MOVING_IMAGE;
struct ELEMENT_SPRITE;

using NEEDLE_CALLBACK = FLOAT64(HOST_CALL*)(ELEMENT_NEEDLE*);
using STRING_CALLBACK = FLOAT64(HOST_CALL*)(ELEMENT_STRING*);
using SLIDER_CALLBACK = FLOAT64(HOST_CALL*)(ELEMENT_SLIDER*);
using ICON_CALLBACK = FLOAT64(HOST_CALL*)(ELEMENT_ICON*);
using MOVING_IMAGE_CALLBACK = FLOAT64(HOST_CALL*)(ELEMENT_MOVING_IMAGE*);
using SPRITE_CALLBACK = FLOAT64(HOST_CALL*)(ELEMENT_SPRITE*);

struct ELEMENT_STATIC_IMAGE {
    ELEMENT_HEADER header;
    UINT32 host_words[9];
};

struct ELEMENT_NEEDLE {
    ELEMENT_HEADER header;
    MODULE_VAR source_var;
    UINT32 host_words_22[6];
    NONLINEARITY* calibration;
    UINT32 calibration_count;
    SINT32 max_degrees_per_update;
    UINT32 host_words_31[25];
    NEEDLE_CALLBACK callback;
    UINT32 host_words_57[2];
};

constexpr std::size_t FONT_FACE_BYTES = 32;

struct ELEMENT_STRING {
    ELEMENT_HEADER header;
    MODULE_VAR source_var[3];
    UINT32 host_words_36[10];
    char* text;  // host-allocated buffer the callback writes into
    UINT32 host_words_47[1];
    UINT32 box_width;
    UINT32 box_height;
    UINT32 host_words_50[2];
    UINT32 text_color;  // 0x00BBGGRR
    UINT32 background_color;
    UINT32 highlight_color;
    UINT32 host_words_55[7];
    char font_face[FONT_FACE_BYTES];
    UINT32 font_weight;
    UINT32 char_set;
    UINT32 draw_text_flags;
    UINT32 max_chars;
    UINT32 host_words_74[4];
    STRING_CALLBACK callback;
    UINT32 host_words_79[2];
};

struct ELEMENT_SLIDER {
    ELEMENT_HEADER header;
    MODULE_VAR source_var_x;
    UINT32 host_words_22[1];
    FLOAT64 scale_x;
    UINT32 host_words_25[1];
    MODULE_VAR source_var_y;
    UINT32 host_words_33[1];
    FLOAT64 scale_y;
    UINT32 host_words_36[6];
    SLIDER_CALLBACK callback_x;
    SLIDER_CALLBACK callback_y;
    UINT32 host_words_44[4];
};

struct ELEMENT_ICON {
    ELEMENT_HEADER header;
    MODULE_VAR source_var;
    UINT32 host_words_22[3];
    FLOAT64 scale;
    UINT32 host_words_27[1];
    UINT32 icon_count;
    UINT32 host_words_29[4];
    ICON_CALLBACK callback;
    UINT32 host_words_34[1];
};

struct ELEMENT_MOVING_IMAGE {
    ELEMENT_HEADER header;
    MODULE_VAR source_var_x;
    UINT32 host_words_22[1];
    FLOAT64 min_x;
    FLOAT64 max_x;
    UINT32 host_words_27[1];
    MODULE_VAR source_var_y;
    UINT32 host_words_35[1];
    FLOAT64 min_y;
    FLOAT64 max_y;
    UINT32 host_words_40[21];
    MOVING_IMAGE_CALLBACK callback_x;
    MOVING_IMAGE_CALLBACK callback_y;
    UINT32 host_words_63[4];
};

struct ELEMENT_SPRITE {
    ELEMENT_HEADER header;
    MODULE_VAR source_var_x;
    UINT32 host_words_22[1];
    FLOAT64 scale_x;
    MODULE_VAR source_var_y;
    UINT32 host_words_32[1];
    FLOAT64 scale_y;
    MODULE_VAR source_var_angle;
    UINT32 host_words_42[1];
    FLOAT64 scale_angle;
    float texture_scale_x;
    float texture_scale_y;
    UINT32 host_words_47[32];
    SPRITE_CALLBACK callback_x;
    SPRITE_CALLBACK callback_y;
    SPRITE_CALLBACK callback_angle;
    UINT32 host_words_82[6];
};

// The host's record for a click: point relative to the rectangle, then the
// clicked gauge and rectangle.
struct MOUSE_CLICK {
    PIXPOINT point;
    GAUGEHDR* gauge;
    MOUSERECT* rect;
};

using MOUSE_FUNCTION = HOST_BOOL(HOST_CALL*)(MOUSE_CLICK* click, UINT32 mouse_flags);

// Tooltip argument callbacks; the host passes five arguments that they ignore.
using TOOLTIP_NUMBER_CALLBACK = FLOAT64(HOST_CALL*)(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*);
using TOOLTIP_TEXT_CALLBACK = const char*(HOST_CALL*)(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*);

struct MOUSE_ARG {
    MODULE_VAR source_var;
    UINT32 host_words_7[8];
    TOOLTIP_NUMBER_CALLBACK number_callback;
    UINT32 host_words_16[1];
    TOOLTIP_TEXT_CALLBACK text_callback;
};

enum MOUSE_RECT_TYPE : UINT32 {
    MOUSE_RECT_END = 0,
    MOUSE_RECT_PARENT = 1,
    MOUSE_RECT_CHILD = 2,
    MOUSE_RECT_END_PARENT = 3,
    MOUSE_RECT_TOOLTIP = 4,
};

enum MOUSE_CURSOR : SINT32 {
    CURSOR_NONE = -1,
    CURSOR_UP_ARROW = 1,
    CURSOR_DOWN_ARROW = 2,
    CURSOR_HAND = 5,
};

enum MOUSE_FLAG : UINT32 {
    MOUSE_LEFT_SINGLE = 0x20000000,
    MOUSE_RIGHT_SINGLE = 0x80000000,
    MOUSE_DOWN_REPEAT = 0x00200000,
    MOUSE_MOVE_REPEAT = 0x00800000,
};

struct MOUSERECT {
    UINT32 rect_type;
    PIXBOX box;
    SINT32 cursor;
    UINT32 help_id;
    UINT32 mouse_flags;
    UINT32 event_id;  // tooltips with text: number of arguments
    union {
        MOUSE_FUNCTION function;
        const char* tooltip_text;
    };
    MOUSE_ARG* args;
};

enum PANEL_SERVICE : UINT32 {
    PANEL_SERVICE_PRE_INSTALL = 2,
    PANEL_SERVICE_PRE_UPDATE = 6,
    PANEL_SERVICE_PRE_KILL = 12,
    PANEL_SERVICE_CONNECT_TO_WINDOW = 14,
};

using GAUGE_CALLBACK = void(HOST_CALL*)(GAUGEHDR* gauge, UINT32 service_id, WORD_PTR extra);

constexpr UINT32 GAUGE_HEADER_VERSION = 800;
// Words beyond the named ones belong to the host; trailing zero words keep
// its working fields off neighbouring data.
constexpr std::size_t GAUGE_HEADER_HOST_TAIL_WORDS = 103;

struct GAUGEHDR {
    UINT32 version;
    const char* name;
    ELEMENT_LIST* elements;
    UINT32 host_words_3[8];  // per-phase routines and a reserved word
    UINT32 size_x_mm;
    UINT32 size_y_mm;
    UINT32 host_words_13[7];
    MOUSERECT* mouse_rects;
    GAUGE_CALLBACK callback;
    UINT32 user_data;
    const char* parameters;  // filled by the host before pre-install
    const char* usage;
    UINT32 host_tail[GAUGE_HEADER_HOST_TAIL_WORDS];
};

using MODULE_INIT = void(HOST_CALL*)();
using MODULE_DEINIT = void(HOST_CALL*)();

constexpr UINT32 GAUGE_COUNT = 88;
constexpr UINT32 LINKAGE_ID = 0x13;
constexpr UINT32 MODULE_VERSION = 0x900;

struct GAUGESLINKAGE {
    UINT32 id;
    MODULE_INIT module_init;
    MODULE_DEINIT module_deinit;
    UINT32 flags;
    UINT32 module_status;
    UINT32 module_version;
    GAUGEHDR* gauges[GAUGE_COUNT + 1];  // null-terminated
};

// The host's service table: function pointers indexed by position.
using HOST_SERVICE = void(HOST_CALL*)();

constexpr UINT32 IMPORT_PANEL_SERVICES_ID = 0x0F;

struct IMPORT_ENTRY {
    UINT32 id;
    const HOST_SERVICE* table;
};

struct GAUGESIMPORT {
    IMPORT_ENTRY entries[2];  // the panel services, then the (0, null) end
};

enum SERVICE_POSITION : UINT32 {
    SERVICE_PANEL_WINDOW_TOGGLE = 35,
    SERVICE_TRIGGER_KEY_EVENT = 36,
    SERVICE_LOOKUP_VAR = 40,
    SERVICE_EXECUTE_CALCULATOR_CODE = 69,
};
constexpr UINT32 SERVICE_TABLE_MIN_SIZE = SERVICE_EXECUTE_CALCULATOR_CODE + 1;

using PANEL_WINDOW_TOGGLE_FN = HOST_BOOL(HOST_CALL*)(UINT32 panel_id);
using TRIGGER_KEY_EVENT_FN = UINT32(HOST_CALL*)(UINT32 event_id, UINT32 value);
using LOOKUP_VAR_FN = void(HOST_CALL*)(MODULE_VAR* var);
using EXECUTE_CALCULATOR_CODE_FN = HOST_BOOL(HOST_CALL*)(const char* code, FLOAT64* number_result,
                                                         SINT32* integer_result, const char** text_result);

#pragma pack(pop)

#if VANTOR_TARGET_WIN32
#define VANTOR_WORD(record, field, word) static_assert(offsetof(record, field) == 4 * (word), #record "." #field)
static_assert(sizeof(void*) == 4);
static_assert(sizeof(MODULE_VAR) == 28);
VANTOR_WORD(MODULE_VAR, value, 3);
VANTOR_WORD(MODULE_VAR, previous_value, 5);
static_assert(sizeof(NONLINEARITY) == 24);
VANTOR_WORD(NONLINEARITY, value, 2);
VANTOR_WORD(NONLINEARITY, degrees, 4);
static_assert(sizeof(FAILURE_RECORD) == 8);
static_assert(sizeof(ELEMENT_HEADER) == 60);
VANTOR_WORD(ELEMENT_HEADER, position, 2);
VANTOR_WORD(ELEMENT_HEADER, offset, 6);
VANTOR_WORD(ELEMENT_HEADER, gauge, 8);
VANTOR_WORD(ELEMENT_HEADER, next_element, 10);
VANTOR_WORD(ELEMENT_HEADER, failures, 11);
VANTOR_WORD(ELEMENT_HEADER, image_flags, 12);
VANTOR_WORD(ELEMENT_HEADER, special_flags, 13);

static_assert(sizeof(ELEMENT_STATIC_IMAGE) == 96);

static_assert(sizeof(ELEMENT_NEEDLE) == 236);
VANTOR_WORD(ELEMENT_NEEDLE, source_var, 15);
VANTOR_WORD(ELEMENT_NEEDLE, calibration, 28);
VANTOR_WORD(ELEMENT_NEEDLE, calibration_count, 29);
VANTOR_WORD(ELEMENT_NEEDLE, max_degrees_per_update, 30);
VANTOR_WORD(ELEMENT_NEEDLE, callback, 56);

static_assert(sizeof(ELEMENT_STRING) == 324);
VANTOR_WORD(ELEMENT_STRING, source_var[0], 15);
VANTOR_WORD(ELEMENT_STRING, source_var[1], 22);
VANTOR_WORD(ELEMENT_STRING, source_var[2], 29);
VANTOR_WORD(ELEMENT_STRING, text, 46);
VANTOR_WORD(ELEMENT_STRING, box_width, 48);
VANTOR_WORD(ELEMENT_STRING, box_height, 49);
VANTOR_WORD(ELEMENT_STRING, text_color, 52);
VANTOR_WORD(ELEMENT_STRING, background_color, 53);
VANTOR_WORD(ELEMENT_STRING, highlight_color, 54);
VANTOR_WORD(ELEMENT_STRING, font_face, 62);
VANTOR_WORD(ELEMENT_STRING, font_weight, 70);
VANTOR_WORD(ELEMENT_STRING, char_set, 71);
VANTOR_WORD(ELEMENT_STRING, draw_text_flags, 72);
VANTOR_WORD(ELEMENT_STRING, max_chars, 73);
VANTOR_WORD(ELEMENT_STRING, callback, 78);

static_assert(sizeof(ELEMENT_SLIDER) == 192);
VANTOR_WORD(ELEMENT_SLIDER, source_var_x, 15);
VANTOR_WORD(ELEMENT_SLIDER, scale_x, 23);
VANTOR_WORD(ELEMENT_SLIDER, source_var_y, 26);
VANTOR_WORD(ELEMENT_SLIDER, scale_y, 34);
VANTOR_WORD(ELEMENT_SLIDER, callback_x, 42);
VANTOR_WORD(ELEMENT_SLIDER, callback_y, 43);

static_assert(sizeof(ELEMENT_ICON) == 140);
VANTOR_WORD(ELEMENT_ICON, source_var, 15);
VANTOR_WORD(ELEMENT_ICON, scale, 25);
VANTOR_WORD(ELEMENT_ICON, icon_count, 28);
VANTOR_WORD(ELEMENT_ICON, callback, 33);

static_assert(sizeof(ELEMENT_MOVING_IMAGE) == 268);
VANTOR_WORD(ELEMENT_MOVING_IMAGE, source_var_x, 15);
VANTOR_WORD(ELEMENT_MOVING_IMAGE, min_x, 23);
VANTOR_WORD(ELEMENT_MOVING_IMAGE, max_x, 25);
VANTOR_WORD(ELEMENT_MOVING_IMAGE, source_var_y, 28);
VANTOR_WORD(ELEMENT_MOVING_IMAGE, min_y, 36);
VANTOR_WORD(ELEMENT_MOVING_IMAGE, max_y, 38);
VANTOR_WORD(ELEMENT_MOVING_IMAGE, callback_x, 61);
VANTOR_WORD(ELEMENT_MOVING_IMAGE, callback_y, 62);

static_assert(sizeof(ELEMENT_SPRITE) == 352);
VANTOR_WORD(ELEMENT_SPRITE, source_var_x, 15);
VANTOR_WORD(ELEMENT_SPRITE, scale_x, 23);
VANTOR_WORD(ELEMENT_SPRITE, source_var_y, 25);
VANTOR_WORD(ELEMENT_SPRITE, scale_y, 33);
VANTOR_WORD(ELEMENT_SPRITE, source_var_angle, 35);
VANTOR_WORD(ELEMENT_SPRITE, scale_angle, 43);
VANTOR_WORD(ELEMENT_SPRITE, texture_scale_x, 45);
VANTOR_WORD(ELEMENT_SPRITE, texture_scale_y, 46);
VANTOR_WORD(ELEMENT_SPRITE, callback_x, 79);
VANTOR_WORD(ELEMENT_SPRITE, callback_y, 80);
VANTOR_WORD(ELEMENT_SPRITE, callback_angle, 81);

static_assert(sizeof(MOUSE_CLICK) == 16);
VANTOR_WORD(MOUSE_CLICK, gauge, 2);
VANTOR_WORD(MOUSE_CLICK, rect, 3);

static_assert(sizeof(MOUSE_ARG) == 72);
VANTOR_WORD(MOUSE_ARG, number_callback, 15);
VANTOR_WORD(MOUSE_ARG, text_callback, 17);

static_assert(sizeof(MOUSERECT) == 44);
VANTOR_WORD(MOUSERECT, box, 1);
VANTOR_WORD(MOUSERECT, cursor, 5);
VANTOR_WORD(MOUSERECT, help_id, 6);
VANTOR_WORD(MOUSERECT, mouse_flags, 7);
VANTOR_WORD(MOUSERECT, event_id, 8);
VANTOR_WORD(MOUSERECT, function, 9);
VANTOR_WORD(MOUSERECT, args, 10);

VANTOR_WORD(GAUGEHDR, name, 1);
VANTOR_WORD(GAUGEHDR, elements, 2);
VANTOR_WORD(GAUGEHDR, size_x_mm, 11);
VANTOR_WORD(GAUGEHDR, size_y_mm, 12);
VANTOR_WORD(GAUGEHDR, mouse_rects, 20);
VANTOR_WORD(GAUGEHDR, callback, 21);
VANTOR_WORD(GAUGEHDR, user_data, 22);
VANTOR_WORD(GAUGEHDR, parameters, 23);
VANTOR_WORD(GAUGEHDR, usage, 24);
static_assert(sizeof(GAUGEHDR) == 4 * 128);

VANTOR_WORD(GAUGESLINKAGE, module_init, 1);
VANTOR_WORD(GAUGESLINKAGE, module_version, 5);
VANTOR_WORD(GAUGESLINKAGE, gauges, 6);
static_assert(sizeof(GAUGESLINKAGE) == 4 * (6 + 89));
static_assert(sizeof(GAUGESIMPORT) == 16);
#undef VANTOR_WORD
#endif
