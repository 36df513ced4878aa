// The printer record group that a page layout saves with a form.
#include "forms/document/print/printer_list.h"

#include "forms/model/record_archive.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace {

constexpr uint8_t kNamesRecord = 0x81;
constexpr size_t kNameBytes = 34;

// One 34-byte name at an offset of a record that may be shorter; the name
// always ends in a NUL.
void TakeName(char (&field)[34], std::span<const uint8_t> payload, size_t offset)
{
    std::memset(field, 0, sizeof field);
    if (offset < payload.size())
        std::memcpy(field, payload.data() + offset, std::min(kNameBytes, payload.size() - offset));
    field[kNameBytes - 1] = 0;
}

} // namespace

void PRINTER_LIST::WritePrinter(RECORDARCHIVE& ar, uint8_t tag, uint16_t id)
{
    const PRINTER_ENTRY* entry = FindById(id);
    WritePrinter(ar, tag, entry ? entry->names : PrinterNames {});
}

void PRINTER_LIST::WritePrinter(RECORDARCHIVE& ar, uint8_t tag, const PrinterNames& names)
{
    ar.WriteTag(tag);
    ar.BeginRecord();
    ar.PutBytes(names.device, kNameBytes);
    ar.PutBytes(names.driver, kNameBytes);
    ar.PutBytes(names.port, kNameBytes);
    ar.EndRecord(kNamesRecord);
    ar.WriteTag(kEndGroup);
}

PrinterNames PRINTER_LIST::ReadPrinter(RECORDARCHIVE& ar)
{
    PrinterNames names;
    for (uint8_t tag = ar.ReadTag(); tag != kEndGroup; tag = ar.ReadTag()) {
        if (tag != kNamesRecord) {
            ar.SkipRecord(tag);
            continue;
        }
        const RecordReader record = ar.ReadRecord();
        const std::span<const uint8_t> payload = record.Payload();
        TakeName(names.device, payload, 0);
        TakeName(names.driver, payload, kNameBytes);
        TakeName(names.port, payload, 2 * kNameBytes);
    }
    return names;
}
