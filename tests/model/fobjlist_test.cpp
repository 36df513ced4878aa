#include "forms/model/int_exception.h"
#include "forms/model/object_factory.h"
#include "forms/model/viewdc.h"
#include "tests/model/test_objects.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

using Bytes = std::vector<uint8_t>;

TestBox* Add(
    FOBJLIST& list, const std::string& label, uint16_t page, RECT r = {0, 0, 100, 100}, uint8_t type = kTypeBox)
{
    auto box = std::make_unique<TestBox>(type, label);
    box->SetPlace(page, r);
    TestBox* raw = box.get();
    list.AddTail(std::move(box));
    return raw;
}

std::vector<std::string> Labels(const FOBJLIST& list)
{
    std::vector<std::string> out;
    for (FORMOBJ* o = list.GetHead(); o; o = o->GetNext())
        out.push_back(static_cast<TestBox*>(o)->label + "@" + std::to_string(o->GetPage()));
    return out;
}

TEST(ObjectList, DrawsOnlyThePageInListOrderAndHandlesAfterAll)
{
    FOBJLIST list;
    Add(list, "a", 1);
    Add(list, "b", 1);
    Add(list, "c", 2);
    FakeView view;
    VIEWDC dc(&view);
    view.SetupOwnDC(dc);

    TestLog::Clear();
    list.DrawPage(dc, 1);
    EXPECT_EQ(TestLog::Get().events, (std::vector<std::string> {"draw a", "draw b"}));

    view.drawsSelection = true;
    TestLog::Clear();
    list.DrawPage(dc, 2);
    EXPECT_EQ(TestLog::Get().events, (std::vector<std::string> {"draw c", "handles"}));

    dc.fieldsOnly = 1;
    TestLog::Clear();
    list.DrawPage(dc, 1);
    EXPECT_EQ(TestLog::Get().events, (std::vector<std::string> {"handles", "handles"}));
}

TEST(ObjectList, HitTestFindsTheTopmostObjectOfThePage)
{
    FOBJLIST list;
    Add(list, "under", 1, {0, 0, 100, 100});
    TestBox* over = Add(list, "over", 1, {50, 50, 150, 150});
    Add(list, "other page", 2, {0, 0, 1000, 1000});
    FakeView view;
    VIEWDC dc(&view);
    EXPECT_EQ(list.HitTest(dc, 1, 75, 75, nullptr), over);
    EXPECT_EQ(static_cast<TestBox*>(list.HitTest(dc, 1, 10, 10, nullptr))->label, "under");
    EXPECT_EQ(list.HitTest(dc, 1, 500, 500, nullptr), nullptr);
    EXPECT_EQ(list.HitTest(dc, 1, 10, 10, over), over);
    EXPECT_EQ(list.HitTest(dc, 3, 10, 10, nullptr), nullptr);
}

TEST(ObjectList, PageInsertionAndDeletion)
{
    FakeDocument doc;
    FOBJLIST list;
    Add(list, "a", 1);
    TestBox* b = Add(list, "b", 2);
    Add(list, "c", 3);

    list.InsertPage(2);
    EXPECT_EQ(Labels(list), (std::vector<std::string> {"a@1", "b@3", "c@4"}));

    list.DeletePage(3, &doc);
    EXPECT_EQ(Labels(list), (std::vector<std::string> {"a@1", "c@3"}));
    EXPECT_EQ(doc.removedFromOrder, std::vector<FORMOBJ*> {b});
    EXPECT_EQ(list.GetCount(), 2);
}

TEST(ObjectList, PageOrderIsKept)
{
    FOBJLIST list;
    TestBox* a = Add(list, "a", 1);
    Add(list, "b", 1);
    Add(list, "c", 3);

    list.SetObjectPage(a, 2);
    EXPECT_EQ(Labels(list), (std::vector<std::string> {"b@1", "a@2", "c@3"}));
    list.SetObjectPage(std::make_unique<TestBox>(kTypeBox, "new"), 1);
    EXPECT_EQ(Labels(list), (std::vector<std::string> {"b@1", "new@1", "a@2", "c@3"}));

    FORMOBJ* b = list.GetHead();
    list.BringToFront(b, 1);
    EXPECT_EQ(Labels(list), (std::vector<std::string> {"new@1", "b@1", "a@2", "c@3"}));
    list.SendToBack(b, 1);
    EXPECT_EQ(Labels(list), (std::vector<std::string> {"b@1", "new@1", "a@2", "c@3"}));

    FORMOBJ* c = list.GetTail();
    list.SendToBack(c, 5);
    EXPECT_EQ(list.GetTail(), c);
    list.BringToFront(c, 0);
    EXPECT_EQ(list.GetHead(), c);
    EXPECT_EQ(list.GetCount(), 4);

    RECT extent;
    static_cast<TestBox*>(c)->SetPlace(3, {10, 10, 700, 300});
    list.GetExtent(extent, kAllPages);
    EXPECT_EQ(extent, (RECT {0, 0, 700, 300}));
    list.GetExtent(extent, 2);
    EXPECT_EQ(extent, (RECT {0, 0, 100, 100}));
}

