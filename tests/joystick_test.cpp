#include "sdljoystick.h"

#include <SDL.h>

#include <gtest/gtest.h>

namespace {

// A virtual joystick that SDL presents like a real device.
class VirtualJoystick
{
public:
    explicit VirtualJoystick(int axes = 2)
    {
        index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, axes, 4, 0);
        if (index >= 0)
            handle = SDL_JoystickOpen(index);
    }
    ~VirtualJoystick() { unplug(); }
    VirtualJoystick(const VirtualJoystick &) = delete;
    VirtualJoystick &operator=(const VirtualJoystick &) = delete;

    bool ok() const { return handle != nullptr; }
    void setAxes(Sint16 x, Sint16 y)
    {
        SDL_JoystickSetVirtualAxis(handle, 0, x);
        SDL_JoystickSetVirtualAxis(handle, 1, y);
    }
    void unplug()
    {
        if (!handle)
            return;
        SDL_JoystickClose(handle);
        handle = nullptr;
        SDL_JoystickDetachVirtual(index);
    }

private:
    int index = -1;
    SDL_Joystick *handle = nullptr;
};

class SdlSource : public ::testing::Test
{
protected:
    SdlJoystick source;
    JOYINFO info;

    void SetUp() override { ASSERT_TRUE(source.isAvailable()) << SDL_GetError(); }
};

TEST_F(SdlSource, NoJoystickFailsAndReadsZero)
{
    EXPECT_EQ(source.query(0, info), JoyResult::Unplugged);
    EXPECT_EQ(info.wXpos, 0u);
    EXPECT_EQ(info.wYpos, 0u);
}

TEST_F(SdlSource, ReadsBothEndsOfTheScale)
{
    VirtualJoystick stick;
    ASSERT_TRUE(stick.ok()) << SDL_GetError();
    stick.setAxes(-32768, 32767);
    EXPECT_EQ(source.query(0, info), JoyResult::NoError);
    EXPECT_EQ(info.wXpos, 0u);
    EXPECT_EQ(info.wYpos, 65535u);
    stick.setAxes(32767, 0);
    source.query(0, info);
    EXPECT_EQ(info.wXpos, 65535u);
    EXPECT_EQ(info.wYpos, 32768u);
}

TEST_F(SdlSource, JoystickPluggedInLaterIsReadFromTheNextQuery)
{
    EXPECT_EQ(source.query(0, info), JoyResult::Unplugged);
    VirtualJoystick stick;
    ASSERT_TRUE(stick.ok());
    stick.setAxes(1000, -1000);
    EXPECT_EQ(source.query(0, info), JoyResult::NoError);
    EXPECT_EQ(info.wXpos, 33768u);
    EXPECT_EQ(info.wYpos, 31768u);
}

TEST_F(SdlSource, UnplugKeepsLastReadingAndReplugResumes)
{
    {
        VirtualJoystick stick;
        ASSERT_TRUE(stick.ok());
        stick.setAxes(12000, -12000);
        ASSERT_EQ(source.query(0, info), JoyResult::NoError);
        stick.unplug();
        EXPECT_EQ(source.query(0, info), JoyResult::Unplugged);
        EXPECT_EQ(source.query(0, info), JoyResult::Unplugged);
        EXPECT_EQ(info.wXpos, 44768u);
        EXPECT_EQ(info.wYpos, 20768u);
    }
    VirtualJoystick again;
    ASSERT_TRUE(again.ok());
    again.setAxes(-32768, -32768);
    EXPECT_EQ(source.query(0, info), JoyResult::NoError);
    EXPECT_EQ(info.wXpos, 0u);
    EXPECT_EQ(info.wYpos, 0u);
}

TEST_F(SdlSource, MissingAxisReadsZero)
{
    VirtualJoystick stick(1);
    ASSERT_TRUE(stick.ok());
    EXPECT_EQ(source.query(0, info), JoyResult::NoError);
    EXPECT_EQ(info.wXpos, 32768u);
    EXPECT_EQ(info.wYpos, 0u);
}

TEST_F(SdlSource, LongRunLeavesNoEventsQueued)
{
    VirtualJoystick stick;
    ASSERT_TRUE(stick.ok());
    for (int i = 0; i < 5000; ++i) {
        stick.setAxes(Sint16(i * 13), Sint16(-i * 7));
        source.query(0, info);
    }
    SDL_PumpEvents();
    EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT), 0);
    EXPECT_EQ(info.wXpos, SdlJoystick::toReading(Sint16(4999 * 13)));
}

TEST(SdlSourceLifetime, SurvivesBeingCreatedTwice)
{
    JOYINFO info;
    {
        SdlJoystick first;
        EXPECT_TRUE(first.isAvailable());
    }
    SdlJoystick second;
    VirtualJoystick stick;
    ASSERT_TRUE(stick.ok());
    stick.setAxes(0, 0);
    EXPECT_EQ(second.query(0, info), JoyResult::NoError);
}

} // namespace
