// The look of a table by part: its cells, its column headers, its row
// headers.
#include "forms/objects/ftable.h"

#include "forms/model/border.h"
#include "forms/model/shade.h"
#include "forms/model/textattr.h"
#include "forms/objects/fbdry.h"
#include "forms/objects/fcell.h"
#include "forms/objects/fheader.h"

namespace {

// Part selectors.
constexpr int kRowHeaderPart = 1;
constexpr int kColumnHeaderPart = 2;
// What an alignment reader stores when the part does not exist.
constexpr uint8_t kNoAlignment = 0x5D;

template<class Part, class Get, class Value>
int FirstOf(Part* part, Get get, Value* out)
{
    return part ? (part->*get)(out) : 0;
}

int AlignmentOf(FORMOBJ* part, uint8_t* out)
{
    if (part)
        return part->GetAlignment(out);
    if (out)
        *out = kNoAlignment;
    return 0;
}

} // namespace

void FTABLE::SetPartShade(const BASICSHADE& shade, int part)
{
    if (part == kRowHeaderPart)
        for (auto& header : rowHeaderObjects)
            header->SetShade(shade);
    else if (part == kColumnHeaderPart)
        for (auto& header : columnHeaders)
            header->SetShade(shade);
    else
        ForEachCell([&shade](FORMOBJ& cell) { cell.SetShade(shade); });
}

void FTABLE::SetPartTextAttr(const TEXTATTR& attr, int part)
{
    if (part == kRowHeaderPart)
        for (auto& header : rowHeaderObjects)
            header->SetFont(attr);
    else if (part == kColumnHeaderPart)
        for (auto& header : columnHeaders)
            header->SetFont(attr);
    else
        ForEachCell([&attr](FORMOBJ& cell) { cell.SetFont(attr); });
}

void FTABLE::SetPartAlign(uint8_t align, int part)
{
    if (part == kRowHeaderPart)
        for (auto& header : rowHeaderObjects)
            header->SetAlignment(align);
    else if (part == kColumnHeaderPart)
        for (auto& header : columnHeaders)
            header->SetAlignment(align);
    else
        ForEachCell([align](FORMOBJ& cell) { cell.SetAlignment(align); });
}

int FTABLE::GetCellShade(BASICSHADE* out) const
{
    return FirstOf<FORMOBJ>(cells.empty() ? nullptr : GetCell(0, 0), &FORMOBJ::GetShade, out);
}

int FTABLE::GetColumnHeaderShade(BASICSHADE* out) const
{
    return FirstOf<FORMOBJ>(GetColumnHeader(0), &FORMOBJ::GetShade, out);
}

int FTABLE::GetRowHeaderShade(BASICSHADE* out) const
{
    return FirstOf<FORMOBJ>(GetRowHeader(0), &FORMOBJ::GetShade, out);
}

int FTABLE::GetCellTextAttr(TEXTATTR* out) const
{
    return FirstOf<FORMOBJ>(cells.empty() ? nullptr : GetCell(0, 0), &FORMOBJ::GetFont, out);
}

int FTABLE::GetColumnHeaderTextAttr(TEXTATTR* out) const
{
    return FirstOf<FORMOBJ>(GetColumnHeader(0), &FORMOBJ::GetFont, out);
}

int FTABLE::GetRowHeaderTextAttr(TEXTATTR* out) const
{
    return FirstOf<FORMOBJ>(GetRowHeader(0), &FORMOBJ::GetFont, out);
}

int FTABLE::GetCellAlign(uint8_t* out) const
{
    return AlignmentOf(cells.empty() ? nullptr : GetCell(0, 0), out);
}

int FTABLE::GetColumnHeaderAlign(uint8_t* out) const
{
    return AlignmentOf(GetColumnHeader(0), out);
}

int FTABLE::GetRowHeaderAlign(uint8_t* out) const
{
    return AlignmentOf(GetRowHeader(0), out);
}

int FTABLE::GetGridBorder(BORDER* out) const
{
    return FirstOf<FORMOBJ>(GetColumnBoundary(0), &FORMOBJ::GetBorder, out);
}

int FTABLE::GetColumnHeaderBorder(BORDER* out) const
{
    return FirstOf<FORMOBJ>(GetColumnHeaderBoundary(0), &FORMOBJ::GetBorder, out);
}
