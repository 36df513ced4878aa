// Grouping in the design view: Group and UnGroup keep the page's order,
// nested groups stay whole, a member is selected, moved to the front of its
// group and deleted and brought back (a group of two dissolving and coming
// back), radio groups are made of check boxes, Bring To Front looks at
// the page only, and a double click on a group shows the properties of the
// member under it.
#include "tests/app/support/designer_window.h"

#include "forms/fields/datatypes/check_datatype.h"
#include "forms/model/formobj.h"
#include "forms/objects/ffield.h"
#include "forms/objects/fgroup.h"
#include "forms/objects/fselection.h"

#include "tests/platform/ui/dialog_input.h"

#include "platform/res/missing_handler.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/message_box.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<FORMOBJ*> MembersOf(FGROUP* group)
{
    std::vector<FORMOBJ*> all;
    for (FORMOBJ* o = group->GetMembers().GetHead(); o; o = o->GetNext())
        all.push_back(o);
    return all;
}

class DesignerGroupsTest : public DesignerTest {
protected:
    DesignerGroupsTest()
    {
        a = Add(kTypeBox, {1440, 1440, 2880, 2880});
        b = Add(kTypeEllipse, {3600, 1440, 5040, 2880});
        c = Add(kTypeBox, {1440, 3600, 2880, 5040});
        d = Add(kTypeEllipse, {3600, 3600, 5040, 5040});
    }
    void SelectOnly(const std::vector<FORMOBJ*>& objects)
    {
        view.GetSelection()->Deselect(&view);
        for (FORMOBJ* o : objects)
            o->Select(&view);
    }
    // Groups the objects through the command; the new group.
    FGROUP* GroupOf(const std::vector<FORMOBJ*>& objects)
    {
        SelectOnly(objects);
        EXPECT_TRUE(view.ExecuteCommand(ID_DRAW_GROUP));
        auto* group = dynamic_cast<FGROUP*>(view.GetSelection()->GetFirstSelected());
        EXPECT_NE(group, nullptr);
        return group;
    }
    // Clicks the centre of an object, which sets the view's press point.
    void ClickOn(FORMOBJ* object)
    {
        const RECT r = RectOf(object);
        Click(At((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    }

    FORMOBJ* a;
    FORMOBJ* b;
    FORMOBJ* c;
    FORMOBJ* d;
};

TEST_F(DesignerGroupsTest, GroupThenUngroupKeepsTheOrderOfThePage)
{
    EXPECT_FALSE(Enabled(ID_DRAW_GROUP));
    SelectOnly({b, d});
    EXPECT_TRUE(Enabled(ID_DRAW_GROUP));
    EXPECT_FALSE(Enabled(ID_DRAW_UNGROUP));
    ASSERT_TRUE(view.ExecuteCommand(ID_DRAW_GROUP));
    auto* group = dynamic_cast<FGROUP*>(Objects().back());
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {a, c, group}));
    EXPECT_EQ(MembersOf(group), (std::vector<FORMOBJ*> {b, d}));
    EXPECT_EQ(group->GetOwnerList(), &doc->GetObjects());
    EXPECT_EQ(view.GetSelection()->GetCount(), 1);
    EXPECT_EQ(view.GetSelection()->GetFirstSelected(), group);
    EXPECT_EQ(RectOf(group), (RECT {3600, 1440, 5040, 5040}));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(Enabled(ID_DRAW_UNGROUP));

    ASSERT_TRUE(view.ExecuteCommand(ID_DRAW_UNGROUP));
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {a, c, b, d}));
    EXPECT_EQ(Selected(), (std::vector<FORMOBJ*> {b, d}));
    EXPECT_EQ(view.GetSelection()->GetCount(), 2);
    EXPECT_EQ(RectOf(b), (RECT {3600, 1440, 5040, 2880}));
}

