// Dragging several selected objects within the design view: they move
// together on the grid keeping their sizes; a short move is a click that
// reselects; Escape, the right button, another key and a refused place
// change nothing.
#include "tests/app/support/designer_window.h"

#include "forms/document/fdocument.h"
#include "forms/editor/form_editor.h"
#include "forms/model/formobj.h"
#include "forms/objects/fselection.h"

#include <QCoreApplication>

#include <cstdlib>

#include <gtest/gtest.h>

namespace {

// A4 with half-inch margins (720 to 11186 across); a pixel is 15 twips and
// the selection's top-left corner snaps to every 72 twips.
class DesignerDragTest : public DesignerTest {
protected:
    DesignerDragTest()
    {
        left = Add(kTypeBox, {1440, 1440, 2880, 2880});
        right = Add(kTypeEllipse, {4320, 1440, 5760, 2880});
        below = Add(kTypeBox, {2160, 4320, 3600, 5760});
    }

    void SelectAll(const std::vector<FORMOBJ*>& objects)
    {
        for (FORMOBJ* o : objects)
            o->Select(&view);
    }

    std::vector<RECT> Rects() { return {RectOf(left), RectOf(right), RectOf(below)}; }

    void PostRightPress(POINT p)
    {
        const QPointF at(p.x, p.y);
        QCoreApplication::postEvent(&host,
            new QMouseEvent(
                QEvent::MouseButtonPress, at, at, Qt::RightButton, Qt::LeftButton | Qt::RightButton, Qt::NoModifier));
    }

    FORMOBJ* left;
    FORMOBJ* right;
    FORMOBJ* below;
};

RECT Moved(RECT r, int32_t dx, int32_t dy)
{
    return r.Offset(dx, dy);
}

struct MoveCase {
    const char* name;
    bool withBelow; // three objects selected rather than two
    bool snap;
    POINT via; // pixels from the press: the first move...
    POINT by; // ...and the release
    POINT expected; // how far the objects move, twips
};

class DragMove
    : public DesignerDragTest
    , public testing::WithParamInterface<MoveCase> {};

TEST_P(DragMove, MovesTheSelectedObjectsTogetherKeepingTheirSizes)
{
    const MoveCase& c = GetParam();
    view.SetSnap(c.snap);
    std::vector<FORMOBJ*> chosen {left, right};
    if (c.withBelow)
        chosen.push_back(below);
    SelectAll(chosen);
    const std::vector<RECT> before = Rects();
    // Grabbed by the middle of the left object.
    const POINT press = At(2160, 2160);
    Drag({press, {press.x + c.via.x, press.y + c.via.y}, {press.x + c.by.x, press.y + c.by.y}});

    EXPECT_EQ(RectOf(left), Moved(before[0], c.expected.x, c.expected.y));
    EXPECT_EQ(RectOf(right), Moved(before[1], c.expected.x, c.expected.y));
    EXPECT_EQ(RectOf(below), c.withBelow ? Moved(before[2], c.expected.x, c.expected.y) : before[2]);
    EXPECT_EQ(Selected(), chosen);
    EXPECT_EQ(doc->IsModified(), c.expected.x != 0 || c.expected.y != 0);
}

INSTANTIATE_TEST_SUITE_P(Designer, DragMove,
    testing::Values(MoveCase {"TwoSnapToTheGrid", false, true, {15, 10}, {30, 20}, {432, 288}},
        MoveCase {"ThreeSnapToTheGrid", true, true, {15, 10}, {30, 20}, {432, 288}},
        MoveCase {"UpAndLeftSnapToTheGrid", true, true, {-10, -15}, {-20, -30}, {-288, -432}},
        MoveCase {"WithoutSnapFollowThePointer", false, false, {15, 10}, {30, 20}, {450, 300}},
        MoveCase {"ADragBackToItsStartMovesNothing", false, true, {20, 0}, {1, 0}, {0, 0}}),
    [](const testing::TestParamInfo<MoveCase>& info) { return info.param.name; });

TEST_F(DesignerDragTest, AMoveOfThreePixelsOrLessIsAClickThatReselects)
{
    const POINT moves[] = {{0, 0}, {3, 0}, {0, -3}, {-3, 3}};
    for (const POINT by : moves) {
        SelectAll({left, right, below});
        const POINT press = At(5040, 2160);
        Drag({press, {press.x + by.x, press.y + by.y}});
        EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {right}) << by.x << "," << by.y;
        EXPECT_EQ(view.GetSelection()->GetCount(), 1);
        view.GetSelection()->Deselect(&view);
    }
    EXPECT_EQ(RectOf(right), (RECT {4320, 1440, 5760, 2880}));
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DesignerDragTest, OneObjectWobbledByThreePixelsOrLessStaysPutAndTheFormUnchanged)
{
    const POINT wobbles[][2] = {{{1, 0}, {0, 0}}, {{0, 1}, {1, 1}}, {{3, -3}, {-3, 3}}, {{-2, 2}, {2, -1}}};
    for (const auto& wobble : wobbles) {
        right->Select(&view);
        const POINT press = At(5040, 2160);
        Drag({press, {press.x + wobble[0].x, press.y + wobble[0].y}, {press.x + wobble[1].x, press.y + wobble[1].y}});
        EXPECT_EQ(RectOf(right), (RECT {4320, 1440, 5760, 2880})) << wobble[0].x << "," << wobble[0].y;
        EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {right});
        EXPECT_EQ(view.GetSelection()->GetCount(), 1);
        EXPECT_FALSE(doc->IsModified());
        view.GetSelection()->Deselect(&view);
    }
}

