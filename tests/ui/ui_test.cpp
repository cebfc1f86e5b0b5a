// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/messages.h"
#include "calc/module1.h"
#include "graphs/plotwaveforms.h"
#include "tests/calc/messagelog.h"
#include "tests/support/pixels.h"
#include "ui/appicon.h"
#include "ui/circuitdrawing.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/messages.h"
#include "ui/plotarea.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

#include <clocale>

namespace {

namespace msg = calc::messages;

constexpr QRgb white = qRgb(255, 255, 255), red = qRgb(255, 0, 0), green = qRgb(0, 128, 0), blue = qRgb(0, 0, 255),
               navy = qRgb(0, 0, 128), grey = qRgb(128, 128, 128);

// The texts of the named controls, a star after blue text.
QString texts(const QWidget& window, const QString& names)
{
    QStringList shown;
    for (const QString& name : names.split(' ')) {
        const auto* w = window.findChild<QWidget*>(name);
        shown << w->property("text").toString() + (w->palette().color(QPalette::Text) == Qt::blue ? "*" : "");
    }
    return shown.join(' ');
}

// Steps separated by spaces: "Text3=1,5" types into a field, "Command1" clicks a button.
void act(QWidget& window, const QString& steps)
{
    for (const QString& step : steps.split(' ')) {
        if (auto* edit = window.findChild<QLineEdit*>(step.section('=', 0, 0)); edit && step.contains('=')) {
            edit->clear();
            QTest::keyClicks(edit, step.section('=', 1));
        } else {
            QTest::mouseClick(window.findChild<QPushButton*>(step), Qt::LeftButton);
        }
    }
}

// Right-clicks the widget and reads its menu, a shortcut after a bar, brackets if disabled; clicks the entry chosen.
QStringList contextMenu(QWidget* widget, int choose = -1)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, {}, widget->mapToGlobal(QPoint()));
    QApplication::sendEvent(widget, &event);
    QStringList entries;
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    for (const QAction* a : menu->actions()) {
        entries << QString(a->isEnabled() ? "%1|%2" : "(%1)|%2").arg(a->text(), a->shortcut().toString());
    }
    if (choose >= 0) {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().at(choose)).center());
    }
    menu->close();
    return entries;
}

// Pixels where a wrong colour or an element moved by one pixel shows: a wire, a lead, a plate, the arrow, labels;
// then the icon's frame, a red hump's foot and top, its axis and the navy sag after it, at 32 and 16 pixels.
TEST(Pictures, CircuitDrawingAndBothIconSizes)
{
    const QImage image = ui::circuitDrawing(), big = ui::appIcon().pixmap(32).toImage(),
                 small = ui::appIcon().pixmap(16).toImage();
    ASSERT_EQ(image.size(), QSize(367, 277));
    for (const auto& [x, y, colour] : {std::tuple{64, 107, green},
                                       {64, 108, blue},
                                       {203, 135, green},
                                       {270, 112, white},
                                       {196, 209, blue},
                                       {312, 73, white},
                                       {312, 190, blue},
                                       {24, 133, blue},
                                       {169, 120, blue}}) {
        EXPECT_EQ(image.pixel(x, y), colour) << x << ", " << y;
    }
    for (const auto& [x32, y32, x16, y16, colour] : {std::tuple{31, 20, 15, 8, navy},
                                                     {10, 28, 5, 13, red},
                                                     {7, 4, 3, 4, red},
                                                     {11, 28, 6, 13, grey},
                                                     {12, 7, 6, 5, navy}}) {
        EXPECT_EQ(std::pair(big.pixel(x32, y32), small.pixel(x16, y16)), std::pair(colour, colour)) << x32 << y32;
    }
}

// The main window as it opens, under a point; message boxes are captured, any other modal window is closed and noted.
class Windows : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        form1->setShowMessage(log.callback());
        form1->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
        QObject::connect(&guard, &QTimer::timeout, &guard, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                seen << modal->windowTitle() + '|' + modal->property("text").toString();
                modal->close();
            }
        });
        guard.start(20);
    }
    void TearDown() override
    {
        delete graph();
        EXPECT_EQ(seen, QStringList());
    }
    // The graph window, found among the top-level windows as a user finds it: never two.
    static ui::Form2* graph()
    {
        QList<ui::Form2*> open;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* form2 = qobject_cast<ui::Form2*>(w)) {
                open << form2;
            }
        }
        EXPECT_LE(open.size(), 1);
        return open.value(0);
    }

    QTimer guard;
    QStringList seen;
    MessageLog log;
    calc::Module1 module;
    std::unique_ptr<ui::Form1> form1 = std::make_unique<ui::Form1>(module);
};

