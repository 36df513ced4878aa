// The table's records: the base group, its counts and header flags, its
// line positions, its parts in groups, its column names and its shadow.
// A damaged table is read as far as it makes sense: records before the
// counts, a second set of counts and parts beyond the counts are skipped;
// counts that cannot make a grid fail the load.
#include "forms/objects/ftable.h"

#include "forms/model/fixed_record.h"
#include "forms/model/record_archive.h"
#include "forms/model/shadow.h"
#include "forms/objects/fbdry.h"
#include "forms/objects/fcell.h"
#include "forms/objects/fheader.h"

namespace {

constexpr uint8_t kShadowGroupTag = 5;
constexpr uint8_t kRecCounts = 0x81;
constexpr uint8_t kRecPositions = 0x82;
constexpr uint8_t kGridGroupTag = 0x42;
constexpr uint8_t kColumnHeaderGroupTag = 0x43;
constexpr uint8_t kRowHeaderGroupTag = 0x52;
constexpr uint8_t kNamesGroupTag = 0x4E;
constexpr uint8_t kRecColumnName = 0x83;

} // namespace

void FTABLE::Save(RECORDARCHIVE& ar, uint8_t tag)
{
    ar.WriteTag(tag);
    FORMOBJ::Save(ar, kBaseGroupTag);

    ar.BeginRecord();
    ar.PutU16(static_cast<uint16_t>(columns));
    ar.PutU16(static_cast<uint16_t>(rows));
    ar.PutU16(colHeaders ? 1 : 0);
    ar.PutU16(rowHeaders ? 1 : 0);
    ar.PutU16(tableId);
    ar.EndRecord(kRecCounts);

    ar.BeginRecord();
    for (int32_t p : colAxis.pos)
        ar.PutU16(static_cast<uint16_t>(p));
    for (int32_t p : rowAxis.pos)
        ar.PutU16(static_cast<uint16_t>(p));
    ar.EndRecord(kRecPositions);

    ar.WriteTag(kGridGroupTag);
    for (auto& column : cells)
        for (auto& cell : column)
            cell->Save(ar, kTypeCell);
    for (auto& line : colBoundaries)
        line->Save(ar, kTypeBoundary);
    for (auto& line : rowBoundaries)
        line->Save(ar, kTypeBoundary);
    ar.WriteTag(kEndGroup);

    if (colHeaders && colHeaderLine) {
        ar.WriteTag(kColumnHeaderGroupTag);
        for (auto& line : colHeaderBoundaries)
            line->Save(ar, kTypeBoundary);
        colHeaderLine->Save(ar, kTypeBoundary);
        for (auto& header : columnHeaders)
            header->Save(ar, kTypeHeader);
        ar.WriteTag(kEndGroup);
    }
    if (rowHeaders && rowHeaderLine) {
        ar.WriteTag(kRowHeaderGroupTag);
        for (auto& line : rowHeaderBoundaries)
            line->Save(ar, kTypeBoundary);
        rowHeaderLine->Save(ar, kTypeBoundary);
        for (auto& header : rowHeaderObjects)
            header->Save(ar, kTypeHeader);
        ar.WriteTag(kEndGroup);
    }

    ar.WriteTag(kNamesGroupTag);
    for (const std::string& columnName : columnNames) {
        ar.BeginRecord();
        ar.PutString(columnName);
        ar.EndRecord(kRecColumnName);
    }
    ar.WriteTag(kEndGroup);

    if (shadow)
        shadow->Save(ar, kShadowGroupTag);
    ar.WriteTag(kEndGroup);
}

void FTABLE::Load(RECORDARCHIVE& ar, uintptr_t owner)
{
    bool built = false;
    bool placed = false;
    SHADOW drop;
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            break;
        switch (tag) {
        case kBaseGroupTag:
            FORMOBJ::Load(ar, owner);
            break;
        case kShadowGroupTag:
            drop.Load(ar);
            break;
        case kRecCounts:
            if (built) {
                ar.SkipRecord(tag);
                break;
            }
            ReadCounts(ar);
            built = true;
            break;
        case kRecPositions:
            if (!built) {
                ar.SkipRecord(tag);
                break;
            }
            placed = ReadPositions(ar);
            break;
        case kGridGroupTag:
        case kColumnHeaderGroupTag:
        case kRowHeaderGroupTag:
            if (built)
                ReadParts(ar, owner, tag);
            else
                ar.SkipRecord(tag);
            break;
        case kNamesGroupTag:
            if (built)
                ReadColumnNames(ar);
            else
                ar.SkipRecord(tag);
            break;
        default:
            ar.SkipRecord(tag);
            break;
        }
    }
    // A table without counts has no grid to show or fill.
    if (!built)
        RECORDARCHIVE::ThrowLoadMemoryError();
    *shadow = drop;
    if (placed)
        PlaceParts(rect.left, rect.top);
    else
        RecalcLayout(rect.left, rect.top, rect.right, rect.bottom, 1);
    SetPage(page);
    SetMaster(master);
}

