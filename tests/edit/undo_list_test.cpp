#include "forms/edit/filling_order.h"
#include "forms/edit/undo_list.h"
#include "forms/edit/undo_snapshot_scope.h"
#include "forms/model/fobjlist.h"
#include "tests/model/test_objects.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// A box that counts the live instances, to see deleted objects freed.
class CountedBox : public TestBox {
public:
    explicit CountedBox(std::string label)
        : TestBox(kTypeBox, std::move(label))
    {
        ++alive;
    }
    ~CountedBox() override { --alive; }
    static inline int alive = 0;
};

// The document's filling order as the undo list sees it.
class FakeFillingOrder : public FillingOrder {
public:
    void Renumber() override { events.push_back("renumber"); }
    void RestoreFields(const std::vector<FORMOBJ*>& objects) override
    {
        std::string restored = "restore";
        for (FORMOBJ* o : objects) {
            auto* box = dynamic_cast<TestBox*>(o);
            restored += " " + (box ? box->label : "group");
        }
        events.push_back(restored);
    }
    std::vector<std::string> events;
};

// A page list of boxes labelled by one letter each.
struct Page {
    FOBJLIST list;
    FakeFillingOrder order;
    UNDO_LIST undo;

    explicit Page(const std::string& labels)
    {
        for (char c : labels) {
            auto box = std::make_unique<CountedBox>(std::string(1, c));
            box->SetPlace(1, {0, 0, 100, 100});
            list.AddTail(std::move(box));
        }
    }
    TestBox* Find(char label)
    {
        for (FORMOBJ* o = list.GetHead(); o; o = o->GetNext())
            if (static_cast<TestBox*>(o)->label == std::string(1, label))
                return static_cast<TestBox*>(o);
        return nullptr;
    }
    void Select(const std::string& labels)
    {
        for (FORMOBJ* o = list.GetHead(); o; o = o->GetNext())
            o->SetSelectFlag(labels.find(static_cast<TestBox*>(o)->label) != std::string::npos ? 1 : 0);
    }
    std::string Labels() const
    {
        std::string s;
        for (FORMOBJ* o = list.GetHead(); o; o = o->GetNext())
            s += static_cast<TestBox*>(o)->label;
        return s;
    }
    std::string SelectedLabels() const
    {
        std::string s;
        for (FORMOBJ* o = list.GetHead(); o; o = o->GetNext())
            if (o->GetSelected())
                s += static_cast<TestBox*>(o)->label;
        return s;
    }
    // What the selection's Delete does: record the deletion, then unlink
    // the selected objects topmost first and hand them to the undo list.
    void DeleteSelected()
    {
        undo.Record({&list, &order, kUndoOrder}, 1);
        for (FORMOBJ* o = list.GetTail(); o;) {
            FORMOBJ* prev = o->GetPrev();
            if (o->GetSelected()) {
                o->SetSelectFlag(0);
                undo.Keep(list.Remove(o));
            }
            o = prev;
        }
    }
    // The design view's Undo Deletion.
    void UndoDeletion()
    {
        undo.Undo();
        undo.DropLast();
    }
};

TEST(UndoDeletion, PutsDeletedObjectsBackInTheirPlacesSelected)
{
    struct Case {
        std::string selected;
        std::string fieldsRestored;
    };
    const Case cases[] = {
        {"bd", "restore b d"},
        {"ab", "restore a b"},
        {"e", "restore e"},
        {"ae", "restore a e"},
        {"abcde", "restore a b c d e"},
    };
    for (const Case& c : cases) {
        Page page("abcde");
        page.Select(c.selected);
        page.DeleteSelected();
        ASSERT_EQ(page.Labels().find_first_of(c.selected), std::string::npos) << c.selected;
        EXPECT_TRUE(page.undo.CanUndoDeletion());

        page.UndoDeletion();
        EXPECT_EQ(page.Labels(), "abcde") << c.selected;
        EXPECT_EQ(page.SelectedLabels(), c.selected);
        EXPECT_EQ(page.order.events, (std::vector<std::string> {"renumber", c.fieldsRestored})) << c.selected;
        EXPECT_EQ(page.list.GetCount(), 5);
        EXPECT_TRUE(page.undo.IsEmpty());
        EXPECT_FALSE(page.undo.CanUndoDeletion());
    }
    EXPECT_EQ(CountedBox::alive, 0);
}

TEST(UndoDeletion, ASecondDeletionForgetsAndFreesTheFirst)
{
    {
        Page page("abc");
        page.Select("a");
        page.DeleteSelected();
        EXPECT_EQ(CountedBox::alive, 3);
        page.Select("c");
        page.DeleteSelected();
        EXPECT_EQ(CountedBox::alive, 2) << "the first deletion's object is freed";
        page.UndoDeletion();
        EXPECT_EQ(page.Labels(), "bc");
        page.UndoDeletion();
        EXPECT_EQ(page.Labels(), "bc");
    }
    EXPECT_EQ(CountedBox::alive, 0);
}

