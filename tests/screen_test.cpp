#include "graticule.h"
#include "scopescreen.h"

#include <QApplication>
#include <QPaintEvent>

#include <gtest/gtest.h>

namespace {

constexpr QRgb Navy = 0xFF000080;
constexpr QRgb LightCyan = 0xFF80FFFF;
constexpr QRgb Grey = 0xFFC0C0C0;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Yellow = 0xFFFFFF00;

// What the blank screen shows at a client-area pixel.
QRgb blankPixel(int x, int y)
{
    if (y == 250)
        return Grey;
    const bool ruled = (x % 25 == 0 && x != 0) || (y % 25 == 0 && y != 0);
    return ruled ? LightCyan : Navy;
}

// The client area as it appears on screen.
QImage shown(ScopeScreen &screen)
{
    const QImage whole = screen.grab().toImage().convertToFormat(QImage::Format_RGB32);
    return whole.copy(ScopeScreen::BorderWidth, ScopeScreen::BorderWidth, ScopeScreen::ClientWidth,
                      ScopeScreen::ClientHeight);
}

int differences(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != blankPixel(x, y);
    return count;
}

TEST(Graticule, IsNavyRuledByNineLightCyanLinesEachWay)
{
    const QImage image = Graticule::image();
    ASSERT_EQ(image.size(), QSize(250, 250));
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    int cyan = 0;
    for (int y = 0; y < 250; ++y) {
        for (int x = 0; x < 250; ++x) {
            ASSERT_EQ(image.pixel(x, y), blankPixel(x, y)) << x << "," << y;
            cyan += image.pixel(x, y) == LightCyan;
        }
    }
    EXPECT_EQ(cyan, 9 * 250 * 2 - 81);
}

class ScreenPixels : public ::testing::Test
{
protected:
    ScopeScreen screen;
    void SetUp() override { screen.setHorizontalRange(0, 250); }
};

TEST_F(ScreenPixels, BlankScreenShowsGraticuleOverGreyBottomRow)
{
    EXPECT_EQ(screen.size(), QSize(254, 255));
    EXPECT_EQ(differences(shown(screen)), 0);
}

TEST_F(ScreenPixels, SunkenBorderIsTwoPixelsWide)
{
    const QImage whole = screen.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(whole.pixel(100, 0), 0xFF808080u);
    EXPECT_EQ(whole.pixel(0, 100), 0xFF808080u);
    EXPECT_EQ(whole.pixel(100, 1), 0xFF000000u);
    EXPECT_EQ(whole.pixel(1, 100), 0xFF000000u);
    EXPECT_EQ(whole.pixel(100, 254), 0xFFFFFFFFu);
    EXPECT_EQ(whole.pixel(253, 100), 0xFFFFFFFFu);
    EXPECT_EQ(whole.pixel(100, 253), Grey);
    EXPECT_EQ(whole.pixel(252, 100), Grey);
}

TEST_F(ScreenPixels, LogicalPointsFallOnTheirPixels)
{
    EXPECT_EQ(screen.toPixel(0, 65500), QPoint(0, 0));
    EXPECT_EQ(screen.toPixel(0, 0), QPoint(0, 249));
    EXPECT_EQ(screen.toPixel(125, -500), QPoint(125, 251));
    EXPECT_EQ(screen.toPixel(250, 65535), QPoint(250, -1));
    screen.setHorizontalRange(0, 66000);
    EXPECT_EQ(screen.toPixel(65535, 0), QPoint(248, 249));
    EXPECT_EQ(screen.toPixel(6600, 0), QPoint(25, 249));
}

TEST_F(ScreenPixels, SegmentIsOnePixelWideAndIncludesBothEnds)
{
    screen.drawSegment(10, 0, 20, 0, 0x0000FF);
    const QImage image = shown(screen);
    for (int x = 10; x <= 20; ++x)
        EXPECT_EQ(image.pixel(x, 249), Red) << x;
    EXPECT_EQ(differences(image), 11);
}

TEST_F(ScreenPixels, SegmentWithCoincidentEndsMarksOnePixel)
{
    screen.setHorizontalRange(0, 66000);
    screen.drawSegment(33000, 33000, 33000, 33000, 0xFFFFFF);
    const QImage image = shown(screen);
    EXPECT_EQ(differences(image), 1);
    EXPECT_EQ(image.pixel(125, 123), 0xFFFFFFFFu);
}

TEST_F(ScreenPixels, LaterYellowCoversEarlierRed)
{
    screen.drawSegment(0, 20000, 100, 40000, 0x0000FF);
    screen.drawSegment(0, 20000, 100, 40000, 0x00FFFF);
    const QImage image = shown(screen);
    const QPoint a = screen.toPixel(0, 20000);
    const QPoint b = screen.toPixel(100, 40000);
    EXPECT_EQ(image.pixel(a), Yellow);
    EXPECT_EQ(image.pixel(b), Yellow);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_NE(image.pixel(x, y), Red) << x << "," << y;
}

TEST_F(ScreenPixels, SegmentOnTheRightEdgeLeavesNoMark)
{
    screen.drawSegment(250, 10000, 250, 50000, 0x0000FF);
    screen.drawSegment(250, 0, 250, 0, 0x00FFFF);
    EXPECT_EQ(differences(shown(screen)), 0);
}

TEST_F(ScreenPixels, TopOfTheReadingScaleIsAboveTheScreen)
{
    screen.drawSegment(0, 65535, 249, 65535, 0x00FFFF);
    EXPECT_EQ(differences(shown(screen)), 0);
}

TEST_F(ScreenPixels, WipeRestoresTheBlankScreen)
{
    ScopeScreen blank;
    screen.setWipeSource(&blank);
    for (int i = 0; i < 50; ++i)
        screen.drawSegment(i * 5, i * 1000, i * 5 + 5, i * 1000 + 900, 0x0000FF);
    ASSERT_GT(differences(shown(screen)), 0);
    screen.wipe();
    EXPECT_EQ(differences(shown(screen)), 0);
    EXPECT_EQ(differences(shown(blank)), 0);
}

TEST_F(ScreenPixels, WipeKeepsTheCoordinateSystem)
{
    screen.setHorizontalRange(0, 66000);
    screen.wipe();
    EXPECT_EQ(screen.horizontalWidth(), 66000);
    EXPECT_EQ(screen.horizontalLeft(), 0);
}

TEST_F(ScreenPixels, ChangingTheRangeLeavesDrawnTracesAlone)
{
    screen.drawSegment(0, 0, 100, 0, 0x0000FF);
    const QImage before = shown(screen);
    screen.setHorizontalRange(0, 66000);
    EXPECT_EQ(shown(screen), before);
}

TEST_F(ScreenPixels, TracesSurviveRepaint)
{
    screen.show();
    screen.drawSegment(0, 30000, 250, 30000, 0x00FFFF);
    QApplication::processEvents();
    screen.hide();
    screen.show();
    screen.repaint();
    EXPECT_EQ(shown(screen).pixel(100, screen.toPixel(0, 30000).y()), Yellow);
}

// Records the rectangles the screen is asked to repaint.
class PaintSpy : public QObject
{
public:
    QRegion painted;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

TEST_F(ScreenPixels, SegmentRepaintsOnlyWhatItTouched)
{
    screen.show();
    QApplication::processEvents();
    PaintSpy spy;
    screen.installEventFilter(&spy);
    screen.drawSegment(10, 0, 15, 6574, 0x0000FF);
    QApplication::processEvents();
    const QRect expected = QRect(screen.toPixel(10, 6574), screen.toPixel(15, 0)).translated(2, 2);
    EXPECT_EQ(spy.painted.boundingRect(), expected);
}

} // namespace
