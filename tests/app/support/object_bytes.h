// An object's records as its Save writes them, and bytes as spaced hex, for
// tests that compare records byte for byte.
#pragma once

#include "forms/model/formobj.h"
#include "forms/model/record_archive.h"

#include "platform/io/archive.h"
#include "platform/io/memory_file.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

inline std::vector<uint8_t> Written(FORMOBJ* object)
{
    io::MemoryFile file;
    {
        io::Archive ar(file, io::Archive::Store);
        RECORDARCHIVE rec(ar);
        object->Save(rec, object->GetType());
        ar.Close();
    }
    return file.Data();
}

inline std::string Hex(const std::vector<uint8_t>& bytes)
{
    std::string text;
    char buffer[4];
    for (uint8_t b : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X ", b);
        text += buffer;
    }
    if (!text.empty())
        text.pop_back();
    return text;
}