// Twips / 15, where a control stands out of line with its neighbours; its background fills most of it. The notes
// take 9.75 points.
TEST_F(Windows, ControlsInPlace)
{
    ui::Form2 form2(module);
    EXPECT_EQ(form1->size() + form2.size(), QSize(1086 + 1172, 506 + 628));
    EXPECT_EQ(form1->windowTitle() + '|' + form2.windowTitle(),
              "Raddrizzatore a singola semionda|Corrente nel diodo e tensione sul carico");
    for (const auto& [form, name, r, colour] : {std::tuple<QWidget*, const char*, QRect, QRgb>{
                                                    form1.get(), "Text1", {472, 240, 127, 25}, qRgb(192, 192, 255)},
                                                {form1.get(), "Label13", {688, 416, 129, 25}, qRgb(192, 192, 255)},
                                                {&form2, "Picture1", {24, 16, 993, 585}, qRgb(255, 224, 192)},
                                                {&form2, "Line1", {1016, 158, 24, 4}, red}}) {
        EXPECT_EQ(form->findChild<QWidget*>(name)->geometry(), r) << name;
        EXPECT_GT(countPixels(form->grab().toImage(), colour, r) * 2, r.width() * r.height()) << name;
    }
    EXPECT_EQ(form1->findChild<QWidget*>("Label42")->font().pointSizeF(), 9.75);
}

// A star marks the blue of values the design wrote; typed over, they stay blue. A result box's menu copies it.
TEST_F(Windows, PressesWriteTheResultsAndRefusalsKeepThem)
{
    EXPECT_EQ(contextMenu(form1->findChild<QWidget*>("Label10")), QStringList{"(Copia)|"}) << "nothing to copy";
    act(*form1, "Command1 Text3=1,5 Command1");
    EXPECT_EQ(texts(*form1, "Label10 Label22 Label13 Label29"), "5.55E+03 3.04E+01 7.11E+00 ");
    QLocale::setDefault(QLocale(QLocale::Italian));
    act(*form1, "Command3");
    EXPECT_EQ(texts(*form1, "Label29 Label35 Label31 Text1 Text2 Text3 Text4 Text5 Text6"),
              "2,40E+01 1,38E+01 3,19E+03 1.38E+01* 5.00E+01* 3.19E+03* 2.40E+01* 10000 12");
    act(*form1, "Text1=10 Text3=11 Text4=2000 Command1 Text8= Command3");
    EXPECT_EQ(log.shown, (std::vector<std::string>{msg::TimeConstant, msg::InvalidC, msg::MissingDesignF}));
    EXPECT_EQ(texts(*form1, "Label10 Label22 Label13 Label31 Text1 Text3"),
              "5,24E+03 3,28E+01 7,28E+00 3,19E+03 10* 11*");
    EXPECT_EQ(contextMenu(form1->findChild<QWidget*>("Label22"), 0), QStringList{"Copia|"});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "3,28E+01");
}

