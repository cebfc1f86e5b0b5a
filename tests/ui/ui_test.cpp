// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/messages.h"
#include "calc/module1.h"
#include "graphs/plotwaveforms.h"
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
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

void PrintTo(const QString& s, std::ostream* os)
{
    *os << s.toStdString();
}

namespace {

namespace msg = calc::messages;

constexpr QRgb white = qRgb(255, 255, 255), red = qRgb(255, 0, 0), green = qRgb(0, 128, 0), blue = qRgb(0, 0, 255),
               navy = qRgb(0, 0, 128), grey = qRgb(128, 128, 128);

// The named controls' texts, or all in creation order, space-separated; '*' after a text shown in blue.
QString texts(const QWidget& window, const QString& names = {})
{
    QList<QWidget*> controls = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (!names.isEmpty()) {
        controls.clear();
        for (const QString& name : names.split(' ')) {
            controls << window.findChild<QWidget*>(name);
        }
    }
    QStringList shown;
    for (const QWidget* w : controls) {
        if (w->property("text").isValid()) {
            shown << w->property("text").toString() + (w->palette().color(QPalette::Text) == Qt::blue ? "*" : "");
        }
    }
    return shown.join(' ');
}

// Steps: "Text3=1,5" types into a field, "Command1" clicks a button.
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

// The context menu's entries as "text|shortcut", "(text)|shortcut" if disabled; clicks entry `choose`.
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

// Where a wrong colour or a shift by one pixel shows: wires, leads, a plate, the arrow, labels, at 1 and on the
// two-by-two device pixels of a ratio of 2; the icon's frame, hump, axis and sag at 32 and 16 pixels.
TEST(Pictures, CircuitDrawingAndBothIconSizes)
{
    const QImage image = ui::circuitDrawing(), sharp = ui::circuitDrawing(2), big = ui::appIcon().pixmap(32).toImage(),
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
        EXPECT_EQ(std::tuple(image.pixel(x, y), sharp.pixel(2 * x, 2 * y), sharp.pixel(2 * x + 1, 2 * y + 1)),
                  std::tuple(colour, colour, colour))
            << x << ", " << y;
    }
    for (const auto& [x32, y32, x16, y16, colour] : {std::tuple{31, 20, 15, 8, navy},
                                                     {10, 28, 5, 13, red},
                                                     {7, 4, 3, 4, red},
                                                     {11, 28, 6, 13, grey},
                                                     {12, 7, 6, 5, navy}}) {
        EXPECT_EQ(std::pair(big.pixel(x32, y32), small.pixel(x16, y16)), std::pair(colour, colour)) << x32 << y32;
    }
}

// The main window, in the C locale (a decimal point). A modal window is closed and noted in `seen` as
// "caption|text", after a '*' unless a plain box: application-modal, no icon, OK alone.
class Windows : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        form1->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
        QObject::connect(&guard, &QTimer::timeout, &guard, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                const auto* box = qobject_cast<QMessageBox*>(modal);
                if (auto* print = qobject_cast<QPrintDialog*>(modal)) { // orientation, top margin in mm; then upright
                    const QPageLayout page = print->printer()->pageLayout();
                    seen << QString("Stampa %1 %2")
                                .arg(page.orientation())
                                .arg(page.margins(QPageLayout::Millimeter).top());
                    print->printer()->setPageOrientation(QPageLayout::Portrait);
                    print->reject();
                    return;
                }
                const bool plain = box && box->windowModality() == Qt::ApplicationModal &&
                                   box->icon() == QMessageBox::NoIcon && box->buttons().size() == 1 &&
                                   box->standardButtons() == QMessageBox::Ok;
                seen << (plain ? "" : "*") + modal->windowTitle() + '|' + modal->property("text").toString();
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
    QImage drawing() const
    {
        QImage image = graphs::blankPlot({989, 581});
        graphs::PlotWaveforms(module, image);
        return image;
    }
    // The graph window among the top-level ones: never two.
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

    const QString box = "Raddrizzatore a singola semionda|", warning = box + msg::TimeConstant;
    QTimer guard;
    QStringList seen;
    calc::Module1 module;
    std::unique_ptr<ui::Form1> form1 = std::make_unique<ui::Form1>(module);
};

