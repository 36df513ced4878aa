// The font table's sections in a form file: the table itself, and the bare
// face names of imported forms.
#include "forms/document/font_table.h"

#include "forms/model/record_archive.h"
#include "forms/model/screen_surface.h"

#include <algorithm>
#include <span>

namespace {

constexpr uint8_t kFaceRecord = 0x81;
constexpr uint8_t kFaceNameGroup = 0x2D;
constexpr size_t kNameBytes = 32;

// The face name at the start of a record: the 32 stored bytes up to the
// first NUL, at most 31 characters.
std::string NameOf(std::span<const uint8_t> payload)
{
    const size_t n = std::min(payload.size(), kNameBytes);
    std::string name(payload.begin(), payload.begin() + static_cast<std::ptrdiff_t>(n));
    name = name.substr(0, name.find('\0'));
    return name.substr(0, kNameBytes - 1);
}

uint8_t ByteAt(std::span<const uint8_t> payload, size_t i)
{
    return i < payload.size() ? payload[i] : 0;
}

} // namespace

void FONT_TABLE::Write(RECORDARCHIVE& ar, uint8_t tag) const
{
    ar.WriteTag(tag);
    for (const auto& entry : entries) {
        ar.BeginRecord();
        ar.PutBytes(entry->faceName, kNameBytes);
        ar.PutU8(0);
        ar.PutU8(entry->pitchAndFamily);
        ar.PutU8(entry->charSet);
        ar.EndRecord(kFaceRecord);
    }
    ar.WriteTag(kEndGroup);
}

void FONT_TABLE::Read(RECORDARCHIVE& ar)
{
    RemoveAll();
    std::vector<uint16_t> positions;
    for (uint8_t tag = ar.ReadTag(); tag != kEndGroup; tag = ar.ReadTag()) {
        if (tag != kFaceRecord) {
            ar.SkipRecord(tag);
            continue;
        }
        const RecordReader record = ar.ReadRecord();
        const std::span<const uint8_t> payload = record.Payload();
        positions.push_back(Find(FONTFACE(NameOf(payload), ByteAt(payload, 33), ByteAt(payload, 34))));
    }
    // The faces the file lists keep their bytes as the file has them, so
    // that a form saved unchanged keeps them too.
    AddScreenFonts(gdi::DC(ScreenSurface()), true);
    readFromFile = true;
    filePositions = std::move(positions);
}

void FONT_TABLE::ReadMatched(RECORDARCHIVE& ar)
{
    RemoveAll();
    const gdi::DC screen(ScreenSurface());
    std::vector<uint16_t> positions;
    for (uint8_t tag = ar.ReadTag(); tag != kEndGroup; tag = ar.ReadTag()) {
        if (tag != kFaceNameGroup) {
            ar.SkipRecord(tag);
            continue;
        }
        uint16_t index = kPlaceholderPosition;
        for (uint8_t inner = ar.ReadTag(); inner != kEndGroup; inner = ar.ReadTag()) {
            if (inner == kFaceRecord)
                index = MatchFace(screen, NameOf(ar.ReadRecord().Payload()));
            else
                ar.SkipRecord(inner);
        }
        positions.push_back(index);
    }
    AddScreenFonts(screen);
    readFromFile = true;
    filePositions = std::move(positions);
}

// Every installed face serves the screen and the printers alike, so the
// screen's families are the printer's too and are asked once.
uint16_t FONT_TABLE::MatchFace(const gdi::DC& screen, std::string_view name)
{
    if (!name.empty()) {
        const auto exact = screen.EnumFontFamilies(name);
        if (!exact.empty())
            return Find(FONTFACE(exact.front().faceName, exact.front().pitchAndFamily, exact.front().charSet));
        for (const gdi::FontFamily& family : screen.EnumFontFamilies({})) {
            if (family.faceName.compare(0, name.size(), name) == 0)
                return Find(FONTFACE(family.faceName, family.pitchAndFamily, family.charSet));
        }
    }
    if (entries.size() >= kMaxEntries)
        return kPlaceholderPosition;
    AddPlaceholder();
    return static_cast<uint16_t>(entries.size() - 1);
}
