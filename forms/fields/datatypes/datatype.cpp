#include "forms/fields/datatypes/datatype.h"

#include "forms/fields/editor/field_edit_site.h"

#include "forms/model/formobj.h"
#include "forms/model/object_view.h"
#include "forms/model/viewdc.h"

#include "platform/io/archive.h"

#include <algorithm>

DATATYPE::DATATYPE() = default;

DATATYPE::~DATATYPE()
{
    // The editor window reports to its site: it goes first.
    CloseEditor();
}

int DATATYPE::Draw(VIEWDC&, const RECT&, TEXTATTR, uint8_t, uint16_t, FORMOBJ*, uint16_t)
{
    return 1;
}

void DATATYPE::Save(RECORDARCHIVE&)
{}

int DATATYPE::Load(RECORDARCHIVE&)
{
    return 0;
}

std::unique_ptr<DATATYPE> DATATYPE::Clone() const
{
    return nullptr;
}

int DATATYPE::GetText(std::string&)
{
    return 0;
}

int DATATYPE::SetText(std::string_view, std::string&, int)
{
    return 1;
}

int DATATYPE::StoreText(std::string_view)
{
    return 0;
}

int DATATYPE::ResetValue(uint32_t)
{
    return 1;
}

RECT& DATATYPE::GetMarkRect(RECT& out, OBJECT_VIEW*, FORMOBJ*, int)
{
    out = RECT {};
    return out;
}

RECT& DATATYPE::GetEditRect(RECT& out, OBJECT_VIEW* view, FORMOBJ* field, int invalidate)
{
    out = RECT {};
    if (!view || !field)
        return out;
    VIEWDC dc(view, kOwnWindow);
    field->GetTextRect(out, dc);
    view->ToDeviceRect(out);
    if (invalidate)
        view->InvalidateRect(out, true);
    return out;
}

int DATATYPE::Clear()
{
    wErrorId = 0;
    bEdited = 0;
    return 0;
}

int16_t DATATYPE::GetData(void*, uint16_t&)
{
    return 1;
}

int DATATYPE::SkipValue(io::Archive& ar, uint32_t length)
{
    char piece[kValueChunk];
    while (length > 0) {
        const uint32_t n = std::min(length, kValueChunk);
        if (ar.ReadSome(piece, n) != n)
            return 0;
        length -= n;
    }
    return 1;
}

int DATATYPE::LoadValue(io::Archive& ar)
{
    try {
        ar.ReadU16();
        const uint32_t length = ar.ReadU32();
        return SkipValue(ar, length);
    } catch (const io::ArchiveError&) {
        return 0;
    }
}

int DATATYPE::SaveValue(io::Archive& ar)
{
    ar.WriteU16(kColumnNone);
    ar.WriteU32(0);
    return 1;
}

void DATATYPE::SetColumnLimits(int16_t sqlType, uint32_t columnSize, uint16_t scale)
{
    limits.Set(sqlType, columnSize, scale);
}

int DATATYPE::CheckRule(std::string&)
{
    return 1;
}

int DATATYPE::SetRule(uint16_t, int, std::string_view, std::string_view, std::string&)
{
    return 0;
}

int DATATYPE::GetRule(int&, std::string&, std::string&)
{
    return 0;
}

int DATATYPE::GetInitialValue(std::string&, uint32_t)
{
    return 0;
}

int DATATYPE::SetInitialValue(std::string_view, std::string&, uint32_t)
{
    return 0;
}

int DATATYPE::CompareValue(DATATYPE&)
{
    return 0;
}