void FTABLE::ReadCounts(RECORDARCHIVE& ar)
{
    RecordReader record = ReadFixedRecord(ar);
    const uint16_t columnCount = record.U16(0);
    const uint16_t rowCount = record.U16(0);
    const uint16_t withColumnHeaders = record.U16(0);
    const uint16_t withRowHeaders = record.U16(0);
    const uint16_t id = record.U16(0);
    // Each cell needs a field id below 0x8000.
    if (columnCount == 0 || rowCount == 0 || int64_t {columnCount} * rowCount > kMaxTableCells)
        RECORDARCHIVE::ThrowLoadMemoryError();
    if (!Create(static_cast<int16_t>(columnCount), static_cast<int16_t>(rowCount), withColumnHeaders == 1 ? 1 : 0,
            withRowHeaders == 1 ? 1 : 0))
        RECORDARCHIVE::ThrowLoadMemoryError();
    tableId = id;
}

bool FTABLE::ReadPositions(RECORDARCHIVE& ar)
{
    RecordReader record = ar.ReadRecord();
    // Too short to place every line: the table is laid out afresh.
    if (record.Size() < 2 * (colAxis.pos.size() + rowAxis.pos.size()))
        return false;
    for (int32_t& p : colAxis.pos)
        p = record.I16(0);
    for (int32_t& p : rowAxis.pos)
        p = record.I16(0);
    return true;
}

void FTABLE::ReadParts(RECORDARCHIVE& ar, uintptr_t owner, uint8_t group)
{
    const bool columnBand = group == kColumnHeaderGroupTag;
    const bool rowBand = group == kRowHeaderGroupTag;
    if ((columnBand && !colHeaderLine) || (rowBand && !rowHeaderLine)) {
        ar.SkipRecord(group);
        return;
    }
    size_t cellsRead = 0;
    size_t linesRead = 0;
    size_t headersRead = 0;
    const size_t cellCount = size_t(columns) * rows;
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return;
        FORMOBJ* part = nullptr;
        if (tag == kTypeCell && group == kGridGroupTag && cellsRead < cellCount) {
            const int c = static_cast<int>(cellsRead / rows);
            const int r = static_cast<int>(cellsRead % rows);
            FCELL& cell = *cells[c][r];
            cell.Load(ar, owner);
            cell.SetPosition(this, static_cast<uint16_t>(c), static_cast<uint16_t>(r));
            part = &cell;
            ++cellsRead;
        } else if (tag == kTypeBoundary) {
            FBDRY* line = nullptr;
            uint16_t column = kNoTableIndex;
            uint16_t row = kNoTableIndex;
            const auto next = [&](size_t at) -> FBDRY* {
                const size_t across = columnBand ? colHeaderBoundaries.size()
                    : rowBand                    ? rowHeaderBoundaries.size()
                                                 : colBoundaries.size();
                if (group == kGridGroupTag) {
                    if (at < colBoundaries.size()) {
                        column = static_cast<uint16_t>(at);
                        return colBoundaries[at].get();
                    }
                    at -= colBoundaries.size();
                    if (at < rowBoundaries.size()) {
                        row = static_cast<uint16_t>(at);
                        return rowBoundaries[at].get();
                    }
                    return nullptr;
                }
                if (at < across) {
                    if (columnBand) {
                        column = static_cast<uint16_t>(at);
                        return colHeaderBoundaries[at].get();
                    }
                    row = static_cast<uint16_t>(at);
                    return rowHeaderBoundaries[at].get();
                }
                return at == across ? (columnBand ? colHeaderLine.get() : rowHeaderLine.get()) : nullptr;
            };
            line = next(linesRead);
            if (line) {
                line->Load(ar, owner);
                line->SetPosition(this, column, row);
                part = line;
                ++linesRead;
            }
        } else if (tag == kTypeHeader && (columnBand || rowBand)) {
            auto& headers = columnBand ? columnHeaders : rowHeaderObjects;
            if (headersRead < headers.size()) {
                FHEADER& header = *headers[headersRead];
                header.Load(ar, owner);
                const auto at = static_cast<uint16_t>(headersRead);
                header.SetPosition(this, columnBand ? at : kNoTableIndex, columnBand ? kNoTableIndex : at);
                part = &header;
                ++headersRead;
            }
        }
        if (part)
            part->SetPage(page);
        else
            ar.SkipRecord(tag);
    }
}

void FTABLE::ReadColumnNames(RECORDARCHIVE& ar)
{
    size_t read = 0;
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return;
        if (tag == kRecColumnName && read < columnNames.size())
            columnNames[read++] = ar.ReadRecord().String();
        else
            ar.SkipRecord(tag);
    }
}
