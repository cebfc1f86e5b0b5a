#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

// Fails the test, instead of hanging it, when a modal window that did not go
// through the captured message callback opens.
class ModalGuard {
public:
    ModalGuard()
    {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "unexpected modal window: " << modal->windowTitle().toStdString();
                modal->close();
            }
        });
        timer_.start();
    }

private:
    QTimer timer_;
};
