#include "tests/e2e/desktop.h"

#include <QString>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <spawn.h>

#include <cstdlib>
#include <cstring>
#include <thread>

extern char** environ;

namespace e2e {

namespace {

// Windows come and go between XQueryTree and the next request; the default
// handler would end the test run on the first such race.
int ignoreXError(Display*, XErrorEvent*)
{
    return 0;
}

std::vector<unsigned char> property(Display* display, Window window, const char* name, long length = 4096)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned char> bytes;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, length, False, AnyPropertyType, &type,
                           &format, &count, &remaining, &data) == Success &&
        data != nullptr) {
        // Xlib hands 32-bit items back as longs.
        const std::size_t itemSize = format == 32 ? sizeof(long) : static_cast<std::size_t>(format / 8);
        bytes.assign(data, data + count * itemSize);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return bytes;
}

} // namespace

Desktop::Desktop() : display_(XOpenDisplay(nullptr))
{
    XSetErrorHandler(ignoreXError);
}

Desktop::~Desktop()
{
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

std::vector<TopLevel> Desktop::windowsOf(pid_t pid) const
{
    std::vector<TopLevel> found;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    XSync(display_, False);
    if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count) == 0) {
        return found;
    }
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes{};
        const auto pidBytes = property(display_, children[i], "_NET_WM_PID", 1);
        if (pidBytes.size() != sizeof(long) || XGetWindowAttributes(display_, children[i], &attributes) == 0 ||
            attributes.map_state != IsViewable) {
            continue;
        }
        long owner = 0;
        std::memcpy(&owner, pidBytes.data(), sizeof owner);
        if (owner != pid) {
            continue;
        }
        auto title = property(display_, children[i], "_NET_WM_NAME");
        if (title.empty()) {
            title = property(display_, children[i], "WM_NAME");
        }
        found.push_back({children[i], std::string(title.begin(), title.end()),
                         QRect(attributes.x, attributes.y, attributes.width, attributes.height),
                         attributes.override_redirect != 0});
    }
    XFree(children);
    return found;
}

void Desktop::requestClose(unsigned long window) const
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
}

pid_t startProgram(const char* path)
{
    std::vector<char*> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0) {
            environment.push_back(*entry);
        }
    }
    environment.push_back(nullptr);
    char* arguments[] = {const_cast<char*>(path), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, path, nullptr, nullptr, arguments, environment.data()) != 0) {
        return -1;
    }
    return pid;
}

bool xdotool(const std::string& arguments)
{
    return std::system(("xdotool " + arguments).c_str()) == 0;
}

QImage screenshot(const std::string& file)
{
    if (std::system(("import -window root '" + file + "'").c_str()) != 0) {
        return {};
    }
    return QImage(QString::fromStdString(file));
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

int countPixels(const QImage& image, QRect area, const std::function<bool(QRgb)>& match)
{
    int count = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += match(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

} // namespace e2e
