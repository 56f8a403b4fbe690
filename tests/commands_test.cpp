#include "corefixture.h"
#include "timebase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

class Commands : public CoreFixture
{
protected:
    std::vector<std::string> journal;

    void SetUp() override { core.startUp(); }
};

TEST_F(Commands, SixTimeBaseClicksWalkTheWholeCycle)
{
    struct Step
    {
        const char *caption;
        double StepX;
        int period;
        bool resetsX;
    };
    const Step cycle[] = {
        {"1 cm / 10 s", 1, 400, true},    {"1 cm / min", 1, 2400, true},
        {"1 cm / 10 mn", 1, 24000, true}, {"1 cm / hr", 0.25, 36000, true},
        {"X Y", 5, 200, false},           {"1 cm / s", 5, 200, true},
    };
    int wipes = 0;
    for (const Step &step : cycle) {
        ticks(3);
        const double before = core.state().X;
        ASSERT_GT(before, 0) << step.caption;
        core.nextTimeBase();
        EXPECT_EQ(caption(Button::Command2), step.caption);
        EXPECT_EQ(core.state().StepX, step.StepX) << step.caption;
        EXPECT_EQ(panel.period, step.period) << step.caption;
        EXPECT_TRUE(panel.ticking) << step.caption;
        EXPECT_EQ(core.state().X, step.resetsX ? 0 : before) << step.caption;
        EXPECT_EQ(screen.wipes, ++wipes) << step.caption;
        EXPECT_TRUE(screen.segments.empty()) << step.caption;
    }
}

TEST_F(Commands, IntoXYStopsAndRestartsTheTimerAroundTheChange)
{
    panel.captions[Button::Command2] = "1 cm / hr";
    panel.journal = &journal;
    screen.journal = &journal;
    core.nextTimeBase();
    const std::vector<std::string> expected{"stop", "caption X Y", "period 200", "start", "wipe"};
    EXPECT_EQ(journal, expected);
}

TEST_F(Commands, OtherTimeBaseRowsKeepTheTimerRunning)
{
    panel.journal = &journal;
    screen.journal = &journal;
    core.nextTimeBase();
    const std::vector<std::string> expected{"caption 1 cm / 10 s", "period 400", "wipe"};
    EXPECT_EQ(journal, expected);
}

TEST_F(Commands, EnteringXYKeepsXAndLeavingItResetsIt)
{
    for (int i = 0; i < 4; ++i)
        core.nextTimeBase();
    ticks(7);
    ASSERT_EQ(core.state().X, 1.75);
    core.nextTimeBase(); // into X Y
    ticks(5);
    EXPECT_EQ(core.state().X, 1.75);
    core.nextTimeBase(); // back to 1 cm / s
    EXPECT_EQ(core.state().X, 0);
}

TEST_F(Commands, UnknownTimeBaseCaptionChangesNothing)
{
    panel.captions[Button::Command2] = "1 cm / S";
    ticks(2);
    const int wipes = screen.wipes;
    core.nextTimeBase();
    EXPECT_EQ(caption(Button::Command2), "1 cm / S");
    EXPECT_EQ(panel.period, 200);
    EXPECT_EQ(core.state().X, 10);
    EXPECT_EQ(screen.wipes, wipes);
}

TEST_F(Commands, TimeBaseClickWhileStoppedChangesAllButDrawsNothing)
{
    ticks(4);
    core.runStop();
    ASSERT_EQ(caption(Button::Command1), "Stopping");
    core.nextTimeBase();
    EXPECT_EQ(caption(Button::Command2), "1 cm / 10 s");
    EXPECT_EQ(core.state().StepX, 1);
    EXPECT_EQ(panel.period, 400);
    EXPECT_EQ(core.state().X, 0);
    EXPECT_EQ(screen.wipes, 1);
    ticks(10);
    EXPECT_TRUE(screen.segments.empty());
    core.runStop();
    core.tick();
    EXPECT_EQ(screen.segments.size(), 2u);
    EXPECT_EQ(core.state().X, 1);
}

