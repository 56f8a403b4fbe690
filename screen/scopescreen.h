#pragma once

#include "screen.h"

#include <QImage>
#include <QWidget>

// A picture area holding the scope's screen: a 2-pixel sunken border around a 250 × 251 client
// area whose canvas starts as the graticule over the light grey background. Traces are drawn
// into the canvas, so they survive the window being covered; a segment repaints only what it
// touched.
class ScopeScreen : public QWidget, public Screen
{
    Q_OBJECT

public:
    explicit ScopeScreen(QWidget *parent = nullptr);

    static constexpr int BorderWidth = 2;
    static constexpr int ClientWidth = 250;
    static constexpr int ClientHeight = 251;
    static constexpr float Top = 65500;     // logical value at the top edge
    static constexpr float Height = -66000; // values grow upwards, down to -500 at the bottom
    static const QColor Background;

    const QImage &image() const { return canvas; }
    // Replaces the whole canvas, erasing every trace on it.
    void setImage(const QImage &image);
    // The screen whose image a wipe copies; without one, a wipe restores the blank graticule.
    void setWipeSource(const ScopeScreen *source) { wipeSource = source; }

    float horizontalLeft() const { return rangeLeft; }
    float horizontalWidth() const { return rangeWidth; }
    // Client-area pixel of a logical point; may lie outside the client area.
    QPoint toPixel(float x, float y) const;

    void setHorizontalRange(float left, float width) override;
    void drawSegment(float x1, float y1, float x2, float y2, Colour colour) override;
    void wipe() override;

    static QImage blankCanvas();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect clientRect() const;

    QImage canvas;
    float rangeLeft = 0;
    float rangeWidth = ClientWidth;
    const ScopeScreen *wipeSource = nullptr;
};
