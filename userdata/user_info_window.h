#pragma once
// The user information window ("Информация о пользователе"), window 6 from the air cooler
// window and window 7 from the condenser window: the contact details that head every report,
// kept in the ini file and nowhere else.

#include <string>

#include "gui/toolkit.h"

namespace userdata::user_info {
// Gadgets of the user information window: the five fields in file order, then the buttons.
inline constexpr int kCompany = 6;
inline constexpr int kAddress = 7;
inline constexpr int kPhoneFax = 8;
inline constexpr int kEmail = 9;
inline constexpr int kManager = 10;
inline constexpr int kOkButton = 11;
inline constexpr int kCancelButton = 12;
}  // namespace userdata::user_info

namespace userdata {

// Opens the window over its parent with the five fields filled from the ini file in the
// folder. Nothing happens when the window cannot be opened.
void openUserInfoWindow(gui::Toolkit& toolkit, int parent, int window, const std::string& folder);
// Fills the five fields from the ini file; they stay empty when it cannot be read.
void loadUserInfo(gui::Toolkit& toolkit, int window, const std::string& folder);
// Writes the five fields to the ini file; false when it cannot be written (the old file
// stays as it was).
bool saveUserInfo(const gui::Toolkit& toolkit, int window, const std::string& folder);

// Serves one event of a user information window; 0 when it is to be closed. "Ok" saves first;
// when the file cannot be written the user is told, naming the file, and the window stays
// open so that nothing typed is lost. "Отмена" and the close box close it unsaved. Enter
// presses "Ok" and Escape "Отмена".
int handleUserInfoEvent(gui::Toolkit& toolkit, const std::string& folder, const gui::Event& event);

}  // namespace userdata
