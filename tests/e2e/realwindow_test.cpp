// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on an X display, through xdotool: its icon, the keyboard, the message box, the window manager's
// close and the process's end.
#include <gtest/gtest.h>

// After gtest, whose names Xlib's macros would hit.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

std::string xdotool(const std::string& arguments)
{
    std::string out(1 << 16, '\0');
    FILE* pipe = popen(("xdotool " + arguments + " 2>/dev/null").c_str(), "r");
    out.resize(std::fread(out.data(), 1, out.size(), pipe));
    pclose(pipe);
    return out;
}

bool waitUntil(const auto& condition)
{
    for (int i = 0; i < 200; ++i) {
        if (condition()) {
            return true;
        }
        usleep(50000);
    }
    return false;
}

// The sides of a window's icons, as the window manager reads them.
std::vector<long> iconSides(Display* display, unsigned long window)
{
    std::vector<long> sides;
    Atom type = None;
    int format = 0;
    unsigned long items = 0, left = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), 0, 1 << 20, False, XA_CARDINAL,
                       &type, &format, &items, &left, &data);
    const auto* icons = reinterpret_cast<const long*>(data); // each: width, height, then its pixels
    for (unsigned long i = 0; i + 1 < items; i += 2 + icons[i] * icons[i + 1]) {
        sides.push_back(icons[i] == icons[i + 1] ? icons[i] : -1);
    }
    XFree(data);
    return sides;
}

// What a window manager's close button sends, as no command-line tool does.
void closeAsTheWindowManager(Display* display, unsigned long window)
{
    XEvent event{
        .xclient = {ClientMessage, 0, False, display, window, XInternAtom(display, "WM_PROTOCOLS", False), 32, {}}};
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// With no client left the X server resets and briefly refuses new ones: the test holds a connection. The program
// sees only an icon theme of the test's own, which holds its icon as the package installs it.
class RealWindow : public testing::Test {
protected:
    void SetUp() override
    {
        if (std::getenv("DISPLAY") == nullptr ||
            !waitUntil([&] { return (display = XOpenDisplay(nullptr)) != nullptr; })) {
            // CI provides a display: a test that skips there would pass unseen.
            if (const char* ci = std::getenv("CI"); ci != nullptr && std::string(ci) == "true") {
                FAIL() << "no X display to open windows on, in CI";
            }
            GTEST_SKIP() << "no X display to open windows on";
        }
        unsetenv("QT_QPA_PLATFORM");
        const fs::path theme = data / "icons/hicolor";
        fs::create_directories(theme / "48x48/apps");
        std::ofstream(theme / "index.theme") << "[Icon Theme]\nName=Hicolor\nDirectories=48x48/apps\n"
                                                "[48x48/apps]\nSize=48\nType=Fixed\n";
        fs::copy_file(RADDRIZZATORE_ICON48, theme / "48x48/apps" / (RADDRIZZATORE_ID ".png"));
        setenv("XDG_DATA_DIRS", data.c_str(), 1);
        // A cross build's program runs through the emulator that runs this test, in the same process.
        char emulator[] = RADDRIZZATORE_EMULATOR;
        char* argv[] = {emulator, const_cast<char*>(RADDRIZZATORE_PROGRAM), nullptr};
        char** command = emulator[0] == '\0' ? argv + 1 : argv;
        ASSERT_EQ(posix_spawn(&pid, command[0], nullptr, nullptr, command, environ), 0);
    }

    void TearDown() override { fs::remove_all(data); }

    const fs::path data = fs::temp_directory_path() / ("icons-" + std::to_string(getpid()));
    Display* display = nullptr;
    pid_t pid = 0;
};

TEST_F(RealWindow, KeyboardWarningGraphAndExit)
{
    const auto search = [this](const std::string& title) {
        return xdotool("search --all --onlyvisible --pid " + std::to_string(pid) + " --name '^" + title + "$'");
    };
    const std::string title = "Raddrizzatore a singola semionda",
                      graphTitle = "Corrente nel diodo e tensione sul carico";
    ASSERT_TRUE(waitUntil([&] { return !search(title).empty(); }));
    const std::string main = search(title);
    EXPECT_EQ(iconSides(display, std::stoul(main)), std::vector<long>{48}) << "the icon theme's";
    // A box of the same title warns of the time constant; once it has the keyboard, Return closes it.
    const auto dismissWarning = [&] {
        ASSERT_TRUE(waitUntil([&] { return search(title).size() > main.size() && xdotool("getwindowfocus") != main; }));
        xdotool("key Return");
        ASSERT_TRUE(waitUntil([&] { return search(title) == main; }));
    };
    // Without a window manager a click gives the keyboard, in Text1; five Tabs lead to Command1.
    xdotool("mousemove 200 470 click 1");
    ASSERT_TRUE(waitUntil([&] { return xdotool("getwindowfocus") == main; }));
    xdotool("key Tab Tab Tab Tab Tab space");
    dismissWarning();
    xdotool("mousemove 744 380 click 1");
    dismissWarning();
    const std::string graph = search(graphTitle);
    ASSERT_FALSE(graph.empty());
    for (const std::string& id : {main, graph}) {
        closeAsTheWindowManager(display, std::stoul(id));
        EXPECT_TRUE(
            waitUntil([&] { return search(title).empty() && search(graphTitle) == (id == main ? graph : ""); }));
    }
    int status = -1;
    EXPECT_TRUE(waitUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; })) << "still running with no window";
    EXPECT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    kill(pid, SIGKILL);
}

} // namespace
