// The table: building and freeing its parts, the format it is made from,
// copies, appearance taken from another table, masters and pages.
#include "forms/objects/ftable.h"

#include "forms/model/border.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/textattr.h"
#include "forms/objects/fbdry.h"
#include "forms/objects/fcell.h"
#include "forms/objects/fheader.h"
#include "forms/objects/table_allocation.h"
#include "forms/objects/table_format.h"
#include "forms/objects/tablecolrow.h"
#include "forms/res/program_resources.h"

#include <new>
#include <utility>

namespace {

template<class Part>
std::unique_ptr<Part> MakePart(FTABLE* table, uint16_t column, uint16_t row)
{
    CountTableAllocation();
    auto part = std::make_unique<Part>();
    if (!part->InitDefault(table, column, row))
        throw std::bad_alloc();
    return part;
}

template<class Part>
Part* At(const std::vector<std::unique_ptr<Part>>& parts, int i)
{
    return i >= 0 && static_cast<size_t>(i) < parts.size() ? parts[i].get() : nullptr;
}

} // namespace

FTABLE::FTABLE()
{
    trackStyle = 0x12;
    minSize = {90, 90};
    handleSize = 90;
}

FTABLE::~FTABLE()
{
    Destroy();
}

int FTABLE::Create(int16_t columnCount, int16_t rowCount, int32_t withColumnHeaders, int32_t withRowHeaders)
{
    Destroy();
    if (columnCount < 1 || rowCount < 1 || int64_t {columnCount} * rowCount > kMaxTableCells)
        return 0;
    columns = columnCount;
    rows = rowCount;
    colHeaders = withColumnHeaders ? 1 : 0;
    rowHeaders = withRowHeaders ? 1 : 0;
    try {
        colAxis.pos.assign(columns + 1, 0);
        colAxis.hasBand = rowHeaders != 0;
        rowAxis.pos.assign(rows + 1, 0);
        rowAxis.hasBand = colHeaders != 0;
        cells.resize(columns);
        for (uint16_t c = 0; c < columns; ++c)
            for (uint16_t r = 0; r < rows; ++r)
                cells[c].push_back(MakePart<FCELL>(this, c, r));
        for (uint16_t i = 0; i <= columns; ++i)
            colBoundaries.push_back(MakePart<FBDRY>(this, i, kNoTableIndex));
        for (uint16_t j = 0; j <= rows; ++j)
            rowBoundaries.push_back(MakePart<FBDRY>(this, kNoTableIndex, j));
        if (colHeaders) {
            colHeaderLine = MakePart<FBDRY>(this, kNoTableIndex, kNoTableIndex);
            for (uint16_t i = 0; i <= columns; ++i)
                colHeaderBoundaries.push_back(MakePart<FBDRY>(this, i, kNoTableIndex));
            for (uint16_t i = 0; i < columns; ++i)
                columnHeaders.push_back(MakePart<FHEADER>(this, i, kNoTableIndex));
        }
        if (rowHeaders) {
            rowHeaderLine = MakePart<FBDRY>(this, kNoTableIndex, kNoTableIndex);
            for (uint16_t j = 0; j <= rows; ++j)
                rowHeaderBoundaries.push_back(MakePart<FBDRY>(this, kNoTableIndex, j));
            for (uint16_t j = 0; j < rows; ++j)
                rowHeaderObjects.push_back(MakePart<FHEADER>(this, kNoTableIndex, j));
        }
        const std::string prefix = ProgramResources().LoadString(kColumnNamePrefixId);
        for (int i = 0; i < columns; ++i)
            columnNames.push_back(prefix + ColumnLetters(i));
        shadow = std::make_unique<SHADOW>();
    } catch (const std::bad_alloc&) {
        Destroy();
        return 0;
    }
    SetPage(page);
    return 1;
}

void FTABLE::Destroy()
{
    // A part freed here must not stay current.
    EndCurrentObject(nullptr);
    colAxis.pos.clear();
    rowAxis.pos.clear();
    columnNames.clear();
    cells.clear();
    colBoundaries.clear();
    rowBoundaries.clear();
    colHeaderLine.reset();
    colHeaderBoundaries.clear();
    columnHeaders.clear();
    rowHeaderLine.reset();
    rowHeaderBoundaries.clear();
    rowHeaderObjects.clear();
    shadow.reset();
}