// Objects put onto pages in turn (runs onto one page, as a paste does,
// between moves, deletions and restacking) each land last on their page.
TEST(ObjectList, ObjectsPutOntoPagesLandLastOnTheirPage)
{
    FOBJLIST list;
    Add(list, "p1", 1);
    Add(list, "p3", 3);
    Add(list, "p5", 5);
    const uint16_t pages[] = {3, 3, 3, 1, 3, 6, 6, 0, 3, 5, 2, 2, 3};
    int n = 0;
    for (uint16_t page : pages) {
        const std::string label = "n" + std::to_string(n++);
        auto box = std::make_unique<TestBox>(kTypeBox, label);
        TestBox* placed = box.get();
        list.SetObjectPage(std::move(box), page);
        EXPECT_TRUE(!placed->GetNext() || placed->GetNext()->GetPage() > page) << label;
        EXPECT_TRUE(!placed->GetPrev() || placed->GetPrev()->GetPage() <= page) << label;
        if (label == "n3")
            list.Delete(placed);
        if (label == "n6")
            list.SendToBack(placed, page);
        if (label == "n9")
            list.SetObjectPage(placed, 4);
    }
    const std::vector<std::string> expected = {"n7@0", "p1@1", "n10@2", "n11@2", "p3@3", "n0@3", "n1@3", "n2@3", "n4@3",
        "n8@3", "n12@3", "n9@4", "p5@5", "n6@6", "n5@6"};
    EXPECT_EQ(Labels(list), expected);
}

TEST(ObjectList, FindByNameIgnoresCaseAndRespectsType)
{
    FOBJLIST list;
    Add(list, "text", 1, {}, kTypeText)->SetName("Field1");
    auto group = std::make_unique<TestGroup>();
    TestBox* inGroup = Add(group->members, "field", 1, {}, kTypeField);
    inGroup->SetName("Field1");
    list.AddTail(std::move(group));

    EXPECT_EQ(list.FindByName(kTypeField, "FIELD1"), inGroup);
    EXPECT_EQ(list.FindByName(kTypeBox, "field1"), nullptr);
    EXPECT_EQ(list.FindFirstOfType(kTypeField), inGroup);
    EXPECT_EQ(list.FindNextOfType(kTypeField, inGroup), nullptr);
}

TEST(ObjectList, GetNextDeepClimbsOutOfNestedGroups)
{
    FOBJLIST list;
    TestBox* first = Add(list, "first", 1);
    auto outer = std::make_unique<TestGroup>();
    TestBox* o1 = Add(outer->members, "o1", 1);
    auto inner = std::make_unique<TestGroup>();
    TestBox* i1 = Add(inner->members, "i1", 1);
    TestGroup* innerRaw = inner.get();
    outer->members.AddTail(std::move(inner));
    TestGroup* outerRaw = outer.get();
    list.AddTail(std::move(outer));
    TestBox* last = Add(list, "last", 1);

    std::vector<FORMOBJ*> order;
    for (FORMOBJ* o = list.GetHead(); o; o = list.GetNextDeep(o))
        order.push_back(o);
    EXPECT_EQ(order, (std::vector<FORMOBJ*> {first, outerRaw, o1, innerRaw, i1, last}));

    i1->SetSelectFlag(1);
    FORMOBJ* group = nullptr;
    FOBJLIST* holder = nullptr;
    FOBJLIST* parent = nullptr;
    EXPECT_EQ(list.FindSelectedDeep(&group, &holder, &parent), i1);
    EXPECT_EQ(group, innerRaw);
    EXPECT_EQ(holder, &innerRaw->members);
    EXPECT_EQ(parent, &outerRaw->members);
}

