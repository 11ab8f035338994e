#pragma once
// Leftovers of interrupted whole-file writes (platform/files.h): the temporary files a crash or
// a kill left beside their targets (platform/temporary_names.h). Only the program's own
// temporary names are ever removed, and never a temporary that a running write still holds.

#include <functional>
#include <string>
#include <string_view>

namespace platform {

// Removes the temporaries in `folder` whose target's name `isOwnTarget` accepts; returns how
// many were removed. A folder that cannot be read removes nothing.
int removeWriteLeftovers(const std::string& folder, const std::function<bool(std::string_view)>& isOwnTarget);

// Removes the leftovers of earlier writes of the file at `target`.
int removeWriteLeftoversOf(const std::string& target);

// Deletes one temporary file unless a write still holds it open (per platform).
bool removeAbandonedTemporary(const std::string& path);

}  // namespace platform
