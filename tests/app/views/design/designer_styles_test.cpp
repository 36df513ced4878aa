// Styles in the design view: the style box with a tool (the tool's styles
// and "[None]"; a new object follows the chosen style) and with a
// selection (its kinds' styles and "[Detach]"; applied, then detached), the
// current attributes a style gives, a format change with nothing selected,
// and a deleted current style; a picture of the open box.
#include "tests/app/support/designer_window.h"

#include "forms/app/frames/style_combo.h"
#include "forms/app/views/design/design_styles.h"
#include "forms/document/fdocument.h"
#include "forms/model/border.h"
#include "forms/model/formobj.h"
#include "forms/objects/fselection.h"

#include "platform/ui/dialog/notifications.h"

#include <QAbstractItemView>
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

class DesignerStylesTest : public DesignerTest {
protected:
    DesignerStylesTest()
    {
        view.Styles().SetStyleBoxForTest(&box);
        red = AddStyle(kTypeBox, "Red", 60);
        body = AddStyle(kTypeText, "Body", 0);
    }
    ~DesignerStylesTest() override { view.Styles().SetStyleBoxForTest(nullptr); }

    FORMOBJ* AddStyle(uint8_t type, const std::string& name, uint16_t width)
    {
        std::unique_ptr<FORMOBJ> style = doc->GetObjects().CreateObject(type);
        style->ResetToDefaults();
        style->SetName(name);
        if (width) {
            BORDER border;
            border.width = width;
            style->SetBorder(border);
        }
        FORMOBJ* added = style.get();
        EXPECT_EQ(doc->AddStyleInNameOrder(std::move(style)), 1);
        return added;
    }

    // The box drops down, the entry is chosen and the box loses the focus.
    std::vector<std::string> Choose(const std::string& entry)
    {
        view.Styles().OnStyleBoxNotify(box, ui::CBN_DROPDOWN);
        const std::vector<std::string> entries = box.GetEntries();
        if (!entry.empty()) {
            EXPECT_TRUE(box.SelectEntry(entry)) << entry;
        }
        view.Styles().OnStyleBoxNotify(box, ui::CBN_KILLFOCUS);
        return entries;
    }

    static uint16_t Width(FORMOBJ* object)
    {
        BORDER border;
        return object->GetBorder(&border) ? border.width : 0;
    }

    STYLECOMBO box;
    FORMOBJ* red = nullptr;
    FORMOBJ* body = nullptr;
};

TEST_F(DesignerStylesTest, TheBoxToolOffersItsStylesAndANewBoxFollowsTheChosenOne)
{
    view.SetTool(kTypeBox);
    EXPECT_EQ(Choose("BOX: Red"), (std::vector<std::string> {"BOX: Red", "[None]"}));
    EXPECT_EQ(doc->GetStyleKinds().GetCurrentName(kTypeBox), "Red");
    EXPECT_EQ(box.GetSelectedEntry(), "BOX: Red") << "the box shows the tool's style";
    BORDER current;
    EXPECT_EQ(view.Format().GetCurrentBorder(&current), 0);
    EXPECT_EQ(current.width, 60) << "new objects' border is the style's";

    Drag({At(1440, 1440), At(2200, 2000), At(2880, 2880)});
    ASSERT_EQ(Objects().size(), 1u);
    FORMOBJ* drawn = Objects()[0];
    EXPECT_EQ(drawn->GetMaster(), red);
    EXPECT_EQ(Width(drawn), 60);

    Choose("[None]");
    EXPECT_EQ(doc->GetStyleKinds().GetCurrentName(kTypeBox), "");
    Drag({At(1440, 4320), At(2200, 5000), At(2880, 5760)});
    ASSERT_EQ(Objects().size(), 2u);
    EXPECT_EQ(Objects()[1]->GetMaster(), nullptr);

    view.SetTool(kCheckBoxTool);
    EXPECT_EQ(Choose(""), (std::vector<std::string> {"[None]"})) << "field styles are type 0x14";

    view.SetTool(kTypeBox);
    view.Styles().OnStyleBoxNotify(box, ui::CBN_DROPDOWN);
    box.showPopup();
    const std::filesystem::path dir(FORMS_TEST_OUTPUT_DIR);
    std::filesystem::create_directories(dir);
    box.view()->window()->grab().toImage().save(QString::fromStdString((dir / "style_box_open.png").string()));
    box.hidePopup();
}

