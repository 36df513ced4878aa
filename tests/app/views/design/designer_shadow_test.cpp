// Format > Shadow in the design view, driven through the dialog hook: OK
// keeps what the dialog applied to the selection and leaves an earlier
// deletion undoable, Cancel takes everything back, and with nothing
// selected the dialog sets the shadow that new objects take.
#include "tests/app/support/designer_window.h"
#include "tests/platform/ui/dialog_input.h"

#include "forms/app/frames/frame_resources.h"
#include "forms/dialogs/appearance/shadowdlg.h"
#include "forms/edit/undo_list.h"
#include "forms/model/shadow.h"
#include "forms/objects/fselection.h"

#include "platform/res/missing_handler.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/message_box.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kBlue = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;

SHADOW Shadow(uint32_t colour, int16_t x, int16_t y)
{
    SHADOW s;
    s.colour = colour;
    s.x = x;
    s.y = y;
    return s;
}

SHADOW ShadowOf(FORMOBJ* object)
{
    SHADOW s;
    EXPECT_TRUE(object->GetShadow(&s));
    return s;
}

::testing::AssertionResult Same(const SHADOW& got, const SHADOW& expected)
{
    if (got.IsEqual(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "shadow " << std::hex << got.colour << std::dec << " (" << got.x << ", "
                                         << got.y << "), expected " << std::hex << expected.colour << std::dec << " ("
                                         << expected.x << ", " << expected.y << ")";
}

class DesignerShadowTest : public DesignerTest {
protected:
    DesignerShadowTest()
    {
        box = Add(kTypeBox, {1440, 1440, 2880, 2880});
        ellipse = Add(kTypeEllipse, {3600, 1440, 5040, 2880});
        line = Add(kTypeLine, {1440, 3600, 5040, 5040});
    }

    // Runs Format > Shadow; the hook drives the dialog.
    void FormatShadow(const std::function<void(SHADOWDLG&)>& drive)
    {
        res::ScopedMissingHandler missing(res::ThrowMissing);
        ui::ScopedDialogHook hook([&](ui::Dialog& running) {
            ASSERT_EQ(running.GetId(), kShadowDialogId);
            drive(static_cast<SHADOWDLG&>(running));
        });
        ASSERT_TRUE(Enabled(ID_FORMAT_SHADOW));
        ASSERT_TRUE(view.ExecuteCommand(ID_FORMAT_SHADOW));
    }

    FORMOBJ* box;
    FORMOBJ* ellipse;
    FORMOBJ* line;
};

TEST(DesignerShadowMenu, TheFormatMenuOffersShadow)
{
    const std::vector<ui::MenuItem> menu = LoadMenu(7);
    const ui::MenuItem* format = nullptr;
    for (const ui::MenuItem& item : menu)
        if (item.kind == ui::MenuItem::Kind::Popup && item.text == "F&ormat")
            format = &item;
    ASSERT_NE(format, nullptr);
    const ui::MenuItem* shadow = nullptr;
    for (const ui::MenuItem& item : format->items)
        if (item.id == ID_FORMAT_SHADOW)
            shadow = &item;
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(shadow->text, "S&hadow...");
}

TEST_F(DesignerShadowTest, OkKeepsTheShadowAppliedToTheSelectionAndAnEarlierDeletionStillUndoes)
{
    line->Select(&view);
    {
        ui::ScopedMessageBoxHook ask([](const ui::MessageBoxRequest&) { return ui::IDOK; });
        view.DeleteSelection(true);
    }
    ASSERT_TRUE(Enabled(ID_EDIT_UNDO));
    doc->SetModified(false);
    box->Select(&view);
    ellipse->Select(&view);

    FormatShadow([&](SHADOWDLG& d) {
        EXPECT_EQ(d.GetCorner(), 0);
        SendClick(d.GetDlgItem(1069));
        SendClick(d.GetDlgItem(1036));
        // Applied at once, while the dialog is open.
        EXPECT_TRUE(Same(ShadowOf(box), Shadow(kRed, 90, 90)));
        EXPECT_TRUE(Same(ShadowOf(ellipse), Shadow(kRed, 90, 90)));
        SendClick(d.GetDlgItem(1));
    });
    EXPECT_TRUE(Same(ShadowOf(box), Shadow(kRed, 90, 90)));
    EXPECT_TRUE(Same(ShadowOf(ellipse), Shadow(kRed, 90, 90)));
    EXPECT_TRUE(doc->IsModified());

    ASSERT_TRUE(Enabled(ID_EDIT_UNDO));
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_UNDO));
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {box, ellipse, line}));
    EXPECT_TRUE(Same(ShadowOf(box), Shadow(kRed, 90, 90)));
    EXPECT_TRUE(doc->GetUndoList().IsEmpty());
}

