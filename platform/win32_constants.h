// The Windows constants the keyboard functions pass, under their SDK names, for the portable code
// that never includes <windows.h> (where these names are macros and would clash).
#pragma once

#include <cstdint>

namespace platform {

inline constexpr std::uint8_t VK_CAPITAL = 0x14;
inline constexpr std::uint8_t VK_NUMLOCK = 0x90;
inline constexpr std::uint8_t VK_SCROLL = 0x91;

inline constexpr std::uint32_t KEYEVENTF_EXTENDEDKEY = 0x0001;
inline constexpr std::uint32_t KEYEVENTF_KEYUP = 0x0002;

inline constexpr std::uint32_t SPI_GETKEYBOARDSPEED = 0x000A;
inline constexpr std::uint32_t SPI_SETKEYBOARDSPEED = 0x000B;
inline constexpr std::uint32_t SPI_GETKEYBOARDDELAY = 0x0016;
inline constexpr std::uint32_t SPI_SETKEYBOARDDELAY = 0x0017;
inline constexpr std::uint32_t SPIF_UPDATEINIFILE = 0x0001;
inline constexpr std::uint32_t SPIF_SENDCHANGE = 0x0002;

inline constexpr std::uint32_t MB_OK = 0x00000000;
inline constexpr std::uint32_t MB_ICONHAND = 0x00000010;

inline constexpr std::uint32_t INFINITE = 0xFFFFFFFF;

// The operating-system family of the NT line, as OsFamily reports it.
inline constexpr std::int32_t kNtFamily = 3;

}  // namespace platform
