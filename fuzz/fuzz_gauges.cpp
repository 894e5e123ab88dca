// Any gauge of the module, pre-installed with any parameter string and driven
// with any values in its variables, clicks and tooltips; re-installed, killed.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "support/fake_host.h"
#include "support/gauge_exerciser.h"

extern "C" GAUGESLINKAGE Linkage;
extern "C" GAUGESIMPORT ImportTable;

namespace {

constexpr UINT32 PACKED_TOKENS[] = {16, 18, 23, 24, 27, 38, 870};

// A parameter string in a block of exactly its size, so that reading past
// its terminating zero is caught.
struct Parameters {
    explicit Parameters(const std::string& text) : bytes(text.begin(), text.end()) { bytes.push_back('\0'); }
    std::vector<char> bytes;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FakeHost host{ImportTable};
    FuzzedDataProvider in(data, size);
    UINT32 count = 0;
    while (Linkage.gauges[count] != nullptr) ++count;
    GAUGEHDR* gauge = Linkage.gauges[in.ConsumeIntegralInRange<UINT32>(0, count - 1)];
    auto parameters = std::make_unique<Parameters>(in.ConsumeRandomLengthString(200));
    gauge->parameters = parameters->bytes.data();
    gauge->callback != nullptr ? gauge->callback(gauge, PANEL_SERVICE_PRE_INSTALL, 0) : void();
    std::vector<std::string> problems;
    for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
        switch (in.ConsumeIntegralInRange(0, 7)) {
        case 0:
            parameters = std::make_unique<Parameters>(in.ConsumeRandomLengthString(200));
            gauge->parameters = parameters->bytes.data();
            if (gauge->callback != nullptr) gauge->callback(gauge, PANEL_SERVICE_PRE_INSTALL, 0);
            break;
        case 1:
            if (gauge->callback != nullptr) gauge->callback(gauge, PANEL_SERVICE_CONNECT_TO_WINDOW, 0);
            break;
        case 2:
            for (UINT32 token : PACKED_TOKENS) host.packed[token] = in.ConsumeIntegral<UINT32>();
            break;
        default: {
            const FLOAT64 value = in.ConsumeFloatingPoint<FLOAT64>();
            host.other_numbers = value;
            exercise_gauge(gauge, value, problems);
            break;
        }
        }
        host.clear_log();
    }
    if (gauge->callback != nullptr) gauge->callback(gauge, PANEL_SERVICE_PRE_KILL, 0);
    gauge->parameters = nullptr;
    if (!problems.empty()) {
        std::fprintf(stderr, "%s\n", problems.front().c_str());
        __builtin_trap();
    }
    return 0;
}
