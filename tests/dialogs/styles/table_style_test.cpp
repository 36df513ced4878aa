// A table style in the style sheet: the part buttons below the sample
// choose what the Text, Shade and Align pages edit and show; the pages of
// the whole table's attributes lock them; switching parts changes nothing.
// Driven through the Style Manager and the dialog hooks, with a picture of
// the sheet and its part buttons.
#include "forms/dialogs/appearance/align_rules.h"
#include "forms/dialogs/appearance/font_rules.h"
#include "forms/dialogs/styles/style_manager_dlg.h"
#include "forms/dialogs/styles/style_site.h"
#include "forms/dialogs/styles/stylesheet.h"
#include "forms/document/fdocument.h"
#include "forms/model/fbox.h"
#include "forms/model/object_factory.h"
#include "forms/model/shade.h"
#include "forms/model/textattr.h"
#include "forms/objects/fcell.h"
#include "forms/objects/fheader.h"
#include "forms/objects/form_objects.h"
#include "forms/objects/ftable.h"
#include "forms/objects/table_format.h"
#include "tests/dialogs/styles/dialog_script.h"
#include "tests/model/font_test_support.h"
#include "tests/platform/ui/dialog_input.h"

#include "platform/ui/dialog/notifications.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kBlue = 0xFF0000;

BASICSHADE Shade(uint32_t colour, int pattern)
{
    BASICSHADE shade;
    shade.SetColour1(colour);
    shade.SetPattern(pattern);
    return shade;
}

// The design view's part: tables with red headers over plain cells.
class TableSite : public STYLE_SITE {
public:
    explicit TableSite(FDOCUMENT& doc)
        : doc(doc)
    {}
    FDOCUMENT* GetStyleDocument() override { return &doc; }
    std::unique_ptr<FORMOBJ> NewStyleObject(uint8_t type) override
    {
        if (type == kTypeBox) {
            auto box = std::make_unique<FBOX>();
            box->Create(BASICSHADE(), BORDER(), SHADOW());
            return box;
        }
        if (type != kTypeTable)
            return nullptr;
        auto table = std::make_unique<FTABLE>();
        return table->CreateFromFormat(format) ? std::move(table) : nullptr;
    }
    void ApplyStyle(std::string_view) override {}
    void RedrawStyleUsers() override {}

    FDOCUMENT& doc;
    TABLE_FORMAT format = [] {
        TABLE_FORMAT f;
        f.headerShade = Shade(kRed, 3);
        return f;
    }();
};

class TableStyleTest : public ProgramFontsTest {
protected:
    TableStyleTest() { RegisterFormObjects(); }
    ~TableStyleTest() override
    {
        for (uint8_t type : {kTypeBox, kTypeTable, kTypeText})
            UnregisterObjectClass(type);
    }

    // New, named and typed in the chooser, then the sheet's step.
    void RunNewStyle(const std::string& kind, std::function<void(STYLESHEET&)> edit)
    {
        script.Then([](ui::Dialog& manager) {
            SendClick(manager.GetDlgItem(1225));
            SendClick(manager.GetDlgItem(1234));
        });
        script.Then([kind](ui::Dialog& chooser) {
            chooser.SetDlgItemText(1229, "Grid");
            chooser.SetCurSel(1235, chooser.FindStringExact(1235, kind));
            chooser.SendCommand(1235, ui::LBN_SELCHANGE);
            SendClick(chooser.GetDlgItem(1228));
        });
        script.Then([edit](ui::Dialog& dialog) {
            auto& sheet = dynamic_cast<STYLESHEET&>(dialog);
            edit(sheet);
            if (sheet.IsRunning())
                SendClick(sheet.GetDlgItem(1));
        });
        STYLE_MANAGER_DLG manager(site);
        manager.DoModal();
        EXPECT_TRUE(script.messages.empty()) << ::testing::PrintToString(script.messages);
    }

    static int PageIndex(STYLESHEET& sheet, ui::PropertyPage* page)
    {
        for (int i = 0; i < sheet.GetPageCount(); ++i)
            if (sheet.GetPage(i) == page)
                return i;
        ADD_FAILURE() << "no such page";
        return -1;
    }

    static void ClickPart(STYLESHEET& sheet, int id)
    {
        QAbstractButton* button = sheet.GetTablePartButton(id);
        ASSERT_NE(button, nullptr) << id;
        SendClick(button);
    }

