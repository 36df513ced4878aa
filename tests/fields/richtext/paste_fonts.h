// The program's fonts for clipboard tests: a font table of face names that
// is written as a font-table group, read back from one, and maps another
// table's index by face name (adding the face when absent).
#pragma once

#include "test_fonts.h"

#include <memory>
#include <string>
#include <vector>

class NamedFaces : public FontFaces {
public:
    explicit NamedFaces(std::vector<std::string> names);
    const FONTFACE* GetAt(int i) const override;
    int FindByFace(const FONTFACE*& entry, std::string_view face) const override;
    uint16_t FindOrAdd(const FONTFACE& face) override;
    const FONTFACE* GetFileEntry(int i) const override { return GetAt(i); }
    uint16_t MapFont(const FontFaces* other, int i) override;
    void Write(RECORDARCHIVE& ar, uint8_t tag) const override;

private:
    std::vector<FONTFACE> faces;
};

class PasteFonts : public TestFonts {
public:
    explicit PasteFonts(std::vector<std::string> names);
    FontFaces* GetTable() const override { return const_cast<NamedFaces*>(&table); }
    // Reads a group of face-name records; a record of another tag is an
    // error.
    std::unique_ptr<FontFaces> ReadTable(io::Archive& ar) override;

private:
    NamedFaces table;
};
