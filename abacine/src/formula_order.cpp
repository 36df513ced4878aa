// Keeping a formula set's calculation order as formulas come and go.
#include "formula_order.h"

#include "code_check.h"
#include "host.h"
#include "tokens.h"

#include <algorithm>
#include <limits>
#include <new>

namespace abacine {
namespace {

// Labels start in the middle of their range, kGap apart, so that formulas go
// in front, behind and between others without renumbering the rest.
constexpr uint64_t kMiddle = uint64_t {1} << 62;
constexpr uint64_t kGap = uint64_t {1} << 32;

template<class T>
void EraseOne(std::vector<T>& v, T x)
{
    auto it = std::find(v.begin(), v.end(), x);
    if (it != v.end())
        v.erase(it);
}

template<class T>
void SortUnique(std::vector<T>& v)
{
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
}

} // namespace

template<class Visit>
void FormulaOrder::ForEachReader(uint16_t field, Visit visit) const
{
    if (auto it = fieldReaders_.find(field); it != fieldReaders_.end())
        for (uint16_t reader : it->second)
            visit(reader);
    if (auto it = cellRanges_.find(field); it != cellRanges_.end())
        for (uint32_t range : it->second)
            for (uint16_t reader : ranges_.at(range).readers)
                visit(reader);
}

template<class Visit>
void FormulaOrder::ForEachInput(const Node& node, Visit visit)
{
    for (uint16_t field : node.fields)
        if (Node* input = NodeOf(field))
            visit(field, *input);
    for (uint32_t range : node.ranges)
        if (auto it = ranges_.find(range); it != ranges_.end())
            for (uint16_t cell : it->second.cells)
                if (Node* input = NodeOf(cell))
                    visit(cell, *input);
}

// Without memory to read the list afresh, the list itself answers.
FORMULA* FormulaOrder::Find(uint16_t id)
{
    try {
        Sync();
    } catch (const std::bad_alloc&) {
        known_ = false;
        for (HBELEMENT* e = set_.formulas.First(); e; e = e->pNext)
            if (static_cast<FORMULA*>(e)->nFieldID == id)
                return static_cast<FORMULA*>(e);
        return nullptr;
    }
    const Node* node = NodeOf(id);
    return node ? node->formulas.front() : nullptr;
}

void FormulaOrder::Prepare()
{
    Sync();
    if (placed_)
        RefreshRanges();
    if (!placed_)
        Rebuild();
}

const FormulaOrder::Sequence& FormulaOrder::Walk()
{
    Sync();
    if (!placed_)
        Rebuild();
    if (!walked_) {
        sequence_.clear();
        for (const auto& [label, id] : byLabel_)
            for (FORMULA* formula : nodes_.at(id).formulas)
                sequence_.push_back(formula);
        walked_ = true;
    }
    return sequence_;
}

bool FormulaOrder::Consistent()
{
    Sync();
    if (!placed_)
        Rebuild();
    return consistent_;
}

bool FormulaOrder::Reaches(Search& search, uint16_t target)
{
    if (target == search.from_)
        return true;
    const Node* node = NodeOf(target);
    if (!node)
        return false;
    Expand(search, node->label, !(placed_ && consistent_));
    return node->mark == search.epoch_;
}

// In an order where every formula follows what it reads, whatever reads the
// start field and lies at or before bound is reached through formulas that
// lie before it too, so the walk stops there; otherwise it walks everything.
void FormulaOrder::Expand(Search& search, uint64_t bound, bool all)
{
    auto reach = [this, &search](uint16_t id) {
        Node* node = NodeOf(id);
        if (node && node->mark != search.epoch_) {
            node->mark = search.epoch_;
            search.frontier_.push({node->label, id});
        }
    };
    if (!search.started_) {
        search.started_ = true;
        search.epoch_ = NewEpoch();
        if (Node* from = NodeOf(search.from_))
            from->mark = search.epoch_;
        ForEachReader(search.from_, reach);
    }
    while (!search.frontier_.empty() && (all || search.frontier_.top().first <= bound)) {
        const uint16_t id = search.frontier_.top().second;
        search.frontier_.pop();
        search.reached_.push_back(id);
        ForEachReader(id, reach);
    }
}

void FormulaOrder::Added(FORMULA* formula)
{
    try {
        if (!Follows(1) || formula->pPrev != last_) {
            known_ = false;
            return;
        }
        const uint16_t id = formula->nFieldID;
        Node& node = nodes_[id];
        node.formulas.push_back(formula);
        walked_ = false;
        if (placed_ && node.formulas.size() == 1)
            Place(id, node);
        else
            placed_ = false;
        Record();
    } catch (const std::bad_alloc&) {
        known_ = false;
    }
}

void FormulaOrder::Appended(FORMULA* formula)
{
    try {
        if (!Follows(1) || formula->pPrev != last_) {
            known_ = false;
            return;
        }
        nodes_[formula->nFieldID].formulas.push_back(formula);
        walked_ = false;
        placed_ = false;
        Record();
    } catch (const std::bad_alloc&) {
        known_ = false;
    }
}

void FormulaOrder::Removed(FORMULA* formula)
{
    try {
        const uint16_t id = formula->nFieldID;
        auto it = nodes_.find(id);
        if (!Follows(-1) || it == nodes_.end()) {
            known_ = false;
            return;
        }
        Node& node = it->second;
        EraseOne(node.formulas, formula);
        walked_ = false;
        if (placed_) {
            Unlink(id, node);
            if (node.formulas.empty()) {
                byLabel_.erase(node.label);
            } else {
                ReadInputs(node);
                Link(id, node);
            }
            // A cycle may have gone with the formula: look again when next needed.
            if (!consistent_)
                placed_ = false;
        }
        if (node.formulas.empty())
            nodes_.erase(it);
        Record();
    } catch (const std::bad_alloc&) {
        known_ = false;
    }
}

void FormulaOrder::Cleared()
{
    nodes_.clear();
    byLabel_.clear();
    fieldReaders_.clear();
    ranges_.clear();
    cellRanges_.clear();
    walked_ = false;
    placed_ = true;
    consistent_ = true;
    Record();
}

void FormulaOrder::Forget()
{
    known_ = false;
}

void FormulaOrder::Sync()
{
    if (!Follows(0))
        Reload();
}

bool FormulaOrder::Follows(int delta) const
{
    const HBLIST& list = set_.formulas;
    if (!known_ || list.Count() != count_ + delta)
        return false;
    return delta != 0 || (list.First() == first_ && list.Last() == last_);
}

void FormulaOrder::Record()
{
    count_ = set_.formulas.Count();
    first_ = set_.formulas.First();
    last_ = set_.formulas.Last();
    known_ = true;
}

// Reads the list afresh, when it was changed other than through the set.
void FormulaOrder::Reload()
{
    Cleared();
    for (HBELEMENT* e = set_.formulas.First(); e; e = e->pNext) {
        FORMULA* formula = static_cast<FORMULA*>(e);
        nodes_[formula->nFieldID].formulas.push_back(formula);
    }
    placed_ = false;
}

void FormulaOrder::RefreshRanges()
{
    for (const auto& [range, entry] : ranges_)
        if (Cells(range) != entry.cells) {
            placed_ = false;
            return;
        }
}

std::vector<uint16_t> FormulaOrder::Cells(uint32_t range) const
{
    std::vector<uint16_t> cells;
    AnyCell(set_, range, [&cells](uint16_t cell) {
        cells.push_back(cell);
        return false;
    });
    return cells;
}

void FormulaOrder::ReadInputs(Node& node)
{
    node.fields.clear();
    node.ranges.clear();
    for (const FORMULA* formula : node.formulas) {
        if (!formula->HasSoundCode())
            continue;
        CodeReader reader(reinterpret_cast<const uint8_t*>(formula->pCode), formula->nLength);
        while (!reader.AtEnd()) {
            const CodeToken t = reader.Next();
            if (t.token == kField)
                node.fields.push_back(ReadU16(t.operand));
            else if (t.token == kRange)
                node.ranges.push_back(ReadU32(t.operand));
        }
    }
    SortUnique(node.fields);
    SortUnique(node.ranges);
}

void FormulaOrder::Link(uint16_t id, const Node& node)
{
    for (uint16_t field : node.fields)
        fieldReaders_[field].push_back(id);
    for (uint32_t range : node.ranges) {
        auto it = ranges_.find(range);
        if (it == ranges_.end()) {
            std::vector<uint16_t> cells = Cells(range);
            it = ranges_.emplace(range, Range {std::move(cells), {}}).first;
            for (uint16_t cell : it->second.cells)
                cellRanges_[cell].push_back(range);
        }
        it->second.readers.push_back(id);
    }
}

void FormulaOrder::Unlink(uint16_t id, const Node& node)
{
    for (uint16_t field : node.fields) {
        auto it = fieldReaders_.find(field);
        if (it == fieldReaders_.end())
            continue;
        EraseOne(it->second, id);
        if (it->second.empty())
            fieldReaders_.erase(it);
    }
    for (uint32_t range : node.ranges) {
        auto it = ranges_.find(range);
        if (it == ranges_.end())
            continue;
        EraseOne(it->second.readers, id);
        if (!it->second.readers.empty())
            continue;
        for (uint16_t cell : it->second.cells) {
            auto c = cellRanges_.find(cell);
            if (c == cellRanges_.end())
                continue;
            EraseOne(c->second, range);
            if (c->second.empty())
                cellRanges_.erase(c);
        }
        ranges_.erase(it);
    }
}

// Sorts every field's formulas after the formulas they read (Kahn's method,
// taking fields that are ready in list order); what a cycle holds back
// follows in list order.
void FormulaOrder::Rebuild()
{
    byLabel_.clear();
    fieldReaders_.clear();
    ranges_.clear();
    cellRanges_.clear();
    walked_ = false;

    std::vector<uint16_t> ids;
    ids.reserve(nodes_.size());
    uint32_t epoch = NewEpoch();
    for (HBELEMENT* e = set_.formulas.First(); e; e = e->pNext) {
        const uint16_t id = static_cast<FORMULA*>(e)->nFieldID;
        Node& node = nodes_.at(id);
        if (node.mark != epoch) {
            node.mark = epoch;
            ids.push_back(id);
        }
    }
    for (uint16_t id : ids) {
        Node& node = nodes_.at(id);
        ReadInputs(node);
        Link(id, node);
        node.waiting = 0;
    }
    for (uint16_t id : ids) {
        epoch = NewEpoch();
        ForEachReader(id, [this, epoch](uint16_t reader) {
            Node& node = nodes_.at(reader);
            if (node.mark != epoch) {
                node.mark = epoch;
                ++node.waiting;
            }
        });
    }
    std::vector<uint16_t> sorted;
    sorted.reserve(ids.size());
    for (uint16_t id : ids)
        if (nodes_.at(id).waiting == 0)
            sorted.push_back(id);
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        epoch = NewEpoch();
        ForEachReader(sorted[i], [this, epoch, &sorted](uint16_t reader) {
            Node& node = nodes_.at(reader);
            if (node.mark != epoch) {
                node.mark = epoch;
                if (--node.waiting == 0)
                    sorted.push_back(reader);
            }
        });
    }
    consistent_ = sorted.size() == ids.size();
    if (!consistent_) {
        epoch = NewEpoch();
        for (uint16_t id : sorted)
            nodes_.at(id).mark = epoch;
        for (uint16_t id : ids)
            if (nodes_.at(id).mark != epoch)
                sorted.push_back(id);
    }
    uint64_t label = kMiddle;
    for (uint16_t id : sorted) {
        nodes_.at(id).label = label;
        byLabel_.emplace_hint(byLabel_.end(), label, id);
        label += kGap;
    }
    placed_ = true;
}