TEST_F(DesignerGroupsTest, UngroupingTheOuterGroupKeepsTheInnerWhole)
{
    FGROUP* inner = GroupOf({b, d});
    FGROUP* outer = GroupOf({a, inner});
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {c, outer}));
    EXPECT_EQ(MembersOf(outer), (std::vector<FORMOBJ*> {a, inner}));
    EXPECT_EQ(inner->GetOwnerList(), &outer->GetMembers());
    EXPECT_TRUE(outer->ContainsObject(d));

    ASSERT_TRUE(view.ExecuteCommand(ID_DRAW_UNGROUP));
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {c, a, inner}));
    EXPECT_EQ(MembersOf(inner), (std::vector<FORMOBJ*> {b, d}));
    EXPECT_EQ(inner->GetOwnerList(), &doc->GetObjects());

    // Several selected: every selected group lets go of its members.
    SelectOnly({c, inner});
    EXPECT_TRUE(Enabled(ID_DRAW_UNGROUP));
    ASSERT_TRUE(view.ExecuteCommand(ID_DRAW_UNGROUP));
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {c, a, b, d}));
}

TEST_F(DesignerGroupsTest, AMemberIsSelectedAndMovedToTheFrontOfItsGroup)
{
    FGROUP* group = GroupOf({a, b, c});
    ClickOn(b);
    EXPECT_EQ(view.GetSelection()->GetFirstSelected(), group);
    ASSERT_TRUE(Enabled(ID_SELECT_GROUP_MEMBER));
    ASSERT_TRUE(view.ExecuteCommand(ID_SELECT_GROUP_MEMBER));
    EXPECT_EQ(view.GetSelection()->GetCount(), 1);
    EXPECT_EQ(view.GetSelection()->GetFirstSelected(), b);
    EXPECT_EQ(view.GetSelection()->GetOwningGroup(), group);
    EXPECT_FALSE(group->FORMOBJ::IsSelected(nullptr));
    EXPECT_FALSE(Enabled(ID_SELECT_GROUP_MEMBER)) << "a member is no group";
    EXPECT_FALSE(Enabled(ID_DRAW_UNGROUP));

    ASSERT_TRUE(Enabled(ID_DRAW_BRING_TO_FRONT));
    ASSERT_TRUE(view.ExecuteCommand(ID_DRAW_BRING_TO_FRONT));
    EXPECT_EQ(MembersOf(group), (std::vector<FORMOBJ*> {a, c, b}));
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {d, group})) << "the page's order stays";
    EXPECT_FALSE(Enabled(ID_DRAW_BRING_TO_FRONT));
    ASSERT_TRUE(view.ExecuteCommand(ID_DRAW_SEND_TO_BACK));
    EXPECT_EQ(MembersOf(group), (std::vector<FORMOBJ*> {b, a, c}));
    EXPECT_FALSE(Enabled(ID_DRAW_SEND_TO_BACK));
}

