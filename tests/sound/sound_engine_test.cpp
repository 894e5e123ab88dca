// The sound engine and the gauges' sound slots, seen through the audio calls
// the module makes: the host-window rule, a click, the first-failure rule at
// every step, malformed and unusual WAVE resources, releases.
#include <cstdio>
#include <fstream>
#include <set>

#include <unistd.h>

#include "element_tree.h"
#include "support/gauge_exerciser.h"
#include "sound_fixture.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t SWITCH_AREA = 1;

bool ends_with(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// A logged call that did what was asked.
bool succeeded(const std::string& line) {
    return ends_with(line, " -> 0") || ends_with(line, " -> found") || ends_with(line, " -> 0 playing") ||
           line.rfind("Release", 0) == 0;
}

struct SwitchTest : SoundTest {
    ELEMENT_ICON* lever = as<ELEMENT_ICON>(first_child_chain(alti_switch, 1));
    FLOAT64 lever_image() { return lever->callback(lever); }
    void click_switch() { EXPECT_EQ(click(alti_switch, SWITCH_AREA), 0); }
};

TEST_F(SwitchTest, HostWindowClassFollowsTheProgramName) {
    struct Row {
        const char* program;
        const char* window_class;
    };
    const Row rows[] = {
        {"C:\\Sim\\abc2.exe", "MSCFSMAIN"}, {"C:\\Sim\\Cabin.exe", "MSCFSMAIN"}, {"C:\\Sim\\ab2c.exe", "FS98MAIN"},
        {"C:\\Sim\\cabin.exe", "FS98MAIN"}, {"C:\\Sim\\ab2.exe", "FS98MAIN"},    {"C:\\S.im\\C", "MSCFSMAIN"},
        {"abc2", "MSCFSMAIN"},               {"", "FS98MAIN"},
    };
    for (const Row& row : rows) {
        vantor_platform_set_program_file(row.program);
        vantor_platform_clear_call_log();
        install(alti_switch);
        EXPECT_EQ(calls_starting("FindWindowA"), std::vector<std::string>{std::string("FindWindowA ") +
                                                                           row.window_class + " -> found"})
            << row.program;
        kill(alti_switch);
    }
}

TEST_F(SwitchTest, ClickPlaysTheSwitchClickAndKillReleasesBufferThenDevice) {
    install(alti_switch);
    EXPECT_EQ(lever_image(), 0.0) << "installing the switch turns the radio altimeter off";
    const auto created = calls_starting("CreateSoundBuffer");
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0], "CreateSoundBuffer 0x80E0 3828 tag 1 1ch 22050 Hz 16 bits -> 0");
    EXPECT_EQ(calls_starting("SetCooperativeLevel"), std::vector<std::string>{"SetCooperativeLevel 1 -> 0"});

    vantor_platform_clear_call_log();
    click_switch();
    EXPECT_EQ(lever_image(), 1.0);
    click_switch();
    EXPECT_EQ(lever_image(), 0.0);
    EXPECT_EQ(played_waves(), (std::vector<std::uint32_t>{10, 10}));

    vantor_platform_clear_call_log();
    kill(alti_switch);
    EXPECT_EQ(platform_calls(), (std::vector<std::string>{"Release buffer 3828 bytes", "Release device"}));
    EXPECT_EQ(vantor_platform_live_buffers(), 0u);
    EXPECT_EQ(vantor_platform_live_devices(), 0u);
}

