// The Style Manager through the dialog and message-box hooks: New, Edit,
// Copy and Delete, Cancel in the style sheet, a kind that is not built,
// names refused; the style sheet's sample drawn on a recording surface; and
// pictures of the manager and of the sheet with its sample.
#include "forms/dialogs/appearance/line_page.h"
#include "forms/dialogs/appearance/line_rules.h"
#include "forms/dialogs/styles/style_manager_dlg.h"
#include "forms/dialogs/styles/style_sample.h"
#include "forms/dialogs/styles/style_site.h"
#include "forms/dialogs/styles/stylesheet.h"
#include "forms/document/fdocument.h"
#include "forms/model/border.h"
#include "forms/model/fbox.h"
#include "forms/model/fellipse.h"
#include "forms/model/fobjlist.h"
#include "forms/model/object_factory.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/objects/form_objects.h"
#include "forms/objects/ftextobj.h"
#include "tests/dialogs/styles/dialog_script.h"
#include "tests/model/font_test_support.h"
#include "tests/platform/ui/dialog_input.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/recording_surface.h"
#include "platform/ui/dialog/notifications.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

// The design view's part: new objects of the kinds built here.
class FakeSite : public STYLE_SITE {
public:
    explicit FakeSite(FDOCUMENT& doc)
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
        if (type == kTypeEllipse) {
            auto ellipse = std::make_unique<FELLIPSE>();
            ellipse->Create(BASICSHADE(), BORDER(), SHADOW());
            return ellipse;
        }
        return nullptr;
    }
    void ApplyStyle(std::string_view entry) override { applied.emplace_back(entry); }
    void RedrawStyleUsers() override { ++redraws; }

    FDOCUMENT& doc;
    std::vector<std::string> applied;
    int redraws = 0;
};

class StyleManagerTest : public ProgramFontsTest {
protected:
    StyleManagerTest() { RegisterFormObjects(); }
    ~StyleManagerTest() override
    {
        for (uint8_t type : {kTypeBox, kTypeEllipse, kTypeLine, kTypeOrthLine, kTypeText})
            UnregisterObjectClass(type);
    }

    FORMOBJ* AddBoxStyle(const std::string& name, uint16_t width)
    {
        auto box = std::make_unique<FBOX>();
        BORDER border;
        border.width = width;
        box->Create(BASICSHADE(), border, SHADOW());
        box->ResetToDefaults();
        box->SetName(name);
        FORMOBJ* style = box.get();
        doc.AddStyleInNameOrder(std::move(box));
        return style;
    }

    FORMOBJ* AddUser(FORMOBJ* style)
    {
        auto box = std::make_unique<FBOX>();
        box->Create(BASICSHADE(), BORDER(), SHADOW());
        box->SetRect(720, 720, 1440, 1440);
        box->SetMaster(style);
        FORMOBJ* user = box.get();
        doc.GetObjects().SetObjectPage(std::move(box), 1);
        return user;
    }

    std::vector<std::string> Listed(ui::Dialog& manager)
    {
        std::vector<std::string> out;
        for (int i = 0; i < manager.GetCount(1233); ++i)
            out.push_back(manager.GetItemText(1233, i));
        return out;
    }

    static uint16_t Width(FORMOBJ* object)
    {
        BORDER border;
        return object && object->GetBorder(&border) ? border.width : 0;
    }

    static void SavePicture(QWidget* window, const std::string& name)
    {
        const std::filesystem::path dir(FORMS_TEST_OUTPUT_DIR);
        std::filesystem::create_directories(dir);
        EXPECT_TRUE(window->grab().toImage().save(QString::fromStdString((dir / name).string())));
    }

    // The style sheet's Border page gets a width of three points, then
    // "Finish" (or Cancel).
    static std::function<void(ui::Dialog&)> ThickBorder(bool finish, const std::string& picture = {})
    {
        return [finish, picture](ui::Dialog& dialog) {
            auto& sheet = dynamic_cast<STYLESHEET&>(dialog);
            EXPECT_EQ(sheet.GetDlgItemText(1), "Finish");
            LINEPAGE* page = sheet.GetBorderPage();
            ASSERT_NE(page, nullptr);
            ASSERT_TRUE(sheet.SetActivePage(0));
            auto* combo = page->Item<QComboBox>(kLineWidthCombo);
            combo->lineEdit()->clear();
            combo->setFocus();
            TypeText("3", combo->lineEdit());
            if (!picture.empty()) {
                QCoreApplication::processEvents();
                SavePicture(sheet.GetWindow(), picture);
            }
            SendClick(sheet.GetDlgItem(finish ? 1 : 2));
        };
    }

    FDOCUMENT doc;
    FakeSite site {doc};
};

