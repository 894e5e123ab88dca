// The module's two exports: the linkage record with its gauge table, and the
// import table through which the host hands over its services.
#include "frame/host_types.h"


extern GAUGEHDR gauge_Registration;
extern GAUGEHDR gauge_Map_Toggle;
extern GAUGEHDR gauge_Kneeboard_Toggle;
extern GAUGEHDR gauge_ATC_Toggle;
extern GAUGEHDR gauge_Invisible_Toggle;
extern GAUGEHDR gauge_Radios_Toggle;
extern GAUGEHDR gauge_GPS_Toggle;
extern GAUGEHDR gauge_Throttle_Toggle;
extern GAUGEHDR gauge_Compass_Toggle;
extern GAUGEHDR gauge_Close_Subpanel;
extern GAUGEHDR gauge_Nav_Instruments_Toggle;
extern GAUGEHDR gauge_Seat_Up_Toggle;
extern GAUGEHDR gauge_Seat_Down_Toggle;
extern GAUGEHDR gauge_Landing_View_Toggle;
extern GAUGEHDR gauge_Left_Taxi_Toggle;
extern GAUGEHDR gauge_Right_Taxi_Toggle;
extern GAUGEHDR gauge_Show_Yoke;
extern GAUGEHDR gauge_Overhead_Toggle;
extern GAUGEHDR gauge_Electricity_Toggle;
extern GAUGEHDR gauge_Fuel_Zoom;
extern GAUGEHDR gauge_ADF_Indicator_Toggle;
extern GAUGEHDR gauge_VOR_Indicator_Toggle;
extern GAUGEHDR gauge_Radio_ADF;
extern GAUGEHDR gauge_Radio_COM1;
extern GAUGEHDR gauge_Radio_COM2;
extern GAUGEHDR gauge_Radio_IFF_XPDR;
extern GAUGEHDR gauge_Radio_NAV1;
extern GAUGEHDR gauge_Radio_NAV2;
extern GAUGEHDR gauge_Airspeed;
extern GAUGEHDR gauge_Vertical_Speed;
extern GAUGEHDR gauge_Altimeter;
extern GAUGEHDR gauge_Attitude;
extern GAUGEHDR gauge_Directionnal_Gyro;
extern GAUGEHDR gauge_Turn_Coordinator;
extern GAUGEHDR gauge_RMI;
extern GAUGEHDR gauge_VOR1_Indicator;
extern GAUGEHDR gauge_VOR2_Indicator;
extern GAUGEHDR gauge_Fuel_Pressure;
extern GAUGEHDR gauge_Oil_Pressure;
extern GAUGEHDR gauge_CHT_Indicator;
extern GAUGEHDR gauge_Carb_Temperature;
extern GAUGEHDR gauge_Oil_Temperature;
extern GAUGEHDR gauge_Manifold_Pressure;
extern GAUGEHDR gauge_Tachometer;
extern GAUGEHDR gauge_Fuel_Quantity;
extern GAUGEHDR gauge_Hydraulic_Pressure;
extern GAUGEHDR gauge_Throttle_Quadrant;
extern GAUGEHDR gauge_Voltmeter;
extern GAUGEHDR gauge_Ammeter;
extern GAUGEHDR gauge_Radio_Altimeter;
extern GAUGEHDR gauge_Accelerometer;
extern GAUGEHDR gauge_Flaps_Position;
extern GAUGEHDR gauge_Bendix_DME;
extern GAUGEHDR gauge_Magnetic_Compass;
extern GAUGEHDR gauge_Clock;
extern GAUGEHDR gauge_Pitch_Trim_Wheel;
extern GAUGEHDR gauge_Aileron_Trim_Wheel;
extern GAUGEHDR gauge_Rudder_Trim_Wheel;
extern GAUGEHDR gauge_OAT_Indicator;
extern GAUGEHDR gauge_VOR1_ADF_Switch_H;
extern GAUGEHDR gauge_VOR1_ADF_Switch_V;
extern GAUGEHDR gauge_Radio_Alti_Switch;
extern GAUGEHDR gauge_Fuel_Qty_Switch;
extern GAUGEHDR gauge_Gear_Lever;
extern GAUGEHDR gauge_Magnetos_Switch;
extern GAUGEHDR gauge_Taxi_Light_Switch;
extern GAUGEHDR gauge_Navigation_Light_Switch;
extern GAUGEHDR gauge_Strobe_Light_Switch;
extern GAUGEHDR gauge_Panel_Light_Switch;
extern GAUGEHDR gauge_Landing_Light_Switch;
extern GAUGEHDR gauge_Beacon_Light_Switch;
extern GAUGEHDR gauge_Avionics_Switch;
extern GAUGEHDR gauge_Pitot_Heat_Switch;
extern GAUGEHDR gauge_Cowl_Flaps_Switch;
extern GAUGEHDR gauge_Canopy_Lever;
extern GAUGEHDR gauge_Master_Switch;
extern GAUGEHDR gauge_Fuel_Primer;
extern GAUGEHDR gauge_Starter_Knob;
extern GAUGEHDR gauge_Tail_Hook_Lever;
extern GAUGEHDR gauge_Gear_Lamp_Front;
extern GAUGEHDR gauge_Gear_Lamp_Left;
extern GAUGEHDR gauge_Gear_Lamp_Right;
extern GAUGEHDR gauge_Low_Fuel_Light;
extern GAUGEHDR gauge_Flaps_Warning_Light;
extern GAUGEHDR gauge_Gear_Light;
extern GAUGEHDR gauge_Speed_Brake_Light;
extern GAUGEHDR gauge_Speed_Brake_Lamp;
extern GAUGEHDR gauge_Generator_Light;

