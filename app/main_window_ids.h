#pragma once
// Numbers of the splash window and the main window, their menu and gadgets.

namespace app {

inline constexpr int kSplashWindow = 0;
inline constexpr int kSplashPicture = 0;

inline constexpr int kMainWindow = 1;
// Menu 0 of the main window.
inline constexpr int kMenuExit = 1;
inline constexpr int kMenuCoolerWindow = 2;
inline constexpr int kMenuCondenserWindow = 3;
// Gadgets of the main window.
inline constexpr int kBackgroundPicture = 0;
inline constexpr int kCoolerArea = 1;     // left picture button, over the air coolers
inline constexpr int kCondenserArea = 2;  // right picture button, over the condensers

}  // namespace app
