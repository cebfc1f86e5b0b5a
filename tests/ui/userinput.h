#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>

// What a user does in the windows and reads there.

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

// Answers every modal window nobody captured, so that a test fails instead of
// hanging: notes its title, whether OK is its only button, and its text.
struct ModalGuard {
    ModalGuard()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                const auto* box = qobject_cast<QMessageBox*>(modal);
                seen << modal->windowTitle() + (box && box->standardButtons() == QMessageBox::Ok ? "|OK|" : "|") +
                            (box ? box->text() : "");
                modal->close();
            }
        });
        timer.start(20);
    }
    QStringList seen;
    QTimer timer;
};

// The captions of labels and buttons and the texts of fields, separated by spaces.
inline QString texts(const QWidget& window, const QString& names)
{
    QStringList shown;
    for (const QString& name : names.split(' '))
        shown << window.findChild<QWidget*>(name)->property("text").toString();
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

// Steps in turn, separated by spaces: "Text3=1,5" types into a field, "Command1"
// clicks a button.
inline void act(QWidget& window, const QString& steps)
{
    for (const QString& step : steps.split(' ')) {
        if (step.contains('='))
            typeInto(window, step.section('=', 0, 0), step.section('=', 1));
        else
            QTest::mouseClick(window.findChild<QPushButton*>(step), Qt::LeftButton);
    }
}

// Right-clicks the middle of the widget and reads the menu that opens, each
// entry with its shortcut after a bar; then clicks the entry chosen, if any.
inline QStringList contextMenu(QWidget* widget, int choose = -1)
{
    const QPoint at = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QStringList entries;
    for (const QAction* a : menu != nullptr ? menu->actions() : QList<QAction*>())
        entries << a->text() + '|' + a->shortcut().toString();
    if (menu != nullptr && choose >= 0)
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().at(choose)).center());
    else if (menu != nullptr)
        menu->close();
    return entries;
}
