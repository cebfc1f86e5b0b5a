// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/commandline.h"
#include "calc/module1.h"
#include "ui/form1.h"
#include "ui/translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Any argument asks for the command line: no window, and no display.
    if (argc > 1) {
        return batch::runCommandLine(argc, argv);
    }
    QApplication app(argc, argv);
    ui::installQtTranslations(app);
    calc::Module1 module;
    ui::Form1 form1(module);
    form1.show();
    return QApplication::exec();
}
