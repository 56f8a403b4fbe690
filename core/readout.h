#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A reading in volts as the readouts show it: reading / 6560, two decimals, then " V".
std::string formatReadout(std::uint32_t reading, std::string_view decimalPoint);