TEST(ObjectList, DeletingByType)
{
    FOBJLIST list;
    Add(list, "line", 1, {}, kTypeLine);
    auto group = std::make_unique<TestGroup>();
    Add(group->members, "line in group", 1, {}, kTypeLine);
    list.AddTail(std::move(group));
    auto mixed = std::make_unique<TestGroup>();
    Add(mixed->members, "line in mixed", 1, {}, kTypeLine);
    Add(mixed->members, "box in mixed", 1, {}, kTypeBox);
    list.AddTail(std::move(mixed));

    EXPECT_EQ(list.DeleteOfType(kTypeLine), 3);
    EXPECT_EQ(list.GetCount(), 1) << "the emptied group goes, the mixed one stays";
    EXPECT_EQ(static_cast<TestGroup*>(list.GetHead())->members.GetCount(), 1);
}

Bytes SaveList(FOBJLIST& list, int selectedOnly, OBJECT_DOCUMENT* doc = nullptr)
{
    return Written([&](RECORDARCHIVE& r) { list.Save(r, 0x29, selectedOnly); }, doc);
}

int LoadList(const Bytes& bytes, FOBJLIST& into)
{
    io::MemoryFile file(bytes);
    io::Archive ar(file, io::Archive::Load);
    RECORDARCHIVE rec(ar);
    EXPECT_EQ(rec.ReadTag(), 0x29);
    return into.Load(rec, 0);
}

TEST(ObjectList, SaveAndLoadRoundTripWithGroups)
{
    TestKinds kinds;
    FOBJLIST list;
    Add(list, "a", 1, {10, 20, 30, 40})->SetName("A");
    auto group = std::make_unique<TestGroup>();
    Add(group->members, "member", 1)->SetName("M");
    list.AddTail(std::move(group));

    Bytes saved = SaveList(list, 0);
    FOBJLIST loaded;
    EXPECT_EQ(LoadList(saved, loaded), 1);
    ASSERT_EQ(loaded.GetCount(), 2);
    EXPECT_EQ(loaded.GetHead()->GetName(), "A");
    EXPECT_EQ(loaded.FindByName(kTypeBox, "m")->GetName(), "M");
    EXPECT_EQ(SaveList(loaded, 0), saved);
}

TEST(ObjectList, LoadStepsOverTypesWithoutAClass)
{
    TestKinds kinds;
    Bytes bytes = {0x29, kTypeCell, 0x01, 0x81, 0x00, 0x00, 0xFF, 0xFF, // a cell at top level
        kTypeEllipse, 0x01, 0xFF, 0x05, 0xFF, 0xFF, // a kind not registered
        0x0E, 0xFF, // an unused type byte
        kTypeBox, 0x01, 0xFF, 0xFF, 0xFF};
    FOBJLIST list;
    EXPECT_EQ(LoadList(bytes, list), 1);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetHead()->GetType(), kTypeBox);
}

TEST(ObjectList, AListEndingEarlyRaisesEndOfFile)
{
    TestKinds kinds;
    const Bytes cases[] = {
        {0x29, kTypeBox, 0x01, 0x82, 0x05, 0x00, 0x03}, // inside a record of the base group
        {0x29, kTypeBox, 0x01, 0xFF}, // inside the object's group
        {0x29, kTypeGroup, 0x29, kTypeBox, 0xFF, 0xFF}, // inside a group's member list
        {0x29, kTypeBox, 0x01, 0xFF, 0xFF}, // before the list's end
    };
    for (const Bytes& bytes : cases) {
        FOBJLIST list;
        try {
            LoadList(bytes, list);
            ADD_FAILURE() << "no error for " << bytes.size() << " bytes";
        } catch (const io::ArchiveError& e) {
            EXPECT_EQ(e.cause(), io::ArchiveError::EndOfFile);
        }
    }
}

