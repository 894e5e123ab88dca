// Every gauge of the module with values the simulation never sends in every
// variable it reads: each callback gives a defined result and no text runs
// past its buffer. Under the sanitizer build, undefined behaviour (a
// non-finite or huge double converted to an integer, an overflow) fails too.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "support/fake_host.h"
#include "support/gauge_exerciser.h"
#include "support/loaded_module.h"

namespace {

constexpr UINT32 PACKED_TOKENS[] = {16, 18, 23, 24, 27, 38, 870};

TEST(HostileValues, EveryGaugeTakesAnyValueInEveryVariable) {
    const FLOAT64 values[] = {std::numeric_limits<FLOAT64>::quiet_NaN(),
                              std::numeric_limits<FLOAT64>::infinity(),
                              -std::numeric_limits<FLOAT64>::infinity(),
                              DBL_MAX,
                              -DBL_MAX,
                              1e300,
                              -1e19,
                              4294967296.0,
                              2147483648.0,
                              -2147483649.0,
                              -1.0,
                              -DBL_MIN,
                              0.0,
                              65535.9};
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    FakeHost host{module.imports()};
    std::vector<std::string> problems;
    std::size_t calls = 0;
    for (FLOAT64 value : values) {
        SCOPED_TRACE(value);
        host.other_numbers = value;
        for (UINT32 token : PACKED_TOKENS) {
            // The packed tokens' integers, taken from the value's bits.
            std::uint64_t bits = 0;
            std::memcpy(&bits, &value, sizeof bits);
            host.packed[token] = static_cast<UINT32>(bits ^ (bits >> 32));
        }
        for (GAUGEHDR* const* g = module.linkage().gauges; *g != nullptr; ++g) {
            pre_install(*g, "", module.handle());
            send_service(*g, PANEL_SERVICE_CONNECT_TO_WINDOW);
            for (int round = 0; round < 3; ++round) {
                exercise_gauge(*g, value, problems);
            }
            send_service(*g, PANEL_SERVICE_PRE_KILL);
            calls += host.lookups.size() + host.key_events.size();
            host.clear_log();
        }
    }
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_GT(calls, 10000u) << "the gauges were not driven";
}

}  // namespace
