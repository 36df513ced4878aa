#include "tests/document/document_test_support.h"

#include "forms/document/document_messages.h"
#include "forms/document/fpagelist.h"
#include "forms/document/print/flayout.h"
#include "forms/document/special_fields.h"

#include "platform/ui/clock.h"

#include <gtest/gtest.h>

namespace {

class FormDocument : public ::testing::Test {
protected:
    ProgramParts program;
    FormKinds kinds;
    FakeHost host;
    TempFolder folder;
};

class FixedClock : public ui::Clock {
public:
    std::time_t Time() override { return 1234567; }
    std::uint32_t RandomU32() override { return random; }
    std::uint32_t random = 0x9E3779B9u;
};

TEST_F(FormDocument, DocumentsMadeInTheSameSecondGetDifferentNonZeroStamps)
{
    FixedClock clock;
    ui::ScopedClock scoped(clock);
    const struct {
        std::uint32_t random;
        std::uint32_t stamp;
    } cases[] = {{0x12345678u, 0x12345678u}, {0xFFFFFFFFu, 0xFFFFFFFFu}, {0, 1}};
    for (const auto& c : cases) {
        clock.random = c.random;
        FDOCUMENT doc(&host);
        EXPECT_EQ(doc.GetCreationStamp(), c.stamp) << c.random;
    }
    // With the system's generator, two documents made at once differ.
    ui::Clock* fixed = ui::SetClock(nullptr);
    FDOCUMENT first(&host);
    FDOCUMENT second(&host);
    ui::SetClock(fixed);
    EXPECT_NE(first.GetCreationStamp(), second.GetCreationStamp());
}

TEST_F(FormDocument, ANewDocumentHasOnePageOneLayoutAndTheFourSpecialFields)
{
    FixedClock clock;
    ui::ScopedClock scoped(clock);
    FDOCUMENT doc(&host);
    // The stamp is random, not the clock's seconds.
    EXPECT_EQ(doc.GetCreationStamp(), 0x9E3779B9u);
    EXPECT_EQ(doc.GetPageCount(), 1);
    EXPECT_EQ(doc.GetPages().GetLayoutNumber(1), 1);
    EXPECT_EQ(doc.GetLayouts().GetCount(), 1);
    EXPECT_EQ(doc.GetTabOrderCount(), 0);
    EXPECT_EQ(doc.GetNextFieldID(), 1);
    EXPECT_EQ(doc.GetNextFieldID(), 2);
    EXPECT_EQ(doc.GetTableCounter(false), 1);
    EXPECT_EQ(doc.GetTableCounter(true), 1);
    EXPECT_EQ(doc.GetTableCounter(false), 2);
    EXPECT_EQ(doc.GetNextOleItemNumber(), 1);

    const struct {
        int nameId;
        uint16_t id;
        const char* name;
    } specials[] = {{474, 0xFFFE, "Fax: Recipient Name"}, {399, 0xFFFD, "Fax: Recipient Number"},
        {475, 0xFFFC, "EMail: Recipient Name"}, {413, 0xFFFB, "EMail: Recipient EMail Address"}};
    EXPECT_EQ(doc.GetSpecialFields().GetCount(), 4);
    for (const auto& s : specials) {
        SCOPED_TRACE(s.name);
        ASSERT_NE(doc.FindSpecialField(s.nameId), nullptr);
        EXPECT_EQ(doc.FindSpecialField(s.nameId)->GetName(), s.name);
        EXPECT_EQ(doc.FindField(s.id), doc.FindSpecialField(s.nameId));
    }
}

TEST_F(FormDocument, SpecialFieldsReadFromAFileReplaceThoseOfTheSameNameOrId)
{
    FDOCUMENT doc(&host);
    FOBJLIST read;
    auto byName = std::make_unique<TestField>();
    byName->SetName("Fax: Recipient Name");
    byName->fieldId = 0x1234;
    auto byId = std::make_unique<TestField>();
    byId->SetName("Other");
    byId->fieldId = 0xFFFB;
    read.AddTail(std::move(byName));
    read.AddTail(std::move(byId));
    read.AddTail(std::make_unique<TestBox>(kTypeBox, "not a field"));
    ReplaceSpecialFields(doc.GetSpecialFields(), read);
    EXPECT_EQ(read.GetCount(), 0);
    std::vector<std::string> names;
    for (FORMOBJ* o = doc.GetSpecialFields().GetHead(); o; o = o->GetNext())
        names.push_back(o->GetName());
    EXPECT_EQ(names,
        (std::vector<std::string> {"Fax: Recipient Number", "EMail: Recipient Name", "Fax: Recipient Name", "Other"}));
    EXPECT_EQ(doc.FindField(0x1234)->GetName(), "Fax: Recipient Name");
}

TEST_F(FormDocument, FieldNamesByIdAndTheFillingOrder)
{
    FDOCUMENT doc(&host);
    std::vector<FORMOBJ*> fields;
    const RECT places[] = {{0, 500, 10, 600}, {0, 100, 10, 200}, {50, 100, 60, 200}};
    for (const RECT& r : places) {
        auto f = std::make_unique<TestField>();
        f->fieldId = doc.GetNextFieldID();
        f->SetName("F" + std::to_string(f->fieldId));
        f->SetPlace(1, r);
        fields.push_back(f.get());
        doc.GetObjects().SetObjectPage(std::move(f), 1);
        ASSERT_EQ(doc.InsertFieldInOrder(fields.back(), false), 1);
    }
    EXPECT_EQ((std::vector<uint16_t> {doc.GetFieldIDAt(0), doc.GetFieldIDAt(1), doc.GetFieldIDAt(2)}),
        (std::vector<uint16_t> {2, 3, 1}));
    EXPECT_EQ(doc.GetFieldIDAt(3), kNoFieldId);
    EXPECT_EQ(dynamic_cast<TestField*>(fields[0])->tabIndex, 2);

    std::string name;
    EXPECT_EQ(doc.GetFieldNameForID(3, name), 1);
    EXPECT_EQ(name, "F3");
    EXPECT_EQ(doc.GetFieldNameForID(99, name), 0);
    EXPECT_EQ(name, "");
    EXPECT_EQ(doc.GetFieldNameForID(0x8000, name), 1);
    EXPECT_EQ(name, LoadDocumentString(kNoFieldName));

    doc.RemoveFromTabOrder(fields[2]);
    EXPECT_EQ(doc.GetTabOrderCount(), 2);
    EXPECT_EQ(doc.GetFieldIDAt(1), 1);
}

TEST_F(FormDocument, PagesAreInsertedAndDeletedWithTheirObjects)
{
    FDOCUMENT doc(&host);
    doc.AppendPage();
    auto box = std::make_unique<TestBox>(kTypeBox, "b");
    box->SetPlace(2, {0, 0, 100, 100});
    FORMOBJ* placed = box.get();
    doc.GetObjects().SetObjectPage(std::move(box), 2);
    doc.InsertPage(1);
    EXPECT_EQ(doc.GetPageCount(), 3);
    EXPECT_EQ(placed->GetPage(), 3);
    EXPECT_EQ(doc.GetLayouts().GetFirst()->pageCount, 3);
    EXPECT_TRUE(doc.IsModified());
    doc.DeletePage(3);
    EXPECT_EQ(doc.GetObjects().GetCount(), 0);
    EXPECT_EQ(doc.GetPageCount(), 2);
    doc.DeletePage(2);
    doc.DeletePage(1);
    EXPECT_EQ(doc.GetPageCount(), 1) << "the only page is kept";
    EXPECT_EQ(doc.GetPages().GetAt(1)->number, 1);
}

TEST_F(FormDocument, PageSizeComesFromTheFirstLayoutAndMovesItsPrintableEdges)
{
    FDOCUMENT doc(&host);
    uint32_t w = 0;
    uint32_t h = 0;
    doc.GetPageSize(w, h);
    EXPECT_EQ(w, 11906u);
    EXPECT_EQ(h, 16838u);
    doc.SetPageSize(12240, 15840);
    const FLAYOUT* first = doc.GetLayouts().GetFirst();
    EXPECT_EQ(first->right, 11906 - 720 + 334);
    EXPECT_EQ(first->bottom, 16838 - 720 - 998);
    doc.SetPageSize(500, 500);
    EXPECT_EQ(first->right, first->left);
    EXPECT_EQ(first->bottom, first->top);
}

TEST_F(FormDocument, TheTitleCarriesTheModifiedMark)
{
    FDOCUMENT doc(&host);
    const struct {
        const char* given;
        bool modified;
        bool tutorial;
        const char* shown;
    } cases[] = {
        {"Order", true, false, "*Order"},
        {"*Order", true, false, "*Order"},
        {"*Order", false, false, "Order"},
        {"*", false, false, ""},
        {"Order", true, true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given);
        host.tutorial = c.tutorial;
        doc.SetModifiedFlag(c.modified);
        doc.SetTitle(c.given);
        EXPECT_EQ(doc.GetTitle(), c.shown);
    }
}

TEST_F(FormDocument, SaveAsProposesANameFromTheTitleAndAsksBeforeReplacingAFile)
{
    FDOCUMENT doc(&host);
    doc.SetTitle("Order #5 form");
    const std::string existing = folder.File("existing.qwm");
    WriteFileBytes(existing, {'o', 'l', 'd'});
    host.answer = existing;
    {
        MessageLog no(ui::IDNO);
        EXPECT_FALSE(doc.OnFileSaveAs());
        ASSERT_EQ(no.texts.size(), 1u);
        EXPECT_EQ(no.texts[0], existing + " \nThis File Already Exists.\n\nReplace Existing File?");
    }
    EXPECT_EQ(host.proposed.at(0), "Order.qwm");
    EXPECT_EQ(ReadFileBytes(existing), (Bytes {'o', 'l', 'd'}));
    {
        MessageLog yes(ui::IDYES);
        EXPECT_TRUE(doc.OnFileSaveAs());
    }
    EXPECT_EQ(doc.GetPathName(), existing);
    EXPECT_EQ(host.folder, folder.path.string());
    EXPECT_FALSE(StreamBytes(existing, "Contents").empty());
}

TEST_F(FormDocument, SaveWithoutAPathAsksAndACancelPutsTheMarkBack)
{
    FDOCUMENT doc(&host);
    doc.SetTitle("Form");
    doc.SetModified(true);
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "*Form");
    host.answer = folder.File("new.qwm");
    EXPECT_TRUE(doc.OnFileSave());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "Form");
    EXPECT_EQ(doc.GetPathName(), host.answer);
    host.answer.clear();
    doc.SetModified(true);
    EXPECT_TRUE(doc.OnFileSave()) << "a document with a path saves without asking";
    EXPECT_EQ(host.proposed.size(), 2u);
    doc.SetModified(true);
    MessageLog cancel(ui::IDCANCEL);
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_EQ(cancel.texts, std::vector<std::string> {"Save changes to new.qwm?"}) << "the file's name";
}

TEST_F(FormDocument, ClosingAsksAboutChangesAndOnlyACancelKeepsTheMark)
{
    FDOCUMENT doc(&host);
    doc.SetTitle("Form");
    doc.SetModified(true);
    {
        MessageLog cancel(ui::IDCANCEL);
        EXPECT_FALSE(doc.SaveModified());
        EXPECT_EQ(cancel.texts, std::vector<std::string> {"Save changes to Form?"}) << "no modified mark in the name";
    }
    EXPECT_EQ(doc.GetTitle(), "*Form");
    MessageLog no(ui::IDNO);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(doc.GetTitle(), "Form");
    EXPECT_EQ(doc.GetPathName(), "") << "nothing was saved";
}

} // namespace