TEST(UndoDeletion, PendingDeletedObjectsAreFreedWithTheList)
{
    for (bool clear : {false, true}) {
        {
            Page page("abc");
            page.Select("ac");
            page.DeleteSelected();
            EXPECT_EQ(CountedBox::alive, 3);
            if (clear) {
                page.undo.Clear();
                EXPECT_EQ(CountedBox::alive, 1);
            }
        }
        EXPECT_EQ(CountedBox::alive, 0);
    }
}

TEST(UndoDeletion, ARestoredGroupIsAttachedToTheListAgain)
{
    Page page("ab");
    auto group = std::make_unique<TestGroup>();
    TestGroup* g = group.get();
    page.list.InsertAfter(page.Find('a'), std::move(group));
    g->SetSelectFlag(1);
    page.DeleteSelected();
    g->owner = nullptr;
    page.UndoDeletion();
    EXPECT_EQ(page.list.GetHead()->GetNext(), g);
    EXPECT_EQ(g->owner, &page.list);
}

// A record that could not capture restores nothing, and an object handed
// to it is freed rather than kept or linked twice.
TEST(UndoDeletion, RecordsThatCaptureNothingRestoreNothing)
{
    struct Case {
        const char* what;
        bool withList, withOrder;
        std::string selected;
    };
    const Case cases[] = {
        {"no object list", false, true, "b"},
        {"no filling order", true, false, "b"},
        {"nothing selected", true, true, ""},
    };
    for (const Case& c : cases) {
        {
            Page page("abc");
            page.Select(c.selected);
            page.undo.Record({c.withList ? &page.list : nullptr, c.withOrder ? &page.order : nullptr, kUndoOrder}, 1);
            if (TestBox* b = page.Find('b'); b->GetSelected())
                page.undo.Keep(page.list.Remove(b));
            EXPECT_TRUE(page.undo.CanUndoDeletion()) << c.what;
            page.UndoDeletion();
            EXPECT_EQ(page.Labels(), c.selected.empty() ? "abc" : "ac") << c.what;
        }
        EXPECT_EQ(CountedBox::alive, 0) << c.what;
    }
}

TEST(UndoDeletion, AGroupMemberComesBackAtItsIndexInTheGroup)
{
    // Deleting a member of a group of three captures the member alone, with
    // its index among the members; the group is not linked a second time.
    for (const char deleted : {'m', 'n', 'o'}) {
        SCOPED_TRACE(deleted);
        Page page("ab");
        auto made = std::make_unique<TestGroup>();
        TestGroup* group = made.get();
        for (const char label : {'m', 'n', 'o'})
            group->members.AddTail(std::make_unique<CountedBox>(std::string(1, label)));
        page.list.AddTail(std::move(made));
        FORMOBJ* member = nullptr;
        for (FORMOBJ* o = group->members.GetHead(); o; o = o->GetNext())
            if (static_cast<TestBox*>(o)->label == std::string(1, deleted))
                member = o;
        member->SetSelectFlag(1);
        page.undo.Record({&page.list, &page.order, kUndoOrder}, 1);
        EXPECT_EQ(page.order.events, std::vector<std::string> {"renumber"});
        member->SetSelectFlag(0);
        page.undo.Keep(group->members.Remove(member));
        ASSERT_EQ(group->members.GetCount(), 2);

        page.UndoDeletion();
        EXPECT_EQ(page.list.GetCount(), 3);
        std::string members;
        for (FORMOBJ* o = group->members.GetHead(); o; o = o->GetNext())
            members += static_cast<TestBox*>(o)->label;
        EXPECT_EQ(members, "mno");
        EXPECT_TRUE(member->GetSelected());
        EXPECT_EQ(page.order.events.back(), std::string("restore ") + deleted);
    }
    EXPECT_EQ(CountedBox::alive, 0);
}

TEST(UndoDeletion, CapturedObjectsThatStayedInTheListAreLeftAlone)
{
    Page page("abc");
    page.Select("abc");
    page.undo.Record({&page.list, &page.order, kUndoOrder}, 1);
    page.undo.Keep(page.list.Remove(page.Find('b')));
    page.UndoDeletion();
    EXPECT_EQ(page.Labels(), "abc");
    EXPECT_EQ(page.order.events.back(), "restore b");
}

TEST(UndoDeletion, ObjectsWithoutADeletionRecordAreFreed)
{
    {
        Page page("ab");
        page.undo.Keep(page.list.Remove(page.Find('a')));
        EXPECT_EQ(CountedBox::alive, 1);
        page.Select("b");
        page.undo.Record({&page.list, nullptr, kUndoSnapshot}, 0);
        page.undo.Keep(page.list.Remove(page.Find('b')));
        EXPECT_EQ(CountedBox::alive, 0);
    }
    EXPECT_EQ(CountedBox::alive, 0);
}

