#include "calc/messages.h"
#include "calc/module1.h"
#include "graphs/plotscale.h"
#include "tests/calc/messagelog.h"
#include "tests/support/pixels.h"
#include "tests/ui/modalguard.h"
#include "tests/ui/qstringprinter.h"
#include "tests/ui/userinput.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/plotarea.h"

#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

namespace msg = calc::messages;

class Form2Test : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        form1->setShowMessage(log.callback());
        form1->show();
    }
    void TearDown() override
    {
        if (form1 && form1->existingGraphWindow() != nullptr) {
            form1->existingGraphWindow()->close();
        }
        QLocale::setDefault(QLocale::c());
    }
    void type(const char* name, const QString& s) { typeInto(*form1, name, s); }
    void press(const char* name) { clickButton(*form1, name); }
    ui::Form2* graph() { return form1->existingGraphWindow(); }
    ui::PlotArea* area() { return graph()->findChild<ui::PlotArea*>(QStringLiteral("Picture1")); }
    QImage plot() { return area()->image().copy(); }
    void openGraph()
    {
        press("Command2");
        graph()->setShowMessage(log.callback());
        graph()->setAskSavePath([this](QWidget*) { return savePath; });
        form1->hide(); // the offscreen screen stacks both windows at one place
        ASSERT_TRUE(QTest::qWaitForWindowActive(graph()));
    }

    ModalGuard guard;
    MessageLog log;
    calc::Module1 module;
    std::unique_ptr<ui::Form1> form1 = std::make_unique<ui::Form1>(module);
    QString savePath; // what the save dialog answers
};

TEST_F(Form2Test, GraficoOpensOneWindowWithTheLayoutAndADrawing)
{
    EXPECT_EQ(graph(), nullptr) << "no graph window before the first press";
    press("Command2");
    ASSERT_EQ(log.shown, std::vector<std::string>{msg::TimeConstant});
    ui::Form2* window = graph();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parent(), nullptr) << "no owner";
    EXPECT_EQ(window->windowTitle(), "Corrente nel diodo e tensione sul carico");
    EXPECT_EQ(window->size(), QSize(1172, 628));
    EXPECT_EQ(area()->geometry(), QRect(24, 16, 993, 585));
    EXPECT_FALSE(window->findChild<QWidget*>("Picture2")->isVisible());
    EXPECT_EQ(window->findChild<QLabel*>("Label3")->text(), "tensione sul carico");
    EXPECT_EQ(window->findChild<QWidget*>("Line1")->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_GT(countPixels(plot(), qRgb(0, 255, 0)), 500);
    for (const char* box : {"Label10", "Label13", "Label22"}) {
        EXPECT_TRUE(form1->findChild<QLabel*>(box)->text().isEmpty()) << "Grafico fills no result box";
    }

    type("Text7", "0");
    press("Command2");
    EXPECT_EQ(graph(), window) << "a second press reuses the window";
    EXPECT_EQ(countPixels(plot(), qRgb(0, 255, 0)), 0) << "only the second drawing is left";
}

TEST_F(Form2Test, RefusedPressLeavesTheGraphAsItWas)
{
    press("Command2");
    const QImage before = plot();
    for (const auto& [field, text] : {std::pair{"Text7", ""}, std::pair{"Text7", "99999"}, std::pair{"Text1", "0"}}) {
        type(field, text);
        press("Command2");
        EXPECT_TRUE(plot() == before) << field << "=" << text;
        type(field, field == std::string("Text7") ? "4" : "10");
    }
    EXPECT_EQ(log.shown, (std::vector<std::string>{msg::TimeConstant, msg::MissingNp, msg::BadNp, msg::ZeroVp}));
}

