// Page layouts and their groups in the form file.
#include "forms/document/print/flayout.h"

#include "forms/document/print/paper.h"
#include "forms/document/print/printer_list.h"
#include "forms/model/fixed_record.h"
#include "forms/model/record_archive.h"

#include <algorithm>

namespace {

constexpr uint8_t kLayoutGroupTag = 0x41;
constexpr uint8_t kPrinterGroupTag = 0x41;
constexpr uint8_t kGridGroupTag = 0x42;
constexpr uint8_t kSizeRecord = 0x81;
constexpr uint8_t kOptionRecord = 0x82;
constexpr int kA4 = 3;
constexpr uint16_t kMargin = 720;
// Layouts beyond this cannot be numbered in 16 bits.
constexpr size_t kMaxLayouts = 0xFFFE;

uint16_t CurrentPrinterId(PRINTER_LIST* printers)
{
    return printers ? printers->GetPrinterId(PrinterNames {}) : kDefaultPrinterId;
}

uint16_t FindOrAddPrinter(PRINTER_LIST* printers, const PrinterNames& names)
{
    if (!printers)
        return kDefaultPrinterId;
    int index = 0;
    if (PrinterNames::Get(names.device).empty() || printers->FindPrinter(names, index) >= 9)
        return printers->GetPrinterId(names);
    PRINTER_ENTRY& added = printers->AddEmptyEntry();
    added.names = names;
    return added.id;
}

} // namespace

FLAYOUT::FLAYOUT()
{
    int32_t width = 0;
    int32_t height = 0;
    PAPER::GetSize(kA4, width, height);
    pageWidth = static_cast<uint16_t>(width);
    pageHeight = static_cast<uint16_t>(height);
    right = static_cast<uint16_t>(pageWidth - kMargin);
    bottom = static_cast<uint16_t>(pageHeight - kMargin);
    printerId = kDefaultPrinterId;
}

void FLAYOUT::CopyFrom(const FLAYOUT& other)
{
    option2 = other.option2;
    pageHeight = other.pageHeight;
    pageWidth = other.pageWidth;
    left = other.left;
    top = other.top;
    right = other.right;
    bottom = other.bottom;
}

int FLAYOUT::Write(RECORDARCHIVE& ar, uint8_t tag, PRINTER_LIST* printers) const
{
    ar.WriteTag(tag);
    if (printers)
        printers->WritePrinter(ar, kPrinterGroupTag, printerId);
    else
        PRINTER_LIST::WritePrinter(ar, kPrinterGroupTag, PrinterNames {});
    grid.Write(ar, kGridGroupTag);
    ar.BeginRecord();
    ar.PutU8(option1);
    ar.PutU8(option2);
    ar.PutU16(pageHeight);
    ar.PutU16(pageWidth);
    ar.PutU16(left);
    ar.PutU16(top);
    ar.PutU16(right);
    ar.PutU16(bottom);
    ar.PutU16(pageCount);
    ar.EndRecord(kSizeRecord);
    ar.BeginRecord();
    ar.PutU8(option3);
    ar.EndRecord(kOptionRecord);
    ar.WriteTag(kEndGroup);
    return 1;
}

void FLAYOUT::Read(RECORDARCHIVE& ar, PRINTER_LIST* printers)
{
    for (uint8_t tag = ar.ReadTag(); tag != kEndGroup; tag = ar.ReadTag()) {
        switch (tag) {
        case kPrinterGroupTag:
            if (printers)
                printerId = FindOrAddPrinter(printers, printers->ReadPrinter(ar));
            else
                ar.SkipRecord(tag);
            break;
        case kGridGroupTag:
            grid.Read(ar);
            break;
        case kSizeRecord: {
            RecordReader record = ReadFixedRecord(ar);
            option1 = record.U8(option1);
            option2 = record.U8(option2);
            pageHeight = record.U16(pageHeight);
            pageWidth = record.U16(pageWidth);
            left = record.U16(left);
            top = record.U16(top);
            right = record.U16(right);
            bottom = record.U16(bottom);
            pageCount = record.U16(pageCount);
            break;
        }
        case kOptionRecord:
            option3 = ReadFixedRecord(ar).U8(option3);
            break;
        default:
            ar.SkipRecord(tag);
        }
    }
    // Pages of no height or width cannot be laid out or printed: such a
    // size only comes from a damaged file.
    if (pageHeight == 0 || pageWidth == 0)
        throw io::ArchiveError(io::ArchiveError::BadFormat, "page layout of no height or width");
}

FLAYLIST::FLAYLIST(PRINTER_LIST* printers)
    : printers(printers)
{
    layouts.push_back(MakeDefault());
}

std::unique_ptr<FLAYOUT> FLAYLIST::MakeDefault() const
{
    auto layout = std::make_unique<FLAYOUT>();
    layout->printerId = CurrentPrinterId(printers);
    return layout;
}

FLAYOUT* FLAYLIST::Nth(int n) const
{
    if (n < 1 || static_cast<size_t>(n) > layouts.size())
        return nullptr;
    return layouts[static_cast<size_t>(n - 1)].get();
}

FLAYOUT* FLAYLIST::Append(std::unique_ptr<FLAYOUT> layout)
{
    layouts.push_back(std::move(layout));
    return layouts.back().get();
}

void FLAYLIST::Remove(FLAYOUT* layout)
{
    std::erase_if(layouts, [layout](const auto& l) { return l.get() == layout; });
}

int FLAYLIST::Write(RECORDARCHIVE& ar, uint8_t tag) const
{
    ar.WriteTag(tag);
    for (const auto& layout : layouts)
        if (!layout->Write(ar, kLayoutGroupTag, printers))
            return 0;
    ar.WriteTag(kEndGroup);
    return 1;
}

void FLAYLIST::Read(RECORDARCHIVE& ar)
{
    layouts.clear();
    for (uint8_t tag = ar.ReadTag(); tag != kEndGroup; tag = ar.ReadTag()) {
        if (tag != kLayoutGroupTag) {
            ar.SkipRecord(tag);
            continue;
        }
        if (layouts.size() >= kMaxLayouts)
            RECORDARCHIVE::ThrowLoadMemoryError();
        auto layout = std::make_unique<FLAYOUT>();
        layout->Read(ar, printers);
        layouts.push_back(std::move(layout));
    }
}