TEST_F(DesignerGroupsTest, ADoubleClickOnAGroupShowsThePropertiesOfTheMemberUnderIt)
{
    FGROUP* group = GroupOf({a, b});
    const RECT r = RectOf(b);
    const POINT on = At((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Click(on);
    ASSERT_EQ(view.GetSelection()->GetFirstSelected(), group);
    FORMOBJ* shown = nullptr;
    {
        res::ScopedMissingHandler missing(res::ThrowMissing);
        ui::ScopedDialogHook hook([&](ui::Dialog& running) {
            shown = view.GetSelection()->GetFirstSelected();
            running.EndDialog(2);
        });
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(on.x, on.y), QPointF(on.x, on.y), Qt::LeftButton,
            Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&host, &dbl);
    }
    EXPECT_EQ(shown, b);
    EXPECT_EQ(view.GetSelection()->GetOwningGroup(), group);
    EXPECT_FALSE(group->FORMOBJ::IsSelected(nullptr));
}

TEST_F(DesignerGroupsTest, BringToFrontLooksAtThePageOnly)
{
    doc->AppendPage();
    std::unique_ptr<FORMOBJ> next = doc->GetObjects().CreateObject(kTypeBox);
    next->SetRect(1440, 1440, 2880, 2880);
    doc->GetObjects().SetObjectPage(std::move(next), 2);
    const struct {
        FORMOBJ* object;
        bool front, back;
    } cases[] = {{a, true, false}, {b, true, true}, {d, false, true}};
    for (const auto& c : cases) {
        SelectOnly({c.object});
        EXPECT_EQ(Enabled(ID_DRAW_BRING_TO_FRONT), c.front);
        EXPECT_EQ(Enabled(ID_DRAW_SEND_TO_BACK), c.back);
    }
    SelectOnly({a, b});
    EXPECT_FALSE(Enabled(ID_DRAW_BRING_TO_FRONT));
}

TEST_F(DesignerGroupsTest, DeletingAMemberAndUndoingIt)
{
    ui::ScopedMessageBoxHook noQuestions([](const ui::MessageBoxRequest& request) -> int {
        ADD_FAILURE() << request.text;
        return ui::IDCANCEL;
    });
    const struct {
        const char* name;
        std::vector<FORMOBJ*> grouped;
        FORMOBJ* deleted;
        std::vector<FORMOBJ*> membersAfter; // empty: the group dissolved
        FORMOBJ* remaining;
    } cases[] = {
        {"first of three", {a, b, c}, a, {b, c}, nullptr},
        {"middle of three", {a, b, c}, b, {a, c}, nullptr},
        {"last of three", {a, b, c}, c, {a, b}, nullptr},
        {"first of two", {b, d}, b, {}, d},
        {"second of two", {b, d}, d, {}, b},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.name);
        FGROUP* group = GroupOf(t.grouped);
        const std::vector<FORMOBJ*> page = Objects();
        ClickOn(t.deleted);
        ASSERT_TRUE(view.ExecuteCommand(ID_SELECT_GROUP_MEMBER));
        ASSERT_EQ(view.GetSelection()->GetFirstSelected(), t.deleted);
        ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_CLEAR));
        EXPECT_EQ(view.GetSelection()->GetCount(), 0);
        if (t.remaining) {
            // The other member stands where the group stood.
            std::vector<FORMOBJ*> expected = page;
            expected.back() = t.remaining;
            EXPECT_EQ(Objects(), expected);
            EXPECT_FALSE(t.remaining->IsSelected(nullptr));
            EXPECT_EQ(t.remaining->GetMemberSelected(), 0u);
        } else {
            EXPECT_EQ(Objects(), page);
            EXPECT_EQ(MembersOf(group), t.membersAfter);
        }
        ASSERT_TRUE(Enabled(ID_EDIT_UNDO));

        ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_UNDO));
        EXPECT_EQ(Objects(), page);
        EXPECT_EQ(MembersOf(group), t.grouped);
        EXPECT_EQ(view.GetSelection()->GetCount(), 1);
        EXPECT_EQ(view.GetSelection()->GetFirstSelected(), t.deleted);
        EXPECT_EQ(view.GetSelection()->GetOwningGroup(), group);
        EXPECT_FALSE(Enabled(ID_EDIT_UNDO));

        // Back to four loose objects for the next case.
        SelectOnly({group});
        ASSERT_TRUE(view.ExecuteCommand(ID_DRAW_UNGROUP));
        SelectOnly({a, b, c, d});
        view.GetSelection()->Deselect(&view);
        std::vector<FORMOBJ*> sorted;
        for (FORMOBJ* o : {a, b, c, d}) {
            std::unique_ptr<FORMOBJ> taken = doc->GetObjects().Remove(o);
            sorted.push_back(taken.release());
        }
        for (FORMOBJ* o : sorted)
            doc->GetObjects().SetObjectPage(std::unique_ptr<FORMOBJ>(o), 1);
    }
}

TEST_F(DesignerGroupsTest, ADeletedMemberIsFreedWithItsUndoRecord)
{
    // The sanitizer build catches a member freed twice or never.
    FGROUP* group = GroupOf({a, b, c});
    ClickOn(b);
    ASSERT_TRUE(view.ExecuteCommand(ID_SELECT_GROUP_MEMBER));
    view.DeleteSelection(false);
    doc->GetUndoList().Clear();
    EXPECT_EQ(MembersOf(group), (std::vector<FORMOBJ*> {a, c}));
    // A pair holding a group dissolves; the group takes its place.
    FGROUP* pair = GroupOf({group, d});
    ClickOn(d);
    ASSERT_TRUE(view.ExecuteCommand(ID_SELECT_GROUP_MEMBER));
    view.DeleteSelection(false);
    EXPECT_EQ(Objects(), std::vector<FORMOBJ*> {group});
    EXPECT_EQ(group->GetOwnerList(), &doc->GetObjects());
    (void)pair;
}

