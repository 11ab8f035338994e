#pragma once
// The program's own leftovers in its folder: temporaries that a crash or a kill during a save
// left beside the contact details, the report's page, logo and icon, and the drawings of the
// catalog's models. Removed at start-up; a user's file of a look-alike name stays.

#include <string>

namespace app {

// Removes them from `folder` (the catalog is loaded); returns how many were removed.
int removeProgramLeftovers(const std::string& folder);

}  // namespace app
