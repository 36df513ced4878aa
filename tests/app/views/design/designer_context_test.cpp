// The design view's right-button menus: a right click off the selection
// selects what is under it, the popup follows what is selected, commands of
// later parts are shown disabled, and the command chosen runs.
#include "tests/app/support/designer_window.h"
#include "tests/app/support/fake_view_host.h"

#include "forms/app/frames/frame_resources.h"
#include "forms/model/fbox.h"
#include "forms/model/formobj.h"
#include "forms/objects/fgroup.h"
#include "forms/objects/fselection.h"

#include "platform/ui/dialog/dialog.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/popup_menu.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// A box answering another object's type: a table (0x0F) or a push button
// (0x0D), kinds whose own classes come later.
class TypedBox : public FBOX {
public:
    explicit TypedBox(uint8_t type)
        : type(type)
    {}
    uint8_t GetType() const override { return type; }
    uint8_t type;
};

class DesignerContextTest : public DesignerTest {
protected:
    DesignerContextTest()
    {
        // The shortcut menus come from the program's resources.
        view.SetViewHost(&viewHost);
        box = Add(kTypeBox, {1440, 1440, 2880, 2880});
        field = Add(kTypeField, {3600, 1440, 5040, 2160});
        table = AddTyped(kTypeTable, {1440, 3600, 2880, 5040});
        button = AddTyped(kTypeButton, {3600, 3600, 5040, 5040});
        ellipse = Add(kTypeEllipse, {6480, 1440, 7920, 2880});
    }
    ~DesignerContextTest() override { view.SetViewHost(nullptr); }
    FORMOBJ* AddTyped(uint8_t type, RECT r)
    {
        auto object = std::make_unique<TypedBox>(type);
        object->Init();
        object->SetRect(r.left, r.top, r.right, r.bottom);
        FORMOBJ* added = object.get();
        doc->GetObjects().SetObjectPage(std::move(object), 1);
        return added;
    }
    POINT CentreOf(FORMOBJ* object)
    {
        const RECT r = RectOf(object);
        return At((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }

    FORMOBJ* box;
    FORMOBJ* field;
    FORMOBJ* table;
    FORMOBJ* button;
    FORMOBJ* ellipse;
    FakeViewHost viewHost;
};

TEST_F(DesignerContextTest, ThePopupFollowsWhatTheRightClickSelects)
{
    struct Case {
        const char* what;
        FORMOBJ* object; // null: an empty place on the page
        int popup;
        std::vector<unsigned> enabled;
        std::vector<unsigned> disabled;
    };
    const Case cases[] = {
        {"nothing", nullptr, 0, {ID_EDIT_SELECT_PAGE}, {ID_DRAW_GROUP}},
        {"a box", box, 4, {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_CLEAR, ID_EDIT_APPEARANCE}, {ID_DRAW_UNGROUP}},
        {"a field", field, 2, {ID_EDIT_CLEAR, 32825}, {}},
        {"a table", table, 3, {ID_EDIT_CUT}, {32852, 32827, 32828}},
        {"a button", button, 6, {ID_EDIT_COPY}, {32909}},
    };
    for (const Case& c : cases) {
        const POINT at = c.object ? CentreOf(c.object) : At(9000, 9000);
        RightClick(at);
        ASSERT_TRUE(shown.has_value()) << c.what;
        EXPECT_EQ(view.GetContextMenu().ContextPopupIndex(), c.popup) << c.what;
        EXPECT_EQ(Selected(), c.object ? std::vector<FORMOBJ*> {c.object} : std::vector<FORMOBJ*> {}) << c.what;
        for (unsigned id : c.enabled)
            EXPECT_EQ(EnabledInMenu(id), std::optional<bool>(true)) << c.what << " " << id;
        for (unsigned id : c.disabled)
            EXPECT_NE(EnabledInMenu(id), std::optional<bool>(true)) << c.what << " " << id;
    }
    // Front and back by where the object stands on the page: the ellipse
    // is topmost.
    RightClick(CentreOf(ellipse));
    EXPECT_EQ(EnabledInMenu(ID_DRAW_BRING_TO_FRONT), std::optional<bool>(false));
    EXPECT_EQ(EnabledInMenu(ID_DRAW_SEND_TO_BACK), std::optional<bool>(true));
}

TEST_F(DesignerContextTest, GroupsAndSeveralObjectsHaveTheirOwnPopups)
{
    // A right click inside a selection of two keeps both.
    box->Select(&view);
    ellipse->Select(&view);
    RightClick(CentreOf(box));
    EXPECT_EQ(Selected().size(), 2u);
    EXPECT_EQ(view.GetContextMenu().ContextPopupIndex(), 5);
    EXPECT_EQ(EnabledInMenu(ID_DRAW_GROUP), std::optional<bool>(true));
    EXPECT_TRUE(EnabledInMenu(ID_DRAW_GROUP_RADIO).has_value());
    EXPECT_EQ(EnabledInMenu(ID_DRAW_ALIGN), std::optional<bool>(true));

    // Grouped from the popup itself, then the group's popup.
    RightClick(CentreOf(box), ID_DRAW_GROUP);
    auto* group = dynamic_cast<FGROUP*>(view.GetSelection()->GetFirstSelected());
    ASSERT_NE(group, nullptr);
    view.GetSelection()->Deselect(&view);
    RightClick(CentreOf(box));
    EXPECT_EQ(view.GetContextMenu().ContextPopupIndex(), 1);
    EXPECT_EQ(EnabledInMenu(ID_DRAW_UNGROUP), std::optional<bool>(true));
    EXPECT_EQ(EnabledInMenu(ID_SELECT_GROUP_MEMBER), std::optional<bool>(true));
    // Select Group Member takes the member under the right click.
    RightClick(CentreOf(box), ID_SELECT_GROUP_MEMBER);
    EXPECT_EQ(view.GetSelection()->GetOwningGroup(), group);
}

TEST_F(DesignerContextTest, TheChosenCommandRunsAndADisabledOneDoesNothing)
{
    // Data Properties runs on the field: its sheet opens (and is cancelled).
    bool sheetShown = false;
    {
        ui::ScopedDialogHook hook([&](ui::Dialog& sheet) {
            sheetShown = true;
            sheet.EndDialog(2);
        });
        RightClick(CentreOf(field), 32825);
    }
    EXPECT_TRUE(sheetShown);
    EXPECT_EQ(Objects().size(), 5u);
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {field});
    RightClick(CentreOf(box), ID_EDIT_CLEAR);
    const std::vector<FORMOBJ*> left = Objects();
    EXPECT_EQ(std::find(left.begin(), left.end(), box), left.end()) << "Clear deleted the box";
    EXPECT_EQ(left.size(), 4u);
}

TEST(DesignerMenus, TheDrawMenuHoldsTheArrangeCommands)
{
    const std::vector<ui::MenuItem> menu = LoadMenu(7);
    const auto draw = std::find_if(menu.begin(), menu.end(), [](const ui::MenuItem& m) { return m.text == "&Draw"; });
    ASSERT_NE(draw, menu.end());
    for (unsigned id : {ID_DRAW_GROUP, ID_DRAW_UNGROUP, ID_DRAW_BRING_TO_FRONT, ID_DRAW_SEND_TO_BACK})
        EXPECT_TRUE(std::any_of(draw->items.begin(), draw->items.end(), [id](const ui::MenuItem& m) {
            return m.id == id;
        })) << id;
}

} // namespace
