#pragma once

#include <cstdint>

// 0xBBGGRR, red in the low byte.
using Colour = std::uint32_t;

namespace TraceColour {
inline constexpr Colour Red = 0x0000FF;
inline constexpr Colour Yellow = 0x00FFFF;
inline constexpr Colour White = 0xFFFFFF;
} // namespace TraceColour

// The scope screen in its logical units: vertically 65500 at the top edge down to -500 at the
// bottom; horizontally whatever the last setHorizontalRange() asked for.
class Screen
{
public:
    virtual ~Screen() = default;

    virtual void setHorizontalRange(float left, float width) = 0;
    virtual void drawSegment(float x1, float y1, float x2, float y2, Colour colour) = 0;
    // Back to the blank graticule; the coordinate system stays as it is.
    virtual void wipe() = 0;
};
