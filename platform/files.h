#pragma once
// Files the program writes, always whole: the bytes go to a temporary file in the target's
// folder, which is renamed over the target only when complete, so a full disk or a crash never
// leaves half a file.

#include <string>
#include <string_view>

namespace platform {

// Returns false when the file could not be written; the target is then unchanged.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace platform
