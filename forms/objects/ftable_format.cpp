// Changing a table's counts and header bands in place. The new grid is
// built whole beside the table first; only when every part of it could be
// made does the table take it over, so that a failure leaves the table as
// it was.
#include "forms/objects/ftable.h"

#include "forms/fields/datatypes/datatype.h"
#include "forms/model/object_document.h"
#include "forms/objects/fbdry.h"
#include "forms/objects/fcell.h"
#include "forms/objects/fheader.h"
#include "forms/objects/table_allocation.h"
#include "forms/objects/table_format.h"
#include "forms/res/program_resources.h"

#include "platform/ui/message_box.h"

#include <algorithm>
#include <new>

namespace {

// String id of "Insufficient memory to modify table."
constexpr uint16_t kTableChangeFailedId = 295;
// Width of an added column and height of an added row, and the room a
// header band added in front of the grid takes.
constexpr int32_t kAddedColumnWidth = 720;
constexpr int32_t kAddedRowHeight = 480;
// Property codes of a field's entry switches.
constexpr uint8_t kCodeLineSpacing = 4;
constexpr uint8_t kCodeMandatory = 5;
constexpr uint8_t kCodeProtected = 6;
constexpr uint8_t kCodeSaveInDb = 7;

// The positions of one dimension after a change of count or band: kept
// lines where they were (moved by the band's change), added ones a step
// apart after the last kept one.
std::vector<int32_t> ChangedPositions(const std::vector<int32_t>& old, int newCount, int32_t bandShift, int32_t step)
{
    std::vector<int32_t> pos(newCount + 1);
    const int kept = std::min<int>(static_cast<int>(old.size()) - 1, newCount);
    for (int i = 0; i <= kept; ++i)
        pos[i] = old[i] + bandShift;
    for (int i = kept + 1; i <= newCount; ++i)
        pos[i] = pos[i - 1] + step;
    return pos;
}

// The look a new cell takes from its neighbour.
void TakeCellLook(FCELL& cell, FCELL& from)
{
    BASICSHADE shade;
    if (from.GetShade(&shade))
        cell.SetShade(shade);
    BORDER border;
    if (from.GetBorder(&border))
        cell.SetBorder(border);
    TEXTATTR font;
    if (from.GetFont(&font))
        cell.SetFont(font);
    uint8_t align = 0;
    if (from.GetAlignment(&align))
        cell.SetAlignment(align);
}

// What a column's cells share, from its first cell: the data type (with
// its starting value), the list, the help text and the entry switches.
void TakeColumnSettings(FCELL& cell, const FCELL& top)
{
    if (DATATYPE* type = top.GetDataType()) {
        CountTableAllocation();
        cell.SetDataType(*type, nullptr);
        if (!cell.GetDataType() || cell.GetDataType()->GetTypeTag() != type->GetTypeTag())
            throw std::bad_alloc();
        cell.RevertValue(0);
    }
    CountTableAllocation();
    cell.SetValueList(top.GetValueList(), nullptr);
    cell.SetHelpText(top.GetHelpText());
    cell.OnEvent(kCodeLineSpacing, top.GetLineSpacing(), 0);
    cell.OnEvent(kCodeProtected, 0, 0);
    cell.OnEvent(kCodeMandatory, top.IsMandatory() ? 1 : 0, 0);
    cell.OnEvent(kCodeProtected, top.IsProtected() ? 1 : 0, 0);
    cell.OnEvent(kCodeSaveInDb, top.SavesInDatabase() ? 1 : 0, 0);
}

void TakeHeaderLook(FHEADER& header, const TEXTATTR& font, uint8_t align, const BASICSHADE& shade)
{
    header.SetFont(font);
    header.SetAlignment(align);
    header.SetShade(shade);
}

// Lines both tables have are copied; the others take the border of the
// last shared one, or the border given when none is shared.
void TakeLines(
    std::vector<std::unique_ptr<FBDRY>>& to, const std::vector<std::unique_ptr<FBDRY>>& from, const BORDER& fallback)
{
    const size_t shared = std::min(to.size(), from.size());
    for (size_t i = 0; i < shared; ++i)
        to[i]->CopyLine(*from[i]);
    BORDER border = fallback;
    if (shared > 0)
        to[shared - 1]->GetBorder(&border);
    for (size_t i = shared; i < to.size(); ++i)
        to[i]->SetBorder(border);
}

} // namespace

