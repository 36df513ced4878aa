// Support for tests of character formats, fonts and printers: the
// program-wide font table, printer list and caches installed as the
// application installs them, and record bytes written or read in memory.
#pragma once

#include "forms/document/document_fonts.h"
#include "forms/document/font_table.h"
#include "forms/document/print/printer_list.h"
#include "forms/model/font_cache.h"
#include "forms/model/font_metrics_cache.h"
#include "forms/model/record_archive.h"

#include "platform/io/archive.h"
#include "platform/io/memory_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline Bytes Written(const std::function<void(RECORDARCHIVE&)>& write)
{
    io::MemoryFile file;
    {
        io::Archive ar(file, io::Archive::Store);
        RECORDARCHIVE rec(ar);
        write(rec);
        ar.Close();
    }
    return file.Data();
}

// Reads the bytes; the reader gets the stream after the group's tag.
inline void ReadBack(const Bytes& bytes, const std::function<void(RECORDARCHIVE&)>& read)
{
    io::MemoryFile file(bytes);
    io::Archive ar(file, io::Archive::Load);
    RECORDARCHIVE rec(ar);
    rec.ReadTag();
    read(rec);
}

// One record: tag, u16 length, payload.
inline Bytes Record(uint8_t tag, const Bytes& payload)
{
    Bytes out {tag, uint8_t(payload.size()), uint8_t(payload.size() >> 8)};
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

// A font-table record 0x81 of a face.
inline Bytes FaceRecord(const std::string& name, uint8_t pitchAndFamily, uint8_t charSet = 0)
{
    Bytes payload(32, 0);
    std::copy(name.begin(), name.begin() + std::min<size_t>(name.size(), 32), payload.begin());
    payload.push_back(0);
    payload.push_back(pitchAndFamily);
    payload.push_back(charSet);
    return Record(0x81, payload);
}

inline Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

class ProgramFontsTest : public testing::Test {
protected:
    ProgramFontsTest()
    {
        printers.Reset();
        SetPrinterList(&printers);
        SetProgramFontTable(&fonts);
        SetProgramFonts(&DocumentFonts());
        SetFontMetricsCache(&metrics);
        SetFontCache(&fontCache);
    }
    ~ProgramFontsTest() override
    {
        SetFontCache(nullptr);
        SetFontMetricsCache(nullptr);
        SetProgramFonts(nullptr);
        SetProgramFontTable(nullptr);
        SetPrinterList(nullptr);
    }

    // The program table's index of a face name.
    uint16_t IndexOf(const std::string& name) const
    {
        for (int i = 0; i < fonts.GetCount(); ++i) {
            if (fonts.GetAt(i)->GetName() == name)
                return static_cast<uint16_t>(i);
        }
        ADD_FAILURE() << name << " is not in the program's font table";
        return 0;
    }

    PRINTER_LIST printers;
    FONT_TABLE fonts;
    FONTMETRICSCACHE metrics;
    FONTCACHE fontCache;
};