// A whole life of both sound gauges, with the first call of one function
// failing: from that failure on, nothing but device creation and releases
// reaches the audio output, the gauges keep working, and nothing leaks.
TEST_F(PlatformTest, FirstFailureAtAnyStepTurnsAllSoundOffForGood) {
    const char* const functions[] = {"DirectSoundCreate", "SetCooperativeLevel", "FindResourceA",     "LoadResource",
                                     "LockResource",      "SizeofResource",      "CreateSoundBuffer", "Lock",
                                     "Unlock",            "SetCurrentPosition",  "SetVolume",         "GetStatus",
                                     "Play"};
    for (const char* function : functions) {
        SCOPED_TRACE(function);
        LoadedModule fresh;
        FakeHost fresh_host{fresh.imports()};
        GAUGEHDR* sw = fresh.gauge("Radio_Alti_Switch");
        GAUGEHDR* alt = fresh.gauge("Radio_Altimeter");
        ELEMENT_ICON* fresh_lever = as<ELEMENT_ICON>(first_child_chain(sw, 1));
        vantor_platform_clear_call_log();
        vantor_platform_fail_call(function, 1);

        pre_install(sw, "", fresh.handle());
        pre_install(alt, "s1", fresh.handle());
        EXPECT_EQ(click(sw, SWITCH_AREA), 0);
        EXPECT_EQ(fresh_lever->callback(fresh_lever), 1.0);
        fresh_host.numbers = {{614, 800.0}, {615, 60.96}, {65, -4110.0}, {755, 28.0}};
        send_service(alt, PANEL_SERVICE_CONNECT_TO_WINDOW);
        fresh_host.numbers[614] = 700.0;  // through 2500 ft
        send_service(alt, PANEL_SERVICE_PRE_UPDATE);
        EXPECT_EQ(click(sw, SWITCH_AREA), 0);
        EXPECT_EQ(fresh_lever->callback(fresh_lever), 0.0);
        send_service(sw, PANEL_SERVICE_PRE_KILL);
        send_service(alt, PANEL_SERVICE_PRE_KILL);

        const std::vector<std::string> calls = platform_calls();
        // Resource calls other than the lookup leave no line of their own:
        // their failure shows as the one lookup there is.
        const bool silent_step = std::string(function).find("Resource") != std::string::npos &&
                                 std::string(function) != "FindResourceA";
        std::size_t failed = calls.size();
        for (std::size_t i = 0; i < calls.size() && failed == calls.size(); ++i) {
            if (calls[i].rfind(function, 0) == 0 && !succeeded(calls[i])) {
                failed = i;
            }
        }
        if (silent_step) {
            EXPECT_EQ(calls_starting("FindResourceA").size(), 1u);
            EXPECT_TRUE(calls_starting("CreateSoundBuffer").empty());
        } else {
            ASSERT_LT(failed, calls.size()) << "the planned failure was not reached";
        }
        for (std::size_t i = failed + 1; i < calls.size(); ++i) {
            const std::string& c = calls[i];
            if (c.rfind("DirectSoundCreate", 0) != 0 && c.rfind("SetCooperativeLevel", 0) != 0 &&
                c.rfind("FindWindowA", 0) != 0 && c.rfind("Release", 0) != 0) {
                ADD_FAILURE() << "after the failure: " << c;
            }
        }
        EXPECT_TRUE(calls_starting("Play").size() <= 1u) << "sound plays after the failure";
        EXPECT_EQ(vantor_platform_live_buffers(), 0u);
        EXPECT_EQ(vantor_platform_live_devices(), 0u);
    }
}

// Every gauge that makes sounds, with a failure at each step it reaches:
// sound goes off for good, the gauge goes on working, nothing leaks.
TEST_F(PlatformTest, EverySoundGaugeSurvivesAFailureAtEveryStep) {
    const char* const gauges[] = {"Fuel_Qty_Switch",     "Master_Switch",          "Radio_Alti_Switch",
                                  "VOR1_ADF_Switch_H",   "VOR1_ADF_Switch_V",      "Radio_COM1",
                                  "Radio_COM2",          "Radio_NAV1",             "Radio_NAV2",
                                  "Radio_ADF",           "Radio_IFF_XPDR",         "Radio_Altimeter",
                                  "Avionics_Switch",     "Beacon_Light_Switch",    "Landing_Light_Switch",
                                  "Navigation_Light_Switch", "Panel_Light_Switch", "Pitot_Heat_Switch",
                                  "Strobe_Light_Switch", "Taxi_Light_Switch"};
    const char* const functions[] = {"DirectSoundCreate", "SetCooperativeLevel", "FindResourceA", "LoadResource",
                                     "LockResource", "SizeofResource", "CreateSoundBuffer", "Lock", "Unlock",
                                     "SetCurrentPosition", "SetVolume", "GetStatus", "Play"};
    std::vector<std::string> problems;
    std::set<std::string> reached;
    for (const char* name : gauges) {
        for (const char* function : functions) {
            SCOPED_TRACE(std::string(name) + " / " + function);
            LoadedModule fresh;
            FakeHost fresh_host{fresh.imports()};
            GAUGEHDR* gauge = fresh.gauge(name);
            ASSERT_NE(gauge, nullptr);
            vantor_platform_clear_call_log();
            vantor_platform_fail_call(function, 1);
            fresh_host.numbers = {{614, 800.0}, {65, -4110.0}, {755, 28.0}, {615, 60.96}};
            pre_install(gauge, "s1", fresh.handle());
            send_service(gauge, PANEL_SERVICE_CONNECT_TO_WINDOW);
            fresh_host.numbers[614] = 700.0;  // the radio altimeter passes 2500 ft
            for (int i = 0; i < 3; ++i) exercise_gauge(gauge, 1.0, problems);
            std::size_t failed = 0;
            for (const std::string& line : platform_calls()) {
                failed += line.rfind(function, 0) == 0 && !succeeded(line);
            }
            vantor_platform_clear_failures();
            send_service(gauge, PANEL_SERVICE_PRE_KILL);
            EXPECT_EQ(vantor_platform_live_buffers(), 0u);
            EXPECT_EQ(vantor_platform_live_devices(), 0u);
            if (failed > 0) {
                reached.insert(function);
                // Off for good: a new install loads nothing, a click plays nothing.
                vantor_platform_clear_call_log();
                pre_install(gauge, "s1", fresh.handle());
                exercise_gauge(gauge, 1.0, problems);
                send_service(gauge, PANEL_SERVICE_PRE_KILL);
                EXPECT_TRUE(calls_starting("CreateSoundBuffer").empty());
                EXPECT_TRUE(calls_starting("Play").empty());
            }
        }
    }
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_EQ(reached.size(), std::size(functions)) << "a step no gauge reached";
}

