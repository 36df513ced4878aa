// What an object edited in place asks of the design view: its placement
// check, room to scroll past the page while the edit runs, the deletion of
// an emptied object alone, and the editor's repaint area.
#include "tests/app/support/designer_window.h"

#include "forms/model/formobj.h"
#include "forms/objects/fselection.h"

#include "platform/ui/message_box.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

class DesignerEditTest : public DesignerTest {
protected:
    DesignerEditTest()
    {
        text = Add(kTypeText, {1440, 1440, 4320, 2160});
        box = Add(kTypeBox, {1440, 3600, 2880, 5040});
        line = Add(kTypeLine, {1440, 6480, 5040, 7200});
    }
    ui::ScopedMessageBoxHook CountingQuestions()
    {
        return ui::ScopedMessageBoxHook([this](const ui::MessageBoxRequest&) {
            ++questions;
            return ui::IDOK;
        });
    }

    FORMOBJ* text;
    FORMOBJ* box;
    FORMOBJ* line;
    int questions = 0;
};

TEST_F(DesignerEditTest, AnObjectDeletedAloneIsNotAskedAboutNorKeptForUndo)
{
    auto hook = CountingQuestions();
    // A deletion before: its undo record must survive the one below.
    line->Select(&view);
    view.DeleteSelection(true);
    ASSERT_TRUE(Enabled(ID_EDIT_UNDO));

    text->Select(&view);
    box->Select(&view);
    view.DeleteObjectAlone(text);
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(Objects(), std::vector<FORMOBJ*> {box});
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {box});
    EXPECT_EQ(view.GetSelection()->GetCount(), 1);
    EXPECT_TRUE(doc->IsModified());

    // Undo Deletion brings back the earlier deletion only.
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_UNDO));
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {box, line}));
}

TEST_F(DesignerEditTest, AnObjectOutsideTheFormIsLeftAlone)
{
    auto stray = doc->GetObjects().CreateObject(kTypeBox);
    view.DeleteObjectAlone(stray.get());
    view.DeleteObjectAlone(nullptr);
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {text, box, line}));
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DesignerEditTest, PlacementNeedsTheObjectsConsentAndTheMargins)
{
    RECT margins;
    ASSERT_TRUE(view.GetMarginRect(margins));
    struct Case {
        const char* name;
        FORMOBJ* object;
        RECT rect;
        int valid;
    };
    const Case cases[] = {
        {"inside the margins", text, {margins.left + 10, margins.top + 10, margins.left + 2000, margins.top + 900}, 1},
        {"a kind that does not consent", box, {margins.left + 10, margins.top + 10, margins.left + 2000, 2000}, 0},
        {"past the right margin", text, {margins.right - 100, margins.top + 10, margins.right + 100, 2000}, 0},
        {"above the top margin", text, {margins.left + 10, margins.top - 20, margins.left + 900, 2000}, 0},
        {"no object", nullptr, {margins.left + 10, margins.top + 10, margins.left + 900, 2000}, 0},
        {"32768 twips", text, {margins.left + 10, margins.top + 10, 32768, 2000}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(view.IsValidObjectPlacement(c.object, c.rect), c.valid) << c.name;
}

TEST_F(DesignerEditTest, AutoScrollWidensTheRoomAroundThePageUntilStopped)
{
    const PagePlacement home = view.GetPlacement();
    const int32_t pageW = view.GetPageWidth();
    const int32_t pageH = view.GetPageHeight();
    // 15 twips to the pixel at 100 %.
    const int32_t leftLimit = -home.left * 15;
    const int32_t rightLimit = pageW + home.right * 15;

    EXPECT_EQ(view.AutoScrollToRect(leftLimit + 15, 0, rightLimit - 15, pageH, text), 0) << "within the limits";
    EXPECT_EQ(view.GetPlacement().left, home.left);

    // 3000 twips (200 pixels) past the left limit: the page is put 200
    // pixels plus its own free space plus the usual border from the edge.
    EXPECT_EQ(view.AutoScrollToRect(leftLimit - 3000, 100, 1000, 900, text), 1);
    EXPECT_EQ(view.GetPlacement().left, 200 + home.left + 96 / 12);
    EXPECT_EQ(view.GetPlacement().right, 96 / 12) << "the other sides need no room";

    // A side reached exactly gets nothing but still answers 1.
    EXPECT_EQ(view.AutoScrollToRect(0, 100, rightLimit, 900, text), 1);
    EXPECT_EQ(view.GetPlacement().left, home.left);

    EXPECT_EQ(view.AutoScrollToRect(leftLimit - 3000, 100, 1000, 900, text), 1);
    view.StopAutoScroll();
    EXPECT_EQ(view.GetPlacement().left, home.left);
    EXPECT_EQ(view.GetPlacement().right, home.right);
}

TEST_F(DesignerEditTest, TheEditorsRepaintAreaIsKeptInClientCoordinates)
{
    QWidget* window = view.GetWindow();
    const QPoint corner = window->mapToGlobal(QPoint(30, 40));
    view.SetEditRepaintRect({corner.x(), corner.y(), corner.x() + 100, corner.y() + 20});
    EXPECT_EQ(view.GetEditRepaintRect(), (RECT {30, 40, 130, 60}));
}

} // namespace
