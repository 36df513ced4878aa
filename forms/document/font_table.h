// The font table: the typefaces that character formats name by index. The
// program keeps one; a form file carries a copy, read back into a table of
// its own whose indexes are then mapped into the program's. Character
// formats reach it as FontFaces.
#pragma once

#include "forms/model/fontface.h"
#include "forms/model/program_fonts.h"

#include "platform/gdi/dc.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class RECORDARCHIVE;

class FONT_TABLE final : public FontFaces {
public:
    // The first font of each standard family that the screen offers.
    FONT_TABLE();

    // The placeholder name gives 0 and adds nothing. Else the first entry of
    // the same name (case-sensitive), family (high nibble) and character set
    // takes the new pitch-and-family byte and gives its index; else a copy
    // is added. A full table gives 0.
    uint16_t FindOrAdd(const FONTFACE& face) override;
    // Adds the first font of each standard family that the device offers;
    // a table still empty then gets "Times New Roman". A face already listed
    // takes the device's pitch-and-family byte, unless `keepListed`.
    void AddScreenFonts(const gdi::DC& dc, bool keepListed = false);
    // Appends an entry for a face that matched no installed font.
    void AddPlaceholder();
    void RemoveAll();

    // The entry at i, or null.
    const FONTFACE* GetAt(int i) const override;
    int GetCount() const { return static_cast<int>(entries.size()); }
    // 1 and the first entry of that name ignoring case; else 0 and entry 0.
    int FindByFace(const FONTFACE*& entry, std::string_view face) const override;
    // The index here of entry i of another table; a table read from a file
    // is indexed by the file's positions. An entry that does not exist, or
    // no table, gives 0.
    uint16_t MapFont(const FontFaces* other, int i) override;
    // The entry that a file's index i names: by the file's own positions
    // when the table was read from a file (a file may list a face twice, or
    // list the placeholder, which names no entry of the table).
    const FONTFACE* GetFileEntry(int i) const override;

    // Writes the table as a group of the given tag.
    void Write(RECORDARCHIVE& ar, uint8_t tag) const override;
    // Reads the group (its tag already read): the file's faces, then the
    // standard families the file does not list.
    void Read(RECORDARCHIVE& ar);
    // Reads a group of bare face names (its tag already read) and matches
    // each to an installed font, or to the placeholder.
    void ReadMatched(RECORDARCHIVE& ar);

private:
    // Indexes stay below the value that marks a mixed typeface.
    static constexpr size_t kMaxEntries = 0xFFFE;
    // A file position that names the placeholder.
    static constexpr uint16_t kPlaceholderPosition = 0xFFFF;

    // The index of the face, found or added; kPlaceholderPosition for the
    // placeholder or when the table is full.
    uint16_t Find(const FONTFACE& face);
    // Name, family and character set: what tells entries apart.
    static std::string KeyOf(const FONTFACE& face);
    // The index of the installed font that a bare face name names, or of a
    // new placeholder entry.
    uint16_t MatchFace(const gdi::DC& screen, std::string_view name);

    std::vector<std::unique_ptr<FONTFACE>> entries;
    // The first entry of each (face name, family, character set), so that
    // reading a long table stays linear.
    std::unordered_map<std::string, uint16_t> byKey;
    // Set by reading a file's section: the index here of each of the file's
    // faces, in the file's order.
    bool readFromFile = false;
    std::vector<uint16_t> filePositions;
};

// The program-wide table: the application makes it when it starts and frees
// it at exit; null outside that time.
FONT_TABLE* GetProgramFontTable();
void SetProgramFontTable(FONT_TABLE* table);

// The face name of an index of the program-wide table; the placeholder name
// for an index outside it.
std::string GetFaceName(uint16_t index);

// A text code below 3 as it is, any other 0.
int ClampTextCode(int code);