// Twips / 15 for the controls out of line with their neighbours; each one's background fills most of it. The notes
// are 9.75-point.
TEST_F(Windows, CaptionsAndPlaces)
{
    ui::Form2 form2(module);
    EXPECT_EQ(form1->size() + form2.size(), QSize(1086 + 1172, 506 + 628));
    const QRgb orange = qRgb(255, 224, 192), lightBlue = qRgb(192, 192, 255);
    for (const auto& [form, name, r, colour] :
         {std::tuple<QWidget*, const char*, QRect, QRgb>{form1.get(), "Text1", {472, 240, 127, 25}, lightBlue},
          {form1.get(), "Label13", {688, 416, 129, 25}, lightBlue},
          {form1.get(), "Command2", {680, 360, 129, 41}, qRgb(255, 192, 192)},
          {form1.get(), "Command3", {672, 88, 145, 41}, orange},
          {form1.get(), "Text10", {472, 96, 129, 25}, orange},
          {form1.get(), "Picture1", {32, 16, 369, 281}, white},
          {&form2, "Picture1", {24, 16, 993, 585}, orange},
          {&form2, "Line1", {1016, 158, 24, 4}, red},
          {&form2, "Line2", {1024, 414, 16, 4}, blue}}) {
        EXPECT_EQ(form->findChild<QWidget*>(name)->geometry(), r) << name;
        EXPECT_GT(countPixels(form->grab().toImage(), colour, r) * 2, r.width() * r.height()) << name;
    }
    EXPECT_EQ(form1->findChild<QWidget*>("Label42")->font().pointSizeF(), 9.75);
    EXPECT_EQ(texts(*form1) + '|' + texts(form2),
              "Progetto VoDC [V] f [Hz] IoDC [mA] Ripple [mV] R [ohm] Vp [V] C [uF] Verifica Vp [V] f [Hz] C [uF] R "
              "[ohm] N Np Ripple [mV] VoDC [V] Id picco [mA] Ripple = Vomax - Vomin  Id picco = corrente di picco nel "
              "diodo Vp = tensione di picco del generatore sinusoidale Diodo ideale: tensione nulla ai suoi capi "
              "quando è ON  12 50 500 3600 Calcola    10 50 10 2000 10000 4 Calcola Grafico   |Spostando il mouse "
              "sulle forme d'onda si leggono i valori corrente nel diodo tensione sul carico");
}

// With a decimal comma (Italian), by the continuous circuit: at C = 1000 uF, R = 100, N = 1000 Vc falls from 9.995
// to 8.345 V; the sample at 18.16 ms takes 1.8003 A; VoDC 9.177 V. The design: Vp = 10 V + 2 V / 2, R = 10 V / 1 A,
// C = Vp / (2 V * f * R); its boxes stay blue when typed into.
TEST_F(Windows, PressesWriteTheResultsAndRefusalsKeepThem)
{
    QLocale::setDefault(QLocale(QLocale::Italian));
    EXPECT_EQ(contextMenu(form1->findChild<QWidget*>("Label10")), QStringList{"(Copia)|"}) << "nothing to copy";
    act(*form1, "Text3=1000 Text4=100 Text5=1000 Command1 Text6=10 Text9=1000 Text10=2000 Command3");
    EXPECT_EQ(texts(*form1, "Label10 Label22 Label13 Label29 Label35 Label31 Text1 Text2 Text3 Text4 Text5"),
              "1,65E+03 1,80E+03 9,18E+00 1,00E+01 1,10E+01 1,10E+04 1.10E+01* 5.00E+01* 1.10E+04* 1.00E+01* 1000");
    act(*form1, "Text1=10 Text3=1,5 Command1 Text8= Command3");
    EXPECT_EQ(std::exchange(seen, {}).join(' '), box + msg::InvalidC + ' ' + box + msg::MissingDesignF);
    EXPECT_EQ(texts(*form1, "Label10 Label31 Text1 Text3"), "1,65E+03 1,10E+04 10* 1,5*");
    EXPECT_EQ(contextMenu(form1->findChild<QWidget*>("Label22"), 0), QStringList{"Copia|"});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1,80E+03");
}

// From Text1 every control once and back; Return, Enter and Space held press once; F1 explains.
TEST_F(Windows, KeyboardWalksEveryControlPressesAndExplains)
{
    QStringList walked;
    for (int i = 0; i < 15; ++i) {
        walked << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(walked.join(' '), "Text1 Text2 Text3 Text4 Text5 Command1 Text7 Command2 Picture1 Text6 Text8 Text9 "
                                "Command3 Text10 Text1");
    auto* button = form1->findChild<QPushButton*>("Command3");
    const QSignalSpy presses(button, &QPushButton::clicked);
    button->setFocus();
    int pressed = 0;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        for (const bool repeat : {false, true, true, true}) {
            QTest::simulateEvent(button, true, key, {}, {}, repeat);
        }
        QTest::simulateEvent(button, false, key, {}, {}, false);
        EXPECT_EQ(presses.count(), ++pressed) << key;
    }
    QTest::keyClick(form1.get(), Qt::Key_F1);
    ASSERT_EQ(seen.size(), 1);
    EXPECT_TRUE(seen.takeFirst().startsWith(box + "Informazioni\n\nIl diodo è"));
}

