// The page list and its group in the form file.
#include "forms/document/fpagelist.h"

#include "forms/model/record_archive.h"

namespace {
constexpr uint8_t kPageGroupTag = 0x0F;
constexpr uint8_t kPageRecordTag = 0x81;
// Pages beyond this cannot be numbered in 16 bits.
constexpr size_t kMaxPages = 0xFFFE;
} // namespace

FPAGELIST::FPAGELIST()
{
    pages.push_back(std::make_unique<FPAGE>());
}

FPAGE* FPAGELIST::GetAt(int n) const
{
    if (n < 1 || static_cast<size_t>(n) > pages.size())
        return nullptr;
    return pages[static_cast<size_t>(n - 1)].get();
}

uint16_t FPAGELIST::GetLayoutNumber(int n) const
{
    if (n > static_cast<int>(pages.size()))
        return 0;
    const FPAGE* page = GetAt(n);
    return page ? page->layout : 1;
}

void FPAGELIST::SetLayoutNumber(int n, uint16_t layout)
{
    if (FPAGE* page = GetAt(n))
        page->layout = layout;
}

FPAGE* FPAGELIST::AddTail(std::unique_ptr<FPAGE> page)
{
    page->number = static_cast<uint16_t>(pages.size() + 1);
    pages.push_back(std::move(page));
    return pages.back().get();
}

FPAGE* FPAGELIST::InsertBefore(int n, std::unique_ptr<FPAGE> page)
{
    if (n < 1 || static_cast<size_t>(n) > pages.size())
        return AddTail(std::move(page));
    Renumber(static_cast<uint16_t>(n - 1), 1);
    page->number = static_cast<uint16_t>(n);
    auto at = pages.insert(pages.begin() + (n - 1), std::move(page));
    return at->get();
}

void FPAGELIST::Remove(int n)
{
    if (!GetAt(n))
        return;
    pages.erase(pages.begin() + (n - 1));
    Renumber(static_cast<uint16_t>(n - 1), -1);
}

void FPAGELIST::Renumber(uint16_t after, int delta)
{
    for (auto& page : pages)
        if (page->number > after)
            page->number = static_cast<uint16_t>(page->number + delta);
}

void FPAGELIST::Save(RECORDARCHIVE& ar, uint8_t tag) const
{
    ar.WriteTag(tag);
    for (const auto& page : pages) {
        ar.WriteTag(kPageGroupTag);
        ar.BeginRecord();
        ar.PutU16(page->number);
        ar.PutU16(page->layout);
        ar.EndRecord(kPageRecordTag);
        ar.WriteTag(kEndGroup);
    }
    ar.WriteTag(kEndGroup);
}

void FPAGELIST::Load(RECORDARCHIVE& ar)
{
    pages.clear();
    for (;;) {
        uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return;
        if (tag != kPageGroupTag) {
            ar.SkipRecord(tag);
            continue;
        }
        if (pages.size() >= kMaxPages)
            RECORDARCHIVE::ThrowLoadMemoryError();
        auto page = std::make_unique<FPAGE>();
        for (uint8_t t = ar.ReadTag(); t != kEndGroup; t = ar.ReadTag()) {
            if (t != kPageRecordTag) {
                ar.SkipRecord(t);
                continue;
            }
            RecordReader record = ar.ReadRecord();
            record.U16();
            page->layout = record.U16();
        }
        AddTail(std::move(page));
    }
}
