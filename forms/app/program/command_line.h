// The program's command line: the switches and names that decide how the
// program starts (print and close, run hidden for a container, register,
// tutorial, tip authoring) and which file and printer it uses.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

struct CommandLine {
    std::string fileName {};
    std::string printerName {};
    std::string driverName {};
    std::string portName {};
    bool print = false; // "p" or "pt": print the named file and close
    bool embedded = false; // "Embedding" or "Automation": start hidden
    bool tipAuthoring = false; // "hd"
    bool tutorial = false; // "Tutorial"
    bool registerServer = false; // "Register": register with the desktop and end
};

// True when `word` begins with '-' or '/' and the rest equals `switchWord`
// without regard to case.
bool IsCommandSwitch(std::string_view word, std::string_view switchWord);

// Reads the program's arguments, one word each, in order. The shell has
// already split the line and removed its quotes, so a name with blanks
// arrives as one word. Switches may stand anywhere; the first other word is
// the file name; after it, once "pt" has been seen, the next three other
// words name the printer, its driver and its port; further words are ignored.
CommandLine ParseCommandLine(std::span<const std::string> words);

// The arguments of `main` after the program's own name.
std::vector<std::string> ArgumentWords(int argc, const char* const argv[]);
