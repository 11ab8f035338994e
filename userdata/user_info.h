#pragma once
// The user's contact details that head every selection report, and where they are kept.

#include <array>
#include <string>
#include <string_view>

namespace userdata {

struct UserInfo {
  std::string company;
  std::string address;
  std::string phoneFax;
  std::string email;
  std::string manager;
  friend bool operator==(const UserInfo&, const UserInfo&) = default;
};

// The file, relative to the current directory, and its one group.
inline constexpr std::string_view kUserInfoFileName = "orvex-selection.ini";
inline constexpr std::string_view kUserInfoGroup = "Информация о пользователе";

// The five keys in file order, each with the value it holds.
struct UserInfoKey {
  std::string_view name;
  std::string UserInfo::*value;
};
inline constexpr std::array<UserInfoKey, 5> kUserInfoKeys{{
    {"Компания", &UserInfo::company},
    {"Адрес", &UserInfo::address},
    {"Телефон/факс", &UserInfo::phoneFax},
    {"E-mail", &UserInfo::email},
    {"Менеджер", &UserInfo::manager},
}};

}  // namespace userdata