int FTABLE::CreateFromFormat(const TABLE_FORMAT& format)
{
    if (!Create(static_cast<int16_t>(format.columns), static_cast<int16_t>(format.rows), format.columnHeaders,
            format.rowHeaders))
        return 0;
    ForEachCell([&format](FORMOBJ& cell) {
        cell.SetShade(format.cellShade);
        cell.SetBorder(format.cellBorder);
        cell.SetFont(format.cellText);
        cell.SetAlignment(format.cellAlignment);
    });
    for (auto& line : colBoundaries)
        line->SetBorder(format.columnLineBorder);
    for (auto& line : rowBoundaries)
        line->SetBorder(format.rowLineBorder);
    const auto header = [&format](FHEADER& h) {
        h.SetFont(format.headerText);
        h.SetAlignment(format.headerAlignment);
        h.SetShade(format.headerShade);
    };
    if (colHeaders) {
        colHeaderLine->SetBorder(format.columnLineBorder);
        for (auto& line : colHeaderBoundaries)
            line->SetBorder(format.columnLineBorder);
        for (auto& h : columnHeaders)
            header(*h);
    }
    if (rowHeaders) {
        rowHeaderLine->SetBorder(format.rowLineBorder);
        for (auto& line : rowHeaderBoundaries)
            line->SetBorder(format.rowLineBorder);
        for (auto& h : rowHeaderObjects)
            header(*h);
    }
    *shadow = format.shadow;
    const RECT r = RecalcLayout(format.rect.left, format.rect.top, format.rect.right, format.rect.bottom, 1);
    SetRect(r.left, r.top, r.right, r.bottom);
    return 1;
}

void FTABLE::GetFormat(TABLE_FORMAT& out) const
{
    out.rows = static_cast<uint16_t>(rows);
    out.columns = static_cast<uint16_t>(columns);
    out.rowHeaders = rowHeaders;
    out.columnHeaders = colHeaders;
}

FCELL* FTABLE::GetCell(int column, int row) const
{
    return cells[column][row].get();
}

FBDRY* FTABLE::GetColumnBoundary(int i) const
{
    return At(colBoundaries, i);
}

FBDRY* FTABLE::GetRowBoundary(int j) const
{
    return At(rowBoundaries, j);
}

FBDRY* FTABLE::GetColumnHeaderBoundary(int i) const
{
    return At(colHeaderBoundaries, i);
}

FBDRY* FTABLE::GetRowHeaderBoundary(int j) const
{
    return At(rowHeaderBoundaries, j);
}

FHEADER* FTABLE::GetColumnHeader(int i) const
{
    return At(columnHeaders, i);
}

FHEADER* FTABLE::GetRowHeader(int j) const
{
    return At(rowHeaderObjects, j);
}

void FTABLE::GetCellRect(RECT& out, int column, int row) const
{
    out = {colAxis.pos[column], rowAxis.pos[row], colAxis.pos[column + 1], rowAxis.pos[row + 1]};
}

void FTABLE::ForEachLine(const std::function<void(FBDRY&)>& visit) const
{
    for (const auto& line : colBoundaries)
        visit(*line);
    for (const auto& line : rowBoundaries)
        visit(*line);
    if (colHeaderLine)
        visit(*colHeaderLine);
    for (const auto& line : colHeaderBoundaries)
        visit(*line);
    if (rowHeaderLine)
        visit(*rowHeaderLine);
    for (const auto& line : rowHeaderBoundaries)
        visit(*line);
}

void FTABLE::ForEachPart(const std::function<void(FORMOBJ&)>& visit) const
{
    for (const auto& column : cells)
        for (const auto& cell : column)
            visit(*cell);
    ForEachLine([&visit](FBDRY& line) { visit(line); });
    for (const auto& h : columnHeaders)
        visit(*h);
    for (const auto& h : rowHeaderObjects)
        visit(*h);
}

