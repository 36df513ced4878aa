#include "tests/document/document_test_support.h"

#include "forms/document/fpagelist.h"
#include "forms/document/print/flayout.h"
#include "forms/document/print/paper.h"
#include "forms/document/ptrarray.h"

#include "platform/io/memory_file.h"

#include <gtest/gtest.h>

namespace {

template<class F>
void ReadBack(const Bytes& bytes, F read)
{
    io::MemoryFile file(bytes);
    io::Archive archive(file, io::Archive::Load);
    RECORDARCHIVE ar(archive);
    ar.ReadTag();
    read(ar);
}

TEST(Pages, ReadPagesAreNumberedByTheirPlaceAndKeepTheirLayouts)
{
    const Bytes bytes = {0x42, 0x0F, 0x81, 4, 0, 5, 0, 2, 0, 0xFF, 0x0F, 0x81, 4, 0, 9, 0, 1, 0, 0xFF, 0x0F, 0x81, 4, 0,
        2, 0, 3, 0, 0xFF, 0xFF};
    FPAGELIST pages;
    ReadBack(bytes, [&](RECORDARCHIVE& ar) { pages.Load(ar); });
    ASSERT_EQ(pages.GetCount(), 3);
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(pages.GetAt(n)->number, n);
    EXPECT_EQ(pages.GetLayoutNumber(1), 2);
    EXPECT_EQ(pages.GetLayoutNumber(3), 3);
    EXPECT_EQ(pages.GetLayoutNumber(4), 0);
    EXPECT_EQ(pages.GetAt(0), nullptr);
    const Bytes saved = Written([&](RECORDARCHIVE& ar) { pages.Save(ar, 0x42); });
    Bytes renumbered = bytes;
    renumbered[5] = 1;
    renumbered[14] = 2;
    renumbered[23] = 3;
    EXPECT_EQ(saved, renumbered);
}

TEST(Pages, InsertingAndRemovingRenumbers)
{
    FPAGELIST pages;
    pages.AddTail(std::make_unique<FPAGE>());
    FPAGE* inserted = pages.InsertBefore(1, std::make_unique<FPAGE>());
    EXPECT_EQ(inserted, pages.GetAt(1));
    EXPECT_EQ(pages.GetAt(3)->number, 3);
    pages.Remove(1);
    EXPECT_EQ(pages.GetCount(), 2);
    EXPECT_EQ(pages.GetAt(2)->number, 2);
}

class OrderOwner : public FieldLookup {
public:
    FORMOBJ* FindField(uint16_t id) override
    {
        for (auto& f : fields)
            if (f->fieldId == id)
                return f.get();
        return nullptr;
    }
    TestField* Add(uint16_t id, uint16_t page, int32_t top, int32_t left)
    {
        fields.push_back(std::make_unique<TestField>());
        fields.back()->fieldId = id;
        fields.back()->SetPlace(page, {left, top, left + 10, top + 10});
        return fields.back().get();
    }
    std::vector<std::unique_ptr<TestField>> fields;
};

TEST(FillingOrder, AnEmptyOrderHasItsFixedBytes)
{
    PTRARRAY order(nullptr);
    EXPECT_EQ(
        Written([&](RECORDARCHIVE& ar) { order.Save(ar, 0x44); }), (Bytes {0x44, 0x31, 0xFE, 0, 0, 2, 0, 0xFF, 0xFF}));
}

TEST(FillingOrder, SortedInsertionPlacesANewFieldAfterTheOneBeforeItOnTheForm)
{
    OrderOwner owner;
    PTRARRAY order(&owner);
    TestField* middle = owner.Add(1, 1, 500, 0);
    TestField* last = owner.Add(2, 2, 0, 0);
    ASSERT_EQ(order.InsertAt(0, last), 1);
    ASSERT_EQ(order.InsertAt(0, middle), 1);
    EXPECT_EQ(order.InsertAt(5, middle), 0);
    const struct {
        uint16_t page;
        int32_t top;
        int32_t left;
        int position;
    } cases[] = {{1, 0, 0, 0}, {3, 0, 0, 2}, {1, 500, 5, 1}, {2, 0, 0, 2}};
    for (const auto& c : cases) {
        TestField* added = owner.Add(9, c.page, c.top, c.left);
        ASSERT_EQ(order.InsertSorted(added), 1);
        EXPECT_EQ(order.IndexOf(added), c.position) << c.page << " " << c.top << " " << c.left;
        order.Remove(added);
    }
}

TEST(FillingOrder, ReadingSkipsIdsThatNameNoFieldAndWidensToTheElementSize)
{
    OrderOwner owner;
    owner.Add(3, 1, 0, 0);
    owner.Add(4, 1, 0, 0);
    PTRARRAY order(&owner);
    const Bytes bytes = {
        0x44, 0x90, 1, 0, 7, 0x31, 0xFE, 4, 0, 4, 0, 4, 0, 0xAA, 0xAA, 77, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0, 0xFF, 0xFF};
    ReadBack(bytes, [&](RECORDARCHIVE& ar) { order.Load(ar); });
    ASSERT_EQ(order.GetCount(), 2);
    EXPECT_EQ(order.GetAt(0), owner.fields[1].get());
    EXPECT_EQ(order.GetAt(1), owner.fields[0].get());
}

TEST(Paper, SizesAreFoundEitherWayRoundWithinATolerance)
{
    const struct {
        int32_t a, b;
        int found, index;
    } cases[] = {{15840, 12240, 1, 0}, {11900, 16830, 1, 3}, {12100, 16838, 0, 8}, {12050, 16838, 1, 3}, {0, 0, 1, 8},
        {5580, 10944, 1, 7}};
    for (const auto& c : cases) {
        int index = -1;
        EXPECT_EQ(PAPER::FindSize(c.a, c.b, index), c.found) << c.a << "x" << c.b;
        EXPECT_EQ(index, c.index) << c.a << "x" << c.b;
    }
    std::string name;
    EXPECT_EQ(PAPER::GetName(3, name), 1);
    EXPECT_EQ(name, "A4 210 x 297 mm");
    EXPECT_EQ(PAPER::GetName(9, name), 0);
    EXPECT_EQ(PAPER::GetPaperCode(7), 37);
    EXPECT_EQ(PAPER::GetPaperCode(8), 0);
}

TEST(Layouts, ALayoutKeepsItsFieldsAndPrinterThroughItsGroup)
{
    ProgramParts program;
    PRINTER_ENTRY& other = program.printers.AddEmptyEntry();
    PrinterNames::Set(other.names.device, "Office");
    PrinterNames::Set(other.names.driver, "ipp");
    FLAYLIST list(&program.printers);
    FLAYOUT* layout = list.GetFirst();
    EXPECT_EQ(layout->pageWidth, 11906);
    EXPECT_EQ(layout->right, 11906 - 720);
    layout->option1 = 1;
    layout->option2 = 2;
    layout->option3 = 3;
    layout->pageCount = 4;
    layout->left = 100;
    layout->printerId = other.id;
    layout->grid.SetOn(false);
    list.Append(list.MakeDefault());
    const Bytes bytes = Written([&](RECORDARCHIVE& ar) { list.Write(ar, 0x43); });

    PRINTER_LIST elsewhere;
    elsewhere.Reset();
    FLAYLIST read(&elsewhere);
    ReadBack(bytes, [&](RECORDARCHIVE& ar) { read.Read(ar); });
    ASSERT_EQ(read.GetCount(), 2);
    const FLAYOUT* back = read.GetFirst();
    EXPECT_EQ(back->option1, 1);
    EXPECT_EQ(back->option2, 2);
    EXPECT_EQ(back->option3, 3);
    EXPECT_EQ(back->pageCount, 4);
    EXPECT_EQ(back->left, 100);
    EXPECT_FALSE(back->grid.IsOn());
    ASSERT_NE(elsewhere.FindById(back->printerId), nullptr) << "a printer the list lacks is added";
    EXPECT_EQ(PrinterNames::Get(elsewhere.FindById(back->printerId)->names.device), "Office");
    EXPECT_EQ(read.Nth(2)->printerId, kDefaultPrinterId + 0) << "the default printer stays the default";

    FLAYOUT copy;
    copy.CopyFrom(*back);
    EXPECT_EQ(copy.option1, 0);
    EXPECT_EQ(copy.option2, 2);
    EXPECT_EQ(copy.left, 100);
    EXPECT_EQ(copy.pageCount, 1);
}

TEST(Layouts, TheOlderGridRecordKeepsTheOrigins)
{
    FGRID grid;
    grid.SetOrigin(5, 0);
    ReadBack(Bytes {0x42, 149, 6, 0, 1, 0, 50, 0, 60, 0, 0xFF}, [&](RECORDARCHIVE& ar) { grid.Read(ar); });
    EXPECT_EQ(grid.GetHorizontalSpacing(), 50);
    EXPECT_EQ(grid.GetVerticalSpacing(), 60);
    EXPECT_EQ(grid.GetHorizontalOrigin(), 5);
}

} // namespace