// A refused first press opens nothing, an accepted one the drawing inside a border; a second press reuses the window,
// restored, with no curve left at Np 0. Esc closes and destroys it, and so does the main window's end.
TEST_F(Windows, GraphWindowOpensComesBackAndClosesOnEsc)
{
    act(*form1, "Text7= Command2");
    EXPECT_EQ(graph(), nullptr);
    act(*form1, "Text7=4 Command2");
    QPointer<ui::Form2> window = graph();
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    const QImage drawn = drawing();
    auto* plot = window->findChild<ui::PlotArea*>("Picture1");
    EXPECT_EQ(plot->grab().toImage().copy(2, 2, 989, 581).convertToFormat(QImage::Format_RGB32), drawn);
    window->showMinimized();
    act(*form1, "Text7=0 Command2");
    EXPECT_EQ(graph(), window);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_EQ(plot->image(), drawing());
    EXPECT_NE(drawing(), drawn) << "no curve at Np 0";
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    act(*form1, "Command2");
    window = graph();
    form1.reset();
    EXPECT_TRUE(window.isNull()) << "the main window's end takes the graph window, which reads its module";
    EXPECT_EQ(std::exchange(seen, {}), QStringList({box + msg::MissingNp, warning, warning, warning}));
}

// Ctrl+S saves and Ctrl+C copies the drawing; the menu saves by the extension in any case, refuses another and says
// why a save failed. A second print starts as the user left the first. A later "Calcola" replaces the arrays: the page
// can no longer be printed or saved.
TEST_F(Windows, GraphWindowCopiesSavesAndPrintsWhileItsDrawingLasts)
{
    act(*form1, "Command2");
    ui::Form2* window = graph();
    auto* plot = window->findChild<ui::PlotArea*>("Picture1");
    const QTemporaryDir dir;
    QString path = dir.filePath("g€.Png"); // not Latin-1
    window->setAskSavePath([&](QWidget*) { return path; });
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const QStringList entries{"Copia immagine|Ctrl+C", "Salva immagine…|Ctrl+S", "Stampa…|Ctrl+P"};
    EXPECT_EQ(contextMenu(plot), entries);
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QImage(path, "png").convertToFormat(QImage::Format_RGB32), drawing());
    EXPECT_EQ(QImage(path), QGuiApplication::clipboard()->image());
    const auto saveAndPrint = [&](std::initializer_list<const char*> names) {
        for (const char* name : names) {
            path = dir.filePath(name);
            contextMenu(plot, 1);
        }
        contextMenu(plot, 2);
    };
    saveAndPrint({"g.PDF", "g.jpg", "no/g.png"});
    contextMenu(plot, 2);
    QFile pdf(dir.filePath("g.PDF"));
    EXPECT_EQ(pdf.open(QIODevice::ReadOnly) ? pdf.read(5).toStdString() : "not opened", "%PDF-");
    act(*form1, "Command1");
    saveAndPrint({"h.pdf", "h.png"});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({"g.PDF", "g€.Png", "h.png"}));
    const QString replaced = box + ui::messages::DrawingReplaced;
    EXPECT_EQ(std::exchange(seen, {}),
              QStringList({warning,
                           box + "Formato non previsto per il file " + dir.filePath("g.jpg") +
                               ": \"Salva immagine…\" scrive file .png e .pdf.",
                           box + "Impossibile salvare l'immagine in\n" + dir.filePath("no/g.png") + "\n" +
                               strerror(ENOENT) + ". Nessun file è stato creato o modificato.",
                           "Stampa 1 10", "Stampa 0 10", warning, replaced, replaced}));
}

// x 0 to 100 over 988 pixels, y 100 to 0 over 580, from (2, 2), at any scale. Below y = 0.1 the readout keeps its last
// text.
TEST_F(Windows, ReadoutUnderThePointerAtAnyScale)
{
    act(*form1, "Command2");
    EXPECT_EQ(seen.takeFirst(), warning);
    auto* plot = graph()->findChild<QWidget*>("Picture1");
    EXPECT_EQ(plot->devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    for (const auto& [at, expected] : {std::pair{QPoint(249, 292), "t= 20000.00usec ; id(t) = 0.00mA"},
                                       {QPoint(249, 293), "t= 20000.00usec ; Vc(t) = 10.36V"},
                                       {QPoint(496, 582), "t= 20000.00usec ; Vc(t) = 10.36V"}}) {
        QMouseEvent move(QEvent::MouseMove, at, plot->mapToGlobal(at), Qt::NoButton, {}, {});
        QApplication::sendEvent(plot, &move);
        EXPECT_EQ(QStringList({QToolTip::text(), plot->toolTip()}), QStringList(2, expected)) << at.x();
    }
}

} // namespace
