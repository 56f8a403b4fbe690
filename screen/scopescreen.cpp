#include "scopescreen.h"

#include "graticule.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

const QColor ScopeScreen::Background{0xC0, 0xC0, 0xC0};

namespace {
QColor toQColor(Colour colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// Far enough outside the canvas for any clipped line, small enough for an int.
int toPixelIndex(double value)
{
    return int(std::clamp(std::floor(value), -1.0e6, 1.0e6));
}
} // namespace

ScopeScreen::ScopeScreen(QWidget *parent) : QWidget(parent), canvas(blankCanvas())
{
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(ClientWidth + 2 * BorderWidth, ClientHeight + 2 * BorderWidth);
}

QImage ScopeScreen::blankCanvas()
{
    QImage image(ClientWidth, ClientHeight, QImage::Format_RGB32);
    image.fill(Background);
    QPainter painter(&image);
    painter.drawImage(0, 0, Graticule::image());
    return image;
}

void ScopeScreen::setImage(const QImage &image)
{
    canvas = image;
    update(clientRect());
}

QPoint ScopeScreen::toPixel(float x, float y) const
{
    const double column = (double(x) - rangeLeft) * ClientWidth / rangeWidth;
    const double row = (double(y) - Top) * ClientHeight / Height;
    return {toPixelIndex(column), toPixelIndex(row)};
}

void ScopeScreen::setHorizontalRange(float left, float width)
{
    rangeLeft = left;
    rangeWidth = width;
}

void ScopeScreen::drawSegment(float x1, float y1, float x2, float y2, Colour colour)
{
    const QPoint from = toPixel(x1, y1);
    const QPoint to = toPixel(x2, y2);
    {
        QPainter painter(&canvas);
        painter.setPen(QPen(toQColor(colour), 1)); // square caps: both end pixels are drawn
        painter.drawLine(from, to);
    }
    // Built from the corners rather than normalized(), which drops the end rows of a rising line.
    const QRect touched = QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                                QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())))
                              .translated(BorderWidth, BorderWidth);
    const QRect dirty = touched.intersected(clientRect());
    if (!dirty.isEmpty())
        update(dirty);
}

void ScopeScreen::wipe()
{
    setImage(wipeSource ? wipeSource->image() : blankCanvas());
}

QRect ScopeScreen::clientRect() const
{
    return {BorderWidth, BorderWidth, ClientWidth, ClientHeight};
}

void ScopeScreen::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect().intersected(clientRect());
    painter.drawImage(dirty, canvas, dirty.translated(-BorderWidth, -BorderWidth));

    // The sunken 3-D edge: grey over black on the top and left, white over light grey below
    // and on the right.
    if (!clientRect().contains(event->rect())) {
        const int w = QWidget::width();
        const int h = QWidget::height();
        auto edge = [&](int inset, QColor topLeft, QColor bottomRight) {
            const int r = w - 1 - inset;
            const int b = h - 1 - inset;
            painter.setPen(topLeft);
            painter.drawLine(inset, inset, r - 1, inset);
            painter.drawLine(inset, inset, inset, b - 1);
            painter.setPen(bottomRight);
            painter.drawLine(inset, b, r, b);
            painter.drawLine(r, inset, r, b);
        };
        edge(0, QColor(0x80, 0x80, 0x80), Qt::white);
        edge(1, Qt::black, Background);
    }
}
