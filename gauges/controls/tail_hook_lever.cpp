// Tail hook lever: UP at the top, DN at the bottom. Either half sends the
// hook toggle and shows the handle there at once; then the handle follows
// the hook's motion.
#include "frame/gauge_records.h"
#include "gauges/controls/sampled_lever.h"

extern GAUGEHDR gauge_Tail_Hook_Lever;

namespace {

constexpr SampledLeverGauge TAIL_HOOK_LEVER = {
    .part_token = 869,  // 0 up to 1 down
    .toggle_event = 0x10357,
    .plate_bitmap = 4380,
    .lever_bitmap = 4390,  // image 0 up, 1 down
    .tooltip = "Tailhook lever",
    .upper_half = {0, 0, 30, 75},
    .lower_half = {0, 75, 30, 75},
};

using Records = SampledLeverRecords<&gauge_Tail_Hook_Lever, TAIL_HOOK_LEVER>;

}  // namespace

GAUGEHDR gauge_Tail_Hook_Lever = gauge_header({
    .name = "Tail_Hook_Lever",
    .width_mm = 30,
    .elements = Records::elements,
    .mouse_rects = Records::mouse_rects,
});