TEST_F(Form2Test, ClosedWindowIsRebuiltAndOutlivesTheMainWindow)
{
    press("Command2");
    QPointer<ui::Form2> first = graph();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull()) << "closing destroys the window";
    type("Text3", "11");
    press("Command2");
    ASSERT_NE(graph(), nullptr);
    EXPECT_TRUE(graph()->isVisible());

    QPointer<ui::Form2> second = graph();
    form1->close();
    form1.reset();
    ASSERT_FALSE(second.isNull());
    ui::PlotArea* secondArea = second->findChild<ui::PlotArea*>(QStringLiteral("Picture1"));
    emit secondArea->mouseMoved(25, 98, {});
    EXPECT_EQ(secondArea->toolTip(), "t= 20000.00usec ; id(t) = 32.78mA");
    second->close();
}

TEST_F(Form2Test, MouseMotionOverThePlotSetsTheReadout)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    openGraph();
    ui::PlotArea* plotArea = area();
    EXPECT_TRUE(plotArea->toolTip().isEmpty());
    QTest::mouseMove(plotArea, plotArea->widgetPosition(0, 0.05F).toPoint());
    EXPECT_TRUE(plotArea->toolTip().isEmpty()) << "the strip below 0.1 gives no text";
    QTest::mouseMove(plotArea, plotArea->widgetPosition(25, 50).toPoint());
    EXPECT_EQ(plotArea->toolTip(), "t= 20000,00usec ; id(t) = 0,00mA");
    QTest::mouseMove(plotArea, plotArea->widgetPosition(50, 48.1F).toPoint());
    EXPECT_TRUE(plotArea->toolTip().startsWith("t= 40000,00usec ; Vc(t) = 10,0")) << plotArea->toolTip().toStdString();
    QTest::mouseMove(plotArea, plotArea->widgetPosition(50, 0.05F).toPoint());
    EXPECT_TRUE(plotArea->toolTip().startsWith("t= 40000,00usec ; Vc(t)")) << "kept below the strip";
}

TEST_F(Form2Test, MenuAndShortcutsCopyAndSaveThePlot)
{
    openGraph();
    EXPECT_EQ(menuEntries(openContextMenu(area())), QStringList({"Copia immagine|Ctrl+C", "Salva immagine…|Ctrl+S"}));
    QTemporaryDir dir;
    savePath = dir.filePath("grafico.png");
    // Entry 0 copies, entry 1 saves; chosen in the menu or by its key alone.
    const std::tuple<const char*, int, Qt::Key> rows[] = {
        {"menu copy", 0, {}}, {"menu save", 1, {}}, {"Ctrl+C", 0, Qt::Key_C}, {"Ctrl+S", 1, Qt::Key_S}};
    for (const auto& [how, entry, key] : rows) {
        QGuiApplication::clipboard()->clear();
        QFile::remove(savePath);
        if (key != 0)
            QTest::keyClick(graph(), key, Qt::ControlModifier);
        else
            chooseEntry(openContextMenu(area()), entry);
        const QImage result = entry == 0 ? QGuiApplication::clipboard()->image() : QImage(savePath);
        EXPECT_TRUE(result.convertToFormat(QImage::Format_RGB32) == plot()) << how;
    }
    EXPECT_EQ(log.shown.size(), 1u) << "nothing beside the time-constant warning";
}

TEST_F(Form2Test, FailedOrCancelledSaveLeavesTheTargetAsItWas)
{
    openGraph();
    QTemporaryDir dir;
    // So long a name that no temporary file fits beside it.
    const QString crowded = dir.filePath(QString(251, 'g') + ".png");
    ASSERT_TRUE(QImage(1, 1, QImage::Format_RGB32).save(crowded));
    const std::pair<QString, std::size_t> rows[] = {{"", 0}, {dir.filePath("mancante/grafico.png"), 1}, {crowded, 1}};
    for (const auto& [target, messages] : rows) {
        log.shown.clear();
        const qint64 before = QFileInfo(savePath = target).size();
        QTest::keyClick(graph(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(log.shown.size(), messages) << target.toStdString();
        EXPECT_EQ(QFileInfo(target).size(), before) << target.toStdString();
    }
}

TEST_F(Form2Test, GraficoBringsBackAMinimisedWindowAndEscClosesIt)
{
    press("Command2");
    QPointer<ui::Form2> window = graph();
    window->showMinimized();
    form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    press("Command2");
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << "brought to the front";
    QTest::keyClick(window, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

} // namespace
