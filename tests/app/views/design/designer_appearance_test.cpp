// The appearance sheet and the Format commands in the design view, driven
// through the dialog and pop-up hooks: a double click opens the sheet and
// what it applies is kept on OK and taken back byte for byte on Cancel;
// Edit > Appearance and Text Spacing keep the form's state sound; Line
// Format and Shade work on the selection or on new objects; the alignment
// pop-up centres a text; the menus offer the commands.
#include "tests/app/support/designer_window.h"
#include "tests/app/support/object_bytes.h"
#include "tests/platform/ui/dialog_input.h"

#include "forms/app/frames/frame_resources.h"
#include "forms/dialogs/appearance/line_format_dlg.h"
#include "forms/dialogs/appearance/line_page.h"
#include "forms/dialogs/appearance/line_rules.h"
#include "forms/dialogs/appearance/line_spacing_dlg.h"
#include "forms/dialogs/appearance/objappdlg.h"
#include "forms/dialogs/appearance/shade_format_dlg.h"
#include "forms/dialogs/appearance/shade_page.h"
#include "forms/dialogs/appearance/shadow_page.h"
#include "forms/edit/undo_list.h"
#include "forms/model/record_archive.h"
#include "forms/objects/fselection.h"

#include "platform/io/archive.h"
#include "platform/io/memory_file.h"
#include "platform/res/missing_handler.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/dialog/popup_menu.h"
#include "platform/ui/message_box.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

namespace {

constexpr uint32_t kRed = 0x0000FF;

// An object without any appearance attribute.
class BareObject : public FORMOBJ {
public:
    int Init() override { return 1; }
    uint8_t GetType() const override { return kTypePicture; }
    void Draw(VIEWDC&) override {}
};

class DesignerAppearanceTest : public DesignerTest {
protected:
    DesignerAppearanceTest()
    {
        box = Add(kTypeBox, {1440, 1440, 2880, 2880});
        ellipse = Add(kTypeEllipse, {3600, 1440, 5040, 2880});
        line = Add(kTypeLine, {1440, 3600, 5040, 5040});
    }

    // Deletes the line so that the undo list holds a deletion.
    void DeleteLine()
    {
        line->Select(&view);
        ui::ScopedMessageBoxHook ask([](const ui::MessageBoxRequest&) { return ui::IDOK; });
        view.DeleteSelection(true);
        ASSERT_TRUE(Enabled(ID_EDIT_UNDO));
        doc->SetModified(false);
    }

    // Runs what starts a dialog; the hook drives it.
    void WithDialog(const std::function<void()>& start, const std::function<void(ui::Dialog&)>& drive)
    {
        res::ScopedMissingHandler missing(res::ThrowMissing);
        bool ran = false;
        ui::ScopedDialogHook hook([&](ui::Dialog& running) {
            ran = true;
            drive(running);
        });
        start();
        EXPECT_TRUE(ran);
    }

    // The double click on the box, the sheet set to a double 3-point red
    // border, pattern 7 and a shadow to the bottom right, closed with the
    // button given.
    void EditBoxInSheet(int closeWith)
    {
        WithDialog([&] { DoubleClick(At(2000, 2000)); },
            [&](ui::Dialog& running) {
                auto& sheet = static_cast<OBJAPPDLG&>(running);
                ASSERT_EQ(sheet.GetPageCount(), 3);
                LINEPAGE& border = *sheet.GetBorderPage();
                border.SetCurSel(kLineWidthCombo, 3);
                border.SendCommand(kLineWidthCombo, ui::CBN_SELCHANGE);
                SendClick(border.GetDlgItem(kLineDoubleRadio));
                SendClick(border.GetDlgItem(1036));
                sheet.SetActivePage(1);
                SendClick(sheet.GetShadePage()->GetDlgItem(1002 + 7));
                sheet.SetActivePage(2);
                SendClick(sheet.GetShadowPage()->GetDlgItem(1069));
                // Applied while the sheet is open.
                BORDER now;
                box->GetBorder(&now);
                EXPECT_EQ(now.lineType, kLineDouble);
                SendClick(sheet.GetDlgItem(closeWith));
            });
    }

