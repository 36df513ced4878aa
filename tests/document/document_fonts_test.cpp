// The program's font table and printer list as character formats reach them.
#include "forms/document/document_fonts.h"
#include "forms/document/font_table.h"
#include "forms/document/print/printer_list.h"
#include "tests/model/font_test_support.h"

#include <gtest/gtest.h>

namespace {

class DocumentFontsTest : public testing::Test {
protected:
    DocumentFontsTest() { SetProgramFonts(&DocumentFonts()); }
    ~DocumentFontsTest() override
    {
        SetProgramFonts(nullptr);
        SetProgramFontTable(nullptr);
        SetPrinterList(nullptr);
    }

    static std::unique_ptr<FONT_TABLE> TableOf(std::initializer_list<FONTFACE> faces)
    {
        auto table = std::make_unique<FONT_TABLE>();
        table->RemoveAll();
        for (const FONTFACE& f : faces)
            table->FindOrAdd(f);
        return table;
    }
};

TEST_F(DocumentFontsTest, ABlocksIndexesWrittenWithOneProgramTableNameTheSameFacesInAnother)
{
    const auto writer
        = TableOf({FONTFACE("Carlito", 0x22, 0), FONTFACE("Symbol", 0x12, 2), FONTFACE("Arial", 0x22, 0)});
    SetProgramFontTable(writer.get());
    const Bytes block
        = Concat({Written([](RECORDARCHIVE& r) { GetProgramFonts().WriteTable(r.GetArchive()); }), Bytes {0x7E}});
    EXPECT_EQ(block[0], kFontTableGroup);

    const auto reader = TableOf({FONTFACE("Arial", 0x22, 0), FONTFACE("Courier New", 0x31, 0)});
    SetProgramFontTable(reader.get());
    std::unique_ptr<FontFaces> read;
    ReadBack(block, [&](RECORDARCHIVE& r) {
        read = GetProgramFonts().ReadTable(r.GetArchive());
        EXPECT_EQ(r.ReadU8(), 0x7E) << "the stream goes on after the group";
    });
    ASSERT_NE(read, nullptr);
    for (int i = 0; i < writer->GetCount(); ++i) {
        const uint16_t mapped = GetProgramFonts().MapFont(read.get(), i);
        EXPECT_EQ(GetProgramFonts().GetFaceName(mapped), writer->GetAt(i)->GetName()) << i;
    }
    EXPECT_EQ(GetProgramFonts().GetFaceName(0), "Arial") << "faces the program had keep their indexes";
    EXPECT_EQ(GetProgramFonts().MapFont(read.get(), 40), 0) << "an index the block does not have";
}

TEST_F(DocumentFontsTest, PrintersAreLentInTwipsFromTheProgramsListAndNotWithoutOne)
{
    EXPECT_EQ(GetProgramFonts().GetPrinterDC(kDefaultPrinterId, 0), nullptr);
    GetProgramFonts().ReleasePrinterDC();

    PRINTER_LIST printers;
    printers.Reset();
    SetPrinterList(&printers);
    gdi::DC* dc = GetProgramFonts().GetPrinterDC(kDefaultPrinterId, 0);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(dc, printers.GetDC(kDefaultPrinterId, 0)) << "the list's own measuring context";
    printers.ReleaseDC();
    EXPECT_EQ(dc->GetWindowExt().cx, 1440);
    GetProgramFonts().ReleasePrinterDC();
}

} // namespace
