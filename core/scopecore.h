#pragma once

#include "joystick.h"
#include "panel.h"
#include "scopestate.h"
#include "screen.h"

#include <string>
#include <string_view>

// The scope's behaviour: start-up, the periodic tick and the operator commands. It owns ScopeState
// and reaches the outside only through the joystick, the screen and the panel.
class ScopeCore
{
public:
    ScopeCore(Joystick &joystick, Screen &screen, Panel &panel, std::string decimalPoint = ".");
    ScopeCore(const ScopeCore &) = delete;
    ScopeCore &operator=(const ScopeCore &) = delete;

    // Runs once, at the first activation of the window or at the start of the first tick,
    // whichever comes first.
    void startUp();
    void tick();

    // The operator commands, one per button.
    void runStop();       // Command1
    void nextTimeBase();  // Command2
    void sweepMode();     // Command3
    void hideSignature(); // Command4
    void clearScreen();   // Command5

    bool hasStarted() const { return started; }
    const ScopeState &state() const { return scope; }

    static constexpr double RightEdge = 250;  // 10 divisions of 25 units
    static constexpr float XYWidth = 66000;   // horizontal range in "X Y" mode
    static constexpr unsigned JoystickId = 0; // the first joystick

private:
    void readJoystick();
    void sweepTick();
    void xyTick();
    // Swaps a two-state caption; any other caption is left as it is.
    void toggleCaption(Button button, std::string_view one, std::string_view other);

    Joystick &joystick;
    Screen &screen;
    Panel &panel;
    const std::string decimalPoint;
    ScopeState scope;
    bool started = false;
};