    static void SavePicture(QWidget* window, const std::string& name)
    {
        const std::filesystem::path dir(FORMS_TEST_OUTPUT_DIR);
        std::filesystem::create_directories(dir);
        EXPECT_TRUE(window->grab().toImage().save(QString::fromStdString((dir / name).string())));
    }

    FDOCUMENT doc;
    TableSite site {doc};
    Script script;
};

TEST_F(TableStyleTest, PartButtonsChooseWhatTheTextAndShadePagesShowAndEdit)
{
    std::vector<std::string> captions;
    std::vector<int> tops;
    RunNewStyle("TABLE: ", [&](STYLESHEET& sheet) {
        auto& table = dynamic_cast<FTABLE&>(*sheet.GetPrototype());
        // Column headers blue, row headers keep the format's red.
        for (int i = 0; i < table.GetColumnCount(); ++i)
            table.GetColumnHeader(i)->SetShade(Shade(kBlue, 5));
        sheet.RedrawSample();

        for (int id : {kTopHeadingButton, kSideHeadingButton, kCellsButton}) {
            QAbstractButton* button = sheet.GetTablePartButton(id);
            ASSERT_NE(button, nullptr);
            captions.push_back(button->text().toStdString());
            tops.push_back(button->geometry().top());
        }
        EXPECT_TRUE(sheet.GetTablePartButton(kCellsButton)->isChecked());
        EXPECT_EQ(sheet.GetTablePart(), kTablePartCells);

        ASSERT_TRUE(sheet.SetActivePage(PageIndex(sheet, sheet.GetShadePage())));
        ClickPart(sheet, kSideHeadingButton);
        EXPECT_TRUE(sheet.GetShadePage()->GetShade().IsEqual(Shade(kRed, 3))) << "the row headers' shade";
        EXPECT_EQ(sheet.GetShadePage()->GetMarks().pattern, 3);
        QCoreApplication::processEvents();
        SavePicture(sheet.GetWindow(), "style_sheet_table.png");
        ClickPart(sheet, kTopHeadingButton);
        EXPECT_TRUE(sheet.GetShadePage()->GetShade().IsEqual(Shade(kBlue, 5))) << "the column headers' shade";
        ClickPart(sheet, kCellsButton);
        EXPECT_TRUE(sheet.GetShadePage()->GetShade().IsEqual(BASICSHADE())) << "the cells' shade";

        // Bold on the Text page for the top headings only.
        ASSERT_TRUE(sheet.SetActivePage(PageIndex(sheet, sheet.GetTextPage())));
        ClickPart(sheet, kTopHeadingButton);
        EXPECT_EQ(sheet.GetTablePart(), kTablePartTopHeadings);
        EXPECT_FALSE(sheet.GetTablePartButton(kCellsButton)->isChecked());
        SendClick(sheet.GetTextPage()->GetDlgItem(kBoldButton));
    });

    EXPECT_EQ(captions, (std::vector<std::string> {"Top Heading", "Side Heading", "Cells"}));
    ASSERT_EQ(tops.size(), 3u);
    EXPECT_EQ(tops[0], 125 + 8) << "below the sample";
    EXPECT_EQ(tops[1], tops[0] + 23);
    EXPECT_EQ(tops[2], tops[1] + 23);

    auto* style = dynamic_cast<FTABLE*>(doc.FindObjectByName(kTypeTable, "Grid"));
    ASSERT_NE(style, nullptr);
    TEXTATTR font;
    for (int i = 0; i < style->GetColumnCount(); ++i) {
        ASSERT_TRUE(style->GetColumnHeader(i)->GetFont(&font));
        EXPECT_EQ(font.bold, 1) << "column header " << i;
        EXPECT_EQ(font.size, 240) << "the change carries bold alone";
    }
    for (int j = 0; j < style->GetRowCount(); ++j) {
        ASSERT_TRUE(style->GetRowHeader(j)->GetFont(&font));
        EXPECT_EQ(font.bold, 0) << "row header " << j;
        for (int i = 0; i < style->GetColumnCount(); ++i) {
            ASSERT_TRUE(style->GetCell(i, j)->GetFont(&font));
            EXPECT_EQ(font.bold, 0) << "cell " << i << "," << j;
        }
    }
    BASICSHADE shade;
    ASSERT_TRUE(style->GetRowHeader(0)->GetShade(&shade));
    EXPECT_TRUE(shade.IsEqual(Shade(kRed, 3))) << "looking at a part changes nothing";
}

