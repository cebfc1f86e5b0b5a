// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: writes the window icon at one size as a PNG, so the
// desktop's icons are the program's own drawing.
#include "ui/appicon.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    bool sizeOk = false;
    const int size = args.size() == 3 ? args[1].toInt(&sizeOk) : 0;
    if (!sizeOk || size < 1) {
        std::fputs("usage: rendericon SIZE FILE.png\n", stderr);
        return 2;
    }
    QImageWriter writer(args[2], "png");
    if (!writer.write(ui::appIconImage(size))) {
        std::fprintf(stderr, "rendericon: %s\n", qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