TEST_F(DesignerGroupsTest, AlignLeftAndTopOnTheFirstSelectedObject)
{
    SelectOnly({d, a});
    ASSERT_TRUE(Enabled(ID_DRAW_ALIGN));
    uint8_t opened = 0;
    {
        ui::ScopedDialogHook hook([&opened](ui::Dialog& running) {
            opened = running.IsDlgButtonChecked(1209) ? 7 : 6;
            SendClick(running.GetDlgItem(1202));
            SendClick(running.GetDlgItem(1206));
            running.SendCommand(1, ui::BN_CLICKED);
        });
        ASSERT_TRUE(view.ExecuteCommand(ID_DRAW_ALIGN));
    }
    EXPECT_EQ(opened, 7) << "each other, for two objects";
    EXPECT_EQ(RectOf(d), (RECT {1440, 1440, 2880, 2880}));
    EXPECT_EQ(RectOf(a), (RECT {1440, 1440, 2880, 2880}));
    EXPECT_EQ(RectOf(b), (RECT {3600, 1440, 5040, 2880}));
    EXPECT_TRUE(doc->IsModified());
}

class DesignerRadioTest : public DesignerTest {
protected:
    static CHECK_DATATYPE& Box(FFIELD* field) { return *dynamic_cast<CHECK_DATATYPE*>(field->GetDataType()); }
};

TEST_F(DesignerRadioTest, GroupRadioButtonsMakesTheCheckBoxesOneRadioGroup)
{
    FFIELD* boxes[3] = {DrawCheckBox(1440), DrawCheckBox(2160), DrawCheckBox(2880)};
    FORMOBJ* plain = Add(kTypeBox, {4320, 1440, 5760, 2880});
    view.GetSelection()->Deselect(&view);
    boxes[0]->Select(&view);
    plain->Select(&view);
    EXPECT_FALSE(Enabled(ID_DRAW_GROUP_RADIO)) << "one check box";
    boxes[1]->Select(&view);
    boxes[2]->Select(&view);
    ASSERT_TRUE(Enabled(ID_DRAW_GROUP_RADIO));
    ASSERT_TRUE(view.ExecuteCommand(ID_DRAW_GROUP_RADIO));
    auto* group = dynamic_cast<FGROUP*>(view.GetSelection()->GetFirstSelected());
    ASSERT_NE(group, nullptr);
    for (FFIELD* box : boxes)
        EXPECT_EQ(box->GetRadioGroup(), &group->GetMembers());
    EXPECT_FALSE(Enabled(ID_DRAW_GROUP_RADIO)) << "already radio buttons";

    // Checking one clears the others.
    Box(boxes[0]).nChecked = 1;
    Box(boxes[2]).nChecked = 0;
    boxes[2]->ToggleCheck(&view);
    EXPECT_EQ(Box(boxes[2]).nChecked, 1u);
    EXPECT_EQ(Box(boxes[0]).nChecked, 0u);

    // Deleting one of two radio buttons dissolves the group; Undo gives the
    // remaining one its mark back.
    ASSERT_TRUE(view.ExecuteCommand(ID_DRAW_UNGROUP));
    EXPECT_EQ(boxes[1]->GetRadioGroup(), nullptr) << "ungrouping clears the marks";
    view.GetSelection()->Deselect(&view);
    boxes[0]->Select(&view);
    boxes[1]->Select(&view);
    ASSERT_TRUE(view.ExecuteCommand(ID_DRAW_GROUP_RADIO));
    auto* pair = dynamic_cast<FGROUP*>(view.GetSelection()->GetFirstSelected());
    ASSERT_NE(pair, nullptr);
    Box(boxes[1]).nChecked = 0;
    const RECT r = RectOf(boxes[0]);
    Click(At((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    ASSERT_TRUE(view.ExecuteCommand(ID_SELECT_GROUP_MEMBER));
    ASSERT_EQ(view.GetSelection()->GetFirstSelected(), boxes[0]);
    view.DeleteSelection(false);
    EXPECT_EQ(boxes[1]->GetRadioGroup(), nullptr);
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_UNDO));
    EXPECT_EQ(MembersOf(pair), (std::vector<FORMOBJ*> {boxes[0], boxes[1]}));
    EXPECT_EQ(boxes[1]->GetRadioGroup(), &pair->GetMembers());
    EXPECT_EQ(Box(boxes[1]).nChecked, 0u) << "its value is left alone";
}

} // namespace