TEST_F(DesignerDragTest, AClickInsideOneSelectedObjectUnderAnotherKeepsItAlone)
{
    // The ellipse overlaps the left box's bottom-right corner from above.
    FORMOBJ* over = Add(kTypeEllipse, {2520, 2520, 3600, 3600});
    left->Select(&view);
    Click(At(2700, 2700));
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {left});
    EXPECT_FALSE(over->IsSelected(nullptr));
    EXPECT_EQ(view.GetSelection()->GetCount(), 1);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DesignerDragTest, OneObjectDraggedLandsOnTheGrid)
{
    // Pixel moves of 15 twips that leave the corner off the 72-twip grid.
    const POINT moves[] = {{7, 5}, {-11, 13}, {23, -4}};
    for (const POINT by : moves) {
        below->Select(&view);
        const RECT before = RectOf(below);
        const POINT press = At(2880, 5040);
        Drag({press, {press.x + by.x / 2 + 4, press.y + by.y / 2 + 4}, {press.x + by.x, press.y + by.y}});
        const RECT after = RectOf(below);
        EXPECT_EQ(after.left % 72, 0) << by.x << "," << by.y;
        EXPECT_EQ(after.top % 72, 0) << by.x << "," << by.y;
        EXPECT_LE(std::abs(after.left - (before.left + by.x * 15)), 36);
        EXPECT_LE(std::abs(after.top - (before.top + by.y * 15)), 36);
        EXPECT_EQ(after.Width(), before.Width());
        EXPECT_EQ(after.Height(), before.Height());
        EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {below});
        EXPECT_TRUE(doc->IsModified());
        doc->SetModified(false);
        view.GetSelection()->Deselect(&view);
    }
}

// What ends a drag (or the wait for it) with nothing done.
struct CancelCase {
    const char* name;
    int pixelsBefore; // how far the pointer goes before the ending input
    enum { Escape, RightButton, OtherKey } ending;
};

class DragCancel
    : public DesignerDragTest
    , public testing::WithParamInterface<CancelCase> {};

TEST_P(DragCancel, ChangesNothing)
{
    const CancelCase& c = GetParam();
    SelectAll({left, right});
    const std::vector<RECT> before = Rects();
    const POINT press = At(2160, 2160);
    const POINT at {press.x + c.pixelsBefore, press.y + c.pixelsBefore};
    PostMove(at);
    if (c.ending == CancelCase::Escape)
        PostKey(Qt::Key_Escape);
    else if (c.ending == CancelCase::OtherKey)
        PostKey(Qt::Key_A);
    else
        PostRightPress(at);
    // Escape before the drag is passed on: the wait goes on.
    const bool waitGoesOn = c.ending == CancelCase::Escape && c.pixelsBefore <= 3;
    PostMove({at.x + 30, at.y + 30});
    PostRelease({at.x + 30, at.y + 30});
    Press(press);
    QCoreApplication::processEvents();

    if (waitGoesOn) {
        EXPECT_EQ(RectOf(left), Moved(before[0], 504, 504));
        return;
    }
    EXPECT_EQ(Rects(), before);
    EXPECT_EQ(Selected(), (std::vector<FORMOBJ*> {left, right}));
    EXPECT_FALSE(doc->IsModified());
}

