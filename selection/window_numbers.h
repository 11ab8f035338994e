#pragma once
// Numbers of the selection windows and of the child windows they open.

namespace selection {

inline constexpr int kCoolerWindow = 2;
inline constexpr int kCondenserWindow = 3;
inline constexpr int kCoolerAboutWindow = 4;
inline constexpr int kCondenserAboutWindow = 5;
inline constexpr int kCoolerUserInfoWindow = 6;
inline constexpr int kCondenserUserInfoWindow = 7;

}  // namespace selection