TEST_F(Commands, TimeBaseClickBeforeStartUpIsNotUndoneByIt)
{
    ScopeCore fresh{joystick, screen, panel};
    fresh.nextTimeBase();
    fresh.startUp();
    fresh.tick();
    EXPECT_EQ(fresh.state().StepX, 1);
    EXPECT_EQ(fresh.state().X, 1);
}

TEST_F(Commands, RunStopTogglesAndLeavesUnknownCaptions)
{
    core.runStop();
    EXPECT_EQ(caption(Button::Command1), "Stopping");
    core.runStop();
    EXPECT_EQ(caption(Button::Command1), "Running");
    panel.captions[Button::Command1] = "Paused";
    core.runStop();
    EXPECT_EQ(caption(Button::Command1), "Paused");
    EXPECT_TRUE(panel.ticking);
}

TEST_F(Commands, SweepModeTogglesAndLeavesUnknownCaptions)
{
    core.sweepMode();
    EXPECT_EQ(caption(Button::Command3), "Salve");
    core.sweepMode();
    EXPECT_EQ(caption(Button::Command3), "Relax");
    panel.captions[Button::Command3] = "relax";
    core.sweepMode();
    EXPECT_EQ(caption(Button::Command3), "relax");
}

TEST_F(Commands, SweepModeInXYChangesOnlyTheCaption)
{
    panel.captions[Button::Command2] = "X Y";
    ticks(3);
    const ScopeState before = core.state();
    const int calls = screen.calls();
    core.sweepMode();
    EXPECT_EQ(caption(Button::Command3), "Salve");
    EXPECT_EQ(screen.calls(), calls);
    EXPECT_EQ(core.state().X, before.X);
    EXPECT_EQ(core.state().StepX, before.StepX);
    EXPECT_EQ(panel.period, 200);
}

TEST_F(Commands, ClearScreenReturnsSweepToLeftEdgeOnly)
{
    ticks(9);
    core.runStop();
    core.clearScreen();
    EXPECT_EQ(core.state().X, 0);
    EXPECT_EQ(screen.wipes, 1);
    EXPECT_EQ(core.state().StepX, 5);
    EXPECT_EQ(caption(Button::Command1), "Stopping");
    EXPECT_EQ(panel.period, 200);
    core.runStop();
    joystick.push(100, 200);
    core.tick();
    EXPECT_EQ(screen.segments.front().x1, 0);
    EXPECT_EQ(screen.segments.front().x2, 5);
}

TEST_F(Commands, ClearScreenInXYWipesAndDrawsOnFromLastReading)
{
    panel.captions[Button::Command2] = "X Y";
    joystick.push(1000, 2000);
    ticks(1);
    core.clearScreen();
    EXPECT_TRUE(screen.segments.empty());
    joystick.push(3000, 4000);
    core.tick();
    ASSERT_EQ(screen.segments.size(), 1u);
    EXPECT_EQ(screen.segments[0], (Segment{1000, 2000, 3000, 4000, TraceColour::White}));
}

TEST_F(Commands, HideSignatureHidesOnlyItsButton)
{
    core.hideSignature();
    EXPECT_EQ(panel.visibility, (std::map<Button, bool>{{Button::Command4, false}}));
    core.hideSignature();
    EXPECT_FALSE(panel.visibility[Button::Command4]);
    EXPECT_EQ(caption(Button::Command4), "Orv 1998");
}

// Ticks from X = 0 to the tick that passes the right edge, for every time base.
TEST_F(Commands, SweepLengthsFollowTheTimeBaseTable)
{
    struct Sweep
    {
        int clicks;
        int ticksPerSweep;
        int period;
        double seconds;
    };
    const Sweep sweeps[] = {{0, 51, 200, 10.2},
                            {1, 251, 400, 100.4},
                            {1, 251, 2400, 602.4},
                            {1, 251, 24000, 6024},
                            {1, 1001, 36000, 36036}};
    for (const Sweep &sweep : sweeps) {
        for (int i = 0; i < sweep.clicks; ++i)
            core.nextTimeBase();
        const int wipes = screen.wipes;
        int count = 0;
        while (screen.wipes == wipes && count < 5000) {
            core.tick();
            ++count;
        }
        EXPECT_EQ(count, sweep.ticksPerSweep) << caption(Button::Command2);
        EXPECT_EQ(panel.period, sweep.period);
        EXPECT_DOUBLE_EQ(count * sweep.period / 1000.0, sweep.seconds);
    }
}

