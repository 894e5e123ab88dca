#include <gtest/gtest.h>

#include <vector>

#include "frame/host_services.h"

extern "C" {
GAUGESIMPORT ImportTable = {{{IMPORT_PANEL_SERVICES_ID, nullptr}, {0, nullptr}}};
}

namespace {

struct Call {
    int table;
    UINT32 position;
    UINT32 a;
    UINT32 b;
};
std::vector<Call> calls;
int current_table = 0;

HOST_BOOL HOST_CALL toggle(UINT32 id) {
    calls.push_back({current_table, SERVICE_PANEL_WINDOW_TOGGLE, id, 0});
    return 1;
}
UINT32 HOST_CALL trigger(UINT32 event, UINT32 value) {
    calls.push_back({current_table, SERVICE_TRIGGER_KEY_EVENT, event, value});
    return 0;
}
void HOST_CALL lookup(MODULE_VAR* var) {
    calls.push_back({current_table, SERVICE_LOOKUP_VAR, var->token, 0});
    var->value.number = 42.5;
}
HOST_BOOL HOST_CALL calculate(const char* code, FLOAT64* number, SINT32* integer, const char** text) {
    calls.push_back({current_table, SERVICE_EXECUTE_CALCULATOR_CODE, code[0] == '(' ? 1u : 0u,
                     integer == nullptr && text == nullptr ? 1u : 0u});
    *number = 7.0;
    return 1;
}

HOST_SERVICE full_table[SERVICE_TABLE_MIN_SIZE] = {};
HOST_SERVICE sparse_table[SERVICE_TABLE_MIN_SIZE] = {};

class HostServices : public ::testing::Test {
protected:
    void SetUp() override {
        calls.clear();
        full_table[SERVICE_PANEL_WINDOW_TOGGLE] = reinterpret_cast<HOST_SERVICE>(toggle);
        full_table[SERVICE_TRIGGER_KEY_EVENT] = reinterpret_cast<HOST_SERVICE>(trigger);
        full_table[SERVICE_LOOKUP_VAR] = reinterpret_cast<HOST_SERVICE>(lookup);
        full_table[SERVICE_EXECUTE_CALCULATOR_CODE] = reinterpret_cast<HOST_SERVICE>(calculate);
        sparse_table[SERVICE_TRIGGER_KEY_EVENT] = reinterpret_cast<HOST_SERVICE>(trigger);
    }
    void TearDown() override { ImportTable.entries[0].table = nullptr; }
};

void call_every_service(MODULE_VAR& var, FLOAT64& result) {
    host_panel_window_toggle(50);
    host_trigger_key_event(0x103CA, 7);
    host_lookup_var(&var);
    host_execute_calculator_code("(A:X,number)", &result);
}

}  // namespace

TEST_F(HostServices, DoNothingWhileTheTableIsNull) {
    MODULE_VAR var = {};
    var.token = 351;
    var.value.number = -1.0;
    FLOAT64 result = -2.0;
    call_every_service(var, result);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(var.value.number, -1.0);
    EXPECT_EQ(result, -2.0);
    EXPECT_EQ(host_panel_window_toggle(0), 0);
    EXPECT_FALSE(host_execute_calculator_code("1", &result));
}

TEST_F(HostServices, ReachTheirPositionsWithTheirArguments) {
    ImportTable.entries[0].table = full_table;
    MODULE_VAR var = {};
    var.token = 351;
    FLOAT64 result = 0.0;
    call_every_service(var, result);
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].position, SERVICE_PANEL_WINDOW_TOGGLE);
    EXPECT_EQ(calls[0].a, 50u);
    EXPECT_EQ(calls[1].position, SERVICE_TRIGGER_KEY_EVENT);
    EXPECT_EQ(calls[1].a, 0x103CAu);
    EXPECT_EQ(calls[1].b, 7u);
    EXPECT_EQ(calls[2].position, SERVICE_LOOKUP_VAR);
    EXPECT_EQ(calls[2].a, 351u);
    EXPECT_EQ(var.value.number, 42.5);
    EXPECT_EQ(calls[3].position, SERVICE_EXECUTE_CALCULATOR_CODE);
    EXPECT_EQ(calls[3].a, 1u) << "code text passed through";
    EXPECT_EQ(calls[3].b, 1u) << "integer and text results are null";
    EXPECT_EQ(result, 7.0);
}

TEST_F(HostServices, ReadTheTableAtEachCall) {
    ImportTable.entries[0].table = full_table;
    current_table = 1;
    host_trigger_key_event(1, 0);
    ImportTable.entries[0].table = nullptr;
    host_trigger_key_event(2, 0);
    ImportTable.entries[0].table = sparse_table;
    current_table = 2;
    host_trigger_key_event(3, 0);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].table, 1);
    EXPECT_EQ(calls[0].a, 1u);
    EXPECT_EQ(calls[1].table, 2);
    EXPECT_EQ(calls[1].a, 3u);
}

TEST_F(HostServices, SkipNullEntriesOfAFilledTable) {
    ImportTable.entries[0].table = sparse_table;
    MODULE_VAR var = {};
    var.value.number = 3.0;
    FLOAT64 result = 4.0;
    call_every_service(var, result);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].position, SERVICE_TRIGGER_KEY_EVENT);
    EXPECT_EQ(var.value.number, 3.0);
    EXPECT_EQ(result, 4.0);
}