TEST_F(DesignerStylesTest, ClosingTheListHandsTheChoiceOverOnceTheClickedEntryIsSelected)
{
    view.SetTool(kTypeBox);
    STYLECOMBO::SetOwnerLookup([this] { return static_cast<STYLE_BOX_OWNER*>(&view.Styles()); });
    box.showPopup();
    EXPECT_EQ(box.GetEntries(), (std::vector<std::string> {"BOX: Red", "[None]"})) << "the drop-down fills the box";
    // The toolkit closes the list first and selects the entry clicked after.
    box.hidePopup();
    box.setCurrentIndex(0);
    QCoreApplication::processEvents();
    STYLECOMBO::SetOwnerLookup(nullptr);
    EXPECT_EQ(doc->GetStyleKinds().GetCurrentName(kTypeBox), "Red");
}

TEST_F(DesignerStylesTest, ASelectionTakesAStyleOfEachKindAndDetachKeepsTheLook)
{
    FORMOBJ* shape = Add(kTypeBox, {1440, 1440, 2880, 2880});
    FORMOBJ* words = Add(kTypeText, {1440, 3600, 4320, 3960});
    view.SetTool(kSelectionTool);
    Drag({At(1000, 1000), At(3000, 3000), At(5000, 4500)});
    ASSERT_EQ(Selected().size(), 2u);
    EXPECT_EQ(Choose("BOX: Red"), (std::vector<std::string> {"BOX: Red", "TEXT: Body", "[Detach]"}));
    EXPECT_EQ(shape->GetMaster(), red);
    EXPECT_EQ(words->GetMaster(), nullptr) << "a box style reaches boxes only";
    EXPECT_TRUE(doc->IsModified());

    Choose("TEXT: Body");
    EXPECT_EQ(words->GetMaster(), body);
    EXPECT_EQ(shape->GetMaster(), red);

    Choose("[Detach]");
    EXPECT_EQ(shape->GetMaster(), nullptr);
    EXPECT_EQ(words->GetMaster(), nullptr);
    EXPECT_EQ(Width(shape), 60) << "a detached object keeps the style's look";
}

TEST_F(DesignerStylesTest, AFormatChangeWithNothingSelectedKeepsTheStylesLookAndDropsTheStyle)
{
    view.SetTool(kTypeBox);
    Choose("BOX: Red");
    view.Format().SetTextAlignment(1);
    EXPECT_EQ(doc->GetStyleKinds().GetCurrentName(kTypeBox), "");
    BORDER current;
    EXPECT_EQ(view.Format().GetCurrentBorder(&current), 0);
    EXPECT_EQ(current.width, 60) << "the style's border stays for new objects";
    Drag({At(1440, 1440), At(2200, 2000), At(2880, 2880)});
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_EQ(Objects()[0]->GetMaster(), nullptr);
    EXPECT_EQ(Width(Objects()[0]), 60);
}

TEST_F(DesignerStylesTest, DeletingTheCurrentStyleEmptiesItsKindsNameAndTheUndoList)
{
    view.SetTool(kTypeBox);
    Choose("BOX: Red");
    doc->DeleteStyle(red);
    view.Styles().ApplyStyle("BOX: Red");
    EXPECT_EQ(doc->GetStyleKinds().GetCurrentName(kTypeBox), "");
    EXPECT_EQ(box.GetSelectedEntry(), "");
    view.Styles().ApplyStyle(":");
    view.Styles().ApplyStyle("BOX:");
    BORDER current;
    EXPECT_EQ(view.Format().GetCurrentBorder(&current), 0);
    for (const char* entry : {"BOX: Gone", ":", ":x", "BOX:"}) {
        view.Styles().OnStyleBoxNotify(box, ui::CBN_DROPDOWN);
        box.setCurrentIndex(box.AddEntry(entry));
        view.Styles().OnStyleBoxNotify(box, ui::CBN_KILLFOCUS);
        EXPECT_EQ(doc->GetStyleKinds().GetCurrentName(kTypeBox), "") << entry << " names no style and does nothing";
    }
    Add(kTypeBox, {1440, 1440, 2880, 2880});
    view.SetTool(kSelectionTool);
    Drag({At(1000, 1000), At(2000, 2000), At(3000, 3000)});
    for (const char* entry : {"BOX: Gone", ":", ":x", "BOX:"}) {
        view.Styles().OnStyleBoxNotify(box, ui::CBN_DROPDOWN);
        box.setCurrentIndex(box.AddEntry(entry));
        view.Styles().OnStyleBoxNotify(box, ui::CBN_KILLFOCUS);
        EXPECT_EQ(Objects()[0]->GetMaster(), nullptr) << entry;
    }
}

} // namespace
