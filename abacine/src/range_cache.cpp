// Ranges, cell values and tallies kept for one recalculation.
#include "range_cache.h"

#include "field_value.h"
#include "host.h"

namespace abacine {
namespace {

// Counts the changes the host told the engine of, so that a recalculation
// sees those made from inside a callback.
unsigned long g_nHostChanges = 0;

constexpr std::size_t kFieldIds = 65536;

} // namespace

void NoteHostChange()
{
    ++g_nHostChanges;
}

RangeCache::RangeCache(const FORMULA_SET& set, const FieldsWithFormulas& withFormulas)
    : set_(set)
    , withFormulas_(withFormulas)
    , hostChanges_(g_nHostChanges)
{}

void RangeCache::DropAllOnHostChange()
{
    if (hostChanges_ == g_nHostChanges)
        return;
    hostChanges_ = g_nHostChanges;
    ranges_.clear();
    for (const Cell& cell : cells_)
        indexOf_[cell.id] = 0;
    cells_.clear();
    ++changes_;
}

RangeCache::Range& RangeCache::Walk(uint32_t range)
{
    DropAllOnHostChange();
    auto found = ranges_.find(range);
    if (found != ranges_.end())
        return found->second;
    Range& r = ranges_[range];
    AnyCell(set_, range, [&](uint16_t cell) {
        r.cells.push_back(CellIndex(cell));
        if (withFormulas_.Has(cell))
            r.withFormulas.push_back(cell);
        return false;
    });
    return r;
}

uint32_t RangeCache::CellIndex(uint16_t id)
{
    if (indexOf_.empty())
        indexOf_.assign(kFieldIds, 0);
    if (indexOf_[id] == 0) {
        cells_.push_back(Cell {id, false, {}});
        indexOf_[id] = static_cast<uint32_t>(cells_.size());
    }
    return indexOf_[id] - 1;
}

const Value& RangeCache::ValueOf(Cell& cell)
{
    if (!cell.fetched) {
        cell.value = FetchField(set_, cell.id);
        cell.fetched = true;
    }
    return cell.value;
}

const std::vector<uint16_t>& RangeCache::CellsWithFormulas(uint32_t range)
{
    return Walk(range).withFormulas;
}

bool RangeCache::AddCells(uint32_t range, Tally& tally, Value& error)
{
    Range& r = Walk(range);
    // A kept tally stands for the cells only when nothing came before them:
    // adding in another order could round differently.
    const bool fromEmpty = tally.n == 0;
    if (fromEmpty && r.kept && r.keptAt == changes_) {
        if (r.keptError) {
            error = r.error;
            return true;
        }
        tally = r.tally;
        return false;
    }
    bool failed = false;
    for (uint32_t index : r.cells) {
        const Value& v = ValueOf(cells_[index]);
        if (v.IsError()) {
            error = v;
            failed = true;
            break;
        }
        if (v.type == kNumberValue || v.type == kTextValue)
            tally.Add(AsNumber(v));
        else
            ++tally.n;
    }
    if (fromEmpty) {
        r.kept = true;
        r.keptAt = changes_;
        r.keptError = failed;
        r.tally = tally;
        r.error = failed ? error : Value {};
    }
    return failed;
}

void RangeCache::Forget(uint16_t id)
{
    if (indexOf_.empty() || indexOf_[id] == 0)
        return;
    Cell& cell = cells_[indexOf_[id] - 1];
    if (cell.fetched) {
        cell.fetched = false;
        cell.value = Value {};
        ++changes_;
    }
}

} // namespace abacine
