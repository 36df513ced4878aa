#include "platform/ui/list_box.h"
#include "platform/ui/list_frame.h"

#include <QAbstractItemView>
#include <QListWidget>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace ui;

namespace {

// "\xC9t\xE9" is "Été" in Windows-1252.
class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent.resize(200, 200);
        box = std::make_unique<ListBox>(&parent, 333);
        box->GetWidget()->setGeometry(0, 0, 150, 150);
        for (const char* entry : {"Apples", "apple", "\xC9t\xE9", "Pear", "APPLE"})
            box->AddString(entry);
        parent.show();
    }

    QWidget parent;
    std::unique_ptr<ListBox> box;
};

TEST_F(ListBoxTest, ExactFindMatchesTheWholeTextIgnoringCase)
{
    struct Case {
        const char* name;
        int after;
        const char* text;
        int found;
    };
    const Case cases[] = {
        {"case ignored", ListBox::kNone, "APPLE", 1},
        {"whole text only", ListBox::kNone, "Apple", 1},
        {"a prefix is no match", ListBox::kNone, "App", ListBox::kNone},
        {"a longer text is no match", ListBox::kNone, "Pears", ListBox::kNone},
        {"accented capitals fold", ListBox::kNone, "\xE9T\xC9", 2},
        {"from after an entry", 1, "apple", 4},
        {"round to the start", 4, "apple", 1},
        {"the start entry itself last", 3, "pear", 3},
        {"empty text", ListBox::kNone, "", ListBox::kNone},
        {"after beyond the list", 9, "apples", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(box->FindStringExact(c.after, c.text), c.found) << c.name;
}

TEST_F(ListBoxTest, ResetEmptiesAndAddAppends)
{
    EXPECT_EQ(box->GetCount(), 5);
    EXPECT_EQ(box->GetText(2), "\xC9t\xE9");
    EXPECT_EQ(box->GetText(7), "");
    box->ResetContent();
    EXPECT_EQ(box->GetCount(), 0);
    EXPECT_EQ(box->FindStringExact(ListBox::kNone, "apple"), ListBox::kNone);
    EXPECT_EQ(box->AddString("one"), 0);
    EXPECT_EQ(box->AddString("two"), 1);
    EXPECT_EQ(box->GetCurSel(), ListBox::kNone);
}

TEST_F(ListBoxTest, OnlyTheUsersChangesNotify)
{
    int changes = 0;
    int selectedWhenNotified = ListBox::kNone;
    box->SetSelChangeHandler([&] {
        ++changes;
        selectedWhenNotified = box->GetCurSel();
    });
    EXPECT_EQ(box->GetCurSel(), ListBox::kNone);
    EXPECT_EQ(box->SetCurSel(3), 3);
    EXPECT_EQ(box->GetCurSel(), 3);
    EXPECT_EQ(box->SetCurSel(9), ListBox::kNone);
    EXPECT_EQ(box->GetCurSel(), ListBox::kNone);
    box->ResetContent();
    box->AddString("x");
    box->AddString("y");
    EXPECT_EQ(changes, 0);

    auto* list = static_cast<QListWidget*>(box->GetWidget());
    const QRect second = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box->GetCurSel(), 1);
    // The handler already sees the entry pressed, and a press on the
    // selected entry notifies again.
    EXPECT_EQ(selectedWhenNotified, 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    EXPECT_EQ(changes, 2);
}

TEST(ListFrame, MadeHiddenAndPassesTheListsChangesOn)
{
    QWidget parent;
    parent.resize(200, 200);
    parent.show();
    ListFrame frame(&parent, {10, 20, 110, 80});
    EXPECT_FALSE(frame.IsWindowVisible());
    ListBox& box = frame.CreateListBox(333);
    EXPECT_EQ(box.GetWidget()->geometry(), QRect(0, 0, 100, 60));
    int changes = 0;
    frame.SetSelChangeHandler([&] { ++changes; });
    box.AddString("a");
    box.AddString("b");
    frame.ShowWindow(true);
    EXPECT_TRUE(frame.IsWindowVisible());
    auto* list = static_cast<QListWidget*>(box.GetWidget());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(changes, 1);
    frame.MoveWindow({0, 0, 50, 40});
    EXPECT_EQ(box.GetWidget()->geometry(), QRect(0, 0, 50, 40));
    EXPECT_EQ(frame.GetWindowRect().right, 50);
}

TEST(ListFrame, SurvivesItsParentGoingFirst)
{
    auto parent = std::make_unique<QWidget>();
    ListFrame frame(parent.get(), {0, 0, 10, 10});
    frame.CreateListBox(333);
    parent.reset();
    EXPECT_FALSE(frame.IsWindowVisible());
    frame.MoveWindow({0, 0, 5, 5});
}

} // namespace
