// The group of form objects: its record, a group of radio buttons read back
// into a form with its flags and its fields in the filling order, moving
// and copying members together, finding members at any depth, turning its
// texts and answering their angle, passing appearance, events and the
// accept query to its members, and the cursor over its members.
#include "tests/objects/field_test_support.h"

#include "forms/document/document_objects.h"
#include "forms/document/fdocument.h"
#include "forms/document/special_fields.h"
#include "forms/fields/datatypes/check_datatype.h"
#include "forms/model/border.h"
#include "forms/model/fobjlist.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/objects/fgroup.h"
#include "platform/ui/message_box.h"
#include "tests/model/test_objects.h"
#include "tests/model/tracking_view.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

class GroupTest : public FieldTest {
protected:
    ~GroupTest() override { UnregisterObjectClass(kTypeGroup); }

    static std::unique_ptr<FGROUP> RadioGroup(uint16_t firstId)
    {
        auto group = std::make_unique<FGROUP>();
        group->Init();
        for (int i = 0; i < 3; ++i) {
            auto box = std::make_unique<FFIELD>();
            EXPECT_TRUE(box->SetType(kKindCheckBox, 0, BORDER(), BASICSHADE(), Font(0, 200), SHADOW()));
            box->SetRect(1000, 1000 + 400 * i, 3000, 1300 + 400 * i);
            box->SetName("Choice" + std::to_string(i + 1));
            box->SetFieldID(static_cast<uint16_t>(firstId + i));
            dynamic_cast<CHECK_DATATYPE*>(box->GetDataType())->nChecked = i == 1 ? 1 : 0;
            group->GetMembers().AddTail(std::move(box));
        }
        group->SetFieldsRadioGroup(group.get());
        return group;
    }

    // A text object turned to the angle.
    static std::unique_ptr<FORMOBJ> Text(uint16_t angle, uint16_t size = 240)
    {
        auto text = MakeText("Turn", Font(0, size));
        text->SetRect(1000, 1000, 3000, 1400);
        text->SetRotation(angle, nullptr);
        return text;
    }
    // A group holding the objects, in their order.
    static std::unique_ptr<FGROUP> GroupOf(std::vector<std::unique_ptr<FORMOBJ>> objects)
    {
        auto group = std::make_unique<FGROUP>();
        group->Init();
        for (auto& o : objects)
            group->GetMembers().AddTail(std::move(o));
        return group;
    }
    template<typename... T>
    static std::unique_ptr<FGROUP> Group(T... objects)
    {
        std::vector<std::unique_ptr<FORMOBJ>> all;
        (all.push_back(std::move(objects)), ...);
        return GroupOf(std::move(all));
    }
};

// An object that refuses the accept query.
class Refusing : public TestBox {
public:
    int ExtAccepts(uintptr_t) override { return 0; }
};

TEST_F(GroupTest, TheAngleIsAnsweredOnlyForTextsAndGroupsAndOnlyWhenTheyShareIt)
{
    constexpr uint16_t kUntouched = 1234;
    const struct {
        const char* name;
        std::function<std::unique_ptr<FGROUP>()> make;
        int answer;
        uint16_t angle;
    } cases[] = {
        {"a box", [] { return Group(MakeField()); }, 0, kUntouched},
        {"a text and a box", [] { return Group(Text(900), MakeField()); }, 0, kUntouched},
        {"two texts alike", [] { return Group(Text(900), Text(900)); }, 1, 900},
        {"two texts unlike", [] { return Group(Text(0), Text(900)); }, 1, kUntouched},
        {"a text and a group alike", [] { return Group(Text(450), Group(Text(450), Text(450))); }, 1, 450},
        {"a text and a group of mixed angles", [] { return Group(Text(450), Group(Text(450), Text(900))); }, 1,
            kUntouched},
        {"nothing", [] { return Group(); }, 1, kUntouched},
    };
    for (const auto& c : cases) {
        uint16_t angle = kUntouched;
        EXPECT_EQ(c.make()->QueryAngle(&angle), c.answer) << c.name;
        EXPECT_EQ(angle, c.angle) << c.name;
    }
}

TEST_F(GroupTest, TurningAGroupTurnsItsTextsAtAnyDepthButNotItselfNorOtherShapes)
{
    auto inner = Group(Text(0));
    FGROUP* nested = inner.get();
    FORMOBJ* deep = nested->GetMembers().GetHead();
    auto group = Group(Text(0), MakeField(), std::move(inner));
    FORMOBJ* text = group->GetMembers().GetHead();
    FORMOBJ* field = text->GetNext();

    group->SetRotation(900, nullptr);
    EXPECT_EQ(text->GetRotation(), 900);
    EXPECT_EQ(deep->GetRotation(), 900);
    EXPECT_EQ(field->GetRotation(), 0);
    EXPECT_EQ(group->GetRotation(), 0) << "a group has no angle of its own";
    EXPECT_EQ(nested->GetRotation(), 0);
}

