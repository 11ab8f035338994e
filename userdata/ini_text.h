#pragma once
// The text of "orvex-selection.ini": its bytes to the five contact values and back. Pure
// functions; the file itself is read and written in ini_file.h.

#include <string>
#include <string_view>

#include "userdata/user_info.h"

namespace userdata {

// Reads the five values out of the file's bytes. The bytes are Windows-1251 text; UTF-8 when
// they start with a UTF-8 byte-order mark (a bad sequence reads as U+FFFD); UTF-16 when they
// start with its byte-order mark, little- or big-endian (as Windows' own ini functions and
// Notepad's "Unicode" save). The values are always valid UTF-8. Lines may end with CR LF, LF
// or CR. Blank lines, lines starting with ";" and lines without "=" are skipped. Keys count
// only inside a group "[Информация о пользователе]", from its header to the next group
// header; a line starting with "[" is a group header, named by the text up to "]". Group and
// key names are compared without regard to letter case; spaces and tabs around a line, a name
// and a value are removed. When a key appears more than once, its first value counts. A key
// that is not there reads as the empty text.
UserInfo parseUserInfo(std::string_view fileBytes);

// The file's bytes: the group line and the five "key = value" lines, each ended with CR LF,
// in Windows-1251 without a byte-order mark. When a value holds a character Windows-1251
// cannot hold, the same lines are written as UTF-8 after a UTF-8 byte-order mark, so that
// nothing is lost. Values are written as they stand, blanks included; a line break inside a
// value is written as a space, so that a value can never start a line of its own.
std::string composeUserInfo(const UserInfo& info);

}  // namespace userdata