std::unique_ptr<FORMOBJ> FTABLE::Clone() const
{
    auto copy = std::make_unique<FTABLE>();
    if (!copy->Create(columns, rows, colHeaders, rowHeaders))
        return nullptr;
    try {
        copy->CopyPartsFrom(*this);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    copy->tableId = tableId;
    copy->name = name;
    FinishClone(*copy);
    return copy;
}

FCELL& FTABLE::PlaceCellCopy(int c, int r, const FCELL& from)
{
    std::unique_ptr<FORMOBJ> copy = from.Clone();
    auto* cell = dynamic_cast<FCELL*>(copy.get());
    if (!cell)
        throw std::bad_alloc();
    copy.release();
    cells[c][r].reset(cell);
    cell->SetPosition(this, static_cast<uint16_t>(c), static_cast<uint16_t>(r));
    cell->SetFieldID(from.GetFieldID());
    return *cell;
}

void FTABLE::CopyPartsFrom(const FTABLE& other)
{
    const int commonColumns = std::min(columns, other.columns);
    const int commonRows = std::min(rows, other.rows);
    for (int c = 0; c < commonColumns; ++c)
        for (int r = 0; r < commonRows; ++r) {
            PlaceCellCopy(c, r, *other.cells[c][r]);
        }
    const auto lines = [](auto& to, const auto& from, size_t n) {
        for (size_t i = 0; i < n && i < to.size() && i < from.size(); ++i)
            to[i]->CopyLine(*from[i]);
    };
    lines(colBoundaries, other.colBoundaries, colBoundaries.size());
    lines(rowBoundaries, other.rowBoundaries, rowBoundaries.size());
    lines(colHeaderBoundaries, other.colHeaderBoundaries, colHeaderBoundaries.size());
    lines(rowHeaderBoundaries, other.rowHeaderBoundaries, rowHeaderBoundaries.size());
    if (colHeaderLine && other.colHeaderLine)
        colHeaderLine->CopyLine(*other.colHeaderLine);
    if (rowHeaderLine && other.rowHeaderLine)
        rowHeaderLine->CopyLine(*other.rowHeaderLine);
    for (size_t i = 0; i < columnHeaders.size() && i < other.columnHeaders.size(); ++i)
        columnHeaders[i]->CopyHeader(*other.columnHeaders[i]);
    for (size_t j = 0; j < rowHeaderObjects.size() && j < other.rowHeaderObjects.size(); ++j)
        rowHeaderObjects[j]->CopyHeader(*other.rowHeaderObjects[j]);
    if (colAxis.pos.size() == other.colAxis.pos.size())
        colAxis = other.colAxis;
    if (rowAxis.pos.size() == other.rowAxis.pos.size())
        rowAxis = other.rowAxis;
    for (size_t i = 0; i < columnNames.size() && i < other.columnNames.size(); ++i)
        columnNames[i] = other.columnNames[i];
    if (shadow && other.shadow)
        *shadow = *other.shadow;
    // Each part keeps its own page: the copy's.
    SetPage(page);
}

void FTABLE::TakeAppearanceFrom(FORMOBJ& source)
{
    auto* other = dynamic_cast<FTABLE*>(&source);
    if (!other) {
        FORMOBJ::TakeAppearanceFrom(source);
        return;
    }
    if (shadow && other->shadow)
        *shadow = *other->shadow;
    // Only the parts both tables have: a style or a snapshot may be of
    // another shape.
    const int commonColumns = std::min(columns, other->columns);
    const int commonRows = std::min(rows, other->rows);
    for (int c = 0; c < commonColumns; ++c)
        for (int r = 0; r < commonRows; ++r)
            cells[c][r]->TakeAppearanceFrom(*other->cells[c][r]);
    const auto take = [](auto& to, const auto& from) {
        for (size_t i = 0; i < to.size() && i < from.size(); ++i)
            to[i]->TakeAppearanceFrom(*from[i]);
    };
    take(colBoundaries, other->colBoundaries);
    take(rowBoundaries, other->rowBoundaries);
    take(colHeaderBoundaries, other->colHeaderBoundaries);
    take(rowHeaderBoundaries, other->rowHeaderBoundaries);
    take(columnHeaders, other->columnHeaders);
    take(rowHeaderObjects, other->rowHeaderObjects);
    if (colHeaderLine && other->colHeaderLine)
        colHeaderLine->TakeAppearanceFrom(*other->colHeaderLine);
    if (rowHeaderLine && other->rowHeaderLine)
        rowHeaderLine->TakeAppearanceFrom(*other->rowHeaderLine);
}

void FTABLE::SetMaster(FORMOBJ* style)
{
    if (style && style->GetType() != kTypeTable)
        return;
    auto* other = dynamic_cast<FTABLE*>(style);
    if (style && !other)
        return;
    master = style;
    FORMOBJ* firstCell = other && other->columns > 0 && other->rows > 0 ? other->GetCell(0, 0) : nullptr;
    FORMOBJ* gridLine = other ? other->GetColumnBoundary(0) : nullptr;
    FORMOBJ* columnHeaderLine = other ? other->GetColumnHeaderBoundary(0) : nullptr;
    FORMOBJ* rowBandLine = other ? other->GetRowHeaderBoundary(0) : nullptr;
    FORMOBJ* columnHeader = other ? other->GetColumnHeader(0) : nullptr;
    FORMOBJ* rowHeader = other ? other->GetRowHeader(0) : nullptr;
    ForEachCell([firstCell](FORMOBJ& cell) { cell.SetMaster(firstCell); });
    for (auto& line : colBoundaries)
        line->SetMaster(gridLine);
    for (auto& line : rowBoundaries)
        line->SetMaster(gridLine);
    if (colHeaderLine)
        colHeaderLine->SetMaster(columnHeaderLine);
    for (auto& line : colHeaderBoundaries)
        line->SetMaster(columnHeaderLine);
    if (rowHeaderLine)
        rowHeaderLine->SetMaster(rowBandLine);
    for (auto& line : rowHeaderBoundaries)
        line->SetMaster(rowBandLine);
    for (auto& h : columnHeaders)
        h->SetMaster(columnHeader);
    for (auto& h : rowHeaderObjects)
        h->SetMaster(rowHeader);
}

void FTABLE::DetachFromMaster()
{
    if (!master)
        return;
    // Each part takes its master part's look as its own; the table takes
    // the master's shadow.
    ForEachPart([](FORMOBJ& part) { part.DetachFromMaster(); });
    SHADOW drop;
    if (shadow && master->GetShadow(&drop))
        *shadow = drop;
    master = nullptr;
}

void FTABLE::SetPage(uint16_t newPage)
{
    page = newPage;
    ForEachPart([newPage](FORMOBJ& part) { part.SetPage(newPage); });
}

void FTABLE::ResetToDefaults()
{
    FORMOBJ::ResetToDefaults();
    ForEachCell([](FORMOBJ& cell) { cell.ResetToDefaults(); });
}

int FTABLE::NeedsConversionFor(uintptr_t arg)
{
    int answer = 0;
    ForEachCell([&answer, arg](FORMOBJ& cell) {
        if (cell.NeedsConversionFor(arg))
            answer = 1;
    });
    return answer;
}

FORMOBJ* FTABLE::FindCell(uint16_t id)
{
    return FindCellById(id);
}

bool FTABLE::GetCellPlace(uint16_t id, uint16_t& column, uint16_t& row)
{
    FCELL* cell = FindCellById(id);
    if (!cell)
        return false;
    column = cell->GetColumn();
    row = cell->GetRow();
    return true;
}

FORMOBJ* FTABLE::GetCellAt(uint16_t column, uint16_t row)
{
    return column < columns && row < rows ? GetCell(column, row) : nullptr;
}

FORMOBJ* FTABLE::FindCellByName(std::string_view wanted)
{
    std::string full;
    for (const auto& column : cells)
        for (const auto& cell : column) {
            cell->GetFullName(full);
            if (full == wanted)
                return cell.get();
        }
    return nullptr;
}

void FTABLE::ForEachCell(const std::function<void(FORMOBJ&)>& visit)
{
    // Row by row, as the filling order takes them.
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns && static_cast<size_t>(c) < cells.size(); ++c)
            if (static_cast<size_t>(r) < cells[c].size())
                visit(*cells[c][r]);
}