TEST_F(StyleManagerTest, NewStyleIsListedSelectedAndAnEditReachesEveryUser)
{
    Script script;
    std::vector<std::string> listed;
    std::string selected;
    script.Then([&](ui::Dialog& manager) {
        SendClick(manager.GetDlgItem(1225));
        listed = Listed(manager);
        selected = manager.GetDlgItemText(1233);
        SavePicture(manager.GetWindow(), "style_manager.png");
        SendClick(manager.GetDlgItem(1234));
    });
    script.Then([](ui::Dialog& chooser) {
        EXPECT_FALSE(chooser.GetDlgItem(1228)->isEnabled()) << "no name and no kind yet";
        EXPECT_FALSE(chooser.GetDlgItem(1227)->isEnabled());
        chooser.GetDlgItem(1229)->setFocus();
        TypeText("red  ", chooser.GetDlgItem(1229));
        const int box = chooser.FindStringExact(1235, "BOX: ");
        ASSERT_GE(box, 0);
        chooser.SetCurSel(1235, box);
        chooser.SendCommand(1235, ui::LBN_SELCHANGE);
        EXPECT_TRUE(chooser.GetDlgItem(1228)->isEnabled());
        SendClick(chooser.GetDlgItem(1228));
    });
    script.Then(ThickBorder(true, "style_sheet.png"));
    STYLE_MANAGER_DLG manager(site);
    EXPECT_EQ(manager.DoModal(), 1);
    EXPECT_TRUE(script.messages.empty());
    EXPECT_EQ(listed, (std::vector<std::string> {"BOX: Red"}));
    EXPECT_EQ(selected, "BOX: Red");
    FORMOBJ* red = doc.FindObjectByName(kTypeBox, "Red");
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(Width(red), 60);
    EXPECT_TRUE(doc.GetUndoList().IsEmpty());

    // Edit: every user follows.
    FORMOBJ* first = AddUser(red);
    FORMOBJ* second = AddUser(red);
    Script edit;
    edit.Then([](ui::Dialog& m) {
        SendClick(m.GetDlgItem(1224));
        SendClick(m.GetDlgItem(1234));
    });
    edit.Then([](ui::Dialog& dialog) {
        auto& sheet = dynamic_cast<STYLESHEET&>(dialog);
        BORDER thin;
        thin.width = 10;
        sheet.ApplyBorder(thin);
        SendClick(sheet.GetDlgItem(1));
    });
    STYLE_MANAGER_DLG again(site);
    again.DoModal();
    EXPECT_EQ(Width(red), 10);
    EXPECT_EQ(Width(first), 10);
    EXPECT_EQ(Width(second), 10);
    EXPECT_EQ(first->GetMaster(), red);
    EXPECT_EQ(site.redraws, 1);
}

TEST_F(StyleManagerTest, CopyAddsASecondStyleAndDeleteAsksNothingAndLeavesUsersTheLook)
{
    FORMOBJ* red = AddBoxStyle("Red", 60);
    FORMOBJ* user = AddUser(red);
    Script script;
    std::vector<std::string> afterCopy, afterDelete;
    std::string selectedAfterCopy;
    bool editEnabled = true;
    script.Then([&](ui::Dialog& m) {
        EXPECT_EQ(m.GetDlgItemText(1233), "BOX: Red") << "the first entry starts selected";
        SendClick(m.GetDlgItem(1226));
        afterCopy = Listed(m);
        selectedAfterCopy = m.GetDlgItemText(1233);
        // Delete Blue, then Red.
        m.SendCommand(1232, ui::BN_CLICKED);
        m.SendCommand(1232, ui::BN_CLICKED);
        afterDelete = Listed(m);
        editEnabled = m.GetDlgItem(1224)->isEnabled();
        SendClick(m.GetDlgItem(1234));
    });
    script.Then([](ui::Dialog& namer) {
        EXPECT_EQ(namer.GetDlgItemText(1231), "BOX: Red");
        namer.SetDlgItemText(1230, "red");
        SendClick(namer.GetDlgItem(1));
        EXPECT_TRUE(namer.IsRunning()) << "the name is taken";
        namer.SetDlgItemText(1230, "blue");
        SendClick(namer.GetDlgItem(1));
    });
    script.Then([](ui::Dialog& sheet) { SendClick(sheet.GetDlgItem(1)); });
    STYLE_MANAGER_DLG manager(site);
    manager.DoModal();
    EXPECT_EQ(script.messages, (std::vector<std::string> {"This style already exists."}));
    EXPECT_EQ(afterCopy, (std::vector<std::string> {"BOX: Blue", "BOX: Red"}));
    EXPECT_EQ(selectedAfterCopy, "BOX: Blue");
    EXPECT_TRUE(afterDelete.empty());
    EXPECT_FALSE(editEnabled) << "nothing left to edit";
    EXPECT_EQ(site.applied, (std::vector<std::string> {"BOX: Blue", "BOX: Red"}));
    EXPECT_EQ(user->GetMaster(), nullptr);
    EXPECT_EQ(Width(user), 60) << "the user keeps the deleted style's look";
}

