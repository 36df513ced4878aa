// What character formats, and the text and values that carry them, ask of
// the program's font table and printers. The document side implements it and
// the program hands it in when it starts; until then the bodies here answer
// as a program without fonts: no table (a format shows the placeholder face
// and loads as face 0) and text measured on the screen.
#pragma once

#include "forms/model/fontface.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class RECORDARCHIVE;

namespace gdi {
class DC;
}
namespace io {
class Archive;
}

// The tag of a font table's group in a record stream.
constexpr uint8_t kFontTableGroup = 0x28;

// A font table as formats use it: the program's own, or one read with a
// block of records (a form's section, a pasted block) whose indexes are
// mapped into the program's. The document's font table implements it.
class FontFaces {
public:
    virtual ~FontFaces() = default;

    // The entry at i, or null.
    virtual const FONTFACE* GetAt(int i) const = 0;
    // 1 and the first entry of that name ignoring case; else 0 and entry 0.
    virtual int FindByFace(const FONTFACE*& entry, std::string_view face) const = 0;
    // The index of the face, added when the table lacks it.
    virtual uint16_t FindOrAdd(const FONTFACE& face) = 0;
    // The entry that index i of the block the table was read from names
    // (for a table not read from a block, the entry at i), or null.
    virtual const FONTFACE* GetFileEntry(int i) const = 0;
    // The index here of the face that index i of the other table names,
    // added when absent; 0 for an index that names nothing, or no table.
    virtual uint16_t MapFont(const FontFaces* other, int i) = 0;
    // Writes the table as a group of the given tag.
    virtual void Write(RECORDARCHIVE& ar, uint8_t tag) const = 0;
};

class PROGRAM_FONTS {
public:
    virtual ~PROGRAM_FONTS() = default;

    // The program-wide table, or null.
    virtual FontFaces* GetTable() const { return nullptr; }
    // A table read from a font-table group (its tag already read), to map a
    // block's indexes with MapFont; without fonts the group is stepped over
    // and the answer is null.
    virtual std::unique_ptr<FontFaces> ReadTable(io::Archive& ar);
    // Lends the measuring context of a printer (one logical unit is one
    // twip); every context lent needs one ReleasePrinterDC. Null where there
    // are no printers: the caller measures on the screen, releasing nothing.
    virtual gdi::DC* GetPrinterDC(uint16_t printerId, uint32_t mode);
    virtual void ReleasePrinterDC() {}

    // The program table's entry at i, or null.
    const FONTFACE* GetAt(int i) const;
    // The program table's index of the face, added when absent; 0 without a
    // table.
    uint16_t FindOrAdd(const FONTFACE& face);
    // The program table's index of the face that index i of the source table
    // names; 0 without either table.
    uint16_t MapFont(const FontFaces* source, int i);
    // The face name of an index of the program table; the placeholder name
    // for an index outside it.
    std::string GetFaceName(uint16_t index) const;
    // Writes the program table as a font-table group; an empty group without
    // a table.
    void WriteTable(io::Archive& ar) const;
};

// The fonts handed in at start-up, or the bodies of a program without fonts.
PROGRAM_FONTS& GetProgramFonts();
// Null goes back to the program without fonts.
void SetProgramFonts(PROGRAM_FONTS* fonts);
