#include "forms/document/print/printer_list.h"

#include "platform/gdi/information_surface.h"
#include "platform/text/cp1252.h"

namespace {

PRINTER_LIST* g_printerList = nullptr;

int Score(const PrinterNames& a, const PrinterNames& b)
{
    int score = 0;
    if (text::EqualNoCase(PrinterNames::Get(a.device), PrinterNames::Get(b.device)))
        score += 90;
    if (text::EqualNoCase(PrinterNames::Get(a.driver), PrinterNames::Get(b.driver)))
        score += 9;
    if (text::EqualNoCase(PrinterNames::Get(a.port), PrinterNames::Get(b.port)))
        score += 1;
    return score;
}

} // namespace

PRINTER_LIST::PRINTER_LIST() = default;

PRINTER_LIST::~PRINTER_LIST() = default;

void PRINTER_LIST::Reset()
{
    entries.clear();
    AddEmptyEntry();
    fallback = true;
    currentIndex = 0;
}

PRINTER_ENTRY& PRINTER_LIST::AddEmptyEntry()
{
    auto entry = std::make_unique<PRINTER_ENTRY>();
    entry->id = nextId++;
    entries.push_back(std::move(entry));
    return *entries.back();
}

PRINTER_ENTRY* PRINTER_LIST::FindById(uint16_t id)
{
    if (id == kFirstPrinterId)
        return entries.empty() ? nullptr : entries.front().get();
    for (const auto& entry : entries) {
        if (entry->id == id)
            return entry.get();
    }
    return nullptr;
}

int PRINTER_LIST::FindPrinter(const PrinterNames& names, int& index) const
{
    int best = 0;
    int bestIndex = 0;
    for (size_t i = 0; i < entries.size() && best < 100; ++i) {
        const int score = Score(entries[i]->names, names);
        if (score > best) {
            best = score;
            bestIndex = static_cast<int>(i);
        }
    }
    index = best >= 9 ? bestIndex : currentIndex;
    return best;
}

uint16_t PRINTER_LIST::GetPrinterId(const PrinterNames& names) const
{
    int index = 0;
    FindPrinter(names, index);
    if (index < 0 || static_cast<size_t>(index) >= entries.size())
        return kDefaultPrinterId;
    return entries[static_cast<size_t>(index)]->id;
}

void PRINTER_LIST::MakeContext(const PRINTER_ENTRY* entry)
{
    std::unique_ptr<gdi::InformationSurface> made;
    const std::string device = entry ? PrinterNames::Get(entry->names.device) : std::string();
    if (device.empty()) {
        made = gdi::InformationSurface::ForPrinter({});
        if (!made)
            made = gdi::InformationSurface::ForPdf();
        fallback = false;
    } else {
        made = gdi::InformationSurface::ForPrinter(device);
        if (!made)
            made = gdi::InformationSurface::ForScreen();
        fallback = true;
    }
    surface = std::move(made);
    dc = std::make_unique<gdi::DC>(*surface);
}

void PRINTER_LIST::DropContext()
{
    // A context that an earlier caller still holds is kept until the last
    // use of the list's contexts is released.
    if (dc && useCount > 0) {
        retired.push_back(std::move(dc));
        retiredSurfaces.push_back(std::move(surface));
    }
    dc.reset();
    surface.reset();
    cachedId = 0;
}

gdi::DC* PRINTER_LIST::GetDC(uint16_t id, uint32_t)
{
    if (!dc || cachedId != id) {
        DropContext();
        const PRINTER_ENTRY* entry = FindById(id);
        MakeContext(entry ? entry : FindById(kFirstPrinterId));
        if (id != kFirstPrinterId)
            cachedId = id;
        dc->SetMapMode(gdi::MM_ANISOTROPIC);
        dc->SetWindowOrg(0, 0);
        dc->SetWindowExt(1440, 1440);
        dc->SetViewportExt(dc->GetDeviceCaps(gdi::LOGPIXELSX), dc->GetDeviceCaps(gdi::LOGPIXELSY));
    }
    ++useCount;
    return dc.get();
}

void PRINTER_LIST::ReleaseDC()
{
    if (useCount > 0)
        --useCount;
    if (useCount > 0)
        return;
    retired.clear();
    retiredSurfaces.clear();
    if (fallback)
        DropContext();
}

uint32_t PRINTER_LIST::GetResolution(uint16_t id, uint32_t mode)
{
    PRINTER_ENTRY* entry = FindById(id);
    PrinterResolution measured;
    PrinterResolution& pair = entry ? (mode == 0 ? entry->modeZero : entry->otherModes) : measured;
    if (pair.x == 0) {
        const gdi::DC* context = GetDC(id, mode);
        pair.x = static_cast<uint16_t>(context->GetDeviceCaps(gdi::LOGPIXELSX));
        pair.y = static_cast<uint16_t>(context->GetDeviceCaps(gdi::LOGPIXELSY));
        ReleaseDC();
    }
    return pair.x | (static_cast<uint32_t>(pair.y) << 16);
}

PRINTER_LIST* GetPrinterList()
{
    return g_printerList;
}

void SetPrinterList(PRINTER_LIST* list)
{
    g_printerList = list;
}
