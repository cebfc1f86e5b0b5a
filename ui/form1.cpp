// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form1.h"

#include "calc/design.h"
#include "calc/module1.h"
#include "calc/verification.h"
#include "graphs/graphpress.h"
#include "ui/circuitpicture.h"
#include "ui/contextmenu.h"
#include "ui/decimalseparator.h"
#include "ui/form2.h"
#include "ui/messagebox.h"
#include "ui/messages.h"
#include "ui/programfont.h"
#include "ui/twips.h"
#include "ui/waitcursor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <utility>

namespace ui {

namespace {

const QColor designColour(255, 224, 192);
const QColor verifyColour(192, 192, 255);
const QColor graphColour(255, 192, 192);
const QColor designedText(0, 0, 255);

void place(QWidget* w, const char* name, QRect r)
{
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(r);
}

void fill(QWidget* w, QColor colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Base, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// The notes under the circuit drawing stand out a little larger.
constexpr double NotePoints = 9.75;

struct Caption {
    const char* name;
    int left, top, width, height;
    const char* text;
    double points = ProgramPoints;
};

// Every label that keeps its caption for the life of the window.
constexpr Caption captions[] = {
    {"Label9", 7080, 360, 975, 255, "Progetto"},
    {"Label18", 6480, 840, 495, 255, "VoDC"},
    {"Label19", 9120, 720, 375, 255, "[V]"},
    {"Label40", 9960, 840, 135, 255, "f"},
    {"Label41", 12240, 840, 375, 255, "[Hz]"},
    {"Label21", 12960, 840, 495, 255, "IoDC"},
    {"Label23", 15600, 720, 495, 255, "[mA]"},
    {"Label26", 6360, 1560, 615, 255, "Ripple"},
    {"Label28", 9120, 1560, 495, 255, "[mV]"},
    {"Label30", 6720, 2400, 255, 255, "R"},
    {"Label34", 9120, 2400, 495, 255, "[ohm]"},
    {"Label36", 9840, 2400, 255, 255, "Vp"},
    {"Label37", 12240, 2400, 255, 255, "[V]"},
    {"Label32", 13200, 2400, 255, 255, "C"},
    {"Label33", 15600, 2400, 375, 255, "[uF]"},
    {"Label17", 7080, 3240, 1095, 255, "Verifica"},
    {"Label1", 6720, 3720, 255, 255, "Vp"},
    {"Label2", 9120, 3720, 255, 255, "[V]"},
    {"Label3", 9960, 3720, 135, 255, "f"},
    {"Label4", 12240, 3720, 375, 255, "[Hz]"},
    {"Label5", 6720, 4320, 255, 255, "C"},
    {"Label6", 9120, 4320, 375, 255, "[uF]"},
    {"Label7", 9960, 4320, 255, 255, "R"},
    {"Label8", 12240, 4320, 495, 255, "[ohm]"},
    {"Label20", 6600, 4800, 255, 255, "N"},
    {"Label25", 9840, 4920, 255, 255, "Np"},
    {"Label27", 6360, 6360, 615, 255, "Ripple"},
    {"Label12", 9120, 6360, 495, 255, "[mV]"},
    {"Label14", 9720, 6360, 495, 255, "VoDC"},
    {"Label15", 12360, 6360, 495, 255, "[V]"},
    {"Label24", 6240, 6960, 735, 255, "Id picco"},
    {"Label16", 9120, 6960, 495, 255, "[mA]"},
    {"Label11", 720, 4680, 3255, 255, "Ripple = Vomax - Vomin ", NotePoints},
    {"Label38", 720, 5040, 3855, 255, "Id picco = corrente di picco nel diodo", NotePoints},
    {"Label39", 720, 5400, 5295, 375, "Vp = tensione di picco del generatore sinusoidale", NotePoints},
    {"Label42", 720, 5880, 5775, 375, "Diodo ideale: tensione nulla ai suoi capi quando è ON", NotePoints},
};

QLineEdit* field(QWidget* form, const char* name, QRect r, const std::string& text, QColor colour, const char* unit)
{
    auto* edit = new QLineEdit(QString::fromStdString(text), form);
    place(edit, name, r);
    fill(edit, colour);
    edit->setAccessibleName(QString::fromLatin1(unit));
    return edit;
}

QLabel* result(QWidget* form, const char* name, QRect r, QColor colour, const char* description)
{
    auto* box = new QLabel(form);
    place(box, name, r);
    fill(box, colour);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->setIndent(3);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAccessibleDescription(QString::fromLatin1(description));
    addCopyMenu(box);
    return box;
}

QPushButton* button(QWidget* form, const char* name, QRect r, QColor colour, const char* caption)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), form);
    place(b, name, r);
    b->setAutoDefault(false);
    // The buttons keep their colours under every style: some styles paint a
    // button from the desktop's theme whatever its palette says. A style
    // sheet replaces the style's frame too, so it gives the raised, pressed
    // and focused borders.
    b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset %1; }"
                                    "QPushButton:pressed { border-style: inset; }"
                                    "QPushButton:focus { border-color: #404040; }")
                         .arg(colour.name()));
    // Return and Enter press the focused button as Space does; no repeats
    // while the key is held, as with Space.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* press = new QShortcut(key, b, b, &QPushButton::click, Qt::WidgetShortcut);
        press->setAutoRepeat(false);
    }
    return b;
}

