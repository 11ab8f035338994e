#pragma once
// Menu items and gadgets of the air cooler window. The numbers are fixed for the whole
// program: the report reads the form and the result list by them.

namespace selection::cooler {

// Menu 4.
inline constexpr int kMenuClose = 5;
inline constexpr int kMenuUserInfo = 6;
inline constexpr int kMenuAbout = 7;
// Menu "Проект".
inline constexpr int kMenuAddToProject = 57;
inline constexpr int kMenuOpenProject = 58;

// Form.
inline constexpr int kRefrigerant = 13;
inline constexpr int kRequiredCapacity = 14;       // kW
inline constexpr int kAirInletTemperature = 15;    // hint
inline constexpr int kAirInletLabel = 16;
inline constexpr int kHumidity = 17;               // hint
inline constexpr int kSeries = 18;
inline constexpr int kRoomRange = 19;              // hint
inline constexpr int kRoomRangeLabel = 20;
inline constexpr int kEvaporatingTemperature = 21;
inline constexpr int kTemperatureDifference = 22;
inline constexpr int kMinAirThrow = 23;            // m
inline constexpr int kMaxLength = 24;              // mm
inline constexpr int kMaxWidth = 25;               // mm
inline constexpr int kResultList = 27;
inline constexpr int kProject = 28;
inline constexpr int kContactPerson = 29;
inline constexpr int kSelectButton = 30;
inline constexpr int kReportButton = 31;
inline constexpr int kDrawingButton = 32;
inline constexpr int kClearButton = 33;
inline constexpr int kSeriesPicture = 34;

}  // namespace selection::cooler
