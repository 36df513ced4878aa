// The selection's commands: align, bring to front and send to back, delete
// with its question and undo step, and undo deletion.
#include "tests/model/selection_view.h"

#include "platform/ui/message_box.h"

#include <gtest/gtest.h>

namespace {

class SelectionCommandsTest
    : public ::testing::Test
    , public SelectionFixture {
protected:
    void SetUp() override
    {
        a = Add("A", {1000, 1000, 1200, 1100});
        b = Add("B", {3000, 2000, 3400, 2300});
        c = Add("C", {5000, 4000, 5100, 4500});
        d = Add("D", {100, 100, 200, 200}, 2);
    }
    void SelectAll()
    {
        a->Select(&view);
        b->Select(&view);
        c->Select(&view);
    }
    std::vector<RECT> Rects() { return {RectOf(a), RectOf(b), RectOf(c)}; }

    TestBox* a = nullptr;
    TestBox* b = nullptr;
    TestBox* c = nullptr;
    TestBox* d = nullptr;
};

TEST_F(SelectionCommandsTest, AlignsEveryObjectOnTheReference)
{
    view.margins = RECT {720, 720, 11520, 15120};
    constexpr uint32_t toFirst = kAlignToFirst << 16;
    constexpr uint32_t toMargins = kAlignToMargins << 16;
    struct Case {
        const char* what;
        uint32_t code;
        int32_t x, y;
        std::vector<RECT> expected;
    };
    const Case cases[] = {
        {"left edges on the first object's", toFirst | kAlignLeft, 0, 0,
            {{1000, 1000, 1200, 1100}, {1000, 2000, 1400, 2300}, {1000, 4000, 1100, 4500}}},
        {"bottoms on the first object's", toFirst | kAlignBottom << 8, 0, 0,
            {{1000, 1000, 1200, 1100}, {3000, 800, 3400, 1100}, {5000, 600, 5100, 1100}}},
        // The first object's centre is (1100, 1050).
        {"centred on the first object", toFirst | kAlignCentre | kAlignCentre << 8, 0, 0,
            {{1000, 1000, 1200, 1100}, {900, 900, 1300, 1200}, {1050, 800, 1150, 1300}}},
        {"right edges on the right margin", toMargins | kAlignRight, 0, 0,
            {{11320, 1000, 11520, 1100}, {11120, 2000, 11520, 2300}, {11420, 4000, 11520, 4500}}},
        {"tops on the top margin", toMargins | kAlignTop << 8, 0, 0,
            {{1000, 720, 1200, 820}, {3000, 720, 3400, 1020}, {5000, 720, 5100, 1220}}},
        {"left edges on a given x", kAlignLeft, 2500, 0,
            {{2500, 1000, 2700, 1100}, {2500, 2000, 2900, 2300}, {2500, 4000, 2600, 4500}}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        a->SetPlace(1, {1000, 1000, 1200, 1100});
        b->SetPlace(1, {3000, 2000, 3400, 2300});
        c->SetPlace(1, {5000, 4000, 5100, 4500});
        SelectAll();
        EXPECT_EQ(selection.Align(&view, k.code, k.x, k.y), 1);
        EXPECT_EQ(Rects(), k.expected);
        selection.Deselect(&view);
    }
}

TEST_F(SelectionCommandsTest, AlignMovesNothingWithoutModesSelectionOrMargins)
{
    EXPECT_EQ(selection.Align(&view, kAlignLeft, 0, 0), 0);
    SelectAll();
    const std::vector<RECT> before = Rects();
    EXPECT_EQ(selection.Align(&view, kAlignToFirst << 16, 0, 0), 0);
    EXPECT_EQ(selection.Align(&view, kAlignToMargins << 16 | kAlignLeft, 0, 0), 0);
    // Already on the first object's left edge: nothing moves.
    a->Deselect(&view);
    b->Deselect(&view);
    EXPECT_EQ(selection.Align(&view, kAlignToFirst << 16 | kAlignLeft, 0, 0), 0);
    EXPECT_EQ(Rects(), before);
}

TEST_F(SelectionCommandsTest, BringsToFrontAndSendsToBackWithinThePage)
{
    a->Select(&view);
    selection.BringToFront(&view);
    EXPECT_EQ(Names(), (std::vector<std::string> {"B", "C", "A", "D"}));
    selection.SendToBack(&view);
    EXPECT_EQ(Names(), (std::vector<std::string> {"A", "B", "C", "D"}));
    a->Deselect(&view);
    view.invalidRects.clear();
    c->Select(&view);
    selection.SendToBack(&view);
    EXPECT_EQ(Names(), (std::vector<std::string> {"C", "A", "B", "D"}));
    EXPECT_FALSE(view.invalidRects.empty());
}

TEST_F(SelectionCommandsTest, DeletingSeveralAsksAndCancelKeepsEverything)
{
    DeletionUndo undo(objects);
    view.undo = &undo;
    SelectAll();
    std::vector<ui::MessageBoxRequest> asked;
    {
        ui::ScopedMessageBoxHook hook([&](const ui::MessageBoxRequest& r) {
            asked.push_back(r);
            return ui::IDCANCEL;
        });
        selection.Delete(&view, 0, 0);
    }
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Delete all selected objects?");
    EXPECT_EQ(asked[0].flags, ui::MB_OKCANCEL | ui::MB_ICONQUESTION);
    EXPECT_EQ(Names(), (std::vector<std::string> {"A", "B", "C", "D"}));
    EXPECT_EQ(selection.GetCount(), 3);
    EXPECT_EQ(view.undoSteps, 0);
}

TEST_F(SelectionCommandsTest, DeletedObjectsComeBackInTheirPlacesOnUndo)
{
    DeletionUndo undo(objects);
    view.undo = &undo;
    a->Select(&view);
    c->Select(&view);
    {
        ui::ScopedMessageBoxHook hook([](const ui::MessageBoxRequest&) { return ui::IDOK; });
        selection.Delete(&view, 0, 0);
    }
    EXPECT_EQ(Names(), (std::vector<std::string> {"B", "D"}));
    EXPECT_EQ(selection.GetCount(), 0);
    EXPECT_EQ(view.undoSteps, 1);
    EXPECT_EQ(document.removedFromOrder, (std::vector<FORMOBJ*> {c, a}));
    EXPECT_EQ(CountedBox::destroyed, 0);

    view.currentPage = 2;
    undo.Restore();
    selection.UndoDelete(&view);
    EXPECT_EQ(Names(), (std::vector<std::string> {"A", "B", "C", "D"}));
    EXPECT_EQ(selection.GetCount(), 2);
    EXPECT_EQ(selection.GetPage(), 1);
    EXPECT_EQ(view.pagesShown, (std::vector<uint16_t> {1}));
    EXPECT_EQ(selection.GetFirstSelected(), a);
}

TEST_F(SelectionCommandsTest, OneObjectOrASuppressedQuestionDeletesWithoutAsking)
{
    DeletionUndo undo(objects);
    view.undo = &undo;
    // Any box would throw: no hook answers it offscreen.
    ui::ScopedMessageBoxHook hook([](const ui::MessageBoxRequest&) -> int {
        ADD_FAILURE() << "asked";
        return ui::IDOK;
    });
    b->Select(&view);
    selection.Delete(&view, 0, 0);
    EXPECT_EQ(Names(), (std::vector<std::string> {"A", "C", "D"}));
    a->Select(&view);
    c->Select(&view);
    selection.Delete(&view, 0, 1);
    EXPECT_EQ(Names(), (std::vector<std::string> {"D"}));
    // The second deletion's step replaced the first.
    EXPECT_EQ(undo.kept.size(), 2u);
    EXPECT_EQ(CountedBox::destroyed, 1);
}

TEST_F(SelectionCommandsTest, WithoutAnUndoListDeletedObjectsAreFreed)
{
    a->Select(&view);
    selection.Delete(&view, 0, 1);
    EXPECT_EQ(Names(), (std::vector<std::string> {"B", "C", "D"}));
    EXPECT_EQ(CountedBox::destroyed, 1);
    EXPECT_EQ(selection.GetCount(), 0);
}

} // namespace
