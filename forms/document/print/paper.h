// The program's table of standard paper sizes, in twips, with the names
// that page setup shows and the printer's paper codes.
#pragma once

#include <cstdint>
#include <string>

class PAPER {
public:
    static constexpr uint16_t kCount = 9;
    // The entry that stands for a size no other entry has.
    static constexpr int kCustom = 8;

    // 1 and the entry's name from the string table; 0 outside 0-8.
    static int GetName(int i, std::string& out);
    // 1 and the entry's size; 0 outside 0-8.
    static int GetSize(int i, int32_t& width, int32_t& height);
    // 1 and the first entry within 144 twips of the size either way round;
    // 0 and the custom entry when none is.
    static int FindSize(int32_t a, int32_t b, int& index);
    // The printer's paper code of entries 0-7; 0 otherwise.
    static int16_t GetPaperCode(int i);
};
