#pragma once

#include "joystick.h"

// A joystick whose axes move a little on every query, so that every segment is drawn.
class MovingJoystick : public Joystick
{
public:
    JoyResult query(unsigned, JOYINFO &info) override
    {
        n = (n + 1) % 64;
        info.wXpos = 1000 * n;
        info.wYpos = 65535 - 1000 * n;
        return JoyResult::NoError;
    }

private:
    unsigned n = 0;
};