TEST(ObjectList, AFailedCreationAbortsTheLoad)
{
    TestKinds kinds;
    RegisterObjectClass(kTypeBox, [] {
        auto box = std::make_unique<TestBox>();
        box->initResult = 0;
        return std::unique_ptr<FORMOBJ>(std::move(box));
    });
    FOBJLIST list;
    try {
        LoadList({0x29, kTypeBox, 0xFF, 0xFF}, list);
        ADD_FAILURE() << "a failed Init must abort the load";
    } catch (const CIntException& e) {
        EXPECT_EQ(e.GetId(), 201);
    }
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(ObjectList, FactoryCreatesOnlyRegisteredListTypes)
{
    TestKinds kinds;
    FOBJLIST list;
    EXPECT_NE(list.CreateObject(kTypeBox), nullptr);
    auto group = list.CreateObject(kTypeGroup);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(static_cast<TestGroup*>(group.get())->owner, &list);
    EXPECT_EQ(list.CreateObject(kTypeField), nullptr);
    EXPECT_FALSE(RegisterObjectClass(kTypeCell, [] { return std::unique_ptr<FORMOBJ>(new TestBox); }));
    EXPECT_EQ(list.CreateObject(kTypeCell), nullptr);
}

TEST(ObjectList, SelectedOnlySaveWritesEverySelectedObject)
{
    TestKinds kinds;
    FOBJLIST list;
    Add(list, "unselected", 1)->SetName("U");
    Add(list, "first", 1)->SetName("S1");
    TestBox part(kTypeBox, "part");
    part.SetName("P");
    Add(list, "table", 1, {}, kTypeTable)->MakeSelectedPart(&part);
    Add(list, "second", 1)->SetName("S2");
    for (FORMOBJ* o = list.GetHead(); o; o = o->GetNext())
        if (o->GetName() == "S1" || o->GetName() == "S2")
            o->SetSelectFlag(1);

    FOBJLIST loaded;
    LoadList(SaveList(list, 1), loaded);
    std::vector<std::string> names;
    for (FORMOBJ* o = loaded.GetHead(); o; o = o->GetNext())
        names.push_back(o->GetName());
    EXPECT_EQ(names, (std::vector<std::string> {"S1", "P", "S2"}));
}

TEST(ObjectList, AlternativeFormatLeavesOutUnsavableObjects)
{
    struct Unsavable : TestBox {
        int IsSavableIn(uint16_t) override { return 0; }
    };
    TestKinds kinds;
    FakeDocument doc;
    doc.alternative = true;
    FOBJLIST list;
    Add(list, "kept", 1)->SetName("K");
    list.AddTail(std::make_unique<Unsavable>());
    FOBJLIST loaded;
    LoadList(SaveList(list, 0, &doc), loaded);
    ASSERT_EQ(loaded.GetCount(), 1);
    EXPECT_EQ(loaded.GetHead()->GetName(), "K");
}

TEST(ObjectList, ApplyTemplateRestylesOrCopies)
{
    FOBJLIST templates;
    TestBox* style = Add(templates, "style", 1);
    style->SetName("Shared");
    style->hasBorder = true;
    style->border.width = 55;
    Add(templates, "unnamed", 1);

    FOBJLIST list;
    TestBox* same = Add(list, "same", 1);
    same->SetName("Shared");
    Add(list, "other type", 1, {}, kTypeText)->SetName("Shared");

    list.ApplyTemplate(templates);
    EXPECT_TRUE(same->hasBorder);
    EXPECT_EQ(same->border.width, 55);
    EXPECT_EQ(list.GetCount(), 2);

    FOBJLIST other;
    Add(other, "text", 1, {}, kTypeText)->SetName("Shared");
    other.ApplyTemplate(templates);
    ASSERT_EQ(other.GetCount(), 2);
    EXPECT_EQ(other.GetTail()->GetType(), kTypeBox);
    EXPECT_EQ(other.GetTail()->GetName(), "Shared");
}

} // namespace

namespace {

TEST(ObjectList, LoadsAHandWrittenList)
{
    TestKinds kinds;
    std::ifstream in(FORMS_TEST_DATA_DIR "/model/object_list.bin", std::ios::binary);
    ASSERT_TRUE(in) << "fixture missing";
    Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    FakeDocument doc;
    io::MemoryFile file(bytes);
    io::Archive ar(file, io::Archive::Load);
    RECORDARCHIVE rec(ar, &doc);
    ASSERT_EQ(rec.ReadTag(), 0x29);
    FOBJLIST list;
    EXPECT_EQ(list.Load(rec, 0), 1);
    EXPECT_EQ(ar.GetPosition(), bytes.size());
    ASSERT_EQ(list.GetCount(), 2);
    auto* box = static_cast<TestBox*>(list.GetHead());
    EXPECT_EQ(box->GetName(), "Total");
    EXPECT_EQ(box->GetRotation(), 450);
    EXPECT_EQ(box->border.width, 40);
    EXPECT_EQ(box->GetMaster(), nullptr) << "the document holds no style Heading";
    EXPECT_EQ(list.GetTail()->GetPage(), 2);
    EXPECT_NE(list.FindByName(kTypeBox, "m"), nullptr);
}

} // namespace
