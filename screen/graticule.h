#pragma once

#include <QColor>
#include <QImage>

namespace Graticule {
inline constexpr int Size = 250;    // pixels each way
inline constexpr int Division = 25; // pixels to a division
inline const QColor Navy{0, 0, 128};
inline const QColor LightCyan{128, 255, 255};

// The blank screen: navy, ruled into 10 × 10 divisions by nine light cyan lines each way, none
// along the outer edges. A 256-colour image whose palette holds just the two colours.
QImage image();
} // namespace Graticule
