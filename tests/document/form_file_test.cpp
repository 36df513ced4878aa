#include "tests/document/document_test_support.h"

#include "forms/document/form_header.h"
#include "forms/document/fpagelist.h"
#include "forms/document/print/flayout.h"

#include "platform/io/memory_file.h"
#include "platform/storage/compound_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace {

struct Placed {
    uint8_t type;
    uint16_t page;
    RECT rect;
    std::string name;
};

const std::vector<Placed> kFormObjects = {
    {kTypeBox, 1, {100, 100, 2000, 900}, "Box1"},
    {kTypeEllipse, 1, {300, 1200, 1500, 2000}, "Ellipse1"},
    {kTypeLine, 2, {0, 0, 3000, 3000}, "Line1"},
    {kTypeOrthLine, 2, {500, 4000, 5000, 4000}, "OrthLine1"},
    {kTypeBox, 3, {720, 720, 9000, 1440}, "Box2"},
    {kTypeOrthLine, 3, {720, 2000, 720, 9000}, "OrthLine2"},
};

// Three pages, the second on a Letter layout of its own, the shapes above,
// two fields in an order that is not their position order.
void MakeForm(FDOCUMENT& doc)
{
    doc.AppendPage();
    doc.AppendPage();
    auto letter = std::make_unique<FLAYOUT>();
    letter->pageWidth = 12240;
    letter->pageHeight = 15840;
    letter->right = 11520;
    letter->bottom = 15120;
    letter->option1 = 2;
    letter->option3 = 5;
    letter->grid.SetSpacing(144, letter->grid.GetVerticalSpacing());
    letter->grid.SetOrigin(0, -30);
    doc.GetLayouts().Append(std::move(letter));
    doc.GetPages().SetLayoutNumber(2, 2);
    for (const Placed& p : kFormObjects) {
        std::unique_ptr<FORMOBJ> shape = doc.GetObjects().CreateObject(p.type);
        ASSERT_NE(shape, nullptr);
        shape->SetName(p.name);
        shape->SetRect(p.rect.left, p.rect.top, p.rect.right, p.rect.bottom);
        doc.GetObjects().SetObjectPage(std::move(shape), p.page);
    }
    for (int i = 0; i < 2; ++i) {
        auto field = std::make_unique<TestField>();
        field->SetName("Field" + std::to_string(i));
        field->fieldId = doc.GetNextFieldID();
        field->SetPlace(1, {100, 3000 - 1000 * i, 900, 3200 - 1000 * i});
        FORMOBJ* placed = field.get();
        doc.GetObjects().SetObjectPage(std::move(field), 1);
        ASSERT_EQ(doc.InsertFieldInOrder(placed, false), 1);
    }
}

std::vector<std::string> Describe(FOBJLIST& list)
{
    std::vector<std::string> out;
    for (FORMOBJ* o = list.GetHead(); o; o = o->GetNext()) {
        RECT r;
        o->GetRect(r);
        out.push_back(std::to_string(o->GetType()) + " p" + std::to_string(o->GetPage()) + " " + o->GetName() + " "
            + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + ","
            + std::to_string(r.bottom));
    }
    return out;
}

// The tags of the top-level sections of a body, in order, from the byte
// after the marker up to its closing 0xFF; `rest` gets what follows.
std::vector<uint8_t> BodyTags(const Bytes& contents, Bytes* rest = nullptr)
{
    io::MemoryFile file(contents);
    io::Archive archive(file, io::Archive::Load);
    RECORDARCHIVE ar(archive);
    uint16_t version = 0;
    EXPECT_TRUE(ReadFormHeader(ar, version));
    EXPECT_EQ(ar.ReadTag(), kBodyMarker);
    std::vector<uint8_t> tags;
    for (uint8_t tag = ar.ReadTag(); tag != kEndGroup; tag = ar.ReadTag()) {
        tags.push_back(tag);
        ar.SkipRecord(tag);
    }
    if (rest) {
        rest->clear();
        uint8_t b = 0;
        while (archive.ReadSome(&b, 1) == 1)
            rest->push_back(b);
    }
    return tags;
}

