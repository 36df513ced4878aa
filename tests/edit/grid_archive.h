// Writes a grid into bytes and reads a grid from bytes, for the grid tests.
#pragma once

#include "forms/edit/fgrid.h"
#include "forms/model/record_archive.h"

#include "platform/io/archive.h"
#include "platform/io/memory_file.h"

#include <cstdint>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline Bytes WriteGrid(const FGRID& grid, uint8_t groupTag)
{
    io::MemoryFile file;
    {
        io::Archive ar(file, io::Archive::Store);
        RECORDARCHIVE rec(ar);
        grid.Write(rec, groupTag);
        ar.Flush();
    }
    return file.Data();
}

// Reads the group tag, then the grid; answers the bytes left unread.
inline Bytes ReadGrid(FGRID& grid, const Bytes& bytes)
{
    io::MemoryFile file(bytes);
    io::Archive ar(file, io::Archive::Load);
    RECORDARCHIVE rec(ar);
    rec.ReadTag();
    grid.Read(rec);
    Bytes rest;
    uint8_t b;
    while (ar.ReadSome(&b, 1) == 1)
        rest.push_back(b);
    return rest;
}

// A grid as the form file gives it: one record of every field.
inline FGRID GridFromRecord(uint16_t on, uint16_t h, uint16_t v, int32_t x, int32_t y)
{
    Bytes bytes = {0x42, 150, 14, 0};
    auto put = [&bytes](uint32_t value, int n) {
        for (int i = 0; i < n; ++i)
            bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    };
    put(on, 2);
    put(h, 2);
    put(v, 2);
    put(static_cast<uint32_t>(x), 4);
    put(static_cast<uint32_t>(y), 4);
    bytes.push_back(0xFF);
    FGRID grid;
    ReadGrid(grid, bytes);
    return grid;
}
