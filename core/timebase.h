#pragma once

#include "modes.h"

#include <array>
#include <string_view>

// One step of the time-base cycle behind Command2.
struct TimeBase
{
    std::string_view before; // caption before the click
    std::string_view after;  // caption after it
    double StepX;
    int periodMs;
    bool resetX; // whether the sweep returns to the left edge
};

// Each time base moves the sweep 25 units, one division, per second, 10 s, minute, 10 min, hour.
inline constexpr std::array<TimeBase, 6> TimeBases{{
    {TimeBaseCaption::PerSecond, TimeBaseCaption::PerTenSeconds, 1, 400, true},
    {TimeBaseCaption::PerTenSeconds, TimeBaseCaption::PerMinute, 1, 2400, true},
    {TimeBaseCaption::PerMinute, TimeBaseCaption::PerTenMinutes, 1, 24000, true},
    {TimeBaseCaption::PerTenMinutes, TimeBaseCaption::PerHour, 0.25, 36000, true},
    {TimeBaseCaption::PerHour, TimeBaseCaption::XY, 5, 200, false},
    {TimeBaseCaption::XY, TimeBaseCaption::PerSecond, 5, 200, true},
}};