TEST_F(GroupTest, AppearanceEventsAndTheAcceptQueryReachEveryMember)
{
    auto source = Group(Text(0, 400), Text(0, 200));
    auto group = Group(Text(0), Text(0));
    group->TakeAppearanceFrom(*source);
    std::vector<uint16_t> sizes;
    for (FORMOBJ* o = group->GetMembers().GetHead(); o; o = o->GetNext()) {
        TEXTATTR font;
        o->GetFont(&font);
        sizes.push_back(font.size);
    }
    EXPECT_EQ(sizes, (std::vector<uint16_t> {400, 200})) << "each member takes its partner's look";

    group->OnEvent(kAttrLineSpacing, 360, 0);
    for (FORMOBJ* o = group->GetMembers().GetHead(); o; o = o->GetNext()) {
        uint16_t spacing = 0;
        o->GetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&spacing));
        EXPECT_EQ(spacing, 360);
    }

    EXPECT_EQ(group->ExtAccepts(0), 1);
    EXPECT_EQ(Group()->ExtAccepts(0), 1) << "an empty group accepts";
    EXPECT_EQ(Group(Text(0), std::make_unique<Refusing>())->ExtAccepts(0), 0);
}

TEST_F(GroupTest, TheCursorOverASelectedGroupIsTheMoveCursorOnAMemberOnly)
{
    // At 15 twips a pixel the members lie at pixels 100 to 200 and 300 to
    // 400 across, 100 to 200 down.
    auto left = std::make_unique<TestBox>();
    left->SetRect(1500, 1500, 3000, 3000);
    auto right = std::make_unique<TestBox>();
    right->SetRect(4500, 1500, 6000, 3000);
    auto group = Group(std::move(left), std::move(right));
    const struct {
        const char* name;
        bool selected;
        POINT pointer;
        int answer;
    } cases[] = {
        {"on a member", true, {150, 150}, 1},
        {"between the members", true, {250, 150}, 0},
        {"on a member of a group not selected", false, {150, 150}, 0},
    };
    for (const auto& c : cases) {
        TrackView view;
        view.window.setCursor(Qt::ArrowCursor);
        group->SetSelectFlag(c.selected ? 1 : 0);
        view.pointer = c.pointer;
        EXPECT_EQ(group->SetCursor(&view, 1), c.answer) << c.name;
        EXPECT_EQ(view.window.cursor().shape(), c.answer ? Qt::SizeAllCursor : Qt::ArrowCursor) << c.name;
    }
}

TEST_F(GroupTest, AGroupOfThreeRadioButtonsSavesItsBaseGroupAndMemberList)
{
    auto group = RadioGroup(1);
    const Bytes written = Written([&](RECORDARCHIVE& ar) { group->Save(ar, kTypeGroup); });
    ASSERT_GE(written.size(), 4u);
    EXPECT_EQ(written[0], kTypeGroup);
    EXPECT_EQ(written[1], kBaseGroupTag);
    EXPECT_EQ(Bytes(written.end() - 2, written.end()), (Bytes {0xFF, 0xFF}));
    // The member list follows the base group and holds three field groups.
    io::MemoryFile file(written);
    io::Archive ar(file, io::Archive::Load);
    RECORDARCHIVE rec(ar);
    rec.ReadTag();
    EXPECT_EQ(rec.ReadTag(), kBaseGroupTag);
    rec.SkipRecord(kBaseGroupTag);
    EXPECT_EQ(rec.ReadTag(), kMemberListTag);
    int fields = 0;
    for (uint8_t tag = rec.ReadTag(); tag != kEndGroup; tag = rec.ReadTag()) {
        EXPECT_EQ(tag, kTypeField);
        rec.SkipRecord(tag);
        ++fields;
    }
    EXPECT_EQ(fields, 3);
    EXPECT_EQ(rec.ReadTag(), kEndGroup);
}

