// The design view's keyboard: arrow keys move the selection by grid steps,
// Shift+arrow sizes one object within its least and largest size, and
// nothing moves without a grid or past the margins.
#include "tests/app/support/designer_window.h"

#include "forms/document/print/flayout.h"
#include "forms/model/formobj.h"
#include "forms/objects/fselection.h"

#include <gtest/gtest.h>

namespace {

struct KeyCase {
    const char* name;
    RECT start;
    int key;
    bool shift;
    RECT expected;
};

class ArrowKey
    : public DesignerTest
    , public testing::WithParamInterface<KeyCase> {};

TEST_P(ArrowKey, MovesOrSizesTheSelectionToTheNextGridLine)
{
    const KeyCase& c = GetParam();
    FORMOBJ* box = Add(kTypeBox, c.start);
    box->Select(&view);
    Key(c.key, c.shift ? Qt::ShiftModifier : Qt::NoModifier);
    EXPECT_EQ(RectOf(box), c.expected);
    EXPECT_EQ(doc->IsModified(), !(c.expected == c.start));
}

INSTANTIATE_TEST_SUITE_P(Designer, ArrowKey,
    testing::Values(KeyCase {"Right", {1440, 1440, 2880, 2880}, Qt::Key_Right, false, {1512, 1440, 2952, 2880}},
        KeyCase {"Left", {1440, 1440, 2880, 2880}, Qt::Key_Left, false, {1368, 1440, 2808, 2880}},
        KeyCase {"Up", {1440, 1440, 2880, 2880}, Qt::Key_Up, false, {1440, 1368, 2880, 2808}},
        KeyCase {"Down", {1440, 1440, 2880, 2880}, Qt::Key_Down, false, {1440, 1512, 2880, 2952}},
        // Off the grid the corner goes to the neighbouring line.
        KeyCase {"RightFromBetweenLines", {1400, 1400, 2900, 2900}, Qt::Key_Right, false, {1452, 1400, 2952, 2900}},
        KeyCase {"LeftFromBetweenLines", {1400, 1400, 2900, 2900}, Qt::Key_Left, false, {1380, 1400, 2880, 2900}},
        KeyCase {"LeftPastTheMarginIsRefused", {720, 1440, 2880, 2880}, Qt::Key_Left, false, {720, 1440, 2880, 2880}},
        KeyCase {"ShiftRightWidens", {1440, 1440, 2880, 2880}, Qt::Key_Right, true, {1440, 1440, 2952, 2880}},
        KeyCase {"ShiftUpShortens", {1440, 1440, 2880, 2880}, Qt::Key_Up, true, {1440, 1440, 2880, 2808}},
        KeyCase {
            "ShiftLeftDownToTheLeastWidth", {1440, 1440, 1600, 1600}, Qt::Key_Left, true, {1440, 1440, 1584, 1600}},
        KeyCase {"ShiftLeftBelowTheLeastWidthIsRefused", {1440, 1440, 1584, 1584}, Qt::Key_Left, true,
            {1440, 1440, 1584, 1584}},
        KeyCase {"ShiftUpNeverToZero", {1440, 1440, 1584, 1512}, Qt::Key_Up, true, {1440, 1440, 1584, 1512}},
        KeyCase {"ShiftRightPastTheMarginIsRefused", {1440, 1440, 11186, 2880}, Qt::Key_Right, true,
            {1440, 1440, 11186, 2880}},
        KeyCase {"OtherKeysLeaveIt", {1440, 1440, 2880, 2880}, Qt::Key_Home, false, {1440, 1440, 2880, 2880}}),
    [](const testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

TEST_F(DesignerTest, ArrowKeysMoveEverySelectedObjectTogether)
{
    FORMOBJ* first = Add(kTypeBox, {1440, 1440, 2880, 2880});
    FORMOBJ* second = Add(kTypeEllipse, {4320, 2160, 5760, 3600});
    first->Select(&view);
    second->Select(&view);
    Key(Qt::Key_Down);
    EXPECT_EQ(RectOf(first), (RECT {1440, 1512, 2880, 2952}));
    EXPECT_EQ(RectOf(second), (RECT {4320, 2232, 5760, 3672}));
    // Several objects are never sized from the keyboard.
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(RectOf(first), (RECT {1440, 1512, 2880, 2952}));
    EXPECT_EQ(RectOf(second), (RECT {4320, 2232, 5760, 3672}));
}

TEST_F(DesignerTest, ArrowKeysDoNothingWithoutAGrid)
{
    FORMOBJ* box = Add(kTypeBox, {1440, 1440, 2880, 2880});
    box->Select(&view);
    view.GetPageLayout()->grid.SetOn(false);
    for (int key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
        Key(key);
        Key(key, Qt::ShiftModifier);
    }
    EXPECT_EQ(RectOf(box), (RECT {1440, 1440, 2880, 2880}));
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DesignerTest, ArrowKeysFollowTheGridOfTheLayout)
{
    FORMOBJ* box = Add(kTypeBox, {1440, 1440, 2880, 2880});
    box->Select(&view);
    view.GetPageLayout()->grid.SetSpacing(100, 1);
    view.GetPageLayout()->grid.SetOrigin(10, 0);
    // The lines lie at 10, 110, ... 2810, 2910.
    Key(Qt::Key_Right);
    EXPECT_EQ(RectOf(box), (RECT {1470, 1440, 2910, 2880}));
    // A spacing of 1 moves by one twip.
    Key(Qt::Key_Down);
    EXPECT_EQ(RectOf(box), (RECT {1470, 1441, 2910, 2881}));
}

} // namespace
