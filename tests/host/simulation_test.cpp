// Simulation variables, key events, the calculator and the service table.
// Fields of the packed host records are compared by value (+field): natively
// a reference to one may be misaligned.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "host/calculator.h"
#include "host/service_table.h"
#include "host/simulation.h"

using host::EventSource;
using host::Simulation;

TEST(Simulation, RadioTokensArePackedAndOthersAreFloats) {
    Simulation sim;
    for (UINT32 token : {16u, 18u, 23u, 24u, 27u, 38u, 870u}) {
        EXPECT_TRUE(sim.is_packed(token)) << token;
    }
    EXPECT_FALSE(sim.is_packed(880));
    MODULE_VAR com1{};
    com1.token = 23;
    com1.value.number = 99.0;
    sim.set_packed(23, 0x3697);
    sim.lookup(com1);
    EXPECT_EQ(com1.value.packed, 0x3697u);
    EXPECT_EQ(+com1.previous_value.number, 99.0);
    // The upper half of the value is zero, so the record holds exactly the integer.
    UINT32 halves[2];
    std::memcpy(halves, &com1.value, sizeof halves);
    EXPECT_EQ(halves[1], 0u);

    MODULE_VAR airspeed{};
    airspeed.token = 61;
    sim.set_number(61, 123.5);
    sim.lookup(airspeed);
    EXPECT_EQ(+airspeed.value.number, 123.5);
}

TEST(Simulation, UnknownTokensReadZeroAndAreRemembered) {
    Simulation sim;
    MODULE_VAR v{};
    v.token = 99999;
    v.value.number = 5.0;
    sim.lookup(v);
    EXPECT_EQ(+v.value.number, 0.0);
    EXPECT_EQ(sim.unknown_tokens().count(99999), 1u);
    EXPECT_EQ(sim.unknown_tokens().count(61), 0u);
}

TEST(Simulation, KeyEventsAreLoggedAndReachTheirHandler) {
    Simulation sim;
    std::vector<UINT32> values;
    sim.on_key(0x10380, [&](Simulation&, UINT32 v) { values.push_back(v); });
    sim.trigger_key_event(0x10380, 7, EventSource::Module);
    sim.advance_frame();
    sim.trigger_key_event(0x1FFFF, 1, EventSource::Scenario);
    EXPECT_EQ(values, std::vector<UINT32>{7});
    const auto& log = sim.key_log().events();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_TRUE(log[0].handled);
    EXPECT_FALSE(log[1].handled);
    EXPECT_EQ(log[1].frame, 1);
    EXPECT_EQ(host::KeyEventLog::format(log[0]), "frame 0: 0x10380 7 (module)");
    EXPECT_EQ(host::KeyEventLog::format(log[1]), "frame 1: 0x1FFFF 1 (scenario, no handler)");
    // A later handler replaces the earlier one.
    sim.on_key(0x10380, [&](Simulation&, UINT32) { values.push_back(0); });
    sim.trigger_key_event(0x10380, 7, EventSource::Module);
    EXPECT_EQ(values, (std::vector<UINT32>{7, 0}));
}

TEST(Simulation, StandardHandlersToggleSwitchesAndSetTheClock) {
    Simulation sim;
    EXPECT_EQ(sim.number(740), 1.0);
    sim.trigger_key_event(0x102F5, 0, EventSource::Host);
    EXPECT_EQ(sim.number(740), 0.0);
    sim.trigger_key_event(0x102F5, 0, EventSource::Host);
    EXPECT_EQ(sim.number(740), 1.0);
    sim.set_number(557, 36942);  // 10:15:42
    sim.trigger_key_event(0x101FC, 23, EventSource::Module);
    EXPECT_EQ(sim.number(557), 23 * 3600 + 15 * 60 + 42);
    sim.trigger_key_event(0x101FD, 59, EventSource::Module);
    EXPECT_EQ(sim.number(557), 23 * 3600 + 59 * 60 + 42);
}

