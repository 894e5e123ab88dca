// Canopy lever: CLSD at the top, OPEN at the bottom. Either half sends the
// canopy toggle and shows the lever there at once; then the lever follows
// the canopy's motion.
#include "frame/gauge_records.h"
#include "gauges/controls/sampled_lever.h"

extern GAUGEHDR gauge_Canopy_Lever;

namespace {

constexpr SampledLeverGauge CANOPY_LEVER = {
    .part_token = 868,  // 0 closed to 1 open
    .toggle_event = 0x10355,
    .plate_bitmap = 4310,
    .lever_bitmap = 4320,  // image 0 at CLSD, 1 at OPEN
    .tooltip = "Canopy lever",
    .upper_half = {0, 0, 76, 149},
    .lower_half = {0, 149, 76, 149},
};

using Records = SampledLeverRecords<&gauge_Canopy_Lever, CANOPY_LEVER>;

}  // namespace

GAUGEHDR gauge_Canopy_Lever = gauge_header({
    .name = "Canopy_Lever",
    .width_mm = 40,
    .elements = Records::elements,
    .mouse_rects = Records::mouse_rects,
});