void addCaptions(QWidget* form)
{
    for (const Caption& c : captions) {
        auto* label = new QLabel(QString::fromUtf8(c.text), form);
        place(label, c.name, twipRect(c.left, c.top, c.width, c.height));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        if (c.points != ProgramPoints) { // the others keep the window's font
            label->setFont(programFont(c.points));
        }
    }
}

} // namespace

Form1::Form1(calc::Module1& module, QWidget* parent) : QWidget(parent), module_(module), show_(messageBoxFor(this))
{
    build();
}

void Form1::build()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(programTitle());
    setFixedSize(px(16290), px(7590));
    setFont(programFont());
    addCaptions(this);

    Picture1 = new CircuitPicture(this);
    place(Picture1, "Picture1", twipRect(480, 240, 5535, 4215));
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setAccessibleName(QString::fromUtf8(messages::CircuitName));

    buildDesign();
    buildVerification();
    setKeyboard();
}

Form1::~Form1()
{
    delete form2_.data();
}

void Form1::buildDesign()
{
    const calc::DesignTexts design;
    Text6 = field(this, "Text6", twipRect(7080, 720, 1935, 375), design.VoDC, designColour, "VoDC [V]");
    Text8 = field(this, "Text8", twipRect(10200, 720, 1935, 375), design.f, designColour, "f [Hz]");
    Text9 = field(this, "Text9", twipRect(13560, 720, 1935, 375), design.IoDC, designColour, "IoDC [mA]");
    Text10 = field(this, "Text10", twipRect(7080, 1440, 1935, 375), design.Ripple, designColour, "Ripple [mV]");
    Command3 = button(this, "Command3", twipRect(10080, 1320, 2175, 615), designColour, messages::Calculate);
    Label29 = result(this, "Label29", twipRect(7080, 2280, 1935, 375), designColour, "R [ohm]");
    Label35 = result(this, "Label35", twipRect(10200, 2280, 1935, 375), designColour, "Vp [V]");
    Label31 = result(this, "Label31", twipRect(13560, 2280, 1935, 375), designColour, "C [uF]");
    // Both buttons read "Calcola": a screen reader tells them apart by their group.
    Command3->setAccessibleDescription(QStringLiteral("Progetto"));
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
}

