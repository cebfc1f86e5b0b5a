#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

// A user replacing a field's text at the keyboard.
inline void typeInto(QWidget& window, const char* field, const QString& text)
{
    auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(field));
    ASSERT_NE(edit, nullptr) << field;
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

inline void clickButton(QWidget& window, const char* button)
{
    auto* b = window.findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

// A right-click in the middle of the widget, after any menu still open has
// gone; the menu it opened, if any.
inline QMenu* openContextMenu(QWidget* widget)
{
    if (QWidget* open = QApplication::activePopupWidget())
        open->close();
    const QPoint at = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Each entry as the user reads it, its shortcut after a bar.
inline QStringList menuEntries(const QMenu* menu)
{
    QStringList entries;
    for (const QAction* a : menu != nullptr ? menu->actions() : QList<QAction*>())
        entries << a->text() + '|' + a->shortcut().toString();
    return entries;
}

inline void chooseEntry(QMenu* menu, int entry)
{
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().at(entry)).center());
}
