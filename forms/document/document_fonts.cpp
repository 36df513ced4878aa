#include "forms/document/document_fonts.h"

#include "forms/document/font_table.h"
#include "forms/document/print/printer_list.h"
#include "forms/model/record_archive.h"

namespace {

// Asks for the program-wide table and list each time, so that it follows
// whatever the program has installed; where they are missing it answers as
// a program without fonts.
class DOCUMENT_FONTS final : public PROGRAM_FONTS {
public:
    FontFaces* GetTable() const override { return GetProgramFontTable(); }

    std::unique_ptr<FontFaces> ReadTable(io::Archive& ar) override
    {
        RECORDARCHIVE rec(ar);
        auto table = std::make_unique<FONT_TABLE>();
        table->Read(rec);
        return table;
    }

    gdi::DC* GetPrinterDC(uint16_t printerId, uint32_t mode) override
    {
        PRINTER_LIST* list = GetPrinterList();
        return list ? list->GetDC(printerId, mode) : nullptr;
    }

    void ReleasePrinterDC() override
    {
        if (PRINTER_LIST* list = GetPrinterList())
            list->ReleaseDC();
    }
};

} // namespace

PROGRAM_FONTS& DocumentFonts()
{
    static DOCUMENT_FONTS fonts;
    return fonts;
}