TEST(Calculator, ReadsNamedVariablesInTheAskedUnit) {
    Simulation sim;
    host::Calculator calculator(sim);
    sim.set_named("RECIP CARBURETOR TEMPERATURE:1", -4.5, "celsius");
    EXPECT_EQ(calculator.evaluate("(A:RECIP CARBURETOR TEMPERATURE:1,celsius)"), -4.5);
    EXPECT_NEAR(*calculator.evaluate(" (A:RECIP CARBURETOR TEMPERATURE:1, fahrenheit) "), 23.9, 1e-9);
    EXPECT_NEAR(*calculator.evaluate("(A:RECIP CARBURETOR TEMPERATURE:1,Rankine)"), 483.57, 1e-9);
    for (const char* bad : {"(A:RECIP CARBURETOR TEMPERATURE:2,celsius)", "(A:RECIP CARBURETOR TEMPERATURE:1,knots)",
                            "(L:something,number)", "A:RECIP CARBURETOR TEMPERATURE:1,celsius", "(A:,celsius)",
                            "1 2 +", ""}) {
        EXPECT_FALSE(calculator.evaluate(bad).has_value()) << bad;
        EXPECT_NE(calculator.last_error().find("calculator:"), std::string::npos);
    }
}

namespace {

template <typename Fn>
Fn entry(const host::ServiceTable& table, UINT32 position) {
    return reinterpret_cast<Fn>(table.entries()[position]);
}

}  // namespace

TEST(ServiceTable, TheFourServicesReachTheSimulation) {
    Simulation sim;
    host::Calculator calculator(sim);
    std::vector<UINT32> toggled;
    std::vector<std::string> warnings;
    host::ServiceTable table({&sim, &calculator, [&](UINT32 id) { toggled.push_back(id); },
                              [&](const char* w) { warnings.emplace_back(w); }});
    GAUGESIMPORT imports{{{IMPORT_PANEL_SERVICES_ID, nullptr}, {0, nullptr}}};
    table.install(imports);
    EXPECT_EQ(+imports.entries[0].table, table.entries());
    EXPECT_EQ(host::ServiceTable::active(), &table);

    entry<PANEL_WINDOW_TOGGLE_FN>(table, 35)(50);
    EXPECT_EQ(toggled, std::vector<UINT32>{50});

    entry<TRIGGER_KEY_EVENT_FN>(table, 36)(0x10154, 3);
    ASSERT_EQ(sim.key_log().events().size(), 1u);
    EXPECT_EQ(sim.key_log().events()[0].source, EventSource::Module);

    MODULE_VAR v{};
    v.token = 76;
    entry<LOOKUP_VAR_FN>(table, 40)(&v);
    EXPECT_EQ(+v.value.number, 29.92);

    auto calc = entry<EXECUTE_CALCULATOR_CODE_FN>(table, 69);
    FLOAT64 result = 123.0;
    EXPECT_EQ(calc("(A:RECIP CARBURETOR TEMPERATURE:1,celsius)", &result, nullptr, nullptr), 1);
    EXPECT_EQ(result, 5.0);  // the start value
    result = 123.0;
    EXPECT_EQ(calc("(A:NO SUCH THING,celsius)", &result, nullptr, nullptr), 0);
    EXPECT_EQ(result, 123.0) << "a failed expression leaves the result alone";
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("NO SUCH THING"), std::string::npos);
}

TEST(ServiceTable, EveryOtherPositionIsATrapThatNamesIt) {
    Simulation sim;
    host::Calculator calculator(sim);
    host::ServiceTable table({&sim, &calculator, {}, {}});
    std::set<HOST_SERVICE> distinct;
    for (UINT32 i = 0; i < host::SERVICE_TABLE_SIZE; ++i) {
        ASSERT_NE(table.entries()[i], nullptr) << i;
        distinct.insert(table.entries()[i]);
    }
    EXPECT_EQ(distinct.size(), host::SERVICE_TABLE_SIZE);
    EXPECT_EXIT(table.entries()[41](), ::testing::ExitedWithCode(70), "host service position 41");
    EXPECT_EXIT(table.entries()[0](), ::testing::ExitedWithCode(70), "host service position 0,");
}