// The picture flag of a body (record 0x9E) and what follows the body.
uint8_t PictureFlagOf(const Bytes& contents, Bytes& rest)
{
    io::MemoryFile file(contents);
    io::Archive archive(file, io::Archive::Load);
    RECORDARCHIVE ar(archive);
    uint16_t version = 0;
    EXPECT_TRUE(ReadFormHeader(ar, version));
    EXPECT_EQ(ar.ReadTag(), kBodyMarker);
    uint8_t flag = 0xEE;
    for (uint8_t tag = ar.ReadTag(); tag != kEndGroup; tag = ar.ReadTag()) {
        if (tag == 0x9E)
            flag = ar.ReadRecord().U8(0xEE);
        else
            ar.SkipRecord(tag);
    }
    rest.clear();
    uint8_t b = 0;
    while (archive.ReadSome(&b, 1) == 1)
        rest.push_back(b);
    return flag;
}

class FormFile : public ::testing::Test {
protected:
    ProgramParts program;
    FormKinds kinds;
    TempFolder folder;
};

TEST_F(FormFile, StartsWithTheHeaderVersionAndMarker)
{
    FDOCUMENT doc;
    const Bytes contents = ContentsOf(doc);
    const std::string text
        = std::string("\x8A\x4D\x00", 3) + std::string(kFormHeaderText) + std::string("\x8B\x02\x00\x00\x00\x7A", 6);
    const Bytes expected(text.begin(), text.end());
    ASSERT_GE(contents.size(), expected.size());
    EXPECT_EQ(Bytes(contents.begin(), contents.begin() + static_cast<long>(expected.size())), expected);
    EXPECT_EQ(contents[3 + 76], 0x1A);
}

TEST_F(FormFile, AnEmptyFormWritesItsSectionsInOrderThenNoItemsAndAnEmptyPictureGroup)
{
    FDOCUMENT doc;
    Bytes rest;
    EXPECT_EQ(BodyTags(ContentsOf(doc), &rest),
        (std::vector<uint8_t> {0x28, 0x4A, 0x29, 0x42, 0x43, 0x44, 0x47, 0x48, 0x9B, 0x9D, 0x9A, 0x9C, 0x9E}));
    EXPECT_EQ(rest, (Bytes {0, 0, 0, 0, 0x2A, 0xFF}));
}

// The font section right after the marker: the program's faces in their
// order, and no placeholder among them.
TEST_F(FormFile, TheFontSectionOfANewFormHoldsTheProgramsFacesAndNoPlaceholder)
{
    FDOCUMENT doc;
    const Bytes contents = ContentsOf(doc);
    const size_t start = 3 + 77 + 5 + 1;
    ASSERT_GT(contents.size(), start);
    ASSERT_EQ(contents[start], 0x28);
    std::vector<std::string> names;
    size_t at = start + 1;
    for (; at + 38 <= contents.size() && contents[at] == 0x81; at += 38) {
        ASSERT_EQ(contents[at + 1] | contents[at + 2] << 8, 35);
        const char* name = reinterpret_cast<const char*>(&contents[at + 3]);
        names.emplace_back(name, strnlen(name, 32));
    }
    EXPECT_EQ(contents[at], 0xFF);
    std::vector<std::string> expected;
    for (int i = 0; i < program.fonts.GetCount(); ++i)
        expected.push_back(program.fonts.GetAt(i)->GetName());
    EXPECT_EQ(names, expected);
    EXPECT_EQ(names, (std::vector<std::string> {"Times New Roman", "Arial", "Courier New"}));
}