TEST_F(SwitchTest, FailedPlayReleasesItsBufferAndLaterClicksAreSilent) {
    install(alti_switch);
    vantor_platform_clear_call_log();
    vantor_platform_fail_call("Play", 1);
    click_switch();
    click_switch();
    EXPECT_EQ(lever_image(), 0.0);
    EXPECT_EQ(platform_calls(), (std::vector<std::string>{"Play 3828 bytes 0 0x0 -> 0x88780096", "Release buffer 3828 bytes"}));
    kill(alti_switch);
    EXPECT_EQ(vantor_platform_live_devices(), 0u);
}

TEST_F(SwitchTest, GaugePlacedTwiceSharesOneSlotAndAClickAfterItsKillIsHarmless) {
    install(alti_switch);
    install(alti_switch);
    EXPECT_EQ(vantor_platform_live_devices(), 1u);
    EXPECT_EQ(vantor_platform_live_buffers(), 1u);
    kill(alti_switch);
    vantor_platform_clear_call_log();
    click_switch();
    kill(alti_switch);
    EXPECT_TRUE(platform_calls().empty()) << platform_calls().front();
    EXPECT_EQ(lever_image(), 1.0) << "the switch still works";
    // Sound is still on: a new install clicks.
    install(alti_switch);
    vantor_platform_clear_call_log();
    click_switch();
    EXPECT_EQ(played_waves(), std::vector<std::uint32_t>{10});
    kill(alti_switch);
}

// The switch's click served from a folder of our own, holding one file as
// 10.wav (or none).
struct WaveFileTest : PlatformTest {
    fs::path folder = fs::temp_directory_path() / ("vantor_wave_" + std::to_string(::getpid()));
    WaveFileTest() { fs::create_directories(folder / "WAVE"); }
    ~WaveFileTest() override { fs::remove_all(folder); }
    // A fresh module whose resources come from the folder, with `bytes` as
    // its 10.wav (none when null).
    void serve(const std::vector<unsigned char>* bytes, LoadedModule& module) {
        fs::remove(folder / "WAVE" / "10.wav");
        if (bytes != nullptr) {
            std::ofstream(folder / "WAVE" / "10.wav", std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()));
        }
        ASSERT_EQ(vantor_platform_set_resource_folder(reinterpret_cast<HMODULE>(module.handle()), folder.c_str()), TRUE);
    }
    static void restore(LoadedModule& module) {
        vantor_platform_set_resource_folder(reinterpret_cast<HMODULE>(module.handle()), nullptr);
    }
};

std::vector<unsigned char> file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void put32(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(v >> (8 * i));
}

// A plain 16-bit PCM file with `samples` samples; fields are patched below.
std::vector<unsigned char> pcm_wave(std::uint32_t samples) {
    std::vector<unsigned char> b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0,
                                    1,   0,   1,   0,   0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0,
                                    'd', 'a', 't', 'a', 0, 0, 0, 0};
    put32(b, 40, samples * 2);
    b.resize(b.size() + samples * 2, 0x10);
    put32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    return b;
}

