#pragma once

#include <string>
#include <string_view>

enum class Button { Command1, Command2, Command3, Command4, Command5 };

// The window's controls as the scope sees them. The run state, time base and sweep mode live in
// the captions of Command1, Command2 and Command3.
class Panel
{
public:
    virtual ~Panel() = default;

    virtual std::string caption(Button button) const = 0;
    virtual void setCaption(Button button, std::string_view text) = 0;
    virtual void setButtonVisible(Button button, bool visible) = 0;
    // Text2 sits beside "Channel 1", Text3 beside "Channel 2".
    virtual void setReadouts(std::string_view text2, std::string_view text3) = 0;

    // Timer1, which drives the tick. A new period keeps it enabled.
    virtual void setTickPeriod(int milliseconds) = 0;
    virtual void stopTicking() = 0;
    virtual void startTicking() = 0;
};