#if defined(_WIN32)
#define MODULE_EXPORT  // exported by name through exports.def
#else
#define MODULE_EXPORT [[gnu::visibility("default")]]
#endif

namespace {

void HOST_CALL module_init() {}
void HOST_CALL module_deinit() {}

}  // namespace

extern "C" {

MODULE_EXPORT GAUGESIMPORT ImportTable = {{
    {IMPORT_PANEL_SERVICES_ID, nullptr},
    {0, nullptr},
}};

MODULE_EXPORT GAUGESLINKAGE Linkage = {
    LINKAGE_ID,
    module_init,
    module_deinit,
    0,
    0,
    MODULE_VERSION,
    {
        &gauge_Registration,
        &gauge_Map_Toggle,
        &gauge_Kneeboard_Toggle,
        &gauge_ATC_Toggle,
        &gauge_Invisible_Toggle,
        &gauge_Radios_Toggle,
        &gauge_GPS_Toggle,
        &gauge_Throttle_Toggle,
        &gauge_Compass_Toggle,
        &gauge_Close_Subpanel,
        &gauge_Nav_Instruments_Toggle,
        &gauge_Seat_Up_Toggle,
        &gauge_Seat_Down_Toggle,
        &gauge_Landing_View_Toggle,
        &gauge_Left_Taxi_Toggle,
        &gauge_Right_Taxi_Toggle,
        &gauge_Show_Yoke,
        &gauge_Overhead_Toggle,
        &gauge_Electricity_Toggle,
        &gauge_Fuel_Zoom,
        &gauge_ADF_Indicator_Toggle,
        &gauge_VOR_Indicator_Toggle,
        &gauge_Radio_ADF,
        &gauge_Radio_COM1,
        &gauge_Radio_COM2,
        &gauge_Radio_IFF_XPDR,
        &gauge_Radio_NAV1,
        &gauge_Radio_NAV2,
        &gauge_Airspeed,
        &gauge_Vertical_Speed,
        &gauge_Altimeter,
        &gauge_Attitude,
        &gauge_Directionnal_Gyro,
        &gauge_Turn_Coordinator,
        &gauge_RMI,
        &gauge_VOR1_Indicator,
        &gauge_VOR2_Indicator,
        &gauge_Fuel_Pressure,
        &gauge_Oil_Pressure,
        &gauge_CHT_Indicator,
        &gauge_Carb_Temperature,
        &gauge_Oil_Temperature,
        &gauge_Manifold_Pressure,
        &gauge_Tachometer,
        &gauge_Fuel_Quantity,
        &gauge_Hydraulic_Pressure,
        &gauge_Throttle_Quadrant,
        &gauge_Voltmeter,
        &gauge_Ammeter,
        &gauge_Radio_Altimeter,
        &gauge_Accelerometer,
        &gauge_Flaps_Position,
        &gauge_Bendix_DME,
        &gauge_Magnetic_Compass,
        &gauge_Clock,
        &gauge_Pitch_Trim_Wheel,
        &gauge_Aileron_Trim_Wheel,
        &gauge_Rudder_Trim_Wheel,
        &gauge_OAT_Indicator,
        &gauge_VOR1_ADF_Switch_H,
        &gauge_VOR1_ADF_Switch_V,
        &gauge_Radio_Alti_Switch,
        &gauge_Fuel_Qty_Switch,
        &gauge_Gear_Lever,
        &gauge_Magnetos_Switch,
        &gauge_Taxi_Light_Switch,
        &gauge_Navigation_Light_Switch,
        &gauge_Strobe_Light_Switch,
        &gauge_Panel_Light_Switch,
        &gauge_Landing_Light_Switch,
        &gauge_Beacon_Light_Switch,
        &gauge_Avionics_Switch,
        &gauge_Pitot_Heat_Switch,
        &gauge_Cowl_Flaps_Switch,
        &gauge_Canopy_Lever,
        &gauge_Master_Switch,
        &gauge_Fuel_Primer,
        &gauge_Starter_Knob,
        &gauge_Tail_Hook_Lever,
        &gauge_Gear_Lamp_Front,
        &gauge_Gear_Lamp_Left,
        &gauge_Gear_Lamp_Right,
        &gauge_Low_Fuel_Light,
        &gauge_Flaps_Warning_Light,
        &gauge_Gear_Light,
        &gauge_Speed_Brake_Light,
        &gauge_Speed_Brake_Lamp,
        &gauge_Generator_Light,
        nullptr,
    },
};

#if defined(_WIN32)
// Library entry point: nothing to set up or tear down.
int __stdcall DllMain(void*, unsigned long, void*) {
    return 1;
}
#endif

}  // extern "C"
