// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/plotarea.h"

#include "graphs/plotgeometry.h"
#include "graphs/plotscale.h"
#include "graphs/plotwaveforms.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace ui {

PlotArea::PlotArea(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(graphs::PlotWidth + 2 * graphs::PlotBorder, graphs::PlotHeight + 2 * graphs::PlotBorder);
    render();
}

QRect PlotArea::inner() const
{
    const int b = graphs::PlotBorder;
    return rect().adjusted(b, b, -b, -b);
}

QSize PlotArea::devicePixels() const
{
    return (QSizeF(inner().size()) * devicePixelRatioF()).toSize();
}

void PlotArea::draw(const calc::Module1& m)
{
    drawn_ = DrawnPlot(m);
    render();
    update();
}

void PlotArea::render()
{
    image_ = graphs::blankPlot(devicePixels());
    if (drawn_.current()) {
        graphs::PlotWaveforms(drawn_.arrays(), drawn_.scalars(), image_);
    }
    // Only once drawn: a painter takes an image's own ratio into what it draws.
    image_.setDevicePixelRatio(devicePixelRatioF());
}

// In logical pixels, so that a pointer position reads the same on a screen of any scale.
QPointF PlotArea::userPosition(QPointF widgetPosition) const
{
    const graphs::PlotScale logical{inner().width(), inner().height()};
    const QPointF at = widgetPosition - QPointF(inner().topLeft());
    return {logical.userX(at.x()), logical.userY(at.y())};
}

// The screen's pixel ratio is read where it matters, whatever changed it. A
// drawing whose arrays a later press replaced is kept as it is: the window
// shows a new drawing only when asked for one, and the image's own ratio
// scales it over the inner rectangle.
void PlotArea::paintEvent(QPaintEvent* /*event*/)
{
    if (image_.size() != devicePixels() && !drawn_.replaced()) {
        render();
    }
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), true, graphs::PlotBorder);
    painter.drawImage(inner().topLeft(), image_);
}

void PlotArea::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF user = userPosition(event->position());
    emit mouseMoved(static_cast<float>(user.x()), static_cast<float>(user.y()), event->globalPosition().toPoint());
}

} // namespace ui