TEST_F(WaveFileTest, MalformedOrMissingSoundsTurnSoundOffWithoutReadingPastThem) {
    struct Row {
        const char* what;
        std::vector<unsigned char> bytes;
        bool missing = false;
    };
    std::vector<Row> rows;
    rows.push_back({"no such resource", {}, true});
    rows.push_back({"empty", {}});
    rows.push_back({"not RIFF", {'R', 'I', 'F', 'X', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}});
    {
        auto b = pcm_wave(8);
        b.resize(b.size() - 5);
        rows.push_back({"truncated data chunk", b});
    }
    {
        auto b = pcm_wave(8);
        put32(b, 40, 0x7FFFFFF0);
        rows.push_back({"data size beyond the resource", b});
    }
    {
        auto b = pcm_wave(8);
        put32(b, 4, 0xFFFFFFF0);
        rows.push_back({"form size beyond the resource", b});
    }
    {
        auto b = pcm_wave(8);
        put32(b, 16, 0xFFFFFFF8);
        rows.push_back({"format size wraps around", b});
    }
    {
        auto b = pcm_wave(0);
        rows.push_back({"empty data chunk", b});
    }
    {
        auto b = pcm_wave(8);
        b[36] = 'x';
        rows.push_back({"no data chunk", b});
    }
    {
        auto b = pcm_wave(8);
        b[12] = 'x';
        rows.push_back({"no format chunk", b});
    }
    {
        auto b = pcm_wave(8);
        b[16] = 14;  // the format chunk is 14 bytes, the 'data' header starts inside the 16
        rows.push_back({"format chunk shorter than 16 bytes", b});
    }
    {
        auto b = pcm_wave(8);
        b[16] = 18;
        b.insert(b.begin() + 36, {0x40, 0});  // extra size 64 in an 18-byte chunk
        put32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
        rows.push_back({"extra size beyond the format chunk", b});
    }
    {
        auto b = pcm_wave(8);
        b[20] = 3;  // IEEE float: the output takes PCM only
        rows.push_back({"format the output refuses", b});
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        LoadedModule fresh;
        FakeHost fresh_host{fresh.imports()};
        serve(row.missing ? nullptr : &row.bytes, fresh);
        vantor_platform_clear_call_log();
        pre_install(fresh.gauge("Radio_Alti_Switch"), "", fresh.handle());
        pre_install(fresh.gauge("Radio_Altimeter"), "s1", fresh.handle());
        EXPECT_EQ(calls_starting("FindResourceA").size(), 1u) << "later loads must return at once";
        EXPECT_EQ(calls_starting("CreateSoundBuffer").size(), row.what == std::string("format the output refuses") ? 1u : 0u);
        EXPECT_EQ(vantor_platform_live_buffers(), 0u);
        send_service(fresh.gauge("Radio_Alti_Switch"), PANEL_SERVICE_PRE_KILL);
        send_service(fresh.gauge("Radio_Altimeter"), PANEL_SERVICE_PRE_KILL);
        EXPECT_EQ(vantor_platform_live_devices(), 0u);
        restore(fresh);
    }
}

// The module's own files with extra chunks, and its Microsoft ADPCM radio
// click, which plays as 16-bit PCM.
TEST_F(WaveFileTest, ExtraChunksAreSkippedAndAdpcmPlaysAsPcm) {
    struct Row {
        const char* file;
        const char* created;
    };
    const Row rows[] = {
        {"20.wav", "CreateSoundBuffer 0x80E0 10304 tag 1 1ch 22050 Hz 8 bits -> 0"},
        {"30.wav", "CreateSoundBuffer 0x80E0 4048 tag 1 2ch 22050 Hz 16 bits -> 0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        const std::vector<unsigned char> bytes = file(std::string(VANTOR_SOUNDS_DIR) + "/" + row.file);
        LoadedModule fresh;
        FakeHost fresh_host{fresh.imports()};
        serve(&bytes, fresh);
        vantor_platform_clear_call_log();
        GAUGEHDR* sw = fresh.gauge("Radio_Alti_Switch");
        pre_install(sw, "", fresh.handle());
        EXPECT_EQ(calls_starting("CreateSoundBuffer"), std::vector<std::string>{row.created});
        click(sw, SWITCH_AREA);
        EXPECT_EQ(calls_starting("Play").size(), 1u);
        send_service(sw, PANEL_SERVICE_PRE_KILL);
        restore(fresh);
    }
}

TEST_F(SoundTest, CalloutsNeedS1AndAreReleasedListFirstThenDecisionHeightThenDevice) {
    for (const char* parameters : {"", "s2", "s", "/s1", "x1"}) {
        vantor_platform_clear_call_log();
        install(altimeter, parameters);
        kill(altimeter);
        EXPECT_TRUE(platform_calls().empty()) << "\"" << parameters << "\": " << platform_calls().front();
    }
    install(altimeter, "x s 1");
    EXPECT_EQ(vantor_platform_live_buffers(), 13u);
    EXPECT_EQ(calls_starting("SetVolume").size(), 13u);
    vantor_platform_clear_call_log();
    kill(altimeter);
    std::vector<std::string> expected;
    for (std::uint32_t id = 1280; id <= 1400; id += 10) {
        expected.push_back("Release buffer " + std::to_string(wave_data_bytes(id)) + " bytes");
    }
    expected.push_back("Release device");
    EXPECT_EQ(platform_calls(), expected);
}

TEST_F(SoundTest, CalloutLoadingStopsAtTheFirstFailure) {
    vantor_platform_fail_call("CreateSoundBuffer", 4);  // 1400, 1280, 1290 load; 1300 fails
    install(altimeter, "s1");
    EXPECT_EQ(vantor_platform_live_buffers(), 3u);
    EXPECT_EQ(calls_starting("FindResourceA").size(), 4u);
    kill(altimeter);
    EXPECT_EQ(vantor_platform_live_buffers(), 0u);
    EXPECT_EQ(vantor_platform_live_devices(), 0u);
}

}  // namespace
