#pragma once

#include "joystick.h"

#include <cstdint>

struct ScopeState
{
    double X = 0;     // sweep position, 0…250 in the time bases
    double StepX = 0; // set by start-up
    std::uint32_t JoyX = 0;
    std::uint32_t JoyY = 0;
    std::uint32_t OldJoyX = 0;
    std::uint32_t OldJoyY = 0;
    JOYINFO JoyInfo;
};