TEST_F(TableStyleTest, PagesOfTheWholeTableLockThePartButtons)
{
    std::vector<std::string> shown;
    RunNewStyle("TABLE: ", [&](STYLESHEET& sheet) {
        EXPECT_TRUE(sheet.GetTablePartButton(kCellsButton)->isEnabled()) << "the first page is the Text page";
        // Forward through every page, then back to the first.
        std::vector<int> order;
        for (int i = 1; i < sheet.GetPageCount(); ++i)
            order.push_back(i);
        order.push_back(0);
        for (int index : order) {
            ASSERT_TRUE(sheet.SetActivePage(index));
            const bool enabled = sheet.GetTablePartButton(kCellsButton)->isEnabled();
            for (int id : {kSideHeadingButton, kTopHeadingButton})
                EXPECT_EQ(sheet.GetTablePartButton(id)->isEnabled(), enabled) << id;
            shown.push_back(sheet.GetPage(index)->GetCaption() + (enabled ? " on" : " off"));
        }
    });
    EXPECT_EQ(shown, (std::vector<std::string> {"Border off", "Shade on", "Shadow off", "Align on", "Text on"}));
}

TEST_F(TableStyleTest, SwitchingPartsShowsEachPartsAlignmentAndWritesNothing)
{
    std::vector<int> checked;
    RunNewStyle("TABLE: ", [&](STYLESHEET& sheet) {
        FORMOBJ& prototype = *sheet.GetPrototype();
        auto saved
            = [&prototype] { return Written([&prototype](RECORDARCHIVE& ar) { prototype.Save(ar, kTypeTable); }); };
        // Every page made first, so that each is filled again on a switch.
        for (int i = 0; i < sheet.GetPageCount(); ++i)
            ASSERT_TRUE(sheet.SetActivePage(i));
        const Bytes before = saved();
        auto* align = sheet.GetAlignPage();
        ASSERT_NE(align, nullptr);
        ASSERT_TRUE(sheet.SetActivePage(PageIndex(sheet, align)));
        for (int id : {kSideHeadingButton, kCellsButton, kTopHeadingButton}) {
            ClickPart(sheet, id);
            for (const AlignChoice& choice : kAlignChoices)
                if (align->IsDlgButtonChecked(choice.control))
                    checked.push_back(choice.control);
        }
        for (int page : {PageIndex(sheet, sheet.GetTextPage()), PageIndex(sheet, sheet.GetShadePage())}) {
            ASSERT_TRUE(sheet.SetActivePage(page));
            for (int id : {kSideHeadingButton, kTopHeadingButton, kCellsButton})
                ClickPart(sheet, id);
        }
        EXPECT_EQ(saved(), before);
        SendClick(sheet.GetDlgItem(2));
    });
    // Headers centred, cells left.
    EXPECT_EQ(checked, (std::vector<int> {1241, 1240, 1241}));
    EXPECT_EQ(doc.GetStyles().GetCount(), 0);
}

TEST_F(TableStyleTest, APartTheTableLacksLeavesThePagesAsTheyAre)
{
    site.format.rowHeaders = 0;
    RunNewStyle("TABLE: ", [&](STYLESHEET& sheet) {
        ASSERT_TRUE(sheet.SetActivePage(PageIndex(sheet, sheet.GetAlignPage())));
        ClickPart(sheet, kSideHeadingButton);
        EXPECT_TRUE(sheet.GetAlignPage()->IsDlgButtonChecked(1240)) << "still the cells' left alignment";
        ASSERT_TRUE(sheet.SetActivePage(PageIndex(sheet, sheet.GetShadePage())));
        EXPECT_TRUE(sheet.GetShadePage()->GetShade().IsEqual(BASICSHADE()));
        ClickPart(sheet, kTopHeadingButton);
        EXPECT_TRUE(sheet.GetShadePage()->GetShade().IsEqual(Shade(kRed, 3)));
        EXPECT_TRUE(sheet.GetAlignPage()->IsDlgButtonChecked(1241));
    });
}

TEST_F(TableStyleTest, OtherKindsHaveNoPartButtons)
{
    bool hasButtons = true;
    RunNewStyle("BOX: ", [&](STYLESHEET& sheet) {
        hasButtons = sheet.GetTablePartButton(kCellsButton) != nullptr;
        sheet.SelectTablePart(kSideHeadingButton);
        EXPECT_EQ(sheet.GetTablePart(), kTablePartCells);
    });
    EXPECT_FALSE(hasButtons);
    EXPECT_NE(doc.FindObjectByName(kTypeBox, "Grid"), nullptr);
}

} // namespace
