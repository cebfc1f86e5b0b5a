// The real program on a real X display, driven through xdotool and seen through ImageMagick's screenshots.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

// After the headers above, whose names Xlib's macros (Bool, Status) would hit.
#include <X11/Xlib.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <numbers>

namespace {

using std::numbers::pi;

const std::string mainTitle = "Raddrizzatore a singola semionda";
// Client-area rectangles; with no window manager they stand there on screen.
const QRect text1(472, 240, 127, 25), text2(680, 240, 129, 25), text3(472, 280, 129, 25), text4(680, 280, 129, 25),
    text5(472, 320, 129, 25), text7(680, 320, 129, 25), label10(472, 416, 129, 25), label13(688, 416, 129, 25),
    label22(472, 456, 129, 25);
const QRgb verifyColour = qRgb(192, 192, 255), black = qRgb(0, 0, 0), red = qRgb(255, 0, 0), green = qRgb(0, 255, 0),
           blue = qRgb(0, 0, 255);
// With no client left the X server resets and for a moment refuses new ones,
// the program among them: the tests hold a connection for their whole run.
Display* display = nullptr;

std::string xdotool(const std::string& arguments)
{
    std::string out(1 << 16, '\0');
    FILE* pipe = popen(("xdotool " + arguments).c_str(), "r");
    out.resize(std::fread(out.data(), 1, out.size(), pipe));
    pclose(pipe);
    return out;
}
bool waitUntil(const auto& condition, int tries = 200)
{
    return condition() || (tries > 0 && usleep(50000) == 0 && waitUntil(condition, tries - 1));
}
QImage shot()
{
    std::system(("import -window root " + testing::TempDir() + "screen.png").c_str());
    return QImage(QString::fromStdString(testing::TempDir() + "screen.png")).convertToFormat(QImage::Format_RGB32);
}
// Bounding box of the pixels in `area` that are (or, with `except`, are not) `colour`.
QRect span(const QImage& image, QRect area, QRgb colour, bool except = false)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            box |= (image.pixel(x, y) == colour) != except ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return box;
}
// What a window manager's close button sends; no command-line tool sends it.
void closeWindow(unsigned long id)
{
    XEvent event{
        .xclient = {ClientMessage, 0, False, display, id, XInternAtom(display, "WM_PROTOCOLS", False), 32, {}}};
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, id, False, NoEventMask, &event);
    XFlush(display);
}

class RealWindow : public testing::Test {
protected:
    void SetUp() override
    {
        if (std::getenv("DISPLAY") == nullptr) {
            GTEST_SKIP() << "no X display to open windows on";
        }
        ASSERT_TRUE(waitUntil([] { return display != nullptr || (display = XOpenDisplay(nullptr)) != nullptr; }));
        // On xcb as from a desktop, and with the point as decimal separator.
        unsetenv("QT_QPA_PLATFORM");
        setenv("LC_ALL", "C.UTF-8", 1);
        char* argv[] = {const_cast<char*>(RADDRIZZATORE_PROGRAM), nullptr};
        ASSERT_EQ(posix_spawn(&pid_, argv[0], nullptr, nullptr, argv, environ), 0);
        ASSERT_TRUE(waitUntil([&] { return shot().pixel(label10.center()) == verifyColour; })) << "no main window";
    }
    void TearDown() override
    {
        if (running()) {
            kill(pid_, SIGKILL);
        }
    }
    bool running() { return pid_ > 0 && !exited_ && !(exited_ = waitpid(pid_, &status_, WNOHANG) == pid_); }
    // The program's mapped windows of exactly this name, one line each, and what `then` prints for them.
    std::string search(const std::string& name, const std::string& then = "")
    {
        return xdotool("search --all --onlyvisible --pid " + std::to_string(pid_) + " --name '^" + name + "$'" + then);
    }
    // The default fields give too short a time constant: the warning comes first.
    void pressAndDismissWarning(const std::string& press)
    {
        const std::string main = search(mainTitle);
        xdotool(press);
        ASSERT_TRUE(waitUntil([&] { return search(mainTitle) != main; })) << "no warning";
        xdotool("sleep 0.5 key Return");
        ASSERT_TRUE(waitUntil([&] { return search(mainTitle) == main; })) << "warning still open";
    }

    pid_t pid_ = -1;
    int status_ = 0;
    bool exited_ = false;
};

TEST_F(RealWindow, KeyboardOnlyVerificationShowsTheResults)
{
    // Without a window manager only a click gives the window the keyboard, in
    // Text1 again. Ten times the default Vp gives ten times the default results.
    xdotool("mousemove 200 470 click 1 sleep 0.5 key ctrl+a type '100\t50\t10\t2000\t10000\t'");
    pressAndDismissWarning("key space");
    xdotool("key Tab Tab"); // past Text7, which only the graph reads
    const std::pair<QRect, std::string> results[] = {
        {label10, "5.55E+04"}, {label13, "7.11E+01"}, {label22, "3.04E+02"}};
    for (const auto& [box, shows] : results) {
        // The same text pixels as Text7 holding that text: all that differs from the colour inside the frame.
        xdotool("key shift+Tab ctrl+a type '" + shows + "\t'");
        const QImage image = shot();
        const auto text = [&](QRect r) {
            return image.copy(span(image, r.adjusted(2, 2, -2, -2), verifyColour, true));
        };
        EXPECT_EQ(span(image, box.adjusted(-4, -4, 4, 4), verifyColour), box.adjusted(1, 1, -1, -1)) << shows;
        EXPECT_EQ(text(box), text(text7)) << "not " << shows;
    }
}

