#pragma once

#include "joystick.h"

struct _SDL_Joystick;

// The joystick query on SDL2's joystick subsystem alone. Device `id` is the id-th joystick
// present; it is opened when it appears and closed when it goes, so a joystick may be plugged
// in, pulled out and plugged back at any time.
class SdlJoystick : public Joystick
{
public:
    SdlJoystick();
    ~SdlJoystick() override;
    SdlJoystick(const SdlJoystick &) = delete;
    SdlJoystick &operator=(const SdlJoystick &) = delete;

    JoyResult query(unsigned id, JOYINFO &info) override;

    bool isAvailable() const { return initialised; }

    // Axis position -32768…32767 on the reading scale 0…65535.
    static constexpr std::uint32_t toReading(int axis) { return std::uint32_t(axis + 32768); }

private:
    void close();

    bool initialised = false;
    _SDL_Joystick *device = nullptr;
};
