#pragma once

#include <string_view>

// The mode values are the button captions themselves, compared exactly.
namespace RunState {
inline constexpr std::string_view Running = "Running";
inline constexpr std::string_view Stopping = "Stopping";
} // namespace RunState

namespace TimeBaseCaption {
inline constexpr std::string_view PerSecond = "1 cm / s";
inline constexpr std::string_view PerTenSeconds = "1 cm / 10 s";
inline constexpr std::string_view PerMinute = "1 cm / min";
inline constexpr std::string_view PerTenMinutes = "1 cm / 10 mn";
inline constexpr std::string_view PerHour = "1 cm / hr";
inline constexpr std::string_view XY = "X Y";
} // namespace TimeBaseCaption

namespace SweepMode {
inline constexpr std::string_view Relax = "Relax";
inline constexpr std::string_view Salve = "Salve";
} // namespace SweepMode
