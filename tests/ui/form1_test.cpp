#include "calc/messages.h"
#include "calc/module1.h"
#include "tests/calc/messagelog.h"
#include "tests/ui/modalguard.h"
#include "tests/ui/qstringprinter.h"
#include "tests/ui/userinput.h"
#include "ui/form1.h"
#include "ui/form2.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

namespace msg = calc::messages;

class Form1Test : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        form.setShowMessage(log.callback());
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    template <class W = QWidget>
    W* child(const char* name)
    {
        W* w = form.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* name)
    {
        if (auto* edit = form.findChild<QLineEdit*>(QString::fromLatin1(name))) {
            return edit->text();
        }
        return child<QLabel>(name)->text();
    }
    void type(const char* name, const QString& s) { typeInto(form, name, s); }
    void click(const char* name) { clickButton(form, name); }
    QColor textColour(const char* name) { return child<QLineEdit>(name)->palette().color(QPalette::Text); }

    ModalGuard guard;
    MessageLog log;
    calc::Module1 module;
    ui::Form1 form{module};
};

const char* const resultBoxes[] = {"Label10", "Label13", "Label22", "Label29", "Label35", "Label31"};

TEST_F(Form1Test, OpensWithDefaultsEmptyResultsAndLayout)
{
    EXPECT_EQ(form.size(), QSize(1086, 506));
    for (const char* box : resultBoxes) {
        EXPECT_TRUE(text(box).isEmpty()) << box;
    }
    QStringList shown;
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10",
                             "Label42", "Label11"})
        shown << text(name);
    EXPECT_EQ(shown.join('|'), QString::fromUtf8("10|50|10|2000|10000|12|4|50|500|3600|"
                                                 "Diodo ideale: tensione nulla ai suoi capi quando è ON|"
                                                 "Ripple = Vomax - Vomin "));
    EXPECT_EQ(child("Text1")->geometry(), QRect(472, 240, 127, 25));
    EXPECT_EQ(child("Command3")->geometry(), QRect(672, 88, 145, 41));
    EXPECT_EQ(child("Label10")->palette().color(QPalette::Window), QColor(192, 192, 255));
    EXPECT_EQ(child("Label29")->palette().color(QPalette::Window), QColor(255, 224, 192));
    EXPECT_EQ(child("Text6")->palette().color(QPalette::Base), QColor(255, 224, 192));
    EXPECT_EQ(child("Text1")->accessibleName(), "Vp [V]");
    EXPECT_EQ(child("Label22")->accessibleDescription(), "Id picco [mA]");
    EXPECT_EQ(child<QPushButton>("Command2")->text(), "Grafico");
}

TEST_F(Form1Test, FocusStartsInText1AndFollowsTheOrder)
{
    EXPECT_EQ(QApplication::focusWidget(), child("Text1"));
    const QString expected = "Text2 Text3 Text4 Text5 Command1 Text7 Command2 Picture1 "
                             "Text6 Text8 Text9 Command3 Text10 Text1";
    QStringList walked;
    for (qsizetype i = 0; i < expected.count(' ') + 1; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walked.join(' '), expected);
}

TEST_F(Form1Test, VerificationThroughTheWidgets)
{
    click("Command1");
    ASSERT_EQ(log.shown.size(), 1u);
    EXPECT_EQ(log.shown[0], msg::TimeConstant);
    EXPECT_EQ(text("Label10"), "5.55E+03");
    EXPECT_EQ(text("Label22"), "3.04E+01");
    EXPECT_EQ(text("Label13"), "7.11E+00");
    EXPECT_TRUE(text("Label29").isEmpty());

    // A refused field leaves every result as it was.
    type("Text3", "1,5");
    click("Command1");
    ASSERT_EQ(log.shown.size(), 2u);
    EXPECT_EQ(log.shown[1], msg::InvalidC);
    EXPECT_EQ(text("Label10"), "5.55E+03");

    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    type("Text3", "11");
    click("Command1");
    EXPECT_EQ(log.shown.size(), 2u) << "R*C longer than the period: no warning";
    EXPECT_EQ(text("Label10"), "5,24E+03");
}

TEST_F(Form1Test, DesignFillsBoxesAndTurnsFieldsBlueForGood)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    click("Command3");
    EXPECT_TRUE(log.shown.empty());
    EXPECT_EQ(text("Label29"), "2,40E+01");
    EXPECT_EQ(text("Label35"), "1,38E+01");
    EXPECT_EQ(text("Label31"), "3,19E+03");
    const std::pair<const char*, const char*> fields[] = {
        {"Text1", "1.38E+01"}, {"Text2", "5.00E+01"}, {"Text3", "3.19E+03"}, {"Text4", "2.40E+01"}};
    for (const auto& [name, value] : fields) {
        EXPECT_EQ(text(name), value);
        EXPECT_EQ(textColour(name), QColor(0, 0, 255)) << name;
    }
    EXPECT_EQ(textColour("Text5"), QColor(Qt::black));

    type("Text1", "12");
    EXPECT_EQ(textColour("Text1"), QColor(0, 0, 255));
    click("Command1");
    EXPECT_FALSE(text("Label10").isEmpty());

    // A refused design changes neither boxes nor fields.
    type("Text8", "");
    click("Command3");
    ASSERT_EQ(log.shown.back(), msg::MissingDesignF);
    EXPECT_EQ(text("Label31"), "3,19E+03");
    EXPECT_EQ(text("Text1"), "12");
}

TEST_F(Form1Test, ReturnAndEnterPressTheFocusedButton)
{
    for (const char* name : {"Command1", "Command3", "Command2"}) {
        auto* button = child<QPushButton>(name);
        const QSignalSpy presses(button, &QPushButton::clicked);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            form.activateWindow(); // "Grafico" brought the graph window to the front
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
            button->setFocus();
            QTest::keyClick(button, key);
        }
        EXPECT_EQ(presses.count(), 2) << name;
    }
    EXPECT_FALSE(text("Label10").isEmpty() || text("Label29").isEmpty());
    delete form.existingGraphWindow();
}

TEST_F(Form1Test, ResultBoxMenuCopiesTheBoxText)
{
    click("Command1");
    click("Command3");
    for (const char* box : resultBoxes) {
        QMenu* menu = openContextMenu(child(box));
        EXPECT_EQ(menuEntries(menu), QStringList{"Copia|"}) << box;
        chooseEntry(menu, 0);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), text(box)) << box;
    }
}

TEST_F(Form1Test, F1ExplainsTheModelInABoxWithOK)
{
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        shown = box->windowTitle() + '|' + box->text();
        box->accept();
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_TRUE(shown.startsWith("Informazioni|")) << shown.toStdString();
    for (const char* says : {"diodo è considerato ideale", "N punti", "\"Verifica\""})
        EXPECT_TRUE(shown.contains(QString::fromUtf8(says))) << says;
}

} // namespace
