#include "fakes.h"
#include "form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Window : public ::testing::Test
{
protected:
    FakeJoystick joystick;
    Form1 form{joystick};

    template <typename T> T *child(const char *name)
    {
        T *widget = form.findChild<T *>(QLatin1StringView(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString text(const char *name) { return child<QLineEdit>(name)->text(); }
    QTimer *timer() { return child<QTimer>("Timer1"); }
};

TEST_F(Window, ControlsStandAtTheirDesignedPixels)
{
    struct Place
    {
        const char *name;
        const char *container;
        QRect geometry;
    };
    const Place places[] = {
        {"Picture1", "Form1", {8, 8, 254, 255}},   {"Picture2", "Form1", {8, 8, 254, 255}},
        {"Frame1", "Form1", {272, 8, 113, 113}},   {"Command2", "Frame1", {16, 16, 81, 25}},
        {"Command3", "Frame1", {16, 48, 81, 25}},  {"Command1", "Frame1", {16, 80, 81, 25}},
        {"Frame2", "Form1", {272, 128, 113, 65}},  {"Label1", "Frame2", {8, 16, 57, 17}},
        {"Text2", "Frame2", {64, 16, 41, 19}},     {"Label2", "Frame2", {8, 40, 57, 17}},
        {"Text3", "Frame2", {64, 40, 41, 19}},     {"Command5", "Form1", {272, 200, 113, 25}},
        {"Command4", "Form1", {288, 240, 81, 17}},
    };
    for (const Place &p : places) {
        QWidget *widget = child<QWidget>(p.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), p.geometry) << p.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), QLatin1StringView(p.container)) << p.name;
    }
}

TEST_F(Window, IsFixedSizeTitledWithoutMinimiseOrMaximise)
{
    EXPECT_EQ(form.windowTitle(), "Skorvane");
    EXPECT_EQ(form.size(), QSize(392, 269));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    const QList<QSize> sizes = form.windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

TEST_F(Window, StartsWithDesignedCaptions)
{
    EXPECT_EQ(child<QPushButton>("Command1")->text(), "Running");
    EXPECT_EQ(child<QPushButton>("Command2")->text(), "1 cm / s");
    EXPECT_EQ(child<QPushButton>("Command3")->text(), "Relax");
    EXPECT_EQ(child<QPushButton>("Command4")->text(), "Orv 1998");
    EXPECT_EQ(child<QPushButton>("Command5")->text(), "Clear screen");
    EXPECT_EQ(child<QGroupBox>("Frame1")->title(), "Horizontal");
    EXPECT_EQ(child<QGroupBox>("Frame2")->title(), "Vertical");
    EXPECT_EQ(child<QLabel>("Label1")->text(), "Channel 1");
    EXPECT_EQ(child<QLabel>("Label2")->text(), "Channel 2");
}

TEST_F(Window, ChannelLabelsWearTheirTraceColours)
{
    EXPECT_EQ(child<QLabel>("Label1")->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(child<QLabel>("Label2")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(child<QLineEdit>("Text2")->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(child<QLineEdit>("Text3")->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(Window, OnlyPicture1ShowsTheScreen)
{
    form.show();
    EXPECT_TRUE(child<QWidget>("Picture1")->isVisible());
    EXPECT_FALSE(child<QWidget>("Picture2")->isVisible());
}

TEST_F(Window, TabFollowsTheDesignedOrder)
{
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    child<QWidget>("Picture1")->setFocus();
    const char *order[] = {"Command1", "Command2", "Command3", "Text3",
                           "Text2",    "Command4", "Command5", "Picture1"};
    for (const char *name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1StringView(name));
    }
}

TEST_F(Window, Timer1IsEnabledAtTwoHundredPreciseMilliseconds)
{
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 200);
    EXPECT_EQ(timer()->timerType(), Qt::PreciseTimer);
}

TEST_F(Window, ReadoutsAreEmptyUntilTheFirstTick)
{
    joystick.push(6560, 65535);
    QElapsedTimer clock;
    clock.start();
    form.show();
    EXPECT_TRUE(text("Text2").isEmpty());
    EXPECT_TRUE(text("Text3").isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !text("Text2").isEmpty(); }, 2000));
    EXPECT_GE(clock.elapsed(), 150);
    EXPECT_EQ(text("Text2"), "9.99 V"); // Y beside the yellow "Channel 1"
    EXPECT_EQ(text("Text3"), "1.00 V"); // X beside the red "Channel 2"
}

TEST_F(Window, FirstActivationRunsStartUpOnce)
{
    joystick.push(100, 200);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_TRUE(form.scope().hasStarted());
    EXPECT_EQ(joystick.queries, 1);

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(joystick.queries, 1);
}

TEST_F(Window, TicksDrawTheTracesOnPicture1)
{
    joystick.push(0, 0);
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.scope().state().X >= 10; }, 3000));
    const QImage image = child<QWidget>("Picture1")->grab().toImage();
    // Reading 0 falls on client row 249; yellow is drawn over red.
    EXPECT_EQ(image.pixelColor(2 + 3, 2 + 249), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(2 + 3, 2 + 248), QColor(0, 0, 128));
}

} // namespace
