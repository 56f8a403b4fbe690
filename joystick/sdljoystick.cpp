#include "sdljoystick.h"

#include <SDL.h>

SdlJoystick::SdlJoystick()
{
    // The scope owns no SDL window and must not take over Ctrl+C, and it reads the joystick while
    // the window is in the background.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    initialised = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    if (initialised) {
        // Nobody reads SDL's event queue; state is polled at each query instead, so over an
        // hours-long run no axis event must be queued.
        SDL_JoystickEventState(SDL_IGNORE);
    }
}

SdlJoystick::~SdlJoystick()
{
    if (!initialised)
        return;
    close();
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

void SdlJoystick::close()
{
    if (device) {
        SDL_JoystickClose(device);
        device = nullptr;
    }
}

JoyResult SdlJoystick::query(unsigned id, JOYINFO &info)
{
    if (!initialised)
        return JoyResult::NoDriver;

    // Also detects joysticks coming and going.
    SDL_JoystickUpdate();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);

    if (device && !SDL_JoystickGetAttached(device))
        close();
    if (!device) {
        if (id >= unsigned(SDL_NumJoysticks()))
            return JoyResult::Unplugged;
        device = SDL_JoystickOpen(int(id));
        if (!device)
            return JoyResult::Unplugged;
    }

    const int axes = SDL_JoystickNumAxes(device);
    auto reading = [&](int axis) {
        return axis < axes ? toReading(SDL_JoystickGetAxis(device, axis)) : 0u;
    };
    info.wXpos = reading(0);
    info.wYpos = reading(1);
    info.wZpos = reading(2);
    std::uint32_t buttons = 0;
    const int buttonCount = SDL_JoystickNumButtons(device);
    for (int b = 0; b < buttonCount && b < 32; ++b) {
        if (SDL_JoystickGetButton(device, b))
            buttons |= 1u << b;
    }
    info.wButtons = buttons;
    return JoyResult::NoError;
}
