#pragma once
// Reading and writing the ini file of the contact details as a whole.

#include <string>

#include "userdata/user_info.h"

namespace userdata {

// The five values of the file at path; all empty when it is missing or cannot be read.
UserInfo readUserInfoFile(const std::string& path);

// Replaces the file at path with the five values (see composeUserInfo). Returns false when
// it cannot be written; the old file is then left as it was.
bool writeUserInfoFile(const std::string& path, const UserInfo& info);

}  // namespace userdata
