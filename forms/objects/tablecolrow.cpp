// Whole columns and rows of a table: what is read from one is the common
// value of its cells, what is set on one is set on every cell.
#include "forms/objects/tablecolrow.h"

#include "forms/model/border.h"
#include "forms/model/shade.h"
#include "forms/model/textattr.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fbdry.h"
#include "forms/objects/ftable.h"
#include "forms/res/program_resources.h"

#include "platform/text/cp1252.h"
#include "platform/ui/message_box.h"

namespace {

// Property codes of a field: its entry switches, and its name, which on a
// column renames the column.
constexpr uint8_t kCodeMandatory = 5;
constexpr uint8_t kCodeProtected = 6;
constexpr uint8_t kCodeSaveInDb = 7;
constexpr uint8_t kCodeName = 8;
// The attribute kind of a field's data type, which a row does not give.
constexpr int kAttrDataType = 1;
// String id of the refusal of another column's name.
constexpr uint16_t kColumnNameTakenId = 293;
// The alignment a line of cells with differing alignments reports.
constexpr uint8_t kMixedAlignment = 0x5D;

// Each field of a that differs in b becomes mixed.
void MarkDifferences(TEXTATTR& a, const TEXTATTR& b)
{
    const auto mark = [](auto& mine, auto theirs, auto mixed) {
        if (mine != theirs)
            mine = mixed;
    };
    mark(a.bold, b.bold, kMixedFlag);
    mark(a.italic, b.italic, kMixedFlag);
    mark(a.strike, b.strike, kMixedFlag);
    mark(a.underline, b.underline, kMixedFlag);
    mark(a.colour, b.colour, kMixedColour);
    mark(a.face, b.face, kMixedWord);
    mark(a.size, b.size, kMixedWord);
}

// The common shade of the line's cells; the special pattern when two differ.
int CommonShade(const TABLECOLROW& line, BASICSHADE* out)
{
    BASICSHADE first;
    FCELL* cell = line.GetCell(0);
    if (!cell || !cell->GetShade(&first))
        return 0;
    for (int i = 1; i < line.GetEnd(); ++i) {
        BASICSHADE other;
        if (line.GetCell(i)->GetShade(&other) && !other.IsEqual(first)) {
            first.SetSpecialPattern();
            break;
        }
    }
    if (out)
        out->Copy(first);
    return 1;
}

// The common font of the line's cells, field by field.
int CommonFont(const TABLECOLROW& line, TEXTATTR* out)
{
    TEXTATTR common;
    FCELL* cell = line.GetCell(0);
    if (!cell || !cell->GetFont(&common))
        return 0;
    for (int i = 1; i < line.GetEnd(); ++i) {
        TEXTATTR other;
        if (line.GetCell(i)->GetFont(&other))
            MarkDifferences(common, other);
    }
    if (out)
        *out = common;
    return 1;
}

// The border of the first line; 1 when the second has the same.
int SameBorders(FBDRY* first, FBDRY* second, BORDER* out)
{
    BORDER one;
    BORDER two;
    if (!first || !first->GetBorder(&one))
        return 0;
    if (out)
        *out = one;
    return second && second->GetBorder(&two) && two.IsEqual(one) ? 1 : 0;
}

} // namespace

int TABLECOLROW::Init()
{
    // The field's own defaults (a plain text field, default shade and
    // border) with the default text; the field's initialisations with a
    // look would call this one again.
    if (!FFIELD::Init())
        return 0;
    TEXTATTR font;
    font.Reset();
    FFIELD::SetFont(font);
    return 1;
}

void TABLECOLROW::Draw(VIEWDC& dc)
{
    if (!dc.fieldsOnly)
        DrawTracker(dc);
}

void TABLECOLROW::GetInnerRect(RECT& out, VIEWDC& dc)
{
    GetOuterRect(out, dc);
}

int TABLECOLROW::GetShade(BASICSHADE* out)
{
    return CommonShade(*this, out);
}

int TABLECOLROW::GetFont(TEXTATTR* out)
{
    return CommonFont(*this, out);
}

void TABLECOLROW::SetShade(const BASICSHADE& shade)
{
    for (int i = first; i < end; ++i)
        GetCell(i)->SetShade(shade);
    FCELL::SetShade(shade);
}

void TABLECOLROW::SetFont(const TEXTATTR& attr)
{
    for (int i = first; i < end; ++i)
        GetCell(i)->SetFont(attr);
    FCELL::SetFont(attr);
}

void TABLECOL::OnEvent(uint8_t code, uintptr_t a, uintptr_t b)
{
    FTABLE* table = GetTable();
    if (!table)
        return;
    if (code == kCodeName) {
        // The cells take their names from the column's.
        if (a) {
            table->SetColumnName(index, reinterpret_cast<const char*>(a));
            SetName(reinterpret_cast<const char*>(a));
        }
        return;
    }
    for (int i = first; i < end; ++i)
        GetCell(i)->OnEvent(code, a, b);
}

int TABLECOL::GetAttribute(int kind, uintptr_t out)
{
    FCELL* cell = GetCell(first);
    return cell ? cell->GetAttribute(kind, out) : 0;
}

void TABLECOL::GetTypeName(std::string& out) const
{
    out = ProgramResources().LoadString(kColumnNamePrefixId);
}