    FORMOBJ* box;
    FORMOBJ* ellipse;
    FORMOBJ* line;
};

TEST(DesignerAppearanceMenus, FormatAndEditOfferTheCommands)
{
    const std::vector<ui::MenuItem> menu = LoadMenu(7);
    const ui::MenuItem* format = nullptr;
    const ui::MenuItem* edit = nullptr;
    for (const ui::MenuItem& item : menu)
        if (item.kind == ui::MenuItem::Kind::Popup) {
            if (item.text == "F&ormat")
                format = &item;
            if (item.text == "&Edit")
                edit = &item;
        }
    ASSERT_NE(format, nullptr);
    ASSERT_NE(edit, nullptr);
    std::vector<std::pair<unsigned, std::string>> items;
    for (const ui::MenuItem& item : format->items)
        items.emplace_back(item.id, item.text);
    const std::vector<std::pair<unsigned, std::string>> expected {{32892, "&Font..."}, {32785, "&Line..."},
        {32783, "&Shade..."}, {32838, "S&hadow..."}, {32905, "Text S&pacing"}, {0, "&Align  Text"}};
    EXPECT_EQ(items, expected);
    const ui::MenuItem& align = format->items.back();
    ASSERT_EQ(align.items.size(), 4u);
    EXPECT_EQ(align.items[1].id, 177u);
    EXPECT_EQ(align.items[1].text, "&Centred");
    bool appearance = false;
    for (const ui::MenuItem& item : edit->items)
        appearance |= item.id == ID_EDIT_APPEARANCE && item.text == "&Appearance...";
    EXPECT_TRUE(appearance);
}

TEST_F(DesignerAppearanceTest, ADoubleClickedBoxKeepsWhatTheSheetAppliedOnOk)
{
    DeleteLine();
    EditBoxInSheet(1);
    const std::vector<uint8_t> bytes = Written(box);
    // The border (group 3), fill (group 2) and shadow (group 5) groups.
    const std::string hex = Hex(bytes);
    // Style 1, 60 twips, double, red; rounded flag 1, no rounding.
    EXPECT_NE(hex.find("03 81 09 00 01 3C 00 02 00 FF 00 00 00 82 04 00 01 00 00 00 FF"), std::string::npos) << hex;
    // Black on white, pattern 7, filled.
    EXPECT_NE(hex.find("02 82 0C 00 00 00 00 00 FF FF FF 00 07 00 00 00 FF"), std::string::npos) << hex;
    // Black, 90 twips right and down.
    EXPECT_NE(hex.find("05 81 08 00 00 00 00 00 5A 00 5A 00 FF"), std::string::npos) << hex;
    EXPECT_TRUE(doc->IsModified());
    // A picture of the changed box at 100 %, deselected.
    EXPECT_EQ(view.GetZoom(), 100);
    box->Deselect(&view);
    view.UpdateWindow();
    const std::filesystem::path dir(FORMS_TEST_OUTPUT_DIR);
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(host.grab().toImage().save(QString::fromStdString((dir / "appearance_box.png").string())));
    // The sheet's snapshot is gone; the deletion still undoes.
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_UNDO));
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {box, ellipse, line}));
}

TEST_F(DesignerAppearanceTest, CancelLeavesTheSavedBoxByteIdentical)
{
    DeleteLine();
    const std::vector<uint8_t> before = Written(box);
    EditBoxInSheet(2);
    EXPECT_EQ(Written(box), before);
    EXPECT_FALSE(doc->IsModified());
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_UNDO));
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {box, ellipse, line}));
}

TEST_F(DesignerAppearanceTest, EditAppearanceMarksTheFormModifiedWhenKept)
{
    box->Select(&view);
    ASSERT_TRUE(Enabled(ID_EDIT_APPEARANCE));
    WithDialog([&] { view.ExecuteCommand(ID_EDIT_APPEARANCE); },
        [&](ui::Dialog& running) {
            auto& sheet = static_cast<OBJAPPDLG&>(running);
            SendClick(sheet.GetBorderPage()->GetDlgItem(1036));
            SendClick(sheet.GetDlgItem(1));
        });
    EXPECT_TRUE(doc->IsModified());
    BORDER now;
    box->GetBorder(&now);
    EXPECT_EQ(now.colour, kRed);
}

TEST_F(DesignerAppearanceTest, AnObjectWithoutPagesOpensNoSheetAndChangesNothing)
{
    auto bare = std::make_unique<BareObject>();
    bare->SetRect(1440, 7200, 2880, 8640);
    FORMOBJ* object = bare.get();
    doc->GetObjects().SetObjectPage(std::move(bare), 1);
    DeleteLine();
    object->Select(&view);
    ASSERT_TRUE(Enabled(ID_EDIT_APPEARANCE));
    ui::ScopedDialogHook hook([](ui::Dialog&) { ADD_FAILURE() << "a sheet opened"; });
    EXPECT_NO_THROW(view.ExecuteCommand(ID_EDIT_APPEARANCE));
    EXPECT_FALSE(doc->IsModified());
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_UNDO));
    EXPECT_EQ(Objects().size(), 4u);
}

