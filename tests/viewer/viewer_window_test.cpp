// panelview in a real window: under Xvfb (SDL's X11 video, its dummy audio),
// the example panel is clicked, keyed and hovered by an input script, and
// the screenshots before and after show the change where it belongs and
// nowhere else. Skipped only when Xvfb cannot start on this machine.
#include <gtest/gtest.h>

#include <cairo.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Box {
    int x = 0, y = 0, w = 0, h = 0;
};

// A virtual X server on a display it chooses, ended with the test.
class VirtualDisplay {
public:
    // Empty `display()` when Xvfb cannot start; `why` says what happened.
    VirtualDisplay() {
        int fds[2];
        if (pipe(fds) != 0) {
            why = "no pipe";
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
            dup2(null, 2);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                   "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // Xvfb writes its display number once it accepts clients.
        std::string number;
        pollfd p{fds[0], POLLIN, 0};
        while (poll(&p, 1, 15000) > 0) {
            char c = 0;
            if (read(fds[0], &c, 1) != 1 || c == '\n') break;
            number += c;
        }
        close(fds[0]);
        if (number.empty()) {
            int status = 0;
            why = waitpid(pid_, &status, WNOHANG) == pid_ && WIFEXITED(status) && WEXITSTATUS(status) == 127
                      ? "Xvfb is not installed"
                      : "Xvfb did not start within 15 s";
            return;
        }
        display_ = ":" + number;
    }
    ~VirtualDisplay() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& display() const { return display_; }
    std::string why;

private:
    pid_t pid_ = -1;
    std::string display_;
};

// Runs panelview to its end (at most a minute); returns its exit status.
int run_viewer(const std::string& display, const std::vector<std::string>& args, const std::string& out_file) {
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("DISPLAY", display.c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (VANTOR_SANITIZED) {
            // Mesa's GL driver, unloaded when the window closes, leaves blocks
            // LeakSanitizer can no longer attribute; SDL's own renderer loads none.
            setenv("SDL_RENDER_DRIVER", "software", 1);
            setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 1);
        }
        const int out = open(out_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(out, 2);
        std::vector<char*> argv;
        static std::string program = VANTOR_PANELVIEW;
        argv.push_back(program.data());
        std::vector<std::string> copies = args;
        for (std::string& a : copies) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Image {
    cairo_surface_t* surface = nullptr;
    explicit Image(const std::string& path) : surface(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Image() { cairo_surface_destroy(surface); }
    bool ok() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
    std::uint32_t at(int x, int y) const {
        const unsigned char* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
        std::uint32_t v;
        std::memcpy(&v, row + x * 4, 4);
        return v & 0xFFFFFF;
    }
};

long changed(const Image& a, const Image& b, const Box& r) {
    long n = 0;
    for (int y = r.y; y < r.y + r.h; ++y) {
        for (int x = r.x; x < r.x + r.w; ++x) n += a.at(x, y) != b.at(x, y);
    }
    return n;
}

TEST(PanelView, ClicksKeysAndTooltipsInARealWindow) {
    VirtualDisplay x;
    if (x.display().empty()) GTEST_SKIP() << x.why;

    const std::string work = VANTOR_WORK_DIR;
    fs::remove_all(work);
    fs::create_directories(work);
    const std::string script = work + "/input.txt";
    std::ofstream(script) << "0.5 locate VOR1_ADF_Switch_H\n"
                             "0.5 locate Airspeed\n"
                             "0.5 screenshot " << work << "/s0.png\n"
                             "0.6 click VOR1_ADF_Switch_H 40 20\n"
                             "0.7 pointer 2 2\n"
                             "1.0 screenshot " << work << "/s1.png\n"
                             "1.1 click Radios_Toggle 9 9\n"
                             "1.2 pointer 2 2\n"
                             "1.4 locate Radio_COM1\n"
                             "1.4 locate Airspeed\n"
                             "1.4 locate Attitude\n"
                             "1.4 screenshot " << work << "/s2.png\n"
                             "1.5 click Radio_COM1 65 41\n"
                             "1.6 pointer 2 2\n"
                             "1.9 screenshot " << work << "/s3.png\n"
                             "2.0 keydown Right\n"
                             "2.5 keyup Right\n"
                             "2.8 screenshot " << work << "/s4.png\n"
                             "2.9 hover Airspeed 150 150\n";
    const std::string out = work + "/out.txt";
    const int status = run_viewer(x.display(),
                                  {std::string(VANTOR_EXAMPLES) + "/panel.cfg", "--input", script, "--size", "1100x760",
                                   "--screenshot", work + "/s5.png", "--after", "3.8"},
                                  out);
    std::ifstream said(out);
    std::stringstream text;
    text << said.rdbuf();
    ASSERT_EQ(status, 0) << text.str();

    // Where the gauges lie in the window: "locate NAME X Y W H"; a later
    // line for the same gauge (after the radio stack opened) replaces an earlier one.
    std::map<std::string, std::vector<Box>> boxes;
    std::istringstream lines(text.str());
    for (std::string line; std::getline(lines, line);) {
        std::istringstream w(line);
        std::string word, name;
        Box b;
        if (w >> word >> name >> b.x >> b.y >> b.w >> b.h && word == "locate") boxes[name].push_back(b);
    }
    ASSERT_EQ(boxes["Airspeed"].size(), 2u) << text.str();
    const Box sw = boxes["VOR1_ADF_Switch_H"].at(0), com = boxes["Radio_COM1"].at(0),
              attitude = boxes["Attitude"].at(0), airspeed = boxes["Airspeed"][0], airspeed_later = boxes["Airspeed"][1];

    Image s0(work + "/s0.png"), s1(work + "/s1.png"), s2(work + "/s2.png"), s3(work + "/s3.png"),
        s4(work + "/s4.png"), s5(work + "/s5.png");
    for (const Image* i : {&s0, &s1, &s2, &s3, &s4, &s5}) ASSERT_TRUE(i->ok()) << text.str();
    EXPECT_EQ(cairo_image_surface_get_width(s0.surface), 1100);

    // The switch: its own picture changes, the airspeed indicator's does not.
    EXPECT_GT(changed(s0, s1, sw), sw.w * sw.h / 20);
    EXPECT_EQ(changed(s0, s1, airspeed), 0);
    // The radio stack opened below (the panel shrank to make room), and the
    // MHz knob tuned COM1.
    EXPECT_LT(airspeed_later.w, airspeed.w);
    EXPECT_GT(changed(s2, s3, com), com.w * com.h / 100);
    EXPECT_EQ(changed(s2, s3, airspeed_later), 0);
    // Half a second of the right arrow banks the attitude indicator.
    EXPECT_GT(changed(s3, s4, attitude), attitude.w * attitude.h / 20);
    EXPECT_EQ(changed(s3, s4, airspeed_later), 0);
    // Resting on the airspeed indicator shows its tooltip: a pale yellow box.
    auto is_pale = [](std::uint32_t c) {
        return (c >> 16 & 0xFF) >= 250 && (c >> 8 & 0xFF) >= 250 && (c & 0xFF) >= 215 && (c & 0xFF) <= 232;
    };
    long pale = 0;
    const int w = cairo_image_surface_get_width(s5.surface), h = cairo_image_surface_get_height(s5.surface);
    for (int y = 0; y < h; ++y) {
        for (int xx = 0; xx < w; ++xx) pale += is_pale(s5.at(xx, y)) && !is_pale(s4.at(xx, y));
    }
    EXPECT_GT(pale, 500);
}

}  // namespace