// A new field's formula goes behind everything when nothing reads the field,
// in front when it reads no other formula, and otherwise right after the
// last formula it reads, with those that read it and lay before that moved
// after it, keeping their own order.
void FormulaOrder::Place(uint16_t id, Node& node)
{
    ReadInputs(node);
    Link(id, node);
    if (!consistent_) {
        placed_ = false;
        return;
    }
    bool read = false;
    ForEachReader(id, [&read, id](uint16_t reader) { read = read || reader != id; });
    uint16_t latest = id;
    uint64_t latestLabel = 0;
    ForEachInput(node, [&](uint16_t field, const Node& input) {
        if (field != id && (latest == id || input.label > latestLabel)) {
            latest = field;
            latestLabel = input.label;
        }
    });
    if (!read || latest == id) {
        node.label = read ? FrontLabel() : BackLabel();
        byLabel_.emplace(node.label, id);
        return;
    }
    Search search(id);
    Expand(search, latestLabel, false);
    if (nodes_.at(latest).mark == search.epoch_) {
        placed_ = false; // a cycle: only a full sort can tell where things go
        return;
    }
    std::vector<uint16_t> moved = std::move(search.reached_);
    std::sort(
        moved.begin(), moved.end(), [this](uint16_t a, uint16_t b) { return nodes_.at(a).label < nodes_.at(b).label; });
    for (uint16_t m : moved)
        byLabel_.erase(nodes_.at(m).label);
    moved.insert(moved.begin(), id);
    PlaceAfter(latest, moved);
}