INSTANTIATE_TEST_SUITE_P(Designer, DragCancel,
    testing::Values(CancelCase {"EscapeDuringTheDrag", 20, CancelCase::Escape},
        CancelCase {"RightButtonDuringTheDrag", 20, CancelCase::RightButton},
        CancelCase {"RightButtonBeforeTheDrag", 2, CancelCase::RightButton},
        CancelCase {"OtherKeyBeforeTheDrag", 2, CancelCase::OtherKey},
        CancelCase {"EscapeBeforeTheDragIsPassedOn", 2, CancelCase::Escape}),
    [](const testing::TestParamInfo<CancelCase>& info) { return info.param.name; });

TEST_F(DesignerDragTest, CtrlBeforeTheDragLetsItGoOn)
{
    SelectAll({left, right});
    const POINT press = At(2160, 2160);
    PostMove({press.x + 2, press.y});
    PostKey(Qt::Key_Control);
    PostMove({press.x + 30, press.y + 20});
    PostRelease({press.x + 30, press.y + 20});
    Press(press);
    EXPECT_EQ(RectOf(left), (RECT {1872, 1728, 3312, 3168}));
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(DesignerDragTest, ADropWherePlacementIsRefusedChangesNothing)
{
    // Beyond the left margin, and beyond the bottom of the page.
    const POINT by[] = {{-60, 0}, {0, 1200}};
    for (const POINT b : by) {
        SelectAll({left, right});
        const std::vector<RECT> before = Rects();
        const POINT press = At(2160, 2160);
        Drag({press, {press.x + b.x / 2, press.y + b.y / 2}, {press.x + b.x, press.y + b.y}});
        EXPECT_EQ(Rects(), before) << b.x << "," << b.y;
        EXPECT_EQ(Selected(), (std::vector<FORMOBJ*> {left, right}));
    }
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DesignerDragTest, AnObjectAlreadyOutsideTheMarginsStillMovesWithinThePage)
{
    left->SetRect(360, 1440, 1800, 2880);
    SelectAll({left, right});
    const POINT press = At(1000, 2160);
    Drag({press, {press.x + 10, press.y + 20}});
    EXPECT_EQ(RectOf(left), (RECT {504, 1728, 1944, 3168}));
    EXPECT_EQ(RectOf(right), (RECT {4464, 1728, 5904, 3168}));
}

TEST_F(DesignerDragTest, TheFillingOrderFollowsTheNewPositions)
{
    PTRARRAY& order = doc->GetTabOrder();
    order.InsertAt(0, left);
    order.InsertAt(1, below);
    SelectAll({left, right});
    const POINT press = At(2160, 2160);
    Drag({press, {press.x, press.y + 150}, {press.x, press.y + 300}});
    ASSERT_EQ(order.GetCount(), 2);
    EXPECT_EQ(order.GetAt(0), below);
    EXPECT_EQ(order.GetAt(1), left);
}

TEST_F(DesignerDragTest, UndoDeletionStillRestoresAfterADrag)
{
    below->Select(&view);
    view.DeleteSelection(false);
    ASSERT_EQ(Objects(), (std::vector<FORMOBJ*> {left, right}));
    SelectAll({left, right});
    const POINT press = At(2160, 2160);
    Drag({press, {press.x + 30, press.y + 20}});
    ASSERT_EQ(RectOf(left), (RECT {1872, 1728, 3312, 3168}));
    ASSERT_TRUE(view.GetEditor()->CanUndoDeletion());
    view.UndoDeletion();
    EXPECT_EQ(Objects().size(), 3u);
    EXPECT_EQ(RectOf(left), (RECT {1872, 1728, 3312, 3168}));
}

} // namespace
