// The real program on a real X display, driven through xdotool and seen through ImageMagick's screenshots: the
// keyboard, the message box, the painted text and the end of the process, which no offscreen test shows.
#include <gtest/gtest.h>

#include <QImage>

// After the headers above, whose names Xlib's macros (Bool, Status) would hit.
#include <X11/Xlib.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string xdotool(const std::string& arguments)
{
    std::string out(1 << 16, '\0');
    FILE* pipe = popen(("xdotool " + arguments + " 2>/dev/null").c_str(), "r");
    out.resize(std::fread(out.data(), 1, out.size(), pipe));
    pclose(pipe);
    return out;
}

// Polls every 50 ms, for ten seconds at most.
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

// The pixels of `area` that differ from the field colour, cropped to their bounding box.
QImage ink(const QImage& image, QRect area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            box |= image.pixel(x, y) != qRgb(192, 192, 255) ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return image.copy(box);
}

// What a window manager's close button sends; no command-line tool sends it.
void closeWindow(Display* display, const std::string& id)
{
    XEvent event{
        .xclient = {
            ClientMessage, 0, False, display, std::stoul(id), XInternAtom(display, "WM_PROTOCOLS", False), 32, {}}};
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, std::stoul(id), False, NoEventMask, &event);
    XFlush(display);
}

TEST(RealWindow, KeyboardWarningResultGraphAndExit)
{
    // With no client left the X server resets and for a moment refuses new ones: the test holds a connection.
    Display* display = nullptr;
    if (std::getenv("DISPLAY") == nullptr || !waitUntil([&] { return (display = XOpenDisplay(nullptr)) != nullptr; })) {
        GTEST_SKIP() << "no X display to open windows on";
    }
    unsetenv("QT_QPA_PLATFORM"); // on xcb as from a desktop, with the point as decimal separator
    setenv("LC_ALL", "C.UTF-8", 1);
    char* argv[] = {const_cast<char*>(RADDRIZZATORE_PROGRAM), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ), 0);
    const auto search = [pid](const std::string& title) {
        return xdotool("search --all --onlyvisible --pid " + std::to_string(pid) + " --name '^" + title + "$'");
    };
    const std::string title = "Raddrizzatore a singola semionda";
    ASSERT_TRUE(waitUntil([&] { return !search(title).empty(); }));
    const std::string main = search(title);
    // A box of the same title warns of the short time constant; once it has the keyboard, Return closes it.
    const auto dismissWarning = [&] {
        ASSERT_TRUE(waitUntil([&] { return search(title).size() > main.size() && xdotool("getwindowfocus") != main; }));
        xdotool("key Return");
        ASSERT_TRUE(waitUntil([&] { return search(title) == main; }));
    };
    // Without a window manager only a click gives the window the keyboard, in Text1 again. Ten times the default Vp
    // gives ten times the default ripple, drawn in its box as Text7 draws the same text.
    xdotool("mousemove 200 470 click 1");
    ASSERT_TRUE(waitUntil([&] { return xdotool("getwindowfocus") == main; }));
    xdotool("key ctrl+a type '100\t50\t10\t2000\t10000\t '");
    dismissWarning();
    xdotool("key Tab ctrl+a type 5.55E+04");
    const std::string shot = testing::TempDir() + "screen.png";
    EXPECT_TRUE(waitUntil([&] {
        std::system(("import -window root " + shot).c_str());
        const QImage image = QImage(QString::fromStdString(shot)).convertToFormat(QImage::Format_RGB32);
        const QImage ripple = ink(image, {474, 418, 125, 21});
        return !ripple.isNull() && ripple == ink(image, {682, 322, 125, 21});
    })) << "no ripple in its box";

    xdotool("key ctrl+a type 4");
    xdotool("mousemove 744 380 click 1");
    dismissWarning();
    const std::string graph = search("Corrente nel diodo e tensione sul carico");
    ASSERT_FALSE(graph.empty());
    closeWindow(display, main);
    ASSERT_TRUE(waitUntil([&] { return search(title).empty(); }));
    EXPECT_EQ(search("Corrente nel diodo e tensione sul carico"), graph) << "the graph outlives the main window";
    closeWindow(display, graph);
    int status = -1;
    EXPECT_TRUE(waitUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; })) << "still running with no window";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    kill(pid, SIGKILL);
}

} // namespace
