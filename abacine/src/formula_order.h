// The order in which a set's formulas are calculated: each formula after the
// formulas whose fields it reads, directly or as a cell of a range, so that
// one walk in this order does what passes over the list in any order do.
#pragma once

#include "Abacine.h"

#include <cstdint>
#include <functional>
#include <map>
#include <queue>
#include <unordered_map>
#include <utility>
#include <vector>

namespace abacine {

class FormulaOrder {
public:
    using Sequence = std::vector<FORMULA*>;

    // A walk from a field's dependants forward, in order (see Reaches).
    class Search {
    public:
        explicit Search(uint16_t from)
            : from_(from)
        {}

    private:
        friend class FormulaOrder;
        using Entry = std::pair<uint64_t, uint16_t>; // label, field
        uint16_t from_;
        bool started_ = false;
        uint32_t epoch_ = 0;
        std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> frontier_;
        std::vector<uint16_t> reached_; // in the order they were reached
    };

    explicit FormulaOrder(const FORMULA_SET& set)
        : set_(set)
    {}
    FormulaOrder(const FormulaOrder&) = delete;
    FormulaOrder& operator=(const FormulaOrder&) = delete;

    // The first formula of the field in list order, or null.
    FORMULA* Find(uint16_t id);

    // Brings the order up to date with the list and with the cells the host
    // now gives each range; called before the order is relied on.
    void Prepare();
    // The formulas in calculation order; a set's formulas of one field stand
    // together in list order. Valid until the order next changes.
    const Sequence& Walk();
    // Whether every formula comes after those it reads (false while the set
    // holds a cycle, which only an unchecked load brings in).
    bool Consistent();

    // Whether `target` is `search`'s field or one that reads it, directly or
    // through other formulas. Walks only as far as the target's place in the
    // order needs, and resumes there for a later target.
    bool Reaches(Search& search, uint16_t target);

    // Each is called right after the list changed by that one step.
    void Added(FORMULA* formula); // appended by AddFormula, checked for cycles
    void Appended(FORMULA* formula); // appended unchecked
    void Removed(FORMULA* formula); // unlinked, not yet deleted
    void Cleared();
    // The list was taken from another set: everything is read again.
    void Forget();

private:
    struct Node {
        std::vector<FORMULA*> formulas; // list order
        std::vector<uint16_t> fields; // fields read by any of them
        std::vector<uint32_t> ranges; // ranges read by any of them
        uint64_t label = 0; // place in the order
        uint32_t mark = 0; // the epoch of the walk that last saw it
        uint32_t waiting = 0; // while rebuilding: formulas read not yet placed
    };
    struct Range {
        std::vector<uint16_t> cells; // as the host gave them
        std::vector<uint16_t> readers; // formulas' fields
    };

    void Sync();
    // Whether the list changed by delta elements since it was last seen.
    bool Follows(int delta) const;
    void Record();
    void Reload();
    void Rebuild();
    void RefreshRanges();
    void ReadInputs(Node& node);
    void Link(uint16_t id, const Node& node);
    void Unlink(uint16_t id, const Node& node);
    std::vector<uint16_t> Cells(uint32_t range) const;
    void Place(uint16_t id, Node& node);
    void PlaceAfter(uint16_t after, const std::vector<uint16_t>& ids);
    uint64_t FrontLabel();
    uint64_t BackLabel();
    void Relabel();
    void Expand(Search& search, uint64_t bound, bool all);
    uint32_t NewEpoch();
    Node* NodeOf(uint16_t id);

    // Calls visit(field) for each formula that reads the field, directly or
    // through a range; a formula may come more than once.
    template<class Visit>
    void ForEachReader(uint16_t field, Visit visit) const;
    // Calls visit(field, node) for each formula that the node reads.
    template<class Visit>
    void ForEachInput(const Node& node, Visit visit);

    const FORMULA_SET& set_;
    std::unordered_map<uint16_t, Node> nodes_;
    std::map<uint64_t, uint16_t> byLabel_;
    std::unordered_map<uint16_t, std::vector<uint16_t>> fieldReaders_;
    std::unordered_map<uint32_t, Range> ranges_;
    std::unordered_map<uint16_t, std::vector<uint32_t>> cellRanges_;
    Sequence sequence_;
    bool walked_ = false; // sequence_ follows the labels
    bool placed_ = true; // labels and readers match the formulas
    bool consistent_ = true; // and every formula follows what it reads
    uint32_t epoch_ = 0;
    // The list as last seen, to notice changes made to it directly.
    int16_t count_ = 0;
    const HBELEMENT* first_ = nullptr;
    const HBELEMENT* last_ = nullptr;
    bool known_ = true;
};

} // namespace abacine
