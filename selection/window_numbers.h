#pragma once
// The program's fixed window numbers, with the splash's and the main window's own menu items and
// gadgets. Handlers and the shell address windows only by these numbers.

namespace selection {

inline constexpr int kSplashWindow = 0;
inline constexpr int kMainWindow = 1;
inline constexpr int kCoolerWindow = 2;
inline constexpr int kCondenserWindow = 3;
inline constexpr int kCoolerAboutWindow = 4;
inline constexpr int kCondenserAboutWindow = 5;
inline constexpr int kCoolerUserInfoWindow = 6;
inline constexpr int kCondenserUserInfoWindow = 7;
inline constexpr int kProjectWindow = 8;
inline constexpr int kWindowCount = 9;  // the windows the event loop serves

// The progress windows of a drawing download, over the air cooler and the condenser window.
// The download serves them itself while it runs; the event loop never sees their events.
inline constexpr int kCoolerDrawingProgressWindow = 9;
inline constexpr int kCondenserDrawingProgressWindow = 10;

// Gadget of the splash window.
inline constexpr int kSplashPicture = 0;

// Menu 0 of the main window.
inline constexpr int kMenuExit = 1;
inline constexpr int kMenuCoolerWindow = 2;
inline constexpr int kMenuCondenserWindow = 3;
inline constexpr int kMenuProjectWindow = 4;
// Gadgets of the main window.
inline constexpr int kBackgroundPicture = 0;
inline constexpr int kCoolerArea = 1;     // left picture button, over the air coolers
inline constexpr int kCondenserArea = 2;  // right picture button, over the condensers

}  // namespace selection
