// Page layouts: the paper size, the printable rectangle, the printer a
// layout is meant for, its design grid and how many pages use it; and the
// document's list of them, which pages name by 1-based number.
#pragma once

#include "forms/edit/fgrid.h"

#include <cstdint>
#include <memory>
#include <vector>

class PRINTER_LIST;
class RECORDARCHIVE;

class FLAYOUT {
public:
    // A4 with half-inch margins on the default printer.
    FLAYOUT();

    // Copies option 2, the page size and the printable edges.
    void CopyFrom(const FLAYOUT& other);
    // The printer reference group 0x41 (the default printer's without a
    // printer list), the grid group 0x42, records 0x81 and 0x82; 0 when the
    // grid could not be written.
    int Write(RECORDARCHIVE& ar, uint8_t tag, PRINTER_LIST* printers) const;
    // Reads the group (its tag already read). The printer it names is found
    // in the printer list, or added to it. A page of no height or width
    // raises io::ArchiveError (BadFormat).
    void Read(RECORDARCHIVE& ar, PRINTER_LIST* printers);

    uint8_t option1 = 0;
    uint8_t option2 = 0;
    uint16_t pageHeight;
    uint16_t pageWidth;
    uint16_t left = 720;
    uint16_t top = 720;
    uint16_t right;
    uint16_t bottom;
    uint16_t printerId;
    FGRID grid;
    uint16_t pageCount = 1;
    uint8_t option3 = 0;
};

class FLAYLIST {
public:
    // One default layout for the printer list's current printer.
    explicit FLAYLIST(PRINTER_LIST* printers);

    uint16_t GetCount() const { return static_cast<uint16_t>(layouts.size()); }
    FLAYOUT* GetFirst() const { return Nth(1); }
    // The n-th layout (1-based), or null.
    FLAYOUT* Nth(int n) const;
    FLAYOUT* Append(std::unique_ptr<FLAYOUT> layout);
    void Remove(FLAYOUT* layout);
    // A default layout on the printer list's current printer.
    std::unique_ptr<FLAYOUT> MakeDefault() const;

    // 0 when a layout could not be written.
    int Write(RECORDARCHIVE& ar, uint8_t tag) const;
    // Reads the group (its tag already read), replacing every layout.
    void Read(RECORDARCHIVE& ar);

private:
    PRINTER_LIST* printers;
    std::vector<std::unique_ptr<FLAYOUT>> layouts;
};
