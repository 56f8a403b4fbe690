#pragma once

#include <cstdint>

// The record the joystick query fills, laid out as the classic joystick service's JOYINFO.
struct JOYINFO
{
    std::uint32_t wXpos = 0;
    std::uint32_t wYpos = 0;
    std::uint32_t wZpos = 0;
    std::uint32_t wButtons = 0;
};

enum class JoyResult { NoError, Unplugged, NoDriver };

class Joystick
{
public:
    virtual ~Joystick() = default;

    // Fills `info` with joystick `id`'s position on the scale 0…65535. On failure the record may
    // be left as it was; the scope does not look at the result.
    virtual JoyResult query(unsigned id, JOYINFO &info) = 0;
};
