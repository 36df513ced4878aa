// The fill view is a test fill: filling starts from the saved values, and
// leaving it keeps nothing that was filled in.
#include "tests/app/views/fill/fill_view_fixture.h"

#include "tests/document/document_test_support.h"

#include "forms/fields/datatypes/datatype.h"
#include "forms/objects/ffield.h"

#include <QApplication>

namespace {

class TestFillTest : public FillViewTest {
protected:
    TestFillTest()
        : a(AddField(kKindNumber, "A"))
        , b(AddField(kKindNumber, "B"))
        , note(AddField(kKindText, "Note"))
        , box(AddField(kKindCheckBox, "Box"))
        , total(AddField(kKindNumber, "Total"))
    {
        SetProtected(total);
        EXPECT_EQ(Formula(total, "A + B"), "");
        std::string message;
        EXPECT_EQ(b.GetDataType()->SetInitialValue("7", message, 0), 1) << message;
        EXPECT_EQ(note.GetDataType()->SetInitialValue("start", message, 0), 1) << message;
    }

    // Leaves the fill view as a switch to the design view does, and starts
    // a new one.
    void SwitchOutAndBack()
    {
        view->OnViewSwitch(false, nullptr);
        host.SetView(nullptr);
        view->SetDocument(nullptr);
        view = std::make_unique<FFILLVIEW>();
        Start();
    }

    static std::string Text(FFIELD& field)
    {
        std::string text;
        field.GetDataType()->GetText(text);
        return text;
    }

    FFIELD& a;
    FFIELD& b;
    FFIELD& note;
    FFIELD& box;
    FFIELD& total;
};

TEST_F(TestFillTest, FillingStartsFromTheInitialValuesAndCalculates)
{
    SetNumber(a, 40);
    Start();
    EXPECT_EQ(Number(b), 7);
    EXPECT_EQ(Text(note), "start");
    EXPECT_EQ(Number(total), 7);
    EXPECT_EQ(Current(), &a);
}

TEST_F(TestFillTest, ValuesFilledInAreGoneAfterTheDesignViewAndTheSavedContentsStayTheSame)
{
    const Bytes before = ContentsOf(*doc);
    ASSERT_FALSE(before.empty());
    Start();
    // The click closes the editor of the first field; then the numbers.
    Click(At(box));
    ASSERT_TRUE(IsChecked(box));
    SetNumber(a, 5);
    SetNumber(b, 6);
    doc->Calculate(a.GetFieldID());
    ASSERT_EQ(Number(total), 11);

    view->OnViewSwitch(false, nullptr);
    EXPECT_EQ(ContentsOf(*doc), before);
    EXPECT_FALSE(doc->IsModified());

    SwitchOutAndBack();
    EXPECT_EQ(Number(b), 7);
    EXPECT_FALSE(IsChecked(box));
    EXPECT_EQ(Number(total), 7);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(TestFillTest, WhatIsWrittenWhileFillingIsTheFormAsDesigned)
{
    // A value of the form's own that filling resets, and values typed in.
    SetNumber(a, 40);
    const Bytes before = ContentsOf(*doc);
    Start();
    ASSERT_NE(Number(a), 40);
    ASSERT_NE(view->CanEditCurrentField(), nullptr);
    Click(At(box));
    SetNumber(b, 6);

    EXPECT_EQ(ContentsOf(*doc), before);
    // The fill goes on with its own values, and the form gets its own back
    // when it ends.
    EXPECT_EQ(Number(b), 6);
    EXPECT_TRUE(IsChecked(box));
    EXPECT_EQ(ContentsOf(*doc), before);
    view->OnViewSwitch(false, nullptr);
    EXPECT_EQ(Number(a), 40);
    EXPECT_EQ(ContentsOf(*doc), before);
}

} // namespace
