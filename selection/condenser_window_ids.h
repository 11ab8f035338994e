#pragma once
// Menu items and gadgets of the condenser window. The numbers are fixed for the whole program:
// the report reads the form and the result list by them.

namespace selection::condenser {

// Menu 8.
inline constexpr int kMenuClose = 9;
inline constexpr int kMenuUserInfo = 10;
inline constexpr int kMenuAbout = 11;
// Menu "Проект".
inline constexpr int kMenuAddToProject = 59;
inline constexpr int kMenuOpenProject = 60;

// Form.
inline constexpr int kAmbientTemperature = 35;
inline constexpr int kTemperatureDifference = 36;
inline constexpr int kCondensingTemperature = 37;  // ambient + difference, shown only
inline constexpr int kAltitude = 38;               // disabled, no items
inline constexpr int kRequiredHeatRejection = 39;  // kW
inline constexpr int kRefrigerant = 40;
inline constexpr int kSeries = 41;
inline constexpr int kSeriesPicture = 42;
inline constexpr int kNoiseLimit = 43;  // dB(A) at 10 m
inline constexpr int kStarConnection = 44;
inline constexpr int kDeltaConnection = 45;
inline constexpr int kFourPoles = 46;
inline constexpr int kSixPoles = 47;
inline constexpr int kEightPoles = 48;
inline constexpr int kProject = 49;
inline constexpr int kContactPerson = 50;
inline constexpr int kResultList = 52;
inline constexpr int kSelectButton = 53;
inline constexpr int kReportButton = 54;
inline constexpr int kDrawingButton = 55;
inline constexpr int kClearButton = 56;

}  // namespace selection::condenser
