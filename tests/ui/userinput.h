#pragma once

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

constexpr QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0), red = qRgb(255, 0, 0), green = qRgb(0, 128, 0),
               lime = qRgb(0, 255, 0), blue = qRgb(0, 0, 255), navy = qRgb(0, 0, 128), grey = qRgb(128, 128, 128),
               peach = qRgb(255, 224, 192), lilac = qRgb(192, 192, 255), pink = qRgb(255, 192, 192);

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

// Closes every modal window, so a test fails instead of hanging; notes title, |OK| if OK is its one button, text.
struct ModalGuard : QTimer {
    ModalGuard()
    {
        callOnTimeout([this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                const auto* box = qobject_cast<QMessageBox*>(modal);
                seen << modal->windowTitle() + (box && box->standardButtons() == QMessageBox::Ok ? "|OK|" : "|") +
                            (box ? box->text() : "");
                modal->close();
            }
        });
        start(20);
    }
    QStringList seen;
};

// The captions and texts of the named controls, a star after blue text.
inline QString texts(const QWidget& window, const QString& names)
{
    QStringList shown;
    for (const QString& name : names.split(' '))
        if (const auto* w = window.findChild<QWidget*>(name))
            shown << w->property("text").toString() + (w->palette().color(QPalette::Text) == Qt::blue ? "*" : "");
    return shown.join(' ');
}

// Replacing a field's text at the keyboard.
inline void typeInto(QWidget& window, const QString& field, const QString& text)
{
    auto* edit = window.findChild<QLineEdit*>(field);
    ASSERT_NE(edit, nullptr) << field.toStdString();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Steps separated by spaces: "Text3=1,5" types into a field, "Command1" clicks a button.
inline void act(QWidget& window, const QString& steps)
{
    for (const QString& step : steps.split(' '))
        if (step.contains('='))
            typeInto(window, step.section('=', 0, 0), step.section('=', 1));
        else
            QTest::mouseClick(window.findChild<QPushButton*>(step), Qt::LeftButton);
}

// Right-clicks the widget and reads the menu that opens, each entry with its
// shortcut after a bar, in brackets if disabled; then clicks the entry chosen.
inline QStringList contextMenu(QWidget* widget, int choose = -1)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, {}, widget->mapToGlobal(QPoint()));
    QApplication::sendEvent(widget, &event);
    QStringList entries;
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (const QAction* a : menu->actions())
            entries << QString(a->isEnabled() ? "%1|%2" : "(%1)|%2").arg(a->text(), a->shortcut().toString());
        if (choose >= 0)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().at(choose)).center());
        menu->close();
    }
    return entries;
}
