#pragma once
// A console program's start: its standard streams and its command line as the program's UTF-8
// texts.

#include <string>
#include <vector>

namespace platform {

// Makes the console show UTF-8 output and the standard streams pass bytes unchanged (no line
// end translation), so what the program writes is what a file or a pipe receives.
void prepareConsole();

// The command line's arguments, the program's name first, as UTF-8 texts.
std::vector<std::string> commandLineArguments(int argc, char** argv);

}  // namespace platform
