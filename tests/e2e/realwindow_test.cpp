#include "tests/e2e/desktop.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <csignal>
#include <cstdlib>
#include <thread>

using namespace e2e;

namespace {

const std::string mainTitle = "Raddrizzatore a singola semionda";
const std::string graphTitle = "Corrente nel diodo e tensione sul carico";

// Client-area rectangles; with no window manager they are screen rectangles.
const QRect text1(472, 240, 127, 25), text2(680, 240, 129, 25), text3(472, 280, 129, 25), text4(680, 280, 129, 25),
    text6(472, 48, 129, 25), text8(680, 48, 129, 25), text9(904, 48, 129, 25), text10(472, 96, 129, 25);
const QRect command1(472, 360, 121, 41), command2(680, 360, 129, 41), command3(672, 88, 145, 41);
const QRect label10(472, 416, 129, 25), label13(688, 416, 129, 25), label22(472, 456, 129, 25);
const QRect label29(472, 152, 129, 25), label35(680, 152, 129, 25), label31(904, 152, 129, 25);

const QRgb designColour = qRgb(255, 224, 192);
const QRgb checkColour = qRgb(192, 192, 255);

// Inside the frame, where only the text can be.
QRect inside(QRect r)
{
    return r.adjusted(3, 3, -3, -3);
}
// Right of any left-aligned value and clear of a centred caption.
QRgb background(const QImage& image, QRect r)
{
    return image.pixel(r.right() - 6, r.center().y()) | 0xff000000u;
}
bool hasText(const QImage& image, QRect r)
{
    return countPixels(image, inside(r), isDark) > 0;
}
std::string click(QRect r)
{
    return "mousemove " + std::to_string(r.center().x()) + " " + std::to_string(r.center().y()) + " click 1";
}

class RealWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (std::getenv("DISPLAY") == nullptr) {
            GTEST_SKIP() << "no X display to open windows on";
        }
        ASSERT_TRUE(desktop_.connected());
        pid_ = startProgram(RADDRIZZATORE_PROGRAM);
        ASSERT_GT(pid_, 0);
        ASSERT_TRUE(waitUntil([&] { return titled(mainTitle).size() == 1; })) << "main window never mapped";
        mainWindow_ = titled(mainTitle).front();
        // Mapped is not painted yet.
        ASSERT_TRUE(waitUntil([&] { return countPixels(shot(), {478, 56, 1, 1}, is(255, 224, 192)) == 1; }));
    }

    void TearDown() override
    {
        if (pid_ > 0 && running()) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status_, 0);
        }
    }

    bool running()
    {
        if (!exited_ && waitpid(pid_, &status_, WNOHANG) == pid_) {
            exited_ = true;
        }
        return !exited_;
    }

    std::vector<TopLevel> titled(const std::string& title)
    {
        std::vector<TopLevel> windows;
        for (const auto& w : desktop_.windowsOf(pid_)) {
            if (w.title == title) {
                windows.push_back(w);
            }
        }
        return windows;
    }

    bool tooltipShown(std::chrono::milliseconds timeout)
    {
        return waitUntil(
            [&] {
                for (const auto& w : desktop_.windowsOf(pid_)) {
                    if (w.overrideRedirect) {
                        return true;
                    }
                }
                return false;
            },
            timeout);
    }

    QImage shot()
    {
        return screenshot(std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + ".png");
    }

    // Defaults give too small a time constant, so the warning comes first.
    TopLevel openGraph()
    {
        EXPECT_TRUE(xdotool(click(command2)));
        EXPECT_TRUE(waitUntil([&] { return titled(mainTitle).size() == 2; })) << "no warning before the graph";
        EXPECT_TRUE(xdotool("key Return"));
        EXPECT_TRUE(waitUntil([&] { return titled(mainTitle).size() == 1 && titled(graphTitle).size() == 1; }));
        EXPECT_TRUE(waitUntil([&] { return countPixels(shot(), {500, 308, 1, 1}, is(255, 0, 0)) == 1; }));
        const auto graph = titled(graphTitle);
        return graph.empty() ? TopLevel{} : graph.front();
    }

    // Motion events reach the plot only once the pointer is already over it.
    bool hoverShowsTooltip(int x, int y, std::chrono::milliseconds timeout = 3s)
    {
        xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y));
        std::this_thread::sleep_for(100ms);
        xdotool("mousemove " + std::to_string(x + 1) + " " + std::to_string(y + 1));
        return tooltipShown(timeout);
    }

    Desktop desktop_;
    pid_t pid_ = -1;
    int status_ = 0;
    bool exited_ = false;
    TopLevel mainWindow_;
};