void FTABLE::BuildFormatFrom(const FTABLE& old, const TABLE_FORMAT& format)
{
    const int keptColumns = std::min(columns, old.columns);
    const int keptRows = std::min(rows, old.rows);
    for (int i = 0; i < keptColumns; ++i)
        columnNames[i] = old.columnNames[i];

    // Column by column, so that a new cell's neighbour above (or, in a new
    // column, to its left) is already in place.
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r) {
            if (c < keptColumns && r < keptRows) {
                const FCELL& from = *old.cells[c][r];
                CountTableAllocation();
                PlaceCellCopy(c, r, from).SetUpToDate(from.GetUpToDate());
                continue;
            }
            FCELL& cell = *cells[c][r];
            if (c < keptColumns) {
                TakeColumnSettings(cell, *old.cells[c][0]);
                TakeCellLook(cell, *cells[c][r - 1]);
            } else {
                TakeCellLook(cell, *cells[c - 1][r]);
            }
        }

    const auto headers = [&format](auto& to, const auto& from) {
        const size_t shared = std::min(to.size(), from.size());
        for (size_t i = 0; i < shared; ++i)
            to[i]->CopyHeader(*from[i]);
        TEXTATTR font = format.headerText;
        uint8_t align = format.headerAlignment;
        BASICSHADE shade = format.headerShade;
        if (shared > 0) {
            to[shared - 1]->GetFont(&font);
            to[shared - 1]->GetAlignment(&align);
            to[shared - 1]->GetShade(&shade);
        }
        for (size_t i = shared; i < to.size(); ++i)
            TakeHeaderLook(*to[i], font, align, shade);
    };
    headers(columnHeaders, old.columnHeaders);
    headers(rowHeaderObjects, old.rowHeaderObjects);

    TakeLines(colBoundaries, old.colBoundaries, format.columnLineBorder);
    TakeLines(rowBoundaries, old.rowBoundaries, format.rowLineBorder);
    TakeLines(colHeaderBoundaries, old.colHeaderBoundaries, format.columnLineBorder);
    TakeLines(rowHeaderBoundaries, old.rowHeaderBoundaries, format.rowLineBorder);
    if (colHeaderLine) {
        if (old.colHeaderLine)
            colHeaderLine->CopyLine(*old.colHeaderLine);
        else
            colHeaderLine->SetBorder(format.columnLineBorder);
    }
    if (rowHeaderLine) {
        if (old.rowHeaderLine)
            rowHeaderLine->CopyLine(*old.rowHeaderLine);
        else
            rowHeaderLine->SetBorder(format.rowLineBorder);
    }

    // A header band added in front of the grid pushes it on; one taken
    // away lets it start where the table does.
    const auto shift = [](bool had, bool has, int32_t room, int32_t first, int32_t start) {
        return had == has ? 0 : has ? room : -(first - start);
    };
    colAxis.pos = ChangedPositions(old.colAxis.pos, columns,
        shift(old.rowHeaders != 0, rowHeaders != 0, kAddedColumnWidth, old.colAxis.pos[0], old.rect.left),
        kAddedColumnWidth);
    rowAxis.pos = ChangedPositions(old.rowAxis.pos, rows,
        shift(old.colHeaders != 0, colHeaders != 0, kAddedRowHeight, old.rowAxis.pos[0], old.rect.top),
        kAddedRowHeight);
}

void FTABLE::TakePartsOf(FTABLE& other)
{
    std::swap(columns, other.columns);
    std::swap(rows, other.rows);
    std::swap(colHeaders, other.colHeaders);
    std::swap(rowHeaders, other.rowHeaders);
    std::swap(colAxis, other.colAxis);
    std::swap(rowAxis, other.rowAxis);
    std::swap(columnNames, other.columnNames);
    std::swap(colBoundaries, other.colBoundaries);
    std::swap(rowBoundaries, other.rowBoundaries);
    std::swap(cells, other.cells);
    std::swap(colHeaderLine, other.colHeaderLine);
    std::swap(colHeaderBoundaries, other.colHeaderBoundaries);
    std::swap(columnHeaders, other.columnHeaders);
    std::swap(rowHeaderLine, other.rowHeaderLine);
    std::swap(rowHeaderBoundaries, other.rowHeaderBoundaries);
    std::swap(rowHeaderObjects, other.rowHeaderObjects);
    for (auto& column : cells)
        for (auto& cell : column)
            cell->SetPosition(this, cell->GetColumn(), cell->GetRow());
    ForEachLine([this](FBDRY& line) { line.SetPosition(this, line.GetColumn(), line.GetRow()); });
    for (auto& header : columnHeaders)
        header->SetPosition(this, header->GetColumn(), header->GetRow());
    for (auto& header : rowHeaderObjects)
        header->SetPosition(this, header->GetColumn(), header->GetRow());
    // No place found before holds any longer.
    cellPlaces.clear();
    other.cellPlaces.clear();
}

