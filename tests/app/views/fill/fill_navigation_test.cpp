// Filling a form offscreen with synthetic keys and clicks: where filling
// starts, moves in filling order, clicks, check boxes and radio buttons.
#include "tests/app/views/fill/fill_view_fixture.h"

#include "forms/fields/datatypes/datatype.h"
#include "forms/objects/ffield.h"

#include <QApplication>

namespace {

// A form of two numbers, a protected total of them, a check box and a
// protected field first in the order.
class FillOrderTest : public FillViewTest {
protected:
    FillOrderTest()
        : locked(AddField(kKindText, "Locked"))
        , a(AddField(kKindNumber, "A"))
        , b(AddField(kKindNumber, "B"))
        , total(AddField(kKindNumber, "Total"))
        , box(AddField(kKindCheckBox, "Box"))
    {
        SetProtected(locked);
        SetProtected(total);
        EXPECT_EQ(Formula(total, "A + B"), "");
    }

    FFIELD& locked;
    FFIELD& a;
    FFIELD& b;
    FFIELD& total;
    FFIELD& box;
};

TEST_F(FillOrderTest, FillingStartsOnTheFirstEnterableFieldAndTabWalksTheOrderBothWays)
{
    SetNumber(a, 2);
    SetNumber(b, 3);
    Start();
    ASSERT_EQ(Current(), &a);
    // Filling starts from the saved values (none) and calculates: 0 + 0.
    EXPECT_EQ(Number(total), 0);

    struct Step {
        Qt::KeyboardModifiers modifiers;
        FFIELD* expected;
    };
    const std::vector<Step> steps = {
        {Qt::NoModifier, &b},
        {Qt::NoModifier, &box}, // passes the protected total
        {Qt::NoModifier, &a}, // wraps, passing the protected first field
        {Qt::ShiftModifier, &box}, // back from the first wraps to the last
        {Qt::ShiftModifier, &b},
        {Qt::ShiftModifier, &a},
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        Key(steps[i].modifiers & Qt::ShiftModifier ? Qt::Key_Backtab : Qt::Key_Tab, steps[i].modifiers);
        EXPECT_EQ(Current(), steps[i].expected) << "step " << i;
    }
}

TEST_F(FillOrderTest, AClickMakesAFieldCurrentButNotOneOutsideTheOrderOrProtectedFromBeingPassed)
{
    FFIELD& outside = AddField(kKindNumber, "Outside", false);
    Start();
    ASSERT_EQ(Current(), &a);
    Click(At(outside));
    EXPECT_EQ(Current(), &a);
    Click(At(b));
    EXPECT_EQ(Current(), &b);
    // A protected field can be made current by a click; it opens nothing.
    Click(At(total));
    EXPECT_EQ(Current(), &total);
    EXPECT_EQ(total.GetTextEditor(), nullptr);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), &box);
}

TEST_F(FillOrderTest, AWalkFromAFieldOutsideTheOrderAmongProtectedFieldsStopsAfterOneRound)
{
    FFIELD& outside = AddField(kKindNumber, "Outside", false);
    SetProtected(a);
    SetProtected(b);
    SetProtected(box);
    Start();
    EXPECT_EQ(Current(), nullptr);
    view->SetCurrentField(&outside);
    view->MoveToField(true);
    EXPECT_EQ(Current(), &outside);
    view->MoveToField(false);
    EXPECT_EQ(Current(), &outside);
}

TEST_F(FillViewTest, AOneFieldFormDoesNotMove)
{
    FFIELD& only = AddField(kKindNumber, "Only");
    Start();
    ASSERT_EQ(Current(), &only);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), &only);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Current(), &only);
}

TEST_F(FillViewTest, ACheckBoxClickTogglesItAndRecalculatesItsDependants)
{
    FFIELD& box = AddField(kKindCheckBox, "Agree");
    FFIELD& shown = AddField(kKindNumber, "Shown");
    SetProtected(shown);
    ASSERT_EQ(Formula(shown, "Agree * 10"), "");
    Start();
    ASSERT_EQ(Current(), &box);
    EXPECT_FALSE(IsChecked(box));
    doc->calculated.clear();
    Click(At(box));
    EXPECT_TRUE(IsChecked(box));
    EXPECT_EQ(Number(shown), 10);
    EXPECT_EQ(doc->calculated, std::vector<uint16_t> {box.GetFieldID()});
    Click(At(box));
    EXPECT_FALSE(IsChecked(box));
    EXPECT_EQ(Number(shown), 0);
}

TEST_F(FillViewTest, LeavingACheckBoxByTabOrClickTakesItsFocusOutlineAway)
{
    FFIELD& box = AddField(kKindCheckBox, "Agree");
    FFIELD& next = AddField(kKindNumber, "Next");
    Start();
    for (const bool byTab : {true, false}) {
        Click(At(box));
        ASSERT_EQ(Current(), &box);
        if (byTab)
            Key(Qt::Key_Tab);
        else
            Click(At(next));
        ASSERT_EQ(Current(), &next);
        EXPECT_TRUE(ShowsAsRedrawn(box)) << (byTab ? "Tab" : "a click");
    }
}

TEST_F(FillViewTest, CheckingARadioButtonClearsTheOthersAndRecomputesTheirDependants)
{
    FFIELD& r1 = AddField(kKindCheckBox, "R1");
    FFIELD& r2 = AddField(kKindCheckBox, "R2");
    FFIELD& r3 = AddField(kKindCheckBox, "R3");
    FFIELD& first = AddField(kKindNumber, "First");
    SetProtected(first);
    MakeRadioGroup({&r1, &r2, &r3});
    ASSERT_EQ(Formula(first, "R1 * 5"), "");
    Start();
    Click(At(r1));
    ASSERT_TRUE(IsChecked(r1));
    EXPECT_EQ(Number(first), 5);
    Click(At(r3));
    EXPECT_TRUE(IsChecked(r3));
    EXPECT_FALSE(IsChecked(r1));
    EXPECT_FALSE(IsChecked(r2));
    EXPECT_EQ(r1.GetDataType()->bEdited, 1);
    EXPECT_EQ(Number(first), 0);
    // A checked radio button stays checked when clicked again.
    Click(At(r3));
    EXPECT_TRUE(IsChecked(r3));
}

} // namespace
