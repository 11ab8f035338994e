#pragma once
// The names of the temporary files a whole-file write goes through: the target's name, a dot
// and six letters or digits ("orvex-selection.ini.a1B2c3"), beside the target. Whatever bears
// such a name after a crash is a leftover of the program's own; a user's file such as
// "orvex-selection.htm.bak" never matches. Nothing here touches a file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

inline constexpr std::size_t kTemporarySuffixLength = 6;

// The target's name of a temporary file name ("a.ini" for "a.ini.x7Yz01"); nothing when the
// name is not one of the temporary names.
std::optional<std::string_view> targetOfTemporaryName(std::string_view name);

// The temporary name of a target that `seed` picks: the target's name, a dot and six letters
// or digits. Seeds that differ by less than 62 to the 6th power give different names.
std::string temporaryNameOf(std::string_view target, std::uint64_t seed);

}  // namespace platform