int FTABLE::ApplyFormat(const TABLE_FORMAT& format, int respaceColumns, int respaceRows, OBJECT_DOCUMENT* document,
    int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    // The table dialog keeps the counts in range; a table without cells or
    // counts it cannot hold is left alone.
    if (cells.empty() || format.columns < 1 || format.rows < 1
        || int64_t {format.columns} * format.rows > kMaxTableCells)
        return 0;
    const int oldColumns = columns;
    const int oldRows = rows;
    std::unique_ptr<FTABLE> next;
    std::vector<int32_t> keptColumnPos;
    std::vector<int32_t> keptRowPos;
    try {
        CountTableAllocation();
        next = std::make_unique<FTABLE>();
        if (!next->Create(static_cast<int16_t>(format.columns), static_cast<int16_t>(format.rows), format.columnHeaders,
                format.rowHeaders))
            throw std::bad_alloc();
        next->BuildFormatFrom(*this, format);
        // Room for the positions that a re-spacing of the other dimension
        // must not change.
        CountTableAllocation();
        if (!respaceColumns)
            keptColumnPos.reserve(next->colAxis.pos.size());
        if (!respaceRows)
            keptRowPos.reserve(next->rowAxis.pos.size());
    } catch (const std::bad_alloc&) {
        ui::MessageBox(ProgramResources().LoadString(kTableChangeFailedId), {});
        return 0;
    }

    // Nothing can fail from here on. New cells take their ids now, so that
    // a refused change takes none.
    if (document)
        for (int c = 0; c < next->columns; ++c)
            for (int r = 0; r < next->rows; ++r)
                if (c >= oldColumns || r >= oldRows)
                    next->cells[c][r]->SetFieldID(document->GetNextFieldID());

    // The current part is one of the parts about to be freed.
    EndCurrentObject(nullptr);
    if (document)
        document->RemoveFromTabOrder(this);
    const RECT old = rect;
    TakePartsOf(*next);
    next.reset();
    SetMaster(master);

    if (respaceColumns || respaceRows) {
        if (!respaceColumns)
            keptColumnPos = colAxis.pos;
        if (!respaceRows)
            keptRowPos = rowAxis.pos;
        RecalcLayout(left, top, right, bottom, 1);
        if (!respaceColumns)
            colAxis.pos = keptColumnPos;
        if (!respaceRows)
            rowAxis.pos = keptRowPos;
    }

    // A dimension laid out anew fills the rectangle given; another keeps
    // its start and ends at its last line, moved back within the given
    // right (bottom) edge when it passes it.
    RECT placed {left, top, right, bottom};
    if (!respaceColumns) {
        placed.left = old.left;
        placed.right = colAxis.pos[columns];
        if (const int32_t over = placed.right - right; over > 0) {
            placed.left -= over;
            placed.right -= over;
            for (int32_t& x : colAxis.pos)
                x -= over;
        }
    }
    if (!respaceRows) {
        placed.top = old.top;
        placed.bottom = rowAxis.pos[rows];
        if (const int32_t over = placed.bottom - bottom; over > 0) {
            placed.top -= over;
            placed.bottom -= over;
            for (int32_t& y : rowAxis.pos)
                y -= over;
        }
    }
    SetRect(placed.left, placed.top, placed.right, placed.bottom);
    PlaceParts(placed.left, placed.top);
    SetPage(page);
    // The cells go back into the filling order where their page and place
    // put them, which they have only now.
    if (document)
        document->InsertFieldInOrder(this, false);
    return 1;
}
