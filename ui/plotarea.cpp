// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/plotarea.h"

#include "graphs/plotgeometry.h"
#include "graphs/plotscale.h"
#include "graphs/plotwaveforms.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <qdrawutil.h>

namespace ui {

PlotArea::PlotArea(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(graphs::PlotWidth + 2 * graphs::PlotBorder, graphs::PlotHeight + 2 * graphs::PlotBorder);
    blank();
}

QRect PlotArea::inner() const
{
    const int b = graphs::PlotBorder;
    return rect().adjusted(b, b, -b, -b);
}

void PlotArea::blank()
{
    const qreal ratio = devicePixelRatioF();
    const QSize size = inner().size().isValid() ? inner().size() : QSize(1, 1);
    image_ = graphs::blankPlot((QSizeF(size) * ratio).toSize());
    update();
}

void PlotArea::draw(const calc::Module1& m)
{
    drawn_ = DrawnPlot(m);
    render();
}

void PlotArea::render()
{
    blank();
    if (drawn_.current()) {
        graphs::PlotWaveforms(drawn_.arrays(), drawn_.scalars(), image_);
    }
}

// A drawing whose arrays a later press replaced is kept as it is, scaled by
// paintEvent: the window shows a new drawing only when asked for one.
void PlotArea::followScreen()
{
    const QSize wanted = (QSizeF(inner().size()) * devicePixelRatioF()).toSize();
    if (image_.size() != wanted && !drawn_.replaced()) {
        render();
    }
}

// The window's native handle exists from its first show on.
void PlotArea::showEvent(QShowEvent* /*event*/)
{
    if (QWindow* handle = window()->windowHandle()) {
        connect(handle, &QWindow::screenChanged, this, &PlotArea::followScreen, Qt::UniqueConnection);
    }
    followScreen();
}

// In logical pixels, so that a pointer position reads the same on a screen of any scale.
QPointF PlotArea::userPosition(QPointF widgetPosition) const
{
    const graphs::PlotScale logical{inner().width(), inner().height()};
    const QPointF at = widgetPosition - QPointF(inner().topLeft());
    return {logical.userX(at.x()), logical.userY(at.y())};
}

void PlotArea::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), true, graphs::PlotBorder);
    // Device pixels of the image onto device pixels of the screen, one to one.
    painter.drawImage(QRectF(inner()), image_, QRectF(image_.rect()));
}

void PlotArea::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF user = userPosition(event->position());
    emit mouseMoved(static_cast<float>(user.x()), static_cast<float>(user.y()), event->globalPosition().toPoint());
}

} // namespace ui
