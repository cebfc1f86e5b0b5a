#pragma once

#include <QImage>
#include <QRect>

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// Xlib stays inside desktop.cpp: its macros (None, Bool, Status...) collide
// with Qt and GoogleTest names.
struct _XDisplay;

namespace e2e {

using namespace std::chrono_literals;

struct TopLevel {
    unsigned long id = 0;
    std::string title;
    QRect geometry;
    bool overrideRedirect = false;
};

class Desktop {
public:
    Desktop();
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    bool connected() const { return display_ != nullptr; }
    // Mapped top-level windows of one process, whatever they are called.
    std::vector<TopLevel> windowsOf(pid_t pid) const;
    // What a window manager's close button sends.
    void requestClose(unsigned long window) const;

private:
    ::_XDisplay* display_ = nullptr;
};

// The child sees the caller's environment, less any platform override, so
// it comes up on xcb like any program started from a desktop.
pid_t startProgram(const char* path);

bool xdotool(const std::string& arguments);
QImage screenshot(const std::string& file);

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 10s);

int countPixels(const QImage& image, QRect area, const std::function<bool(QRgb)>& match);
inline auto is(int r, int g, int b)
{
    return [want = qRgb(r, g, b)](QRgb p) { return (p | 0xff000000u) == want; };
}
inline bool isDark(QRgb p)
{
    return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100;
}

} // namespace e2e
