// The table cell: its records, copies, name and neighbours, the rectangles
// the table gives it, and its drawing inside the table's lines.
#include "forms/objects/fcell.h"

#include "forms/fields/datatypes/datatype.h"
#include "forms/model/object_document.h"
#include "forms/model/object_view.h"
#include "forms/model/record_archive.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/viewdc.h"
#include "forms/objects/ftable.h"
#include "forms/objects/ftextobj.h"

#include "platform/ui/cursor.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The field's own group inside the cell's.
constexpr uint8_t kFieldGroupTag = kTypeField;
// How far the handles' rectangle lies inside the cell's lines (twips).
constexpr int32_t kActiveInset = 15;
// Width of a cell's drop-down button in device units.
constexpr int32_t kDropButtonUnits = 13;

} // namespace

int FCELL::Init(uint8_t kind, const BORDER& border, const BASICSHADE& shade, const TEXTATTR& font, FTABLE* owner,
    uint16_t atColumn, uint16_t atRow)
{
    if (!SetType(kind, 0, border, shade, font, SHADOW()))
        return 0;
    SetPosition(owner, atColumn, atRow);
    return 1;
}

int FCELL::InitDefault(FTABLE* owner, uint16_t atColumn, uint16_t atRow)
{
    if (!FFIELD::Init())
        return 0;
    SetPosition(owner, atColumn, atRow);
    return 1;
}

void FCELL::SetPosition(FTABLE* owner, uint16_t atColumn, uint16_t atRow)
{
    table = owner;
    column = atColumn;
    row = atRow;
}

void FCELL::Save(RECORDARCHIVE& ar, uint8_t tag)
{
    ar.WriteTag(tag);
    FFIELD::Save(ar, kFieldGroupTag);
    ar.WriteTag(kEndGroup);
}

void FCELL::Load(RECORDARCHIVE& ar, uintptr_t owner)
{
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return;
        if (tag == kFieldGroupTag)
            FFIELD::Load(ar, owner);
        else
            ar.SkipRecord(tag);
    }
}

std::unique_ptr<FORMOBJ> FCELL::Clone() const
{
    auto copy = std::make_unique<FCELL>();
    if (!copy->FFIELD::Init())
        return nullptr;
    copy->CopyAttributesFrom(*this);
    copy->SetPosition(table, column, row);
    FinishClone(*copy);
    copy->SetName(name);
    return copy;
}

void FCELL::ExtRefresh(uintptr_t arg)
{
    if (auto* document = reinterpret_cast<OBJECT_DOCUMENT*>(arg))
        SetFieldID(document->GetNextFieldID());
}

int FCELL::ShowProperties(OBJECT_VIEW* view)
{
    FORMOBJ::ShowProperties(view);
    return 0;
}

void FCELL::GetFullName(std::string& out) const
{
    if (!table) {
        FFIELD::GetFullName(out);
        return;
    }
    std::string columnName;
    table->GetColumnName(columnName, column);
    out = table->GetName() + "." + columnName + "[" + std::to_string(row + 1) + "]";
}

void FCELL::GetRect(RECT& out) const
{
    if (table)
        table->GetCellRect(out, column, row);
    else
        FFIELD::GetRect(out);
}

void FCELL::GetFirstCellRect(RECT& out) const
{
    if (table)
        table->GetCellRect(out, 0, 0);
    else
        FFIELD::GetRect(out);
}

void FCELL::GetInnerRect(RECT& out, VIEWDC& dc)
{
    if (table)
        table->GetCellInnerRect(out, dc, *this);
    else
        FFIELD::GetInnerRect(out, dc);
}

void FCELL::GetOuterRect(RECT& out, VIEWDC& dc)
{
    if (table)
        table->GetCellLineRect(out, dc, *this);
    else
        FFIELD::GetOuterRect(out, dc);
}

void FCELL::GetActiveRect(RECT& out, VIEWDC& dc)
{
    GetInnerRect(out, dc);
    out = out.Inflated(-kActiveInset, -kActiveInset);
}

int FCELL::SetCursor(OBJECT_VIEW* view, int hitCode)
{
    return SetCursorOnHandles(view, hitCode, ui::StandardCursor::Arrow);
}

void FCELL::SetValueList(const FIELDVALUES* values, OBJECT_VIEW* view)
{
    FFIELD::SetValueList(values, view);
    if (!table)
        return;
    RECT place;
    table->GetCellRect(place, column, row);
    SetRectBy(place.left, place.top, place.right, place.bottom);
}

FFIELD* FCELL::GetCellAbove()
{
    if (!table || row == 0)
        return nullptr;
    return dynamic_cast<FFIELD*>(table->GetCellAt(column, static_cast<uint16_t>(row - 1)));
}

FFIELD* FCELL::GetCellBelow()
{
    if (!table)
        return nullptr;
    return dynamic_cast<FFIELD*>(table->GetCellAt(column, static_cast<uint16_t>(row + 1)));
}

void FCELL::GetDropButtonRect(RECT& out, VIEWDC& dc)
{
    FFIELD::GetDropButtonRect(out, dc);
    RECT cell;
    GetRect(cell);
    POINT span[2] = {{0, 0}, {kDropButtonUnits, 0}};
    dc.DPtoLP(span, 2);
    const int32_t width = std::min(std::abs(span[1].x - span[0].x), cell.Width());
    out.right = cell.right;
    out.left = cell.right - width;
}

TABLE_CELLS* FCELL::GetOwnerTable() const
{
    return table;
}

void FCELL::Draw(VIEWDC& dc)
{
    DrawCell(dc, nullptr);
}

int FCELL::DrawCell(VIEWDC& dc, const RECT* area)
{
    RECT cell;
    if (area)
        cell = *area;
    else
        GetOuterRect(cell, dc);
    if (!dc.dc || !dc.dc->RectVisible(cell.Offset(-dc.originX, -dc.originY)))
        return 1;
    const bool fieldsOnly = dc.fieldsOnly != 0;
    DATATYPE* type = GetDataType();
    const uint8_t tag = type ? type->GetTypeTag() : 0;

    gdi::DC& device = *dc.dc;
    const int saved = device.SaveDC();
    // Nothing of the cell paints over the table's lines.
    if (dc.deviceKind != kDevicePicture)
        device.ExtSelectClipRgn(gdi::Region::Rect(ToDevice(dc, cell).Normalized()), gdi::RGN_AND);
    if (!fieldsOnly) {
        BASICSHADE fill;
        if (GetShade(&fill))
            fill.FillRect(dc, cell);
    }
    if (table && !table->IsDraggingBoundary() && tag != kKindCheckBox)
        DrawBaselines(dc);
    int answer = 1;
    if (type) {
        RECT value = cell;
        if (tag == kKindNumber || tag == kKindDate || tag == kKindText || tag == kKindMemo)
            GetTextRect(value, dc);
        TEXTATTR font;
        GetFont(&font);
        uint8_t align = 0;
        GetAlignment(&align);
        uint16_t spacing = 0xFFFF;
        if (!GetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&spacing)))
            spacing = 0xFFFF;
        answer = type->Draw(dc, value, font, align, spacing, this, dc.outputMode);
    }
    device.RestoreDC(saved);
    if (!fieldsOnly)
        DrawTracker(dc);
    return answer;
}