void FormulaOrder::PlaceAfter(uint16_t after, const std::vector<uint16_t>& ids)
{
    const uint64_t count = ids.size();
    auto room = [&]() {
        const uint64_t from = nodes_.at(after).label;
        auto next = byLabel_.upper_bound(from);
        const uint64_t to = next == byLabel_.end() ? from + kGap * (count + 1) : next->first;
        return std::pair {from, to};
    };
    auto [from, to] = room();
    if (to - from <= count || from > std::numeric_limits<uint64_t>::max() / 2) {
        Relabel();
        std::tie(from, to) = room();
    }
    const uint64_t step = (to - from) / (count + 1);
    for (uint64_t i = 0; i < count; ++i) {
        Node& node = nodes_.at(ids[i]);
        node.label = from + step * (i + 1);
        byLabel_.emplace(node.label, ids[i]);
    }
}

uint64_t FormulaOrder::FrontLabel()
{
    if (byLabel_.empty())
        return kMiddle;
    if (byLabel_.begin()->first < kMiddle / 2)
        Relabel();
    return byLabel_.begin()->first - kGap;
}

uint64_t FormulaOrder::BackLabel()
{
    if (byLabel_.empty())
        return kMiddle;
    if (byLabel_.rbegin()->first > kMiddle * 2)
        Relabel();
    return byLabel_.rbegin()->first + kGap;
}

void FormulaOrder::Relabel()
{
    std::map<uint64_t, uint16_t> relabelled;
    uint64_t label = kMiddle;
    for (const auto& [old, id] : byLabel_) {
        nodes_.at(id).label = label;
        relabelled.emplace_hint(relabelled.end(), label, id);
        label += kGap;
    }
    byLabel_.swap(relabelled);
}

uint32_t FormulaOrder::NewEpoch()
{
    if (++epoch_ == 0) {
        for (auto& [id, node] : nodes_)
            node.mark = 0;
        epoch_ = 1;
    }
    return epoch_;
}

FormulaOrder::Node* FormulaOrder::NodeOf(uint16_t id)
{
    auto it = nodes_.find(id);
    return it == nodes_.end() ? nullptr : &it->second;
}

} // namespace abacine