void Form1::buildVerification()
{
    const calc::CircuitTexts circuit;
    Text1 = field(this, "Text1", twipRect(7080, 3600, 1905, 375), circuit.Vp, verifyColour, "Vp [V]");
    Text2 = field(this, "Text2", twipRect(10200, 3600, 1935, 375), circuit.f, verifyColour, "f [Hz]");
    Text3 = field(this, "Text3", twipRect(7080, 4200, 1935, 375), circuit.C, verifyColour, "C [uF]");
    Text4 = field(this, "Text4", twipRect(10200, 4200, 1935, 375), circuit.R, verifyColour, "R [ohm]");
    Text5 = field(this, "Text5", twipRect(7080, 4800, 1935, 375), circuit.N, verifyColour, "N");
    Text7 = field(this, "Text7", twipRect(10200, 4800, 1935, 375), calc::DefaultNp, verifyColour, "Np");
    Command1 = button(this, "Command1", twipRect(7080, 5400, 1815, 615), verifyColour, messages::Calculate);
    Command2 = button(this, "Command2", twipRect(10200, 5400, 1935, 615), graphColour, messages::Graph);
    Command1->setAccessibleDescription(QStringLiteral("Verifica"));
    Label10 = result(this, "Label10", twipRect(7080, 6240, 1935, 375), verifyColour, "Ripple [mV]");
    Label13 = result(this, "Label13", twipRect(10320, 6240, 1935, 375), verifyColour, "VoDC [V]");
    Label22 = result(this, "Label22", twipRect(7080, 6840, 1935, 375), verifyColour, "Id picco [mA]");
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
}

void Form1::setKeyboard()
{
    QWidget* const order[] = {Text1,    Text2,    Text3, Text4, Text5, Command1, Text7,
                              Command2, Picture1, Text6, Text8, Text9, Command3, Text10};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
    Text1->setFocus();
    new QShortcut(QKeySequence::HelpContents, this, this, &Form1::showModelNotes);
}

calc::CircuitTexts Form1::circuitTexts() const
{
    return {.Vp = Text1->text().toStdString(),
            .f = Text2->text().toStdString(),
            .C = Text3->text().toStdString(),
            .R = Text4->text().toStdString(),
            .N = Text5->text().toStdString()};
}

Form2* Form1::graphWindow()
{
    if (form2_.isNull()) {
        // No owner: the graph window lives on when the main window closes.
        form2_ = new Form2(module_);
    }
    return form2_.data();
}

void Form1::showModelNotes()
{
    messageBoxFor(this)(calc::Severity::Warning,
                        std::string(messages::ModelNotesTitle) + "\n\n" + messages::ModelNotes);
}

void Form1::Command1_Click()
{
    const WaitCursor busy;
    const auto results = calc::Command1_Click(module_, circuitTexts(), decimalSeparator(), show_);
    if (!results) {
        return;
    }
    Label10->setText(QString::fromStdString(results->Ripple));
    Label22->setText(QString::fromStdString(results->IdPicco));
    Label13->setText(QString::fromStdString(results->VoDC));
}

void Form1::Command2_Click()
{
    const WaitCursor busy;
    if (!graphs::Command2_Click(module_, circuitTexts(), Text7->text().toStdString(), show_)) {
        return;
    }
    graphWindow()->showWaveforms();
}

void Form1::Command3_Click()
{
    const calc::DesignTexts texts{.VoDC = Text6->text().toStdString(),
                                  .f = Text8->text().toStdString(),
                                  .IoDC = Text9->text().toStdString(),
                                  .Ripple = Text10->text().toStdString()};
    const auto out = calc::Command3_Click(module_, texts, decimalSeparator(), show_);
    if (!out) {
        return;
    }
    Label29->setText(QString::fromStdString(out->R));
    Label35->setText(QString::fromStdString(out->Vp));
    Label31->setText(QString::fromStdString(out->C));
    const std::pair<QLineEdit*, const std::string*> copies[] = {
        {Text1, &out->VpField}, {Text4, &out->RField}, {Text3, &out->CField}, {Text2, &out->fField}};
    for (const auto& [edit, text] : copies) {
        edit->setText(QString::fromStdString(*text));
        QPalette p = edit->palette();
        p.setColor(QPalette::Text, designedText);
        edit->setPalette(p);
    }
}

} // namespace ui