TEST_F(RealWindow, DesignPressWritesTheVerificationFieldsInBlue)
{
    xdotool("mousemove 744 108 click 1");
    ASSERT_TRUE(waitUntil([&] { return span(shot(), text1, blue).isValid(); })) << "no designed values";
    const QImage image = shot();
    const std::pair<QRect, bool> fields[] = {{text1, true}, {text2, true},  {text3, true},
                                             {text4, true}, {text5, false}, {text7, false}};
    for (const auto& [field, designed] : fields) {
        // The field's colour fills it up to its frame; blue text stands inside that and none past it.
        SCOPED_TRACE(testing::Message() << "field at " << field.x() << "," << field.y());
        const QRect fill = span(image, field.adjusted(-4, -4, 4, 4), verifyColour);
        EXPECT_TRUE(field.contains(fill) && fill.contains(field.adjusted(1, 2, -1, -1)));
        EXPECT_EQ(field.adjusted(2, 2, -2, -2).contains(span(image, field.adjusted(-6, -6, 6, 6), blue)), designed);
    }
}

TEST_F(RealWindow, GraphIsDrawnReadUnderThePointerAndOutlivesTheMainWindow)
{
    const unsigned long main = std::stoul(search(mainTitle));
    pressAndDismissWarning("mousemove 744 380 click 1");
    // A slow build maps the window before it has painted all of it.
    QImage image;
    const QRect plot(26, 18, 989, 581);
    ASSERT_TRUE(waitUntil([&] {
        image = shot();
        return image.pixel(500, 308) == red && span(image, {0, 0, 1172, 628}, qRgb(255, 224, 192)) == plot;
    })) << "graph never drawn in the plot area";
    const std::string graph = search("Corrente nel diodo e tensione sul carico");
    EXPECT_EQ(span(image, {26, 308, 989, 1}, red, true), QRect()) << "current baseline";
    EXPECT_EQ(span(image, {26, 597, 989, 1}, blue, true), QRect()) << "voltage baseline";

    // Default circuit, generator Vp cos(wt): the diode stops where its current would turn negative and conducts
    // again where the decaying load voltage meets the cosine. Angles wt, voltages in Vp, currents in Vp/R, heights
    // in the plot's scale (0 at the bottom, 100 at the top).
    const double wRC = 2 * pi * 50 * 2000 * 10e-6, off = std::atan(1 / wRC);
    const auto decay = [&](double angle) { return std::cos(off) * std::exp(-(angle - off) / wRC); };
    double on = 3 * pi / 2;
    for (double step = pi / 4; step > 1e-9; step /= 2) {
        on += std::cos(on + step) < decay(on + step) ? step : 0;
    }
    const std::tuple<QRgb, double, double> points[] = {
        {red, on, 98}, // the current's peak, at switch-on
        {red, 11 * pi / 6, 50 + 48 * (wRC / 2 + std::cos(pi / 6)) / (std::cos(on) - wRC * std::sin(on))},
        {blue, 0, 48.1}, // the load voltage's peak, at the generator's
        {blue, pi, 0.1 + 48 * decay(pi)},
        {green, pi / 3, 24.1}}; // the half-wave falling through Vp/2
    for (const auto& [colour, angle, y] : points) {
        for (int p = 0; p < 4; ++p) {
            const QPoint at(26 + std::lround(988 * (p + angle / (2 * pi)) / 4), 18 + std::lround((100 - y) * 5.8));
            EXPECT_TRUE(span(image, {at - QPoint(1, 1), QSize(3, 3)}, colour).isValid()) << at.x() << "," << at.y();
        }
    }

    closeWindow(main);
    ASSERT_TRUE(waitUntil([&] { return search(mainTitle).empty(); })) << "main window still open";
    // The readout is an untitled tooltip just below the pointer, holding text.
    xdotool("mousemove 299 200 sleep 0.1 mousemove 300 200");
    EXPECT_TRUE(waitUntil([&] {
        int x = 0, y = 0, w = 0, h = 0;
        std::sscanf(search("", " getwindowgeometry --shell").c_str(), "WINDOW=%*u X=%d Y=%d WIDTH=%d HEIGHT=%d", &x, &y,
                    &w, &h);
        return QRect(300, 200, 4, 32).contains(x, y) && span(shot(), {x + 2, y + 2, w - 4, h - 4}, black).isValid();
    })) << "no readout under the pointer";
    closeWindow(std::stoul(graph));
    ASSERT_TRUE(waitUntil([&] { return !running(); })) << "still running with no window";
    EXPECT_TRUE(WIFEXITED(status_) && WEXITSTATUS(status_) == 0) << "status " << status_;
}

} // namespace