int TABLECOL::ExtCheck(std::string& newName, uintptr_t)
{
    if (const uint16_t refusal = CheckName(newName)) {
        ui::MessageBox(ProgramResources().LoadString(refusal), {});
        return 0;
    }
    newName = text::ToLower(newName);
    newName[0] = static_cast<char>(text::ToUpper(static_cast<unsigned char>(newName[0])));
    FTABLE* table = GetTable();
    if (!table)
        return 1;
    std::string other;
    for (int i = 0; i < table->GetColumnCount(); ++i) {
        if (i == index)
            continue;
        table->GetColumnName(other, i);
        if (text::EqualNoCase(other, newName)) {
            ui::MessageBox(ProgramResources().LoadString(kColumnNameTakenId), {});
            return 0;
        }
    }
    return 1;
}

void TABLECOL::GetRect(RECT& out) const
{
    const FTABLE* table = GetTable();
    if (!table) {
        FCELL::GetRect(out);
        return;
    }
    out = {table->GetColumnPos(index), table->GetRowPos(first), table->GetColumnPos(index + 1), table->GetRowPos(end)};
}

void TABLECOL::GetOuterRect(RECT& out, VIEWDC& dc)
{
    FTABLE* table = GetTable();
    if (!table) {
        FCELL::GetOuterRect(out, dc);
        return;
    }
    out = {table->GetBoundaryLeft(dc, *table->GetColumnBoundary(index)),
        table->GetBoundaryTop(dc, *table->GetRowBoundary(first)),
        table->GetBoundaryRight(dc, *table->GetColumnBoundary(index + 1)),
        table->GetBoundaryBottom(dc, *table->GetRowBoundary(end))};
}

int TABLECOL::GetBorder(BORDER* out)
{
    FTABLE* table = GetTable();
    return table ? SameBorders(table->GetColumnBoundary(index), table->GetColumnBoundary(index + 1), out) : 0;
}

int TABLECOL::GetAlignment(uint8_t* out)
{
    uint8_t common = 0;
    FCELL* cell = GetCell(first);
    if (!cell || !cell->GetAlignment(&common))
        return 0;
    for (int i = first + 1; i < end; ++i) {
        uint8_t other = 0;
        if (GetCell(i)->GetAlignment(&other) && other != common) {
            common = kMixedAlignment;
            break;
        }
    }
    if (out)
        *out = common;
    return 1;
}

void TABLECOL::SetAlignment(uint8_t align)
{
    for (int i = first; i < end; ++i)
        GetCell(i)->SetAlignment(align);
    FCELL::SetAlignment(align);
}

FCELL* TABLECOL::GetCell(int i) const
{
    const FTABLE* table = GetTable();
    return table && i >= 0 && i < end ? table->GetCell(index, i) : nullptr;
}

int TABLECOL::Attach(FTABLE* table, uint16_t column)
{
    if (!table || column >= table->GetColumnCount())
        return 0;
    first = 0;
    index = column;
    end = static_cast<int16_t>(table->GetRowCount());
    SetPosition(table, column, 0);
    std::string columnName;
    table->GetColumnName(columnName, column);
    SetName(columnName);
    // The entry switches and the help text the data sheet shows are the
    // first cell's.
    const FCELL& top = *table->GetCell(column, 0);
    FFIELD::OnEvent(kCodeMandatory, top.IsMandatory() ? 1 : 0, 0);
    FFIELD::OnEvent(kCodeProtected, top.IsProtected() ? 1 : 0, 0);
    FFIELD::OnEvent(kCodeSaveInDb, top.SavesInDatabase() ? 1 : 0, 0);
    SetHelpText(top.GetHelpText());
    if (!Init())
        return 0;
    RECT place;
    GetRect(place);
    FORMOBJ::SetRect(place.left, place.top, place.right, place.bottom);
    return 1;
}

int TABLEROW::GetAttribute(int kind, uintptr_t out)
{
    if (kind == kAttrDataType)
        return 0;
    FCELL* cell = GetCell(first);
    return cell ? cell->GetAttribute(kind, out) : 0;
}

void TABLEROW::GetRect(RECT& out) const
{
    const FTABLE* table = GetTable();
    if (!table) {
        FCELL::GetRect(out);
        return;
    }
    out = {table->GetColumnPos(first), table->GetRowPos(index), table->GetColumnPos(end), table->GetRowPos(index + 1)};
}

void TABLEROW::GetOuterRect(RECT& out, VIEWDC& dc)
{
    FTABLE* table = GetTable();
    if (!table) {
        FCELL::GetOuterRect(out, dc);
        return;
    }
    out = {table->GetBoundaryLeft(dc, *table->GetColumnBoundary(first)),
        table->GetBoundaryTop(dc, *table->GetRowBoundary(index)),
        table->GetBoundaryRight(dc, *table->GetColumnBoundary(end)),
        table->GetBoundaryBottom(dc, *table->GetRowBoundary(index + 1))};
}

int TABLEROW::GetBorder(BORDER* out)
{
    FTABLE* table = GetTable();
    return table ? SameBorders(table->GetRowBoundary(index), table->GetRowBoundary(index + 1), out) : 0;
}

FCELL* TABLEROW::GetCell(int i) const
{
    const FTABLE* table = GetTable();
    return table && i >= 0 && i < end ? table->GetCell(i, index) : nullptr;
}

int TABLEROW::Attach(FTABLE* table, uint16_t row)
{
    if (!table || row >= table->GetRowCount())
        return 0;
    index = row;
    first = 0;
    end = static_cast<int16_t>(table->GetColumnCount());
    SetPosition(table, 0, row);
    if (!Init())
        return 0;
    RECT place;
    GetRect(place);
    FORMOBJ::SetRect(place.left, place.top, place.right, place.bottom);
    return 1;
}