TEST_F(GroupTest, ARadioGroupInAFormReadsBackWithItsFlagsAndItsFieldsInTheFillingOrder)
{
    RegisterDocumentObjects();
    ui::ScopedMessageBoxHook noMessages {[](const ui::MessageBoxRequest& request) {
        ADD_FAILURE() << request.text;
        return ui::IDOK;
    }};
    const std::filesystem::path folder = std::filesystem::path(FORMS_TEST_OUTPUT_DIR) / "group_form_file";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "radio.qwm").string();
    std::filesystem::remove(path);
    {
        FDOCUMENT doc;
        auto group = RadioGroup(doc.GetNextFieldID());
        doc.GetNextFieldID();
        doc.GetNextFieldID();
        std::vector<FORMOBJ*> members;
        for (FORMOBJ* o = group->GetMembers().GetHead(); o; o = o->GetNext())
            members.push_back(o);
        doc.GetObjects().SetObjectPage(std::move(group), 1);
        for (FORMOBJ* o : members)
            doc.InsertFieldInOrder(o, false);
        ASSERT_TRUE(doc.OnSaveDocument(path));
    }
    FDOCUMENT reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    auto* group = dynamic_cast<FGROUP*>(reopened.GetObjects().GetHead());
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->GetMembers().GetCount(), 3);
    ASSERT_EQ(reopened.GetTabOrderCount(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        auto* field = dynamic_cast<FFIELD*>(reopened.FindField(static_cast<uint16_t>(i + 1)));
        ASSERT_NE(field, nullptr) << "fields inside groups are found";
        EXPECT_TRUE(group->ContainsObject(field));
        EXPECT_EQ(field->GetRadioGroup(), &group->GetMembers());
        EXPECT_EQ(reopened.GetFieldIDAt(i), i + 1);
        EXPECT_EQ(dynamic_cast<CHECK_DATATYPE*>(field->GetDataType())->nChecked, i == 1 ? 1u : 0u);
    }
    SetSpecialFieldMaker(nullptr);
}

TEST_F(GroupTest, MovingAGroupMovesEveryMemberAndACopyHoldsCopies)
{
    FGROUP outer;
    outer.Init();
    auto inner = RadioGroup(1);
    FORMOBJ* deep = inner->GetMembers().GetTail();
    outer.GetMembers().AddTail(std::move(inner));
    outer.GetMembers().AddTail(MakeField({4000, 1000, 6000, 1300}));
    RECT r;
    outer.GetRect(r);
    EXPECT_EQ(r.left, 1000);
    EXPECT_EQ(r.top, 1000);
    EXPECT_EQ(r.right, 6000);
    EXPECT_EQ(r.bottom, 2100);
    EXPECT_TRUE(outer.ContainsObject(deep)) << "two groups deep";

    outer.SetRectBy(1500, 2000, 0, 0);
    RECT moved;
    deep->GetRect(moved);
    EXPECT_EQ(moved.left, 1500);
    EXPECT_EQ(moved.top, 2800);
    EXPECT_EQ(moved.right - moved.left, 2000) << "sizes stay";

    auto copy = outer.Clone();
    ASSERT_NE(copy, nullptr);
    auto* copied = dynamic_cast<FGROUP*>(copy.get());
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->GetMembers().GetCount(), 2);
    EXPECT_FALSE(copied->ContainsObject(deep));
    copied->GetRect(r);
    outer.GetRect(moved);
    EXPECT_EQ(r.left, moved.left);
    EXPECT_EQ(r.bottom, moved.bottom);
}

// Where a radio button's group is asked for, it must be the member list
// that holds the field now: not a copy's, not one it has left, and never a
// group that has been deleted.
TEST_F(GroupTest, ARadioButtonAnswersTheListThatHoldsItAndNothingOnceOutOfIt)
{
    auto group = RadioGroup(1);
    auto* first = dynamic_cast<FFIELD*>(group->GetMembers().GetHead());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetRadioGroup(), &group->GetMembers());

    auto copy = group->Clone();
    auto* copied = dynamic_cast<FGROUP*>(copy.get());
    ASSERT_NE(copied, nullptr);
    for (FORMOBJ* o = copied->GetMembers().GetHead(); o; o = o->GetNext())
        EXPECT_EQ(dynamic_cast<FFIELD*>(o)->GetRadioGroup(), &copied->GetMembers()) << "a copy answers its own list";

    std::unique_ptr<FORMOBJ> removed = group->GetMembers().Remove(first);
    EXPECT_EQ(first->GetRadioGroup(), nullptr) << "a field taken out of the group";
    FOBJLIST elsewhere;
    elsewhere.AddTail(std::move(removed));
    EXPECT_EQ(first->GetRadioGroup(), nullptr) << "a field in another list is not in the group";
    group.reset();
    EXPECT_EQ(first->GetRadioGroup(), nullptr) << "the group is gone";
    EXPECT_TRUE(first->IsRadioButton()) << "the mark itself stays until cleared";

    auto plain = RadioGroup(10);
    plain->SetFieldsRadioGroup(nullptr);
    EXPECT_EQ(dynamic_cast<FFIELD*>(plain->GetMembers().GetHead())->GetRadioGroup(), nullptr);
}

} // namespace
