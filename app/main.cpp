// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/commandline.h"
#include "calc/module1.h"
#include "ui/appicon.h"
#include "ui/form1.h"
#include "ui/messages.h"
#include "ui/translations.h"

#include <QApplication>
#include <QIcon>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// Qt's lines while the application connects to the display: given on once it
// has. Where Qt would end the process with abort() as if it had crashed, it
// ends with status 1: for want of a display with one Italian line, for a
// platform plugin that would not load with Qt's own lines, which name it.
QtMessageHandler qtHandler = nullptr;
std::vector<std::pair<QtMsgType, QString>> heldLines;

void giveHeldLines()
{
    qInstallMessageHandler(qtHandler);
    for (const auto& [type, text] : std::exchange(heldLines, {})) {
        qtHandler(type, QMessageLogContext(), text);
    }
}

// Qt 6.4's xcb plugin says "could not connect to display" before its fatal
// line; without DISPLAY and WAYLAND_DISPLAY there is nothing to connect to.
bool displayMissing()
{
    const auto refused = [](const auto& line) { return line.second.contains(QLatin1String("connect to display")); };
    return (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) ||
           std::any_of(heldLines.begin(), heldLines.end(), refused);
}

void holdUntilConnected(QtMsgType type, const QMessageLogContext& /*context*/, const QString& text)
{
    if (type != QtFatalMsg) {
        heldLines.emplace_back(type, text);
        return;
    }
    if (displayMissing()) {
        std::fprintf(stderr, "%s\n", ui::messages::NoDisplay);
    } else {
        giveHeldLines();
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    std::_Exit(EXIT_FAILURE);
}

// What the desktop knows the program by: its menu entry and its installed
// icons carry the id, so a panel puts the windows under the entry and takes
// the icon at the size it needs; without them, the built-in drawing.
void setIdentity()
{
    QApplication::setApplicationName(QStringLiteral("raddrizzatore"));
    QApplication::setApplicationVersion(QStringLiteral(RADDRIZZATORE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(RADDRIZZATORE_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(RADDRIZZATORE_ID), ui::appIcon()));
}

} // namespace

int main(int argc, char* argv[])
{
    // Any other argument asks for the command line: no window, and no display.
    if (!batch::asksForTheWindow({argv, argv + argc})) {
        return batch::runCommandLine(argc, argv);
    }
    qtHandler = qInstallMessageHandler(holdUntilConnected);
    QApplication app(argc, argv);
    giveHeldLines();
    setIdentity();
    ui::installQtTranslations(app);
    calc::Module1 module;
    ui::Form1 form1(module);
    form1.show();
    return QApplication::exec();
}
