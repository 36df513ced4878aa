#include "forms/document/print/printer_entry.h"

#include <algorithm>
#include <cstring>

std::string PrinterNames::Get(const char (&field)[34])
{
    return std::string(field, strnlen(field, sizeof field));
}

void PrinterNames::Set(char (&field)[34], std::string_view name)
{
    std::memset(field, 0, sizeof field);
    name = name.substr(0, std::min(name.size(), name.find('\0')));
    std::memcpy(field, name.data(), std::min(name.size(), sizeof field - 1));
}
