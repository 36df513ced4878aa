// A drawing context mapped as a view maps it, over a recording surface, and
// reading record bytes back, for the tests of borders, shadows and shapes.
#pragma once

#include "forms/model/record_archive.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/recording_surface.h"
#include "platform/io/memory_file.h"

#include <string>
#include <vector>

// `twips` logical units to `pixels` device units on a device of one kind,
// scroll origin as given.
struct Mapped {
    gdi::RecordingSurface surface;
    gdi::DC device;
    VIEWDC dc;

    explicit Mapped(uint8_t deviceKind = kDeviceWindow, int twips = 1, int pixels = 1, POINT origin = {})
        : surface(static_cast<gdi::DeviceKind>(deviceKind), 96, 96, {20000, 20000})
        , device(surface)
    {
        dc.dc = &device;
        dc.deviceKind = deviceKind;
        dc.SetMapMode(gdi::MM_ANISOTROPIC);
        dc.SetWindowExt(twips, twips);
        dc.SetViewportExt(pixels, pixels);
        dc.originX = origin.x;
        dc.originY = origin.y;
    }
    const std::vector<gdi::RecordedCall>& Calls() const { return surface.Calls(); }
    // The names of the calls, in order.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& c : Calls())
            names.push_back(c.name);
        return names;
    }
    // The rectangles filled by PatBlt, in order.
    std::vector<RECT> Fills() const
    {
        std::vector<RECT> rects;
        for (const auto& c : Calls())
            if (c.name == "PatBlt")
                rects.push_back({c.points[0].x, c.points[0].y, c.points[1].x, c.points[1].y});
        return rects;
    }
};

// Runs `read` on a record archive loading the bytes; fails the test when
// bytes are left over.
template<class F>
void ReadBack(const std::vector<uint8_t>& bytes, F read)
{
    io::MemoryFile file(bytes);
    io::Archive ar(file, io::Archive::Load);
    RECORDARCHIVE rec(ar);
    read(rec);
}

// The items directly inside one group, each with its tag: records (tag,
// u16 length, payload) and nested groups up to their 0xFF. `start` is the
// first byte after the group's own tag.
inline std::vector<std::vector<uint8_t>> GroupItems(const std::vector<uint8_t>& bytes, size_t start = 1)
{
    std::vector<std::vector<uint8_t>> items;
    size_t pos = start;
    auto skipRecord = [&](size_t at) { return at + 3 + (bytes[at + 1] | bytes[at + 2] << 8); };
    while (pos < bytes.size() && bytes[pos] != kEndGroup) {
        size_t end;
        if (bytes[pos] >= 0x80) {
            end = skipRecord(pos);
        } else {
            int depth = 1;
            end = pos + 1;
            while (depth > 0) {
                if (bytes[end] == kEndGroup) {
                    --depth;
                    ++end;
                } else if (bytes[end] < 0x80) {
                    ++depth;
                    ++end;
                } else {
                    end = skipRecord(end);
                }
            }
        }
        items.emplace_back(bytes.begin() + pos, bytes.begin() + end);
        pos = end;
    }
    return items;
}
