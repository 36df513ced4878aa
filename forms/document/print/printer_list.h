// The program's printers: hands out printer ids (991 is the default printer),
// keeps their names, and lends one shared measuring context of a printer
// whose logical unit is the twip, with a use count.
#pragma once

#include "forms/document/print/printer_entry.h"
#include "forms/model/default_printer.h"

#include "platform/gdi/dc.h"

#include <cstdint>
#include <memory>
#include <vector>

class RECORDARCHIVE;

// An id that names the first entry.
constexpr uint16_t kFirstPrinterId = 0xFFFF;

class PRINTER_LIST {
public:
    PRINTER_LIST();
    ~PRINTER_LIST();
    PRINTER_LIST(const PRINTER_LIST&) = delete;
    PRINTER_LIST& operator=(const PRINTER_LIST&) = delete;

    // Empties the list and adds the default printer, which takes the next id.
    void Reset();
    // Appends an entry with empty names and the next id.
    PRINTER_ENTRY& AddEmptyEntry();
    // The entry of that id (kFirstPrinterId: the first entry), or null.
    PRINTER_ENTRY* FindById(uint16_t id);
    int GetCount() const { return static_cast<int>(entries.size()); }

    // Scores every entry against the names (ignoring case: device 90, driver
    // 9, port 1); the best entry's index when it scores 9 or more, else the
    // current index. Answers the best score.
    int FindPrinter(const PrinterNames& names, int& index) const;
    uint16_t GetPrinterId(const PrinterNames& names) const;

    // Lends the printer's context, mapped so that one logical unit is one
    // twip; every call needs one ReleaseDC. The default printer is the
    // system's default printer, or the PDF printer where none is installed.
    // A printer that is not installed, and an id no entry has, are measured
    // on the screen and on the default printer respectively. Every mode of a
    // printer is measured on the same context.
    gdi::DC* GetDC(uint16_t id, uint32_t mode);
    void ReleaseDC();
    // Pixels per inch of the printer in that mode: x in the low 16 bits, y in
    // the high 16 bits. Measured once per entry and mode.
    uint32_t GetResolution(uint16_t id, uint32_t mode);
    // True while the lent context is not a real printer's.
    bool IsFallback() const { return fallback; }

    // The printer record group of the entry of that id (an id no entry has
    // writes empty names).
    void WritePrinter(RECORDARCHIVE& ar, uint8_t tag, uint16_t id);
    // The printer record group of these names (empty names: the default
    // printer).
    static void WritePrinter(RECORDARCHIVE& ar, uint8_t tag, const PrinterNames& names);
    // Reads a printer record group (its tag already read) and answers the
    // names it holds; records of any length read without failing.
    PrinterNames ReadPrinter(RECORDARCHIVE& ar);

private:
    void MakeContext(const PRINTER_ENTRY* entry);
    void DropContext();

    std::vector<std::unique_ptr<PRINTER_ENTRY>> entries;
    uint16_t currentIndex = 0;
    bool fallback = true;
    uint16_t cachedId = 0;
    std::unique_ptr<gdi::Surface> surface;
    std::unique_ptr<gdi::DC> dc;
    // Contexts replaced while a caller still held them; freed when the last
    // use is released.
    std::vector<std::unique_ptr<gdi::Surface>> retiredSurfaces;
    std::vector<std::unique_ptr<gdi::DC>> retired;
    uint16_t nextId = kDefaultPrinterId;
    int32_t useCount = 0;
};

// The program-wide list: the application makes it when it starts and frees
// it at exit; null outside that time.
PRINTER_LIST* GetPrinterList();
void SetPrinterList(PRINTER_LIST* list);
