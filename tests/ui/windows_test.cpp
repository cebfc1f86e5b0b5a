#include "calc/messages.h"
#include "calc/module1.h"
#include "tests/calc/messagelog.h"
#include "tests/ui/userinput.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/plotarea.h"

namespace msg = calc::messages;

// The main window as it opens, with its message boxes captured.
class WindowsTest : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        form1->setShowMessage(log.callback());
        form1->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    }
    void TearDown() override
    {
        delete (form1 ? graph() : nullptr);
        EXPECT_EQ(guard.seen, QStringList());
    }
    ui::Form2* graph() { return form1->existingGraphWindow(); }
    QWidget* control(const char* name) { return form1->findChild<QWidget*>(name); }

    ModalGuard guard;
    MessageLog log;
    calc::Module1 module;
    std::unique_ptr<ui::Form1> form1 = std::make_unique<ui::Form1>(module);
};

// A star marks the blue of values the design wrote; typed over, they stay blue.
TEST_F(WindowsTest, PressesWriteTheResultsRefusalsKeepThemAndTheirMenuCopiesThem)
{
    act(*form1, "Command1 Text3=1,5 Command1");
    EXPECT_EQ(texts(*form1, "Label10 Label22 Label13 Label29"), "5.55E+03 3.04E+01 7.11E+00 ");
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    act(*form1, "Command3");
    EXPECT_EQ(texts(*form1, "Label29 Label35 Label31 Text1 Text2 Text3 Text4 Text5 Text6 Label10"),
              "2,40E+01 1,38E+01 3,19E+03 1.38E+01* 5.00E+01* 3.19E+03* 2.40E+01* 10000 12 5.55E+03");
    act(*form1, "Text1=10 Text3=11 Text4=2000 Command1 Text8= Command3");
    EXPECT_EQ(log.shown, (std::vector<std::string>{msg::TimeConstant, msg::InvalidC, msg::MissingDesignF}));
    EXPECT_EQ(texts(*form1, "Label10 Label13 Label29 Label31 Text1 Text2 Text3 Text4"),
              "5,24E+03 7,28E+00 2,40E+01 3,19E+03 10* 5.00E+01* 11* 2000*");
    for (const char* box : {"Label10", "Label13", "Label22", "Label29", "Label35", "Label31"}) {
        EXPECT_EQ(contextMenu(control(box), 0), QStringList{"Copia|"}) << box;
        EXPECT_EQ(QGuiApplication::clipboard()->text(), texts(*form1, box)) << box;
    }
}

TEST_F(WindowsTest, FocusStartsInText1TabFollowsTheOrderReturnEnterPressF1Explains)
{
    QString walked = QApplication::focusWidget()->objectName();
    for (int i = 0; i < 14; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked += ' ' + QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walked,
              "Text1 Text2 Text3 Text4 Text5 Command1 Text7 Command2 Picture1 Text6 Text8 Text9 Command3 Text10 Text1");
    for (const char* name : {"Command1", "Command3"}) {
        const QSignalSpy presses(control(name), SIGNAL(clicked()));
        control(name)->setFocus();
        QTest::keyClick(control(name), Qt::Key_Return);
        QTest::keyClick(control(name), Qt::Key_Enter);
        QTest::simulateEvent(control(name), true, Qt::Key_Return, {}, {}, true); // held down: no second press
        EXPECT_EQ(presses.count(), 2) << name;
    }
    QTest::keyClick(form1.get(), Qt::Key_F1);
    EXPECT_TRUE(guard.seen.size() == 1 &&
                guard.seen.takeFirst().startsWith("Raddrizzatore a singola semionda|OK|Informazioni"));
}