// The five circuit fields and their button first, then every control once; Return presses a button; F1 explains.
TEST_F(Windows, KeyboardWalksEveryControlPressesAndExplains)
{
    QStringList walked;
    for (int i = 0; i < 14; ++i) {
        walked << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(walked.mid(0, 6).join(' ') + QApplication::focusWidget()->objectName(),
              "Text1 Text2 Text3 Text4 Text5 Command1Text1");
    EXPECT_EQ(QSet(walked.begin(), walked.end()).size(), 14);
    for (const char* name : {"Command1", "Command3"}) {
        auto* button = form1->findChild<QPushButton*>(name);
        const QSignalSpy presses(button, &QPushButton::clicked);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_EQ(presses.count(), 1) << name;
    }
    QTest::keyClick(form1.get(), Qt::Key_F1);
    EXPECT_TRUE(seen.size() == 1 &&
                seen.takeFirst().startsWith("Raddrizzatore a singola semionda|Informazioni\n\nIl diodo è"));
}

// Ctrl+S saves and Ctrl+C copies what is drawn; the menu saves by the extension in any case, refuses another and
// gives the system's reason for a failed save in the user's language, writing nothing.
TEST_F(Windows, GraphWindowDrawsCopiesSavesComesBackClosesAndOutlivesTheMainWindow)
{
    act(*form1, "Text7= Command2");
    EXPECT_EQ(graph(), nullptr) << "a refused first press opens nothing";
    act(*form1, "Text7=4 Command2");
    QPointer<ui::Form2> window = graph();
    ASSERT_TRUE(window && window->isVisible());
    // The inner area from (26, 18) shows the drawing of the module.
    const auto drawing = [this] {
        QImage image = graphs::blankPlot({989, 581});
        graphs::PlotWaveforms(module, image);
        return image;
    };
    const QImage first = window->grab().toImage(), drawn = drawing();
    EXPECT_TRUE(first.copy(26, 18, 989, 581).convertToFormat(QImage::Format_RGB32) == drawn);
    act(*form1, "Text1=0 Command2 Text1=10");
    EXPECT_TRUE(window->grab().toImage() == first) << "a refused press leaves the graph as it was";

    QString path;
    window->setShowMessage(log.callback());
    window->setAskSavePath([&](QWidget*) { return path; });
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto* plot = window->findChild<ui::PlotArea*>("Picture1");
    const QStringList entries{"Copia immagine|Ctrl+C", "Salva immagine…|Ctrl+S", "Stampa…|Ctrl+P"};
    EXPECT_EQ(contextMenu(plot), entries);
    QTemporaryDir dir;
    path = dir.filePath("g€.Png"); // not Latin-1
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QImage(path, "png").convertToFormat(QImage::Format_RGB32) == drawn &&
                QImage(path) == QGuiApplication::clipboard()->image());
    QProcess pdfinfo;
    for (const char* name : {"g.PDF", "g.jpg", "no/g.png"}) {
        path = dir.filePath(name);
        const std::string before = setlocale(LC_MESSAGES, "it_IT.UTF-8");
        contextMenu(plot, 1);
        setlocale(LC_MESSAGES, before.c_str());
    }
    pdfinfo.start("pdfinfo", {dir.filePath("g.PDF")});
    EXPECT_TRUE(pdfinfo.waitForFinished() && QString(pdfinfo.readAll()).simplified().contains("Pages: 1 "));
    const std::string at = dir.path().toStdString() + "/g.jpg";
    EXPECT_EQ(
        std::vector(log.shown.end() - 2, log.shown.end()),
        (std::vector<std::string>{"Formato non previsto per il file " + at +
                                      ": \"Salva immagine…\" scrive file "
                                      ".png e .pdf.",
                                  "Impossibile salvare l'immagine in\n" + path.toStdString() +
                                      "\nFile o directory non esistente. Nessun file è stato creato o modificato."}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"g.PDF", "g€.Png"}));
    // A later "Calcola" replaces the arrays: the page can no longer be printed or saved, the pixels still can.
    act(*form1, "Command1");
    for (const char* name : {"h.pdf", "h.png"}) {
        path = dir.filePath(name);
        contextMenu(plot, 1);
    }
    contextMenu(plot, 2);
    EXPECT_EQ(std::vector(log.shown.end() - 2, log.shown.end()),
              std::vector<std::string>(2, ui::messages::DrawingReplaced));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"g.PDF", "g€.Png", "h.png"}));

    window->showMinimized();
    act(*form1, "Text7=0 Command2");
    EXPECT_EQ(graph(), window) << "a second press reuses the window";
    EXPECT_FALSE(window->isMinimized()) << "restored";
    EXPECT_TRUE(plot->image() == drawing() && drawing() != drawn) << "no curve is left";
    QTest::keyClick(window, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull()) << "Esc closes and destroys the window";

    // The inner area spans x 0 to 100 over 988 pixels, y 100 to 0 over 580, from (2, 2).
    act(*form1, "Text7=4 Command2");
    window = graph();
    form1.reset();
    plot = window->findChild<ui::PlotArea*>("Picture1");
    for (const auto& [at, expected] : {std::pair{QPoint(249, 292), "t= 20000.00usec ; id(t) = 0.00mA"},
                                       {QPoint(249, 293), "t= 20000.00usec ; Vc(t) = 10.36V"},
                                       {QPoint(496, 582), "t= 20000.00usec ; Vc(t) = 10.36V"}}) {
        QTest::mouseMove(plot, at);
        EXPECT_EQ(QStringList({QToolTip::text(), plot->toolTip()}), QStringList(2, expected)) << at.x();
    }
    delete window;
}

} // namespace