TEST_F(DesignerAppearanceTest, LineFormatOnThreeObjectsCancelRestoresAll)
{
    box->SetBorder(BORDER(1, 20, kLineSingle, 0x00FF00, 0, 0));
    ellipse->SetBorder(BORDER(2, 40, kLineSingle, 0xFF0000, 0, 0));
    line->SetBorder(BORDER(1, 60, kLineSingle, 0, 0, 0));
    for (FORMOBJ* o : {box, ellipse, line})
        o->Select(&view);
    // Drawn once, so that the line has worked out its end points.
    view.UpdateWindow();
    const std::vector<std::vector<uint8_t>> before {Written(box), Written(ellipse), Written(line)};
    WithDialog([&] { view.ExecuteCommand(ID_FORMAT_LINE); },
        [&](ui::Dialog& running) {
            ASSERT_EQ(running.GetId(), 197u);
            auto& dialog = static_cast<LINE_FORMAT_DLG&>(running);
            SendClick(dialog.GetDlgItem(1036));
            dialog.SetCurSel(kLineWidthCombo, 5);
            dialog.SendCommand(kLineWidthCombo, ui::CBN_SELCHANGE);
            BORDER now;
            ellipse->GetBorder(&now);
            EXPECT_EQ(now.colour, kRed);
            EXPECT_EQ(now.width, 200);
            SendKey(Qt::Key_Escape, {}, dialog.GetWindow());
        });
    const std::vector<std::vector<uint8_t>> after {Written(box), Written(ellipse), Written(line)};
    for (size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(Hex(after[i]), Hex(before[i])) << i;
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DesignerAppearanceTest, ShadeWithNothingSelectedSetsTheFillOfNewBoxes)
{
    view.SetTool(kTypeBox);
    WithDialog([&] { view.ExecuteCommand(ID_FORMAT_SHADE); },
        [&](ui::Dialog& running) {
            ASSERT_EQ(running.GetId(), 154u);
            SendClick(running.GetDlgItem(1036));
            SendClick(running.GetDlgItem(1002 + 7));
            SendClick(running.GetDlgItem(1));
        });
    EXPECT_EQ(view.Format().NewObjectShade().colour1, kRed);
    EXPECT_EQ(view.Format().NewObjectShade().pattern, 7);
    const std::unique_ptr<FORMOBJ> fresh = view.NewObjectOfType(kTypeBox);
    ASSERT_NE(fresh, nullptr);
    BASICSHADE shade;
    ASSERT_TRUE(fresh->GetShade(&shade));
    EXPECT_EQ(shade.colour1, kRed);
    EXPECT_EQ(shade.pattern, 7);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DesignerAppearanceTest, FontCancelledOverShapesLeavesTheFontOfNewObjects)
{
    // Boxes have no text: the dialog edits the font new objects take, live,
    // and Cancel takes that back too.
    box->Select(&view);
    const TEXTATTR before = view.Format().NewObjectFont();
    WithDialog([&] { view.ExecuteCommand(ID_FORMAT_FONT); },
        [&](ui::Dialog& running) {
            ASSERT_EQ(running.GetId(), 2216u);
            SendClick(running.GetDlgItem(1414));
            EXPECT_EQ(view.Format().NewObjectFont().bold, 1);
            SendKey(Qt::Key_Escape, {}, running.GetWindow());
        });
    EXPECT_TRUE(view.Format().NewObjectFont().IsEqual(before));
    EXPECT_TRUE(view.GetTextAttr().IsEqual(before));
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DesignerAppearanceTest, TheAlignmentPopupCentresAText)
{
    FORMOBJ* text = Add(kTypeText, {1440, 6000, 5040, 6500});
    text->Select(&view);
    ui::ScopedPopupMenuHook popup([](const ui::PopupRequest& request) {
        EXPECT_EQ(request.items.size(), 4u);
        return 177u;
    });
    ASSERT_TRUE(view.ExecuteCommand(ID_TEXT_ALIGNMENT));
    uint8_t alignment = 0;
    ASSERT_TRUE(text->GetAlignment(&alignment));
    EXPECT_EQ(alignment, 3);
    EXPECT_EQ(view.Format().GetBarAlignment(), 3);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(DesignerAppearanceTest, TextSpacingLeavesNoSnapshotBehind)
{
    FORMOBJ* text = Add(kTypeText, {1440, 6000, 5040, 6500});
    DeleteLine();
    text->Select(&view);
    ASSERT_TRUE(Enabled(ID_FORMAT_TEXT_SPACING));
    WithDialog([&] { view.ExecuteCommand(ID_FORMAT_TEXT_SPACING); },
        [&](ui::Dialog& running) {
            ASSERT_EQ(running.GetId(), 2120u);
            SendClick(running.GetDlgItem(1342));
            SendClick(running.GetDlgItem(1));
        });
    uint16_t spacing = 0;
    ASSERT_TRUE(text->GetAttribute(4, reinterpret_cast<uintptr_t>(&spacing)));
    EXPECT_EQ(spacing, 240);
    EXPECT_TRUE(doc->IsModified());
    // The deletion is still the last thing Undo takes back.
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_UNDO));
    EXPECT_EQ(Objects().size(), 4u);
}

} // namespace