TEST_F(RealWindowTest, MainWindowOpensWithSectionsAndCircuit)
{
    EXPECT_EQ(mainWindow_.geometry, QRect(0, 0, 1086, 506));
    const QImage image = shot();
    for (QRect r : {text6, text8, text9, text10, command3, label29, label35, label31}) {
        EXPECT_EQ(background(image, r), designColour) << "design control at " << r.x() << "," << r.y();
    }
    for (QRect r : {text1, text2, text3, text4, command1, label10, label13, label22}) {
        EXPECT_EQ(background(image, r), checkColour) << "verification control at " << r.x() << "," << r.y();
    }
    EXPECT_EQ(background(image, command2), qRgb(255, 192, 192));
    for (QRect r : {label29, label35, label31, label10, label13, label22}) {
        EXPECT_FALSE(hasText(image, r)) << "result box at " << r.x() << "," << r.y() << " not empty";
    }

    EXPECT_EQ(countPixels(image, {32, 16, 1, 1}, is(0, 0, 0)), 1);
    EXPECT_EQ(countPixels(image, {395, 289, 1, 1}, is(0, 0, 0)), 1);
    EXPECT_EQ(countPixels(image, {52, 266, 1, 1}, is(255, 255, 255)), 1);
    EXPECT_EQ(countPixels(image, {96, 116, 1, 1}, is(0, 128, 0)), 1);
    EXPECT_EQ(countPixels(image, {262, 74, 1, 1}, is(0, 128, 0)), 1);
    EXPECT_EQ(countPixels(image, {228, 74, 1, 1}, is(0, 0, 255)), 1);
    EXPECT_EQ(countPixels(image, {344, 166, 1, 1}, is(0, 0, 255)), 1);
}

TEST_F(RealWindowTest, KeyboardOnlyVerificationWithLargerCapacitor)
{
    // Without a window manager only a click gives the window the keyboard.
    ASSERT_TRUE(xdotool("mousemove 200 470 click 1"));
    ASSERT_TRUE(xdotool("key Tab Tab ctrl+a"));
    ASSERT_TRUE(xdotool("type 11"));
    ASSERT_TRUE(xdotool("key Tab Tab Tab space"));

    // A warning would hold the results back until it is dismissed.
    EXPECT_TRUE(waitUntil([&] {
        const QImage image = shot();
        return hasText(image, label10) && hasText(image, label13) && hasText(image, label22);
    })) << "no verification results";
    EXPECT_EQ(titled(mainTitle).size(), 1u) << "a message box is open";
}

TEST_F(RealWindowTest, DesignPressFillsVerificationInBlue)
{
    const auto blue = is(0, 0, 255);
    EXPECT_EQ(countPixels(shot(), inside(text1), blue), 0);

    ASSERT_TRUE(xdotool(click(command3)));
    EXPECT_TRUE(waitUntil([&] {
        const QImage image = shot();
        for (QRect r : {text1, text2, text3, text4}) {
            if (countPixels(image, inside(r), blue) == 0) {
                return false;
            }
        }
        return hasText(image, label29) && hasText(image, label35) && hasText(image, label31);
    })) << "design results missing";
    EXPECT_EQ(titled(mainTitle).size(), 1u) << "the design press should not warn";
}

TEST_F(RealWindowTest, GraphDrawsWaveformsAndReadsThemUnderThePointer)
{
    const TopLevel graph = openGraph();
    ASSERT_NE(graph.id, 0u);
    EXPECT_EQ(graph.geometry, QRect(0, 0, 1172, 628));

    const QImage image = shot();
    const auto red = is(255, 0, 0), green = is(0, 255, 0), blue = is(0, 0, 255);
    const QRect upper(26, 18, 989, 290), lower(26, 309, 989, 289);
    // Curves may cover a few baseline pixels, never most of them.
    EXPECT_GT(countPixels(image, {26, 308, 989, 1}, red), 950);
    EXPECT_GT(countPixels(image, {26, 597, 989, 1}, blue), 950);
    EXPECT_GT(countPixels(image, {26, 30, 989, 1}, red), 0) << "current peak not at its row";
    EXPECT_EQ(countPixels(image, {26, 18, 989, 12}, red), 0) << "current above its peak";
    EXPECT_GT(countPixels(image, {26, 320, 989, 277}, green), 0);
    EXPECT_GT(countPixels(image, {26, 320, 989, 277}, blue), 0);
    EXPECT_EQ(countPixels(image, upper, green) + countPixels(image, upper, blue), 0) << "voltage in the current band";
    EXPECT_EQ(countPixels(image, lower, red), 0) << "current in the voltage band";
    EXPECT_EQ(image.pixel(100, 100) | 0xff000000u, designColour);
    // The red mark starts under the plot's right edge, which hides its first column.
    EXPECT_EQ(countPixels(image, {1017, 158, 23, 4}, red), 23 * 4);
    EXPECT_EQ(countPixels(image, {1024, 414, 16, 4}, blue), 16 * 4);

    EXPECT_FALSE(hoverShowsTooltip(1100, 550, 700ms)) << "tooltip outside the plot";
    EXPECT_TRUE(hoverShowsTooltip(300, 200)) << "no readout over the plot";
    for (const auto& w : desktop_.windowsOf(pid_)) {
        if (w.overrideRedirect) {
            EXPECT_LT((w.geometry.topLeft() - QPoint(301, 201)).manhattanLength(), 80) << "tooltip far from pointer";
        }
    }
}

TEST_F(RealWindowTest, GraphOutlivesMainWindowAndLastCloseEndsProgram)
{
    const TopLevel graph = openGraph();
    ASSERT_NE(graph.id, 0u);

    desktop_.requestClose(mainWindow_.id);
    ASSERT_TRUE(waitUntil([&] { return titled(mainTitle).empty(); })) << "main window ignored the close request";
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(running());
    EXPECT_EQ(titled(graphTitle).size(), 1u);
    EXPECT_TRUE(hoverShowsTooltip(300, 200)) << "graph stopped reading out after the main window closed";

    desktop_.requestClose(graph.id);
    ASSERT_TRUE(waitUntil([&] { return !running(); })) << "program still running with no window";
    EXPECT_TRUE(WIFEXITED(status_));
    EXPECT_EQ(WEXITSTATUS(status_), 0);
}

} // namespace
