// One printer of the program's printer list: its names, its id and the
// resolution measured for each printer mode.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The three names a printer is known by, 34 bytes each as they are stored:
// a name, its NUL, and bytes without meaning after it. The queue name stands
// where a driver name was; a queue has no port.
struct PrinterNames {
    char device[34] = {};
    char driver[34] = {};
    char port[34] = {};

    static std::string Get(const char (&field)[34]);
    // Keeps at most 33 bytes.
    static void Set(char (&field)[34], std::string_view name);
};

struct PrinterResolution {
    uint16_t x = 0; // pixels per inch; 0 while not measured
    uint16_t y = 0;
};

class PRINTER_ENTRY {
public:
    // An empty device name stands for the system's default printer.
    PrinterNames names;
    uint16_t id = 0;
    PrinterResolution modeZero;
    PrinterResolution otherModes;
};