BORDER Width(uint16_t w)
{
    BORDER b;
    b.width = w;
    return b;
}

std::vector<uint16_t> Widths(Page& page)
{
    std::vector<uint16_t> widths;
    for (FORMOBJ* o = page.list.GetHead(); o; o = o->GetNext())
        widths.push_back(static_cast<TestBox*>(o)->border.width);
    return widths;
}

TEST(UndoSnapshot, PutsTheSelectedObjectsAppearanceBack)
{
    Page page("abc");
    for (char c : std::string("abc"))
        page.Find(c)->SetBorder(Width(10));
    page.Select("ac");
    UNDO_ACTION* snapshot = page.undo.Record({&page.list, nullptr, kUndoSnapshot}, 0);
    ASSERT_NE(snapshot, nullptr);
    for (char c : std::string("abc"))
        page.Find(c)->SetBorder(Width(40));
    page.undo.Undo();
    EXPECT_EQ(Widths(page), (std::vector<uint16_t> {10, 40, 10}));
    page.Find('a')->SetBorder(Width(50));
    page.undo.Undo();
    EXPECT_EQ(Widths(page), (std::vector<uint16_t> {10, 40, 10})) << "the clones stay in the record";
    EXPECT_EQ(page.Labels(), "abc");
}

// The format commands' snapshot is dropped whatever the dialog's result,
// so it never enables Undo Deletion and never hides an earlier deletion.
TEST(UndoSnapshot, AFormatCommandsSnapshotIsAlwaysDropped)
{
    struct Case {
        const char* what;
        bool deletedBefore;
        bool cancel;
        uint16_t expectedWidth;
    };
    const Case cases[] = {
        {"accepted", false, false, 40},
        {"cancelled", false, true, 10},
        {"accepted after a deletion", true, false, 40},
        {"cancelled after a deletion", true, true, 10},
    };
    for (const Case& c : cases) {
        Page page("abc");
        page.Find('a')->SetBorder(Width(10));
        if (c.deletedBefore) {
            page.Select("c");
            page.DeleteSelected();
        }
        page.Select("a");
        {
            UndoSnapshotScope scope(page.undo, &page.list);
            EXPECT_FALSE(page.undo.CanUndoDeletion()) << c.what;
            page.Find('a')->SetBorder(Width(40));
            if (c.cancel)
                scope.Restore();
        }
        EXPECT_EQ(page.Find('a')->border.width, c.expectedWidth) << c.what;
        EXPECT_EQ(page.undo.CanUndoDeletion(), c.deletedBefore) << c.what;
        page.Select("");
        page.UndoDeletion();
        EXPECT_EQ(page.Labels(), "abc") << c.what;
    }
}

TEST(UndoSnapshot, AScopeWhoseRecordWasClearedRestoresNothing)
{
    Page page("a");
    page.Find('a')->SetBorder(Width(10));
    page.Select("a");
    UndoSnapshotScope scope(page.undo, &page.list);
    page.Find('a')->SetBorder(Width(40));
    page.undo.Clear();
    scope.Restore();
    EXPECT_EQ(page.Find('a')->border.width, 40);
}

TEST(UndoList, EnableStateOfUndoDeletion)
{
    Page page("ab");
    struct Step {
        const char* what;
        void (*run)(Page&);
        bool enabled;
    };
    const Step steps[] = {
        {"new list", [](Page&) {}, false},
        {"deletion",
            [](Page& p) {
                p.Select("a");
                p.DeleteSelected();
            },
            true},
        {"snapshot left behind",
            [](Page& p) {
                p.Select("b");
                p.undo.Record({&p.list, nullptr, kUndoSnapshot}, 0);
            },
            false},
        {"snapshot dropped", [](Page& p) { p.undo.DropLast(); }, true},
        {"unknown kind clears",
            [](Page& p) {
                p.undo.Record({&p.list, &p.order, 3}, 0);
            },
            false},
        {"deletion again",
            [](Page& p) {
                p.Select("b");
                p.DeleteSelected();
            },
            true},
        {"cleared", [](Page& p) { p.undo.Clear(); }, false},
        {"undo and drop on an empty list", [](Page& p) { p.UndoDeletion(); }, false},
    };
    for (const Step& s : steps) {
        s.run(page);
        EXPECT_EQ(page.undo.CanUndoDeletion(), s.enabled) << s.what;
    }
}

TEST(UndoList, CreatesRecordsOfTheKnownKinds)
{
    for (uint8_t kind : {0, 1, 2, 3, 255}) {
        std::unique_ptr<UNDO_ACTION> record = UNDO_LIST::CreateAction(kind);
        if (kind == kUndoSnapshot || kind == kUndoOrder)
            EXPECT_EQ(record->GetKind(), kind);
        else
            EXPECT_EQ(record, nullptr);
    }
}

} // namespace
