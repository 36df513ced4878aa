// The filling order and its group in the form file.
#include "forms/document/ptrarray.h"

#include "forms/document/field_identity.h"
#include "forms/model/formobj.h"
#include "forms/model/record_archive.h"

#include "forms/model/table_cells.h"

#include <algorithm>
#include <unordered_set>

namespace {
constexpr uint8_t kOrderGroupTag = 0x31;
constexpr uint16_t kIdSize = 2;
} // namespace

namespace {
TABLE_CELLS* TableOf(const FORMOBJ& object)
{
    const FieldIdentity* field = AsField(&object);
    return field ? field->GetOwnerTable() : nullptr;
}

// The object whose place stands for this one against the other.
const FORMOBJ& PlaceOf(const FORMOBJ& object, const FORMOBJ& other)
{
    TABLE_CELLS* table = TableOf(object);
    if (!table || TableOf(other) == table)
        return object;
    const FORMOBJ* first = table->GetCellAt(0, 0);
    return first ? *first : object;
}
} // namespace

int ComparePosition(const FORMOBJ& objectA, const FORMOBJ& objectB)
{
    const FORMOBJ& a = PlaceOf(objectA, objectB);
    const FORMOBJ& b = PlaceOf(objectB, objectA);
    if (a.GetPage() != b.GetPage())
        return a.GetPage() < b.GetPage() ? -1 : 1;
    RECT ra;
    RECT rb;
    a.GetRect(ra);
    b.GetRect(rb);
    if (ra.top != rb.top)
        return ra.top < rb.top ? -1 : 1;
    if (ra.left != rb.left)
        return ra.left < rb.left ? -1 : 1;
    return 0;
}

FORMOBJ* PTRARRAY::GetAt(int i) const
{
    if (i < 0 || i >= GetCount())
        return nullptr;
    return items[static_cast<size_t>(i)];
}

int PTRARRAY::IndexOf(const FORMOBJ* item) const
{
    auto at = std::find(items.begin(), items.end(), item);
    return at == items.end() ? -1 : static_cast<int>(at - items.begin());
}

int PTRARRAY::InsertAt(int pos, FORMOBJ* item)
{
    if (pos < 0 || pos > GetCount() || items.size() >= kNoFieldId)
        return 0;
    items.insert(items.begin() + pos, item);
    return 1;
}

int PTRARRAY::SortedPlace(const FORMOBJ* item) const
{
    // The field that stands last before the new one on the form, if any.
    const FORMOBJ* before = nullptr;
    for (FORMOBJ* other : items)
        if (ComparePosition(*other, *item) <= 0 && (!before || ComparePosition(*other, *before) >= 0))
            before = other;
    return before ? IndexOf(before) + 1 : 0;
}

int PTRARRAY::InsertSorted(FORMOBJ* item)
{
    return InsertAt(SortedPlace(item), item);
}

int PTRARRAY::InsertRangeAt(int pos, const std::vector<FORMOBJ*>& range)
{
    if (pos < 0 || pos > GetCount() || items.size() + range.size() > kNoFieldId)
        return 0;
    items.insert(items.begin() + pos, range.begin(), range.end());
    return 1;
}

int PTRARRAY::Remove(const FORMOBJ* item)
{
    int at = IndexOf(item);
    if (at < 0)
        return 0;
    items.erase(items.begin() + at);
    return at;
}

void PTRARRAY::Renumber()
{
    for (size_t i = 0; i < items.size(); ++i)
        if (FieldIdentity* field = AsField(items[i]))
            field->SetTabIndex(static_cast<uint16_t>(i));
}

void PTRARRAY::Save(RECORDARCHIVE& ar, uint8_t tag) const
{
    ar.WriteTag(tag);
    ar.WriteTag(kOrderGroupTag);
    ar.BeginArrayRecord(static_cast<uint16_t>(items.size()), kIdSize);
    for (const FORMOBJ* item : items) {
        const FieldIdentity* field = AsField(item);
        ar.GetArchive().WriteU16(field ? field->GetFieldID() : kNoFieldId);
    }
    ar.WriteTag(kEndGroup);
    ar.WriteTag(kEndGroup);
}

void PTRARRAY::Load(RECORDARCHIVE& ar)
{
    items.clear();
    std::unordered_set<const FORMOBJ*> named;
    for (uint8_t tag = ar.ReadTag(); tag != kEndGroup; tag = ar.ReadTag()) {
        if (tag != kOrderGroupTag) {
            ar.SkipRecord(tag);
            continue;
        }
        for (uint8_t t = ar.ReadTag(); t != kEndGroup; t = ar.ReadTag()) {
            if (t != kArrayRecord) {
                ar.SkipRecord(t);
                continue;
            }
            uint16_t count = ar.ReadU16();
            uint16_t size = ar.ReadU16();
            for (uint16_t i = 0; i < count; ++i) {
                if (size < kIdSize) {
                    ar.GetArchive().Skip(size);
                    continue;
                }
                uint16_t id = ar.ReadU16();
                ar.GetArchive().Skip(size - kIdSize);
                FORMOBJ* field = owner ? owner->FindField(id) : nullptr;
                if (field && named.insert(field).second)
                    items.push_back(field);
            }
        }
    }
}
