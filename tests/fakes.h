#pragma once

#include "joystick.h"
#include "modes.h"
#include "panel.h"
#include "screen.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

// Hands out scripted readings, then repeats the last one.
class FakeJoystick : public Joystick
{
public:
    struct Reading
    {
        std::uint32_t x = 0;
        std::uint32_t y = 0;
    };

    void push(std::uint32_t x, std::uint32_t y) { script.push_back({x, y}); }

    JoyResult query(unsigned id, JOYINFO &info) override
    {
        ++queries;
        lastId = id;
        if (unplugged)
            return JoyResult::Unplugged;
        if (!script.empty()) {
            current = script.front();
            script.pop_front();
        }
        info.wXpos = current.x;
        info.wYpos = current.y;
        return JoyResult::NoError;
    }

    int queries = 0;
    unsigned lastId = 99;
    bool unplugged = false;

private:
    std::deque<Reading> script;
    Reading current;
};

struct Segment
{
    float x1, y1, x2, y2;
    Colour colour;
    bool operator==(const Segment &) const = default;
};

class FakeScreen : public Screen
{
public:
    void setHorizontalRange(float l, float w) override
    {
        left = l;
        width = w;
        ++rangeCalls;
    }
    void drawSegment(float x1, float y1, float x2, float y2, Colour colour) override
    {
        segments.push_back({x1, y1, x2, y2, colour});
    }
    void wipe() override
    {
        ++wipes;
        segments.clear();
        if (journal)
            journal->push_back("wipe");
    }
    int calls() const { return rangeCalls + wipes + int(segments.size()); }

    float left = -1;
    float width = -1;
    int rangeCalls = 0;
    int wipes = 0;
    std::vector<Segment> segments; // since the last wipe
    std::vector<std::string> *journal = nullptr;
};

class FakePanel : public Panel
{
public:
    FakePanel()
    {
        captions[Button::Command1] = std::string(RunState::Running);
        captions[Button::Command2] = std::string(TimeBaseCaption::PerSecond);
        captions[Button::Command3] = std::string(SweepMode::Relax);
        captions[Button::Command4] = "Orv 1998";
        captions[Button::Command5] = "Clear screen";
    }
    std::string caption(Button button) const override { return captions.at(button); }
    void setCaption(Button button, std::string_view text) override
    {
        captions[button] = std::string(text);
        note("caption " + std::string(text));
    }
    void setButtonVisible(Button button, bool visible) override { visibility[button] = visible; }
    void setTickPeriod(int milliseconds) override
    {
        period = milliseconds;
        note("period " + std::to_string(milliseconds));
    }
    void stopTicking() override
    {
        ticking = false;
        note("stop");
    }
    void startTicking() override
    {
        ticking = true;
        note("start");
    }
    void setReadouts(std::string_view t2, std::string_view t3) override
    {
        text2 = t2;
        text3 = t3;
        ++readoutWrites;
    }

    std::map<Button, std::string> captions;
    std::map<Button, bool> visibility;
    int period = 200;
    bool ticking = true;
    std::vector<std::string> *journal = nullptr;
    std::string text2;
    std::string text3;
    int readoutWrites = 0;

private:
    void note(std::string entry)
    {
        if (journal)
            journal->push_back(std::move(entry));
    }
};