TEST_F(Commands, QuarterStepsReachTheRightEdgeExactly)
{
    for (int i = 0; i < 4; ++i)
        core.nextTimeBase();
    ASSERT_EQ(caption(Button::Command2), "1 cm / hr");
    ticks(1000);
    EXPECT_EQ(core.state().X, 250);
    EXPECT_EQ(screen.wipes, 4);
    EXPECT_EQ(screen.segments.back().x2, 250);
    core.tick();
    EXPECT_EQ(screen.wipes, 5);
    EXPECT_EQ(core.state().X, 0);
}

// Thousands of random clicks and ticks; the scope's invariants hold after every one.
TEST(CommandSequence, RandomClicksAndTicksKeepTheScopeConsistent)
{
    FakeJoystick joystick;
    FakeScreen screen;
    FakePanel panel;
    ScopeCore core{joystick, screen, panel};
    std::mt19937 random(20261207);
    const std::vector<std::string> runStates{"Running", "Stopping"};
    const std::vector<std::string> sweepModes{"Relax", "Salve"};

    for (int step = 0; step < 20000; ++step) {
        joystick.push(random() % 65536, random() % 65536);
        const unsigned action = random() % 12;
        const std::size_t segmentsBefore = screen.segments.size();
        const int wipesBefore = screen.wipes;
        const bool stopped = panel.captions[Button::Command1] == "Stopping";
        switch (action) {
        case 0:
            core.runStop();
            break;
        case 1:
            core.nextTimeBase();
            break;
        case 2:
            core.sweepMode();
            break;
        case 3:
            core.clearScreen();
            break;
        case 4:
            core.hideSignature();
            break;
        default:
            core.tick();
            if (stopped) {
                ASSERT_EQ(screen.segments.size(), segmentsBefore) << step;
                ASSERT_EQ(screen.wipes, wipesBefore) << step;
            }
        }

        const std::string timeBase = panel.captions[Button::Command2];
        const auto row = std::find_if(TimeBases.begin(), TimeBases.end(),
                                      [&](const TimeBase &b) { return b.after == timeBase; });
        ASSERT_NE(row, TimeBases.end()) << step << " " << timeBase;
        if (core.hasStarted()) {
            ASSERT_EQ(core.state().StepX, row->StepX) << step << " " << timeBase;
        }
        ASSERT_EQ(panel.period, row->periodMs) << step << " " << timeBase;
        ASSERT_TRUE(panel.ticking);
        ASSERT_GE(core.state().X, 0);
        ASSERT_LE(core.state().X, 250);
        ASSERT_NE(std::find(runStates.begin(), runStates.end(), panel.captions[Button::Command1]),
                  runStates.end());
        ASSERT_NE(std::find(sweepModes.begin(), sweepModes.end(), panel.captions[Button::Command3]),
                  sweepModes.end());
        const bool ranATick = action > 4 && !stopped;
        if (ranATick && screen.wipes == wipesBefore) {
            const std::size_t added = screen.segments.size() - segmentsBefore;
            if (timeBase == "X Y") {
                ASSERT_EQ(added, 1u) << step;
                ASSERT_EQ(screen.segments.back().colour, TraceColour::White) << step;
            } else {
                ASSERT_EQ(added, 2u) << step;
                const Segment &red = screen.segments[segmentsBefore];
                ASSERT_EQ(red.colour, TraceColour::Red) << step;
                ASSERT_EQ(screen.segments.back().colour, TraceColour::Yellow) << step;
                ASSERT_EQ(red.x2, float(core.state().X)) << step;
            }
        }
    }
}

} // namespace
