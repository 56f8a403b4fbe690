#include "readout.h"

std::string formatReadout(std::uint32_t reading, std::string_view decimalPoint)
{
    // 6560 reading units to the volt; rounded to the nearest hundredth, halves away from zero,
    // in integers so that no value lands on the wrong side of a rounding edge.
    constexpr std::uint64_t unitsPerVolt = 6560;
    const std::uint64_t hundredths =
        (std::uint64_t{reading} * 200 + unitsPerVolt) / (2 * unitsPerVolt);
    const std::uint64_t fraction = hundredths % 100;

    std::string text = std::to_string(hundredths / 100);
    text += decimalPoint;
    text += char('0' + fraction / 10);
    text += char('0' + fraction % 10);
    text += " V";
    return text;
}