// Entry 0 of the plot's menu copies, entry 1 saves, each also by its key alone;
// a save that fails or is cancelled leaves the target as it was.
TEST_F(WindowsTest, GraphWindowOpensRedrawsCopiesSavesComesBackClosesAndOutlivesTheMainWindow)
{
    act(*form1, "Text7= Command2");
    EXPECT_EQ(graph(), nullptr) << "a refused first press opens nothing";
    act(*form1, "Text7=4 Command2");
    QPointer<ui::Form2> window = graph();
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(log.shown, (std::vector<std::string>{msg::MissingNp, msg::TimeConstant}));
    EXPECT_EQ(texts(*form1, "Label10 Label13 Label22"), "  ") << "Grafico fills no result box";
    EXPECT_EQ(contextMenu(control("Label10")), QStringList{"(Copia)|"}) << "nothing to copy";
    // From the inner corner (26, 18): ticks at y 100 and x 25, baselines, load peak after a period, half-wave under it.
    const std::tuple<int, int, QRgb> pins[] = {{26, 18, black},  {28, 18, black}, {29, 18, peach},  {273, 595, black},
                                               {273, 597, blue}, {626, 308, red}, {273, 319, blue}, {57, 349, blue},
                                               {57, 401, lime},  {57, 398, peach}};
    const QImage first = window->grab().toImage();
    for (const auto& [x, y, colour] : pins)
        EXPECT_EQ(QColor(first.pixel(x, y)).name(), QColor(colour).name()) << x << ", " << y;
    act(*form1, "Text1=0 Command2 Text1=10");
    EXPECT_EQ(log.shown.back(), msg::ZeroVp);
    EXPECT_TRUE(window->grab().toImage() == first) << "a refused press leaves the graph as it was";

    QString savePath;
    window->setShowMessage(log.callback());
    window->setAskSavePath([&](QWidget*) { return savePath; });
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto* plot = window->findChild<ui::PlotArea*>("Picture1");
    EXPECT_EQ(contextMenu(plot), QStringList({"Copia immagine|Ctrl+C", "Salva immagine…|Ctrl+S", "Stampa…|Ctrl+P"}));
    QTemporaryDir dir;
    const QString file = dir.filePath("grafico.png");
    const QString crowded = dir.filePath(QString(251, 'g') + ".png"); // no room for a temporary name beside it
    ASSERT_TRUE(QImage(1, 1, QImage::Format_RGB32).save(crowded));
    const std::tuple<const char*, int, Qt::Key, QString, bool, std::size_t> rows[] = {
        {"menu copy", 0, {}, "", true, 0},           {"Ctrl+C", 0, Qt::Key_C, "", true, 0},
        {"menu save", 1, {}, file, true, 0},         {"Ctrl+S", 1, Qt::Key_S, file, true, 0},
        {"cancelled", 1, Qt::Key_S, "", false, 0},   {"no folder", 1, Qt::Key_S, dir.filePath("no/g.png"), false, 1},
        {"no room", 1, Qt::Key_S, crowded, false, 1}};
    for (const auto& [how, entry, key, target, written, messages] : rows) {
        log.shown.clear();
        QGuiApplication::clipboard()->clear();
        QFile::remove(file);
        const qint64 before = QFileInfo(savePath = target).size();
        key != 0 ? QTest::keyClick(window, key, Qt::ControlModifier) : void(contextMenu(plot, entry));
        const QImage result = entry == 0 ? QGuiApplication::clipboard()->image() : QImage(target);
        EXPECT_EQ(result.convertToFormat(QImage::Format_RGB32) == plot->image(), written) << how;
        EXPECT_EQ(log.shown.size(), messages) << how;
        EXPECT_TRUE(written || QFileInfo(target).size() == before) << how;
    }

    window->showMinimized();
    form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    act(*form1, "Text7=0 Command2");
    EXPECT_EQ(graph(), window) << "a second press reuses the window";
    EXPECT_TRUE(!window->isMinimized() && QTest::qWaitForWindowActive(window)) << "restored, brought to the front";
    EXPECT_EQ(QColor(window->grab().toImage().pixel(57, 401)).name(), "#ffe0c0") << "no curve is left";

    QTest::keyClick(window, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull()) << "Esc closes and destroys the window";
    act(*form1, "Text7=4 Command2");
    window = graph();
    form1.reset();
    ASSERT_FALSE(window.isNull());
    // The inner area from (2, 2) spans x 0 to 100 over 988 pixels, y 100 to 0 over 580.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const std::tuple<const char*, QPoint, const char*> readouts[] = {
        {"the red baseline a quarter across", {249, 292}, "t= 20000,00usec ; id(t) = 0,00mA"},
        {"a pixel below, the load voltage", {249, 293}, "t= 20000,00usec ; Vc(t) = 10,36V"},
        {"below y 0.1 the last text stays", {496, 582}, "t= 20000,00usec ; Vc(t) = 10,36V"},
    };
    plot = window->findChild<ui::PlotArea*>("Picture1");
    for (const auto& [name, at, expected] : readouts) {
        QTest::mouseMove(plot, at);
        EXPECT_EQ(QStringList({QToolTip::text(), plot->toolTip()}), QStringList(2, expected)) << name;
    }
    delete window;
}
