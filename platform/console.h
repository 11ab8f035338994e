#pragma once
// A console program's start and its standard streams: the command line as the program's UTF-8
// texts, and standard output and error written in blocks of whole lines. To a file or a pipe
// the streams write the UTF-8 bytes unchanged; on Windows a console gets UTF-16 through
// WriteConsoleW, so Cyrillic shows whatever the console's code page.

#include <ostream>
#include <string>
#include <vector>

namespace platform {

// Makes standard input pass bytes unchanged, and a closed pipe a write error rather than the
// end of the program.
void prepareConsole();

// The command line's arguments, the program's name first, as UTF-8 texts.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// Whether standard output is a terminal (a console window on Windows).
bool standardOutputIsTerminal();

// The standard streams as the program writes them (console_stream.cpp).
std::ostream& standardOutput();
std::ostream& standardError();

// Writes what the streams still hold. False when standard output could not take everything
// (a full disk, a closed pipe), with the reason.
bool finishStandardStreams(std::string& reason);

// Writes bytes to standard output (1) or error (2) as they are; the console's own (per
// platform). False with the reason when they could not be written.
bool writeStandardStream(int stream, std::string_view bytes, std::string& reason);

}  // namespace platform
