// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form2.h"

#include "graphs/messages.h"
#include "graphs/plotgeometry.h"
#include "graphs/plotpage.h"
#include "graphs/readout.h"
#include "ui/contextmenu.h"
#include "ui/decimalseparator.h"
#include "ui/messagebox.h"
#include "ui/messages.h"
#include "ui/plotarea.h"
#include "ui/plotoutput.h"
#include "ui/plotprinting.h"
#include "ui/programfont.h"
#include "ui/savedialog.h"
#include "ui/twips.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPrinter>
#include <QShortcut>
#include <QToolTip>

namespace ui {

namespace {

// A legend mark: a horizontal line of the given width in pixels, centred on
// the twip row of its end points.
QWidget* legendLine(QWidget* parent, const char* name, const graphs::LegendMark& mark, QColor colour)
{
    auto* line = new QWidget(parent);
    line->setObjectName(QString::fromLatin1(name));
    constexpr int thickness = graphs::LegendMarkPixels;
    line->setGeometry(px(mark.left), px(mark.row) - thickness / 2, px(mark.right) - px(mark.left), thickness);
    QPalette p = line->palette();
    p.setColor(QPalette::Window, colour);
    line->setPalette(p);
    line->setAutoFillBackground(true);
    return line;
}

QLabel* label(QWidget* parent, const char* name, QRect r, const char* text)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(r);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    return l;
}

QRect legendRect(const graphs::LegendText& text)
{
    return twipRect(text.left, text.top, text.width, graphs::LegendTextHeight);
}

// The hint and the legend beside the plot.
void addLegend(QWidget* form)
{
    // Created first so that the plot area covers the first pixel of the red
    // mark, which starts under its right edge.
    legendLine(form, "Line1", graphs::CurrentMark, QColor::fromRgb(graphs::CurrentColour));
    legendLine(form, "Line2", graphs::LoadMark, QColor::fromRgb(graphs::LoadColour));
    label(form, "Label1", twipRect(15360, 840, 1935, 735), messages::ReadoutHint);
    label(form, "Label2", legendRect(graphs::CurrentText), graphs::CurrentLegend);
    label(form, "Label3", legendRect(graphs::LoadText), graphs::LoadLegend);
}

// An action of the window: its shortcuts, the platform's for the command,
// work wherever the focus is in the window, without the menu.
QAction* windowCommand(QWidget* window, const char* text, QKeySequence::StandardKey key)
{
    auto* action = new QAction(QString::fromUtf8(text), window);
    action->setShortcuts(key);
    window->addAction(action);
    return action;
}

} // namespace

Form2::Form2(const calc::Module1& module, QWidget* parent)
    : QWidget(parent), module_(module), show_(messageBoxFor(this)), askSavePath_(askPlotPath)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(graphs::PageTitle));
    setFixedSize(px(graphs::WindowWidth), px(graphs::WindowHeight));
    setFont(programFont());

    addLegend(this);
    addPlotArea();
    addPlotCommands();
    new QShortcut(Qt::Key_Escape, this, this, &QWidget::close);

    Picture1->setFocus();
}

Form2::~Form2() = default;

void Form2::addPlotArea()
{
    Picture1 = new PlotArea(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->move(px(graphs::PlotLeft), px(graphs::PlotTop));
    Picture1->setAccessibleName(QString::fromUtf8(messages::PlotName));
    connect(Picture1, &PlotArea::mouseMoved, this, &Form2::Picture1_MouseMove);

    // One of the window's named controls, empty and never shown; the plot area blanks itself without it.
    auto* picture2 = new QWidget(this);
    picture2->setObjectName(QStringLiteral("Picture2"));
    picture2->setGeometry(twipRect(15840, 7440, 615, 375));
    picture2->hide();
}

// Copy, save and print, from the plot's menu or by their shortcuts.
void Form2::addPlotCommands()
{
    QAction* const copy = windowCommand(this, messages::CopyImage, QKeySequence::Copy);
    QAction* const save = windowCommand(this, messages::SaveImage, QKeySequence::Save);
    QAction* const print = windowCommand(this, messages::Print, QKeySequence::Print);
    connect(copy, &QAction::triggered, this, &Form2::copyPlot);
    connect(save, &QAction::triggered, this, &Form2::savePlot);
    connect(print, &QAction::triggered, this, &Form2::printPlot);
    Picture1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Picture1, &QWidget::customContextMenuRequested, this, [this, copy, save, print](QPoint at) {
        popUpMenu(Picture1, at, {copy, save, print});
    });
}

void Form2::showWaveforms()
{
    // Back as it was before it was minimised.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    Picture1->draw(module_);
}

void Form2::Picture1_MouseMove(float X, float Y, QPoint globalPosition)
{
    const auto text = graphs::Picture1_MouseMove(module_, X, Y, decimalSeparator());
    if (!text) {
        return;
    }
    // The plot's tooltip text is the readout: a screen reader gives it as the
    // plot's description, told that it changed, and a resting pointer shows
    // it again once the tip has timed out. showText puts it up at once and
    // keeps it beside the moving pointer; Qt hides it when the pointer leaves
    // the plot.
    const QString tip = QString::fromStdString(*text);
    if (tip != Picture1->toolTip()) {
        Picture1->setToolTip(tip);
        QAccessibleEvent described(Picture1, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
    QToolTip::showText(globalPosition, tip, Picture1);
}

void Form2::copyPlot()
{
    QGuiApplication::clipboard()->setImage(Picture1->image());
}

void Form2::savePlot()
{
    const QString path = askSavePath_(this);
    if (!path.isEmpty()) {
        savePlotFile(Picture1->drawn(), Picture1->image(), path, show_);
    }
}

void Form2::printPlot()
{
    if (!printer_) {
        printer_ = plotPrinter();
    }
    ui::printPlot(*printer_, Picture1->drawn(), this, show_);
}

} // namespace ui
