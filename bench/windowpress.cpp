// SPDX-License-Identifier: GPL-3.0-or-later
// "Verifica" pressed in the real main window (offscreen) at the largest N,
// a few times in one process, with the wall time of each press: the first
// pays for fresh memory, the third and later are what a user sees afterwards.

#include "calc/module1.h"
#include "ui/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <chrono>
#include <cstdio>
#include <string>

int main(int argc, char* argv[])
{
    const int presses = argc > 1 ? std::stoi(argv[1]) : 5;
    QApplication app(argc, argv);
    calc::Module1 module;
    ui::Form1 form1(module);
    form1.setShowMessage([](calc::Severity, const std::string&) {});
    form1.show();
    QApplication::processEvents();
    form1.findChild<QLineEdit*>(QStringLiteral("Text5"))->setText(QString::number(calc::Module1::MaxN));
    auto* const verifica = form1.findChild<QPushButton*>(QStringLiteral("Command1"));
    for (int press = 1; press <= presses; ++press) {
        const auto start = std::chrono::steady_clock::now();
        verifica->click();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::printf("press %d: %.3f s\n", press, took.count());
        QApplication::processEvents();
    }
    return 0;
}
