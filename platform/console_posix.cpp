#include "platform/console.h"

namespace platform {

// A POSIX terminal takes UTF-8 bytes and the streams already pass bytes unchanged.
void prepareConsole() {}

std::vector<std::string> commandLineArguments(int argc, char** argv) { return {argv, argv + argc}; }

}  // namespace platform
