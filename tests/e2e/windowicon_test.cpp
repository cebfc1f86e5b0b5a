// SPDX-License-Identifier: GPL-3.0-or-later
// The real program's window icon on an X display: the one an icon theme holds under the program's id, else the
// built-in drawing.
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

// The sides of the icons on the program's main window, with only the given folder's icon themes.
std::vector<long> iconSides(Display* display, const fs::path& data)
{
    setenv("XDG_DATA_DIRS", data.c_str(), 1);
    unsetenv("QT_QPA_PLATFORM");
    char emulator[] = RADDRIZZATORE_EMULATOR;
    char* argv[] = {emulator, const_cast<char*>(RADDRIZZATORE_PROGRAM), nullptr};
    char** command = emulator[0] == '\0' ? argv + 1 : argv;
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, command[0], nullptr, nullptr, command, environ), 0);
    const std::string search = "xdotool search --sync --onlyvisible --pid " + std::to_string(pid) + " --name .";
    FILE* pipe = popen(("timeout 10 " + search).c_str(), "r");
    unsigned long window = 0;
    EXPECT_EQ(std::fscanf(pipe, "%lu", &window), 1);
    pclose(pipe);
    std::vector<long> sides;
    Atom type = None;
    int format = 0;
    unsigned long items = 0, left = 0;
    unsigned char* data = nullptr;
    if (window != 0 &&
        XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), 0, 1 << 20, False, XA_CARDINAL,
                           &type, &format, &items, &left, &data) == Success &&
        data != nullptr) {
        const auto* icons = reinterpret_cast<const long*>(data); // each: width, height, then its pixels
        for (unsigned long i = 0; i + 1 < items; i += 2 + icons[i] * icons[i + 1]) {
            sides.push_back(icons[i] == icons[i + 1] ? icons[i] : -1);
        }
        XFree(data);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return sides;
}

TEST(RealWindow, IconFromTheInstalledThemeOrBuiltIn)
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        GTEST_SKIP() << "no X display to open windows on";
    }
    const fs::path data = fs::temp_directory_path() / ("icons-" + std::to_string(getpid()));
    const fs::path theme = data / "icons/hicolor";
    fs::create_directories(theme / "48x48/apps");
    std::ofstream(theme / "index.theme") << "[Icon Theme]\nName=Hicolor\nDirectories=48x48/apps\n"
                                            "[48x48/apps]\nSize=48\nType=Fixed\n";
    EXPECT_EQ(iconSides(display, data), std::vector<long>({32, 16})) << "no icon installed";
    fs::copy_file(RADDRIZZATORE_ICON48, theme / "48x48/apps" / (RADDRIZZATORE_ID ".png"));
    EXPECT_EQ(iconSides(display, data), std::vector<long>({48})) << "the installed icon";
    fs::remove_all(data);
    XCloseDisplay(display);
}

} // namespace
