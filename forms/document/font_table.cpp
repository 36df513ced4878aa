#include "forms/document/font_table.h"

#include "forms/model/screen_surface.h"
#include "forms/res/program_resources.h"

#include "platform/text/cp1252.h"

#include <optional>
#include <vector>

namespace {

// "Times New Roman", "Arial", "Courier New", "Modern", "Roman", "Script".
constexpr uint32_t kStandardFamilies[] = {325, 322, 323, 324, 326, 327};
constexpr uint8_t kFamilyMask = 0xF0;

FONT_TABLE* g_programTable = nullptr;

} // namespace

FONT_TABLE::FONT_TABLE()
{
    AddScreenFonts(gdi::DC(ScreenSurface()));
}

std::string FONT_TABLE::KeyOf(const FONTFACE& face)
{
    std::string key = face.GetName();
    key.push_back('\0');
    key.push_back(static_cast<char>(face.pitchAndFamily & kFamilyMask));
    key.push_back(static_cast<char>(face.charSet));
    return key;
}

uint16_t FONT_TABLE::Find(const FONTFACE& face)
{
    if (face.IsPlaceholder())
        return kPlaceholderPosition;
    std::string key = KeyOf(face);
    if (const auto found = byKey.find(key); found != byKey.end()) {
        entries[found->second]->pitchAndFamily = face.pitchAndFamily;
        return found->second;
    }
    if (entries.size() >= kMaxEntries)
        return kPlaceholderPosition;
    const auto index = static_cast<uint16_t>(entries.size());
    entries.push_back(std::make_unique<FONTFACE>(face));
    byKey.emplace(std::move(key), index);
    return index;
}

uint16_t FONT_TABLE::FindOrAdd(const FONTFACE& face)
{
    const uint16_t index = Find(face);
    return index == kPlaceholderPosition ? 0 : index;
}

void FONT_TABLE::AddScreenFonts(const gdi::DC& dc, bool keepListed)
{
    // The first font of each family is asked for once: the installed fonts
    // do not change while the program runs, and the generic families walk
    // every installed family, which would cost each form opened.
    static const std::vector<std::optional<FONTFACE>> firstFaces = [&dc] {
        std::vector<std::optional<FONTFACE>> faces;
        for (uint32_t id : kStandardFamilies) {
            const auto families = dc.EnumFontFamilies(ProgramResources().LoadString(id));
            if (families.empty())
                faces.emplace_back();
            else
                faces.emplace_back(
                    FONTFACE(families.front().faceName, families.front().pitchAndFamily, families.front().charSet));
        }
        return faces;
    }();
    for (const std::optional<FONTFACE>& face : firstFaces)
        if (face && (!keepListed || !byKey.contains(KeyOf(*face))))
            FindOrAdd(*face);
    if (entries.empty())
        FindOrAdd(FONTFACE("Times New Roman", 0x16, 0));
}

void FONT_TABLE::AddPlaceholder()
{
    entries.push_back(std::make_unique<FONTFACE>(kPlaceholderFace, 0, 0));
}

void FONT_TABLE::RemoveAll()
{
    entries.clear();
    byKey.clear();
    readFromFile = false;
    filePositions.clear();
}

const FONTFACE* FONT_TABLE::GetAt(int i) const
{
    if (i < 0 || i >= GetCount())
        return nullptr;
    return entries[static_cast<size_t>(i)].get();
}

int FONT_TABLE::FindByFace(const FONTFACE*& entry, std::string_view face) const
{
    for (const auto& e : entries) {
        if (text::EqualNoCase(e->GetName(), face)) {
            entry = e.get();
            return 1;
        }
    }
    entry = GetAt(0);
    return 0;
}

const FONTFACE* FONT_TABLE::GetFileEntry(int i) const
{
    static const FONTFACE placeholder(kPlaceholderFace, 0, 0);
    if (!readFromFile)
        return GetAt(i);
    if (i < 0 || static_cast<size_t>(i) >= filePositions.size())
        return nullptr;
    const uint16_t position = filePositions[static_cast<size_t>(i)];
    return position == kPlaceholderPosition ? &placeholder : GetAt(position);
}

uint16_t FONT_TABLE::MapFont(const FontFaces* other, int i)
{
    const FONTFACE* face = other ? other->GetFileEntry(i) : nullptr;
    return face ? FindOrAdd(*face) : 0;
}

FONT_TABLE* GetProgramFontTable()
{
    return g_programTable;
}

void SetProgramFontTable(FONT_TABLE* table)
{
    g_programTable = table;
}

std::string GetFaceName(uint16_t index)
{
    const FONTFACE* face = g_programTable ? g_programTable->GetAt(index) : nullptr;
    return face ? face->GetName() : std::string(kPlaceholderFace);
}

int ClampTextCode(int code)
{
    return code < 3 ? code : 0;
}
