#include "paste_fonts.h"

#include "forms/model/record_archive.h"
#include "forms/model/record_reader.h"

#include "platform/io/archive_error.h"

namespace {

constexpr uint8_t kFaceRecord = 0x01;

} // namespace

NamedFaces::NamedFaces(std::vector<std::string> names)
{
    for (const std::string& name : names)
        faces.emplace_back(name, 0x22, 0);
}

const FONTFACE* NamedFaces::GetAt(int i) const
{
    return i >= 0 && i < static_cast<int>(faces.size()) ? &faces[size_t(i)] : nullptr;
}

int NamedFaces::FindByFace(const FONTFACE*& entry, std::string_view face) const
{
    for (const FONTFACE& f : faces) {
        if (f.GetName() == face) {
            entry = &f;
            return 1;
        }
    }
    entry = faces.empty() ? nullptr : &faces[0];
    return 0;
}

uint16_t NamedFaces::FindOrAdd(const FONTFACE& face)
{
    const FONTFACE* entry = nullptr;
    if (FindByFace(entry, face.GetName()))
        return static_cast<uint16_t>(entry - faces.data());
    faces.push_back(face);
    return static_cast<uint16_t>(faces.size() - 1);
}

uint16_t NamedFaces::MapFont(const FontFaces* other, int i)
{
    const FONTFACE* face = other != nullptr ? other->GetFileEntry(i) : nullptr;
    return face != nullptr ? FindOrAdd(*face) : 0;
}

void NamedFaces::Write(RECORDARCHIVE& ar, uint8_t tag) const
{
    ar.WriteTag(tag);
    for (const FONTFACE& face : faces) {
        ar.BeginRecord();
        ar.PutString(face.GetName());
        ar.EndRecord(kFaceRecord);
    }
    ar.WriteTag(kEndGroup);
}

PasteFonts::PasteFonts(std::vector<std::string> names)
    : table(std::move(names))
{}

std::unique_ptr<FontFaces> PasteFonts::ReadTable(io::Archive& ar)
{
    RECORDARCHIVE records(ar);
    std::vector<std::string> names;
    for (uint8_t tag = records.ReadTag(); tag != kEndGroup; tag = records.ReadTag()) {
        if (tag != kFaceRecord)
            throw io::ArchiveError(io::ArchiveError::BadFormat, "not a face record");
        names.push_back(records.ReadRecord().String());
    }
    return std::make_unique<NamedFaces>(std::move(names));
}
