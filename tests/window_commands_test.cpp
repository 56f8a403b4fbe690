#include "fakes.h"
#include "form1.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Yellow = 0xFFFFFF00;
constexpr QRgb Red = 0xFFFF0000;

class Buttons : public ::testing::Test
{
protected:
    FakeJoystick joystick;
    Form1 form{joystick};

    void SetUp() override
    {
        form.show();
        // Ticks are driven by hand here; Timer1's state is what the commands leave it in.
        form.scope().startUp();
    }

    QPushButton *button(const char *name)
    {
        return form.findChild<QPushButton *>(QLatin1StringView(name));
    }
    QTimer *timer() { return form.findChild<QTimer *>(QStringLiteral("Timer1")); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    QString caption(const char *name) { return button(name)->text(); }

    // Picture1's client area as shown.
    QImage screen()
    {
        QWidget *picture = form.findChild<QWidget *>(QStringLiteral("Picture1"));
        return picture->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(2, 2, 250, 251);
    }
    QImage blank()
    {
        QWidget *picture = form.findChild<QWidget *>(QStringLiteral("Picture2"));
        return picture->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(2, 2, 250, 251);
    }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            form.scope().tick();
    }
    static int count(const QImage &image, QRgb colour)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == colour;
        return n;
    }
};

TEST_F(Buttons, RunStopTogglesItsCaptionAndKeepsTheTimer)
{
    click("Command1");
    EXPECT_EQ(caption("Command1"), "Stopping");
    EXPECT_TRUE(timer()->isActive());
    click("Command1");
    EXPECT_EQ(caption("Command1"), "Running");
}

TEST_F(Buttons, SweepModeTogglesItsCaption)
{
    click("Command3");
    EXPECT_EQ(caption("Command3"), "Salve");
    click("Command3");
    EXPECT_EQ(caption("Command3"), "Relax");
}

TEST_F(Buttons, TimeBaseClicksSetCaptionAndTimer1Period)
{
    const std::pair<const char *, int> cycle[] = {
        {"1 cm / 10 s", 400}, {"1 cm / min", 2400}, {"1 cm / 10 mn", 24000},
        {"1 cm / hr", 36000}, {"X Y", 200},         {"1 cm / s", 200},
    };
    for (const auto &[text, period] : cycle) {
        click("Command2");
        EXPECT_EQ(caption("Command2"), text);
        EXPECT_EQ(timer()->interval(), period) << text;
        EXPECT_TRUE(timer()->isActive()) << text;
        EXPECT_EQ(timer()->timerType(), Qt::PreciseTimer);
    }
}

TEST_F(Buttons, NewPeriodCountsFromTheClick)
{
    click("Command2");
    click("Command2");
    EXPECT_GT(timer()->remainingTime(), 2300);
}

TEST_F(Buttons, EveryButtonWorksFromTheKeyboard)
{
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ticks(4);
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };

    // Along the tab order: Command1, Command2, Command3, Text3, Text2, Command4, Command5.
    button("Command1")->setFocus();
    press(Qt::Key_Space);
    EXPECT_EQ(caption("Command1"), "Stopping");
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    EXPECT_EQ(caption("Command2"), "1 cm / 10 s");
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    EXPECT_EQ(caption("Command3"), "Salve");

    button("Command1")->setFocus();
    press(Qt::Key_Space);
    ticks(3);
    ASSERT_EQ(form.scope().state().X, 3);
    button("Command3")->setFocus();
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), button("Command5"));
    press(Qt::Key_Space);
    EXPECT_EQ(form.scope().state().X, 0);
    EXPECT_EQ(screen(), blank());

    press(Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), button("Command4"));
    press(Qt::Key_Space);
    EXPECT_TRUE(button("Command4")->isHidden());
}

TEST_F(Buttons, XYDrawsTheWhiteTraceOfYAgainstX)
{
    for (int i = 0; i < 5; ++i)
        click("Command2");
    ASSERT_EQ(caption("Command2"), "X Y");
    joystick.push(33000, 33000);
    ticks(1);
    EXPECT_GT(count(screen(), White), 100); // from the start-up reading (0, 0)
    click("Command5");
    EXPECT_EQ(screen(), blank());
    ticks(1); // a steady signal: one point
    EXPECT_EQ(screen().pixel(125, 123), White);
    EXPECT_EQ(count(screen(), White), 1);
    joystick.push(6600, 0);
    ticks(1);
    const QImage image = screen();
    EXPECT_EQ(image.pixel(25, 249), White);
    EXPECT_GT(count(image, White), 100);
    EXPECT_EQ(count(image, Red) + count(image, Yellow), 0);
}

TEST_F(Buttons, SingleSweepHoldsAtTheRightEdge)
{
    click("Command3");
    joystick.push(0, 0);
    ticks(50);
    const QImage full = screen();
    EXPECT_EQ(full.pixel(0, 249), Yellow);
    EXPECT_EQ(full.pixel(249, 249), Yellow);
    joystick.push(30000, 40000);
    ticks(20);
    EXPECT_EQ(screen(), full);
    click("Command3"); // back to Relax at the edge: the next tick wipes and starts over
    joystick.push(10000, 20000);
    ticks(1);
    const QImage restarted = screen();
    EXPECT_EQ(restarted.pixel(100, 249), blank().pixel(100, 249));
    EXPECT_EQ(restarted.pixel(0, 130), Yellow); // the vertical segment at X = 0
    EXPECT_EQ(restarted.pixel(0, 200), Red);
}

TEST_F(Buttons, ClearScreenLeavesTheBareGraticule)
{
    ticks(20);
    ASSERT_NE(screen(), blank());
    click("Command5");
    EXPECT_EQ(screen(), blank());
    EXPECT_EQ(form.scope().state().X, 0);
}

TEST_F(Buttons, StoppedScopeKeepsItsScreen)
{
    joystick.push(1000, 2000);
    ticks(10);
    click("Command1");
    const QImage frozen = screen();
    joystick.push(50000, 60000);
    ticks(10);
    EXPECT_EQ(screen(), frozen);
}

TEST_F(Buttons, SignatureHidesWithoutMovingAnything)
{
    QList<QWidget *> others = form.findChildren<QWidget *>();
    others.removeOne(button("Command4"));
    QList<QRect> before;
    QList<bool> shown;
    for (QWidget *w : others) {
        before.append(w->geometry());
        shown.append(w->isVisible());
    }
    click("Command4");
    EXPECT_FALSE(button("Command4")->isVisible());
    EXPECT_EQ(button("Command4")->geometry(), QRect(288, 240, 81, 17));
    for (int i = 0; i < others.size(); ++i) {
        EXPECT_EQ(others[i]->geometry(), before[i]) << others[i]->objectName().toStdString();
        EXPECT_EQ(others[i]->isVisible(), shown[i]) << others[i]->objectName().toStdString();
    }
    EXPECT_EQ(caption("Command1"), "Running");
    EXPECT_EQ(caption("Command2"), "1 cm / s");
    EXPECT_EQ(caption("Command3"), "Relax");
}

} // namespace
