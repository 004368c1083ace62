// Identifiers of the main window and its controls. Handlers name a control by the pair
// (window identifier, control identifier); the names are the ones the window description uses.
#pragma once

#include <cstdint>

namespace shell {

using WindowId = std::uint32_t;
using ControlId = std::uint32_t;

inline constexpr WindowId MainWindow = 0x52010001;

inline constexpr ControlId 选择框4 = 0x16010071;
inline constexpr ControlId 分组框4 = 0x16010063;
inline constexpr ControlId 延时设置1 = 0x16010064;
inline constexpr ControlId 编辑框5 = 0x16010065;
inline constexpr ControlId 分组框3 = 0x16010040;
inline constexpr ControlId 速度设置 = 0x16010041;
inline constexpr ControlId 编辑框4 = 0x16010042;
inline constexpr ControlId 延时设置 = 0x16010037;
inline constexpr ControlId 编辑框3 = 0x16010036;
inline constexpr ControlId 分组框2 = 0x16010035;
inline constexpr ControlId 时钟1 = 0x1601001A;
inline constexpr ControlId 选择框3 = 0x16010019;
inline constexpr ControlId 选择框2 = 0x16010018;
inline constexpr ControlId 选择框1 = 0x16010017;
inline constexpr ControlId 分组框1 = 0x16010016;
inline constexpr ControlId 编辑框2 = 0x16010009;
inline constexpr ControlId 按钮1 = 0x16010003;
inline constexpr ControlId 编辑框1 = 0x16010002;

}  // namespace shell