TEST_F(StyleManagerTest, CancelAddsNothingAndKindsOrNamesThatFailKeepTheStepOpen)
{
    AddBoxStyle("Red", 60);
    Script script;
    script.Then([](ui::Dialog& m) {
        SendClick(m.GetDlgItem(1225)); // New, cancelled in the sheet
        SendClick(m.GetDlgItem(1226)); // Copy, cancelled in the sheet
        SendClick(m.GetDlgItem(1225)); // New of a kind not built, then bad names
        SendClick(m.GetDlgItem(1234));
    });
    auto choose = [](ui::Dialog& chooser, const char* name, const char* kind) {
        chooser.SetDlgItemText(1229, name);
        chooser.SetCurSel(1235, chooser.FindStringExact(1235, kind));
        chooser.SendCommand(1235, ui::LBN_SELCHANGE);
        SendClick(chooser.GetDlgItem(1228));
    };
    script.Then([&](ui::Dialog& chooser) { choose(chooser, "Green", "BOX: "); });
    script.Then(ThickBorder(false));
    script.Then([](ui::Dialog& namer) {
        namer.SetDlgItemText(1230, "Green");
        SendClick(namer.GetDlgItem(1));
    });
    script.Then(ThickBorder(false));
    std::vector<std::string> kinds;
    script.Then([&](ui::Dialog& chooser) {
        for (int i = 0; i < chooser.GetCount(1235); ++i)
            kinds.push_back(chooser.GetItemText(1235, i));
        choose(chooser, "Go", "BUTTON: ");
        choose(chooser, "  go", "BOX: ");
        choose(chooser, "a-b", "BOX: ");
        choose(chooser, "RED", "BOX: ");
        EXPECT_TRUE(chooser.IsRunning());
        SendClick(chooser.GetDlgItem(2));
    });
    STYLE_MANAGER_DLG manager(site);
    manager.DoModal();
    EXPECT_EQ(doc.GetStyles().GetCount(), 1) << "Cancel after New or Copy adds nothing";
    EXPECT_EQ(kinds,
        (std::vector<std::string> {
            "BOX: ", "LINE: ", "TEXT: ", "FIELD: ", "DIAGONAL: ", "ELLIPSE: ", "TABLE: ", "BUTTON: "}));
    EXPECT_EQ(script.messages,
        (std::vector<std::string> {"Object not yet implemented", "First character must be a letter.",
            "The name you supply must start with a letter and may be composed of letters, numbers or underscores "
            "('_').",
            "This style already exists."}));
}

TEST_F(StyleManagerTest, SampleDrawsThePrototypeAtItsOwnPlaceAtOneHundredPercent)
{
    FORMOBJ* red = AddBoxStyle("Red", 60);
    gdi::RecordingSurface surface;
    gdi::DC dc(surface);
    DrawStyleSample(dc, {0, 0, 100, StyleSampleBottom(kTypeBox)}, red);
    std::vector<std::string> lines = surface.Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.front().rfind("PatBlt (0,0) (100,125)", 0), 0u) << lines.front();
    // The box at 190 to 1250 twips with its 60-twip border around that
    // line: 160 and 1280 twips at 96 dots to the inch, 10.7 and 85.3 pixels.
    EXPECT_EQ(lines[1].rfind("PatBlt (11,11) (85,85)", 0), 0u) << ::testing::PrintToString(lines);
    EXPECT_EQ(StyleSampleBottom(kTypeEllipse), 220);
    EXPECT_EQ(StyleSampleBottom(kTypeOrthLine), 220);
    EXPECT_EQ(StyleSampleBottom(kTypeLine), 220);
    EXPECT_EQ(StyleSampleBottom(kTypeText), 125);

    auto ellipse = site.NewStyleObject(kTypeEllipse);
    ellipse->ResetToDefaults();
    ellipse->SetName("Round");
    Script script;
    int sampleHeight = 0;
    script.Then([&](ui::Dialog& dialog) {
        auto& sheet = dynamic_cast<STYLESHEET&>(dialog);
        sampleHeight = sheet.GetSample().GetWidget()->height();
        SendClick(sheet.GetDlgItem(2));
    });
    std::unique_ptr<FORMOBJ> result;
    EXPECT_EQ(EditStyle(ellipse.get(), result, nullptr), 0);
    EXPECT_EQ(result, nullptr);
    EXPECT_EQ(sampleHeight, 200) << "an ellipse gets the tall sample";
}

} // namespace