// Reading a font section takes time in proportion to its length.
TEST_F(FormFile, AFontSectionOf40000FacesOpensInUnderASecond)
{
    const std::string path = folder.File("faces.qwm");
    ASSERT_TRUE(SaveFormWithFaces(path, 40000));
    EXPECT_GT(StreamBytes(path, "Contents").size(), 1500000u);
    MessageLog messages;
    FDOCUMENT doc;
    const auto begun = std::chrono::steady_clock::now();
    ASSERT_TRUE(doc.OnOpenDocument(path));
    const auto took = std::chrono::steady_clock::now() - begun;
    EXPECT_LT(took, std::chrono::seconds(1))
        << std::chrono::duration_cast<std::chrono::milliseconds>(took).count() << " ms";
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(FormFile, AFormSavedAndOpenedAgainHasTheSameObjectsAndContentsBytes)
{
    FakeHost host;
    FDOCUMENT doc(&host);
    MakeForm(doc);
    const std::string path = folder.File("form.qwm");
    MessageLog messages;
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(host.undoCleared, 1) << "a save empties the undo list";

    FDOCUMENT reopened(&host);
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(Describe(reopened.GetObjects()), Describe(doc.GetObjects()));
    EXPECT_EQ(reopened.GetPageCount(), 3);
    EXPECT_EQ(reopened.GetPages().GetLayoutNumber(2), 2);
    const FLAYOUT* letter = reopened.GetLayouts().Nth(2);
    ASSERT_NE(letter, nullptr);
    EXPECT_EQ(letter->pageWidth, 12240);
    EXPECT_EQ(letter->bottom, 15120);
    EXPECT_EQ(letter->option1, 2);
    EXPECT_EQ(letter->option3, 5);
    EXPECT_EQ(letter->grid.GetHorizontalSpacing(), 144);
    EXPECT_EQ(letter->grid.GetVerticalOrigin(), -30);
    EXPECT_EQ(reopened.GetLayouts().GetFirst()->pageCount, 3) << "every page appended counts on the first layout";
    ASSERT_EQ(reopened.GetTabOrderCount(), 2);
    EXPECT_EQ(reopened.GetFieldIDAt(0), 2) << "the field higher on the page comes first";
    EXPECT_EQ(reopened.GetFieldIDAt(1), 1);
    EXPECT_EQ(host.currentLayout, reopened.GetLayouts().GetFirst());

    EXPECT_EQ(StreamBytes(path, "Contents"), ContentsOf(doc));
    EXPECT_EQ(ContentsOf(reopened), ContentsOf(doc));
    EXPECT_EQ(reopened.GetNextFieldID(), 3) << "the counters come back too";
}

// How often the default printer's record group (three empty 34-byte names)
// stands in the bytes.
int DefaultPrinterGroups(const Bytes& contents)
{
    const Bytes group = [] {
        Bytes g {0x41, 0x81, 102, 0};
        g.resize(g.size() + 102, 0);
        g.push_back(0xFF);
        return g;
    }();
    int found = 0;
    for (auto at = contents.begin();
         (at = std::search(at, contents.end(), group.begin(), group.end())) != contents.end(); ++at)
        ++found;
    return found;
}

TEST_F(FormFile, EveryLayoutWritesItsPrinterRecordWithOrWithoutAPrinterList)
{
    FDOCUMENT twoLayouts;
    MakeForm(twoLayouts);
    EXPECT_EQ(DefaultPrinterGroups(ContentsOf(twoLayouts)), 2);

    FDOCUMENT withList;
    SetPrinterList(nullptr);
    FDOCUMENT withoutList;
    const Bytes contents = ContentsOf(withoutList);
    SetPrinterList(&program.printers);
    EXPECT_EQ(DefaultPrinterGroups(contents), 1);
    EXPECT_TRUE(contents == ContentsOf(withList)) << "the default printer's record, as a list writes it";
}

// What followed the body is written back as it was read, with the picture
// flag it was read with: a reader takes picture references after the items
// only when the flag is 1, whatever the host that saves it again.
TEST_F(FormFile, AKeptTrailerIsWrittenBackWithThePictureFlagItWasReadWith)
{
    const Bytes withReferences = {0, 0, 0, 0, 0x2A, 0xA0, 4, 0, 5, 0, 0, 0, 0xFF};
    struct Case {
        const char* what;
        const char* writtenIn; // the host of the first save
        const Bytes* trailer; // replaces what the first save wrote after its body
        const char* savedIn; // the host of the second save
        uint8_t flag;
        Bytes rest;
    };
    const Case cases[] = {
        {"written without pictures, saved again by the program", "Microsoft Excel", nullptr, "", 0, {0, 0, 0, 0}},
        {"written with pictures, saved again in Excel", "", &withReferences, "Microsoft Excel", 1, withReferences},
        {"written with pictures, saved again by the program", "", nullptr, "", 1, {0, 0, 0, 0, 0x2A, 0xFF}},
    };
    for (const Case& c : cases) {
        FDOCUMENT first;
        first.SetContainerName(c.writtenIn);
        Bytes contents = ContentsOf(first);
        if (c.trailer) {
            Bytes rest;
            PictureFlagOf(contents, rest);
            contents.resize(contents.size() - rest.size());
            contents.insert(contents.end(), c.trailer->begin(), c.trailer->end());
        }
        const std::string path = folder.File("trailer.qwm");
        {
            storage::Storage root;
            ASSERT_EQ(storage::CreateCompoundFile(path, storage::CreateMode::Replace, root), storage::Status::Ok);
            std::unique_ptr<storage::Stream> stream;
            ASSERT_EQ(root.CreateStream("Contents", storage::CreateMode::Replace, stream), storage::Status::Ok);
            stream->Write(contents.data(), contents.size());
            ASSERT_EQ(root.Commit(), storage::Status::Ok);
        }
        MessageLog messages;
        FDOCUMENT second;
        ASSERT_TRUE(second.OnOpenDocument(path)) << c.what;
        second.SetContainerName(c.savedIn);
        ASSERT_TRUE(second.OnSaveDocument(path)) << c.what;
        Bytes rest;
        EXPECT_EQ(PictureFlagOf(StreamBytes(path, "Contents"), rest), c.flag) << c.what;
        EXPECT_EQ(rest, c.rest) << c.what;
        EXPECT_EQ(second.GetPictureFlag(), c.flag) << c.what;
        EXPECT_TRUE(messages.texts.empty()) << c.what;
    }
}

TEST_F(FormFile, DebiansOleReaderListsTheStreamsAndReadsTheHeader)
{
    FDOCUMENT doc;
    MakeForm(doc);
    const std::string path = folder.File("olefile.qwm");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    const std::string script = folder.File("check.py");
    WriteFileBytes(script, [] {
        std::string s = "import olefile, sys\n"
                        "ole = olefile.OleFileIO(sys.argv[1])\n"
                        "assert ole.listdir() == [['Contents']], ole.listdir()\n"
                        "data = ole.openstream('Contents').read()\n"
                        "assert data[:3] == bytes([0x8A, 77, 0]), data[:3]\n"
                        "assert data[3:13] == b'ZAZEZEV-01' and data[79] == 0x1A\n"
                        "assert data[80:86] == bytes([0x8B, 2, 0, 0, 0, 0x7A])\n";
        return Bytes(s.begin(), s.end());
    }());
    EXPECT_EQ(std::system(("/usr/bin/python3 " + script + " " + path).c_str()), 0);
}

TEST_F(FormFile, PicturesAreLeftOutForAHostWhoseNameHoldsExcelAndOnlyForThatDocument)
{
    FDOCUMENT inExcel;
    FDOCUMENT plain;
    inExcel.SetContainerName("Microsoft Excel");
    Bytes rest;
    BodyTags(ContentsOf(inExcel), &rest);
    EXPECT_EQ(rest, (Bytes {0, 0, 0, 0}));
    EXPECT_EQ(inExcel.GetPictureFlag(), 0);
    BodyTags(ContentsOf(plain), &rest);
    EXPECT_EQ(rest, (Bytes {0, 0, 0, 0, 0x2A, 0xFF}));
    EXPECT_EQ(plain.GetPictureFlag(), 1);
    EXPECT_EQ(inExcel.GetPictureFlag(), 0);
}

} // namespace
