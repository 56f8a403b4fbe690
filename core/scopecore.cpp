#include "scopecore.h"

#include "modes.h"
#include "readout.h"
#include "timebase.h"

#include <algorithm>

#include <utility>

ScopeCore::ScopeCore(Joystick &joystick, Screen &screen, Panel &panel, std::string decimalPoint)
    : joystick(joystick), screen(screen), panel(panel), decimalPoint(std::move(decimalPoint))
{
}

void ScopeCore::startUp()
{
    if (started)
        return;
    started = true;
    scope.X = 0;
    scope.StepX = 5;
    readJoystick();
}

void ScopeCore::tick()
{
    // Without a window manager the window may never be activated; the tick must not run on an
    // uninitialised step.
    startUp();

    // The readouts follow the traces' colours: yellow "Channel 1" shows Y, red "Channel 2" X.
    panel.setReadouts(formatReadout(scope.JoyY, decimalPoint),
                      formatReadout(scope.JoyX, decimalPoint));

    if (panel.caption(Button::Command1) != RunState::Running)
        return;
    if (panel.caption(Button::Command2) != TimeBaseCaption::XY)
        sweepTick();
    else
        xyTick();
}

void ScopeCore::readJoystick()
{
    // The result is deliberately ignored: after a failed query the record keeps what it held,
    // so an unplugged joystick holds its last reading and a missing one reads 0.
    joystick.query(JoystickId, scope.JoyInfo);
    scope.JoyX = scope.JoyInfo.wXpos;
    scope.JoyY = scope.JoyInfo.wYpos;
}

void ScopeCore::sweepTick()
{
    screen.setHorizontalRange(0, float(RightEdge));
    double OldX = scope.X;
    scope.OldJoyX = scope.JoyX;
    scope.OldJoyY = scope.JoyY;
    readJoystick();
    scope.X += scope.StepX;
    if (scope.X > RightEdge) {
        scope.X = RightEdge;
        if (panel.caption(Button::Command3) == SweepMode::Relax) {
            scope.X = 0;
            OldX = 0;
            screen.wipe();
        }
    }
    screen.drawSegment(float(OldX), float(scope.OldJoyX), float(scope.X), float(scope.JoyX),
                       TraceColour::Red);
    screen.drawSegment(float(OldX), float(scope.OldJoyY), float(scope.X), float(scope.JoyY),
                       TraceColour::Yellow);
}

void ScopeCore::xyTick()
{
    screen.setHorizontalRange(0, XYWidth);
    scope.OldJoyX = scope.JoyX;
    scope.OldJoyY = scope.JoyY;
    readJoystick();
    screen.drawSegment(float(scope.OldJoyX), float(scope.OldJoyY), float(scope.JoyX),
                       float(scope.JoyY), TraceColour::White);
}

void ScopeCore::toggleCaption(Button button, std::string_view one, std::string_view other)
{
    const std::string caption = panel.caption(button);
    if (caption == one)
        panel.setCaption(button, other);
    else if (caption == other)
        panel.setCaption(button, one);
}

void ScopeCore::runStop()
{
    toggleCaption(Button::Command1, RunState::Running, RunState::Stopping);
}

void ScopeCore::nextTimeBase()
{
    // A click that beats the first tick must not have its step overwritten by start-up.
    startUp();
    const std::string caption = panel.caption(Button::Command2);
    const auto row = std::find_if(TimeBases.begin(), TimeBases.end(),
                                  [&](const TimeBase &base) { return base.before == caption; });
    if (row == TimeBases.end())
        return;

    if (row->after == TimeBaseCaption::XY) {
        panel.stopTicking();
        panel.setCaption(Button::Command2, row->after);
        scope.StepX = row->StepX;
        panel.setTickPeriod(row->periodMs);
        panel.startTicking();
    } else {
        panel.setCaption(Button::Command2, row->after);
        scope.StepX = row->StepX;
        panel.setTickPeriod(row->periodMs);
    }
    if (row->resetX)
        scope.X = 0;
    screen.wipe();
}

void ScopeCore::sweepMode()
{
    toggleCaption(Button::Command3, SweepMode::Relax, SweepMode::Salve);
}

void ScopeCore::hideSignature()
{
    panel.setButtonVisible(Button::Command4, false);
}

void ScopeCore::clearScreen()
{
    scope.X = 0;
    screen.wipe();
}
