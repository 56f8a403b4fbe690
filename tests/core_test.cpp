#include "corefixture.h"
#include "readout.h"

#include <gtest/gtest.h>

namespace {

using StartUp = CoreFixture;

TEST_F(StartUp, SetsSweepToLeftEdgeAndTakesFirstReading)
{
    joystick.push(1000, 2000);
    core.startUp();
    EXPECT_EQ(core.state().X, 0);
    EXPECT_EQ(core.state().StepX, 5);
    EXPECT_EQ(core.state().JoyX, 1000u);
    EXPECT_EQ(core.state().JoyY, 2000u);
    EXPECT_EQ(joystick.lastId, 0u);
    EXPECT_EQ(screen.calls(), 0);
    EXPECT_EQ(panel.readoutWrites, 0);
}

TEST_F(StartUp, RunsOnlyOnce)
{
    core.startUp();
    ticks(3);
    core.startUp(); // a later activation
    EXPECT_EQ(joystick.queries, 4);
    EXPECT_EQ(core.state().X, 15);
}

TEST_F(StartUp, FirstTickRunsItWhenTheWindowWasNeverActivated)
{
    joystick.push(100, 200);
    joystick.push(300, 400);
    core.tick();
    EXPECT_TRUE(core.hasStarted());
    EXPECT_EQ(core.state().X, 5);
    ASSERT_EQ(screen.segments.size(), 2u);
    EXPECT_EQ(screen.segments[0], (Segment{0, 100, 5, 300, TraceColour::Red}));
}

using Sweep = CoreFixture;

TEST_F(Sweep, FirstTickDrawsFromFirstReadingToSecond)
{
    joystick.push(1000, 2000);
    joystick.push(3000, 4000);
    core.startUp();
    core.tick();
    EXPECT_EQ(screen.left, 0);
    EXPECT_EQ(screen.width, 250);
    ASSERT_EQ(screen.segments.size(), 2u);
    EXPECT_EQ(screen.segments[0], (Segment{0, 1000, 5, 3000, TraceColour::Red}));
    EXPECT_EQ(screen.segments[1], (Segment{0, 2000, 5, 4000, TraceColour::Yellow}));
    EXPECT_EQ(core.state().OldJoyX, 1000u);
    EXPECT_EQ(core.state().OldJoyY, 2000u);
}

TEST_F(Sweep, FiftiethTickReachesRightEdgeWithoutWipe)
{
    core.startUp();
    ticks(50);
    EXPECT_EQ(core.state().X, 250);
    EXPECT_EQ(screen.wipes, 0);
    EXPECT_EQ(screen.segments.back().x2, 250);
}

TEST_F(Sweep, FiftyFirstTickWipesAndDrawsVerticalSegmentAtLeftEdge)
{
    core.startUp();
    for (int i = 0; i < 50; ++i)
        joystick.push(0, 0);
    joystick.push(500, 600);
    ticks(51);
    EXPECT_EQ(screen.wipes, 1);
    EXPECT_EQ(core.state().X, 0);
    ASSERT_EQ(screen.segments.size(), 2u);
    EXPECT_EQ(screen.segments[0], (Segment{0, 0, 0, 500, TraceColour::Red}));
    EXPECT_EQ(screen.segments[1], (Segment{0, 0, 0, 600, TraceColour::Yellow}));
}

TEST_F(Sweep, RecurrentSweepWipesEveryFiftyOneTicks)
{
    core.startUp();
    ticks(51 * 4);
    EXPECT_EQ(screen.wipes, 4);
    EXPECT_EQ(core.state().X, 0);
}

TEST_F(Sweep, SingleSweepHoldsAtRightEdge)
{
    panel.captions[Button::Command3] = std::string(SweepMode::Salve);
    core.startUp();
    ticks(50);
    joystick.push(7000, 8000);
    ticks(20);
    EXPECT_EQ(core.state().X, 250);
    EXPECT_EQ(screen.wipes, 0);
    const Segment &last = screen.segments.back();
    EXPECT_EQ(last.x1, 250);
    EXPECT_EQ(last.x2, 250);
    EXPECT_EQ(screen.segments[screen.segments.size() - 2],
              (Segment{250, 7000, 250, 7000, TraceColour::Red}));
}

TEST_F(Sweep, BackToRecurrentAtRightEdgeWipesOnNextTick)
{
    panel.captions[Button::Command3] = std::string(SweepMode::Salve);
    core.startUp();
    ticks(60);
    panel.captions[Button::Command3] = std::string(SweepMode::Relax);
    core.tick();
    EXPECT_EQ(screen.wipes, 1);
    EXPECT_EQ(core.state().X, 0);
}

TEST_F(Sweep, UnpluggedJoystickKeepsLastReading)
{
    joystick.push(1234, 4321);
    core.startUp();
    joystick.unplugged = true;
    ticks(2);
    EXPECT_EQ(core.state().JoyX, 1234u);
    EXPECT_EQ(screen.segments.back(), (Segment{5, 4321, 10, 4321, TraceColour::Yellow}));
}

TEST_F(Sweep, NoJoystickEverRunsFlatAtZero)
{
    joystick.unplugged = true;
    core.startUp();
    ticks(3);
    for (const Segment &s : screen.segments) {
        EXPECT_EQ(s.y1, 0);
        EXPECT_EQ(s.y2, 0);
    }
}

using Stopped = CoreFixture;

TEST_F(Stopped, TickRewritesOnlyTheReadouts)
{
    joystick.push(6560, 13120);
    core.startUp();
    ticks(3);
    const ScopeState before = core.state();
    const int queries = joystick.queries;
    const int screenCalls = screen.calls();
    panel.captions[Button::Command1] = std::string(RunState::Stopping);
    panel.text2.clear();
    ticks(5);
    EXPECT_EQ(panel.text2, "2.00 V");
    EXPECT_EQ(panel.text3, "1.00 V");
    EXPECT_EQ(joystick.queries, queries);
    EXPECT_EQ(screen.calls(), screenCalls);
    EXPECT_EQ(core.state().X, before.X);
}

TEST_F(Stopped, RestartContinuesFromLastPointDrawn)
{
    joystick.push(100, 100);
    joystick.push(200, 200);
    core.startUp();
    core.tick();
    panel.captions[Button::Command1] = std::string(RunState::Stopping);
    ticks(4);
    panel.captions[Button::Command1] = std::string(RunState::Running);
    joystick.push(300, 300);
    core.tick();
    EXPECT_EQ(screen.segments.back(), (Segment{5, 200, 10, 300, TraceColour::Yellow}));
}

TEST_F(Stopped, UnknownRunCaptionCountsAsStopped)
{
    panel.captions[Button::Command1] = "running";
    core.startUp();
    ticks(2);
    EXPECT_EQ(screen.calls(), 0);
}

using XYMode = CoreFixture;

TEST_F(XYMode, DrawsWhiteYAgainstXOnWideRangeAndKeepsSweepPosition)
{
    core.startUp();
    ticks(3);
    panel.captions[Button::Command2] = std::string(TimeBaseCaption::XY);
    joystick.push(10000, 20000);
    joystick.push(30000, 40000);
    ticks(2);
    EXPECT_EQ(screen.width, 66000);
    EXPECT_EQ(screen.left, 0);
    EXPECT_EQ(core.state().X, 15);
    EXPECT_EQ(screen.segments.back(), (Segment{10000, 20000, 30000, 40000, TraceColour::White}));
}

TEST_F(XYMode, NeverWipesAndIgnoresSweepMode)
{
    panel.captions[Button::Command2] = std::string(TimeBaseCaption::XY);
    panel.captions[Button::Command3] = std::string(SweepMode::Salve);
    core.startUp();
    ticks(300);
    EXPECT_EQ(screen.wipes, 0);
    EXPECT_EQ(screen.segments.size(), 300u);
    EXPECT_EQ(core.state().X, 0);
}

TEST_F(XYMode, StoppedTickLeavesRangeAsLastRunningTickSetIt)
{
    panel.captions[Button::Command2] = std::string(TimeBaseCaption::XY);
    core.startUp();
    core.tick();
    panel.captions[Button::Command1] = std::string(RunState::Stopping);
    screen.width = -1;
    core.tick();
    EXPECT_EQ(screen.width, -1);
    EXPECT_EQ(screen.rangeCalls, 1);
}

using Readouts = CoreFixture;

TEST_F(Readouts, ShowLatestReadingsWhenTheTickStarts)
{
    joystick.push(6560, 65535); // start-up
    joystick.push(0, 0);        // taken by the tick, after the readouts
    core.startUp();
    core.tick();
    EXPECT_EQ(panel.text2, "9.99 V"); // Y, beside the yellow label
    EXPECT_EQ(panel.text3, "1.00 V"); // X, beside the red label
    core.tick();
    EXPECT_EQ(panel.text2, "0.00 V");
}

TEST(ReadoutFormat, VoltsWithTwoDecimals)
{
    struct Case
    {
        std::uint32_t reading;
        const char *text;
    };
    const Case cases[] = {
        {0, "0.00 V"},      {6560, "1.00 V"},
        {65535, "9.99 V"},  {32800, "5.00 V"},
        {32, "0.00 V"},     {33, "0.01 V"},
        {164, "0.03 V"},    {6559, "1.00 V"},
        {65600, "10.00 V"}, {4294967295u, "654720.62 V"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(formatReadout(c.reading, "."), c.text) << c.reading;
}

TEST(ReadoutFormat, UsesTheLocaleDecimalSeparator)
{
    EXPECT_EQ(formatReadout(65535, ","), "9,99 V");
    EXPECT_EQ(formatReadout(0, ","), "0,00 V");
}

TEST(ReadoutFormat, CommaLocaleReachesTheReadouts)
{
    FakeJoystick joystick;
    FakeScreen screen;
    FakePanel panel;
    ScopeCore core(joystick, screen, panel, ",");
    joystick.push(13120, 3280);
    core.tick();
    EXPECT_EQ(panel.text2, "0,50 V");
    EXPECT_EQ(panel.text3, "2,00 V");
}

} // namespace