TEST_F(DesignerShadowTest, CancelTakesBackEverythingTheDialogApplied)
{
    box->SetShadow(Shadow(kGreen, -90, 90));
    box->Select(&view);
    ellipse->Select(&view);
    FormatShadow([&](SHADOWDLG& d) {
        // The topmost selected object with a shadow gives the dialog's.
        EXPECT_TRUE(Same(d.GetShadow(), Shadow(0, 0, 0)));
        SendClick(d.GetDlgItem(1067));
        SendClick(d.GetDlgItem(1039));
        EXPECT_TRUE(Same(ShadowOf(box), Shadow(kBlue, -90, -90)));
        SendKey(Qt::Key_Escape, {}, d.GetWindow());
    });
    EXPECT_TRUE(Same(ShadowOf(box), Shadow(kGreen, -90, 90)));
    EXPECT_TRUE(Same(ShadowOf(ellipse), Shadow(0, 0, 0)));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(doc->GetUndoList().IsEmpty());
    EXPECT_TRUE(Same(view.Format().NewObjectShadow(), Shadow(0, 0, 0)));
}

TEST_F(DesignerShadowTest, OkWithoutAChangeLeavesTheFormUnmodified)
{
    box->SetShadow(Shadow(kGreen, 90, 90));
    box->Select(&view);
    FormatShadow([&](SHADOWDLG& d) {
        EXPECT_EQ(d.GetCorner(), 4);
        SendClick(d.GetDlgItem(1069));
        SendClick(d.GetDlgItem(1));
    });
    EXPECT_TRUE(Same(ShadowOf(box), Shadow(kGreen, 90, 90)));
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DesignerShadowTest, WithNothingSelectedTheDialogSetsTheShadowOfNewObjects)
{
    FormatShadow([&](SHADOWDLG& d) {
        SendClick(d.GetDlgItem(1068));
        SendClick(d.GetDlgItem(1037));
        SendClick(d.GetDlgItem(2));
    });
    EXPECT_TRUE(Same(view.Format().NewObjectShadow(), Shadow(0, 0, 0)));

    FormatShadow([&](SHADOWDLG& d) {
        SendClick(d.GetDlgItem(1068));
        SendClick(d.GetDlgItem(1037));
        SendClick(d.GetDlgItem(1));
    });
    EXPECT_TRUE(Same(view.Format().NewObjectShadow(), Shadow(kGreen, -90, 90)));
    EXPECT_TRUE(Same(ShadowOf(box), Shadow(0, 0, 0)));
    EXPECT_FALSE(doc->IsModified());
    const std::unique_ptr<FORMOBJ> made = view.NewObjectOfType(kTypeBox);
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(Same(ShadowOf(made.get()), Shadow(kGreen, -90, 90)));

    // Only lines selected: they have no shadow, so the dialog edits that of
    // new objects, starting from it.
    line->Select(&view);
    FormatShadow([&](SHADOWDLG& d) {
        EXPECT_EQ(d.GetCorner(), 3);
        SendClick(d.GetDlgItem(1296));
        SendClick(d.GetDlgItem(1));
    });
    EXPECT_TRUE(Same(view.Format().NewObjectShadow(), Shadow(kGreen, 90, -90)));
    EXPECT_TRUE(doc->GetUndoList().IsEmpty());
}

} // namespace
