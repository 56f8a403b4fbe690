#pragma once

#include "fakes.h"
#include "scopecore.h"

#include <gtest/gtest.h>

#include <string>

// A scope core wired to fakes, for tests that drive the tick and the commands directly.
class CoreFixture : public ::testing::Test
{
protected:
    FakeJoystick joystick;
    FakeScreen screen;
    FakePanel panel;
    ScopeCore core{joystick, screen, panel};

    std::string caption(Button button) const { return panel.captions.at(button); }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            core.tick();
    }
};
