// A test fill's values: every field back to its saved value (auto-counted
// numbers from the document's "CounterStream"), and every field's rule
// checked in filling order before the form is accepted.
#include "tests/document/formula_form.h"

#include "forms/fields/datatypes/numberdatatype.h"

#include "platform/storage/compound_file.h"
#include "platform/storage/storage.h"
#include "platform/ui/message_box.h"
#include "platform/ui/view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The fill view as the document sees it: a view of the document that
// keeps the field it was asked to make current.
class FillViewDouble
    : public ui::View
    , public FakeView {
public:
    void SetCurrentField(FORMOBJ* field) override { current.push_back(field); }
    std::vector<FORMOBJ*> current;
};

// A value that cannot be put back.
class StuckDataType : public DATATYPE {
public:
    int ResetValue(uint32_t) override { return 0; }
    std::unique_ptr<DATATYPE> Clone() const override { return std::make_unique<StuckDataType>(); }
};

class FillValuesTest : public FormulaForm {
protected:
    FillValuesTest()
        : count(AddField(kKindNumber, "Count"))
        , words(AddField(kKindText, "Words"))
        , amount(AddField(kKindNumber, "Amount"))
    {
        std::string message;
        EXPECT_TRUE(count.GetDataType()->SetInitialValue("100", message, 0)) << message;
        static_cast<NUMBERDATATYPE*>(count.GetDataType())->bAutoIncrement = 1;
        EXPECT_TRUE(words.GetDataType()->SetInitialValue("Hello", message, 0)) << message;
    }

    static std::string TextOf(FFIELD& field)
    {
        std::string text;
        field.GetDataType()->GetText(text);
        return text;
    }

    FFIELD& count;
    FFIELD& words;
    FFIELD& amount;
};

TEST_F(FillValuesTest, EveryFieldGoesBackToItsSavedValue)
{
    SetNumber(count, 5);
    words.GetDataType()->StoreText("typed");
    SetNumber(amount, 42);
    MessageLog messages;
    EXPECT_EQ(doc.RevertAllFields(), 1);
    EXPECT_EQ(Number(count), 100) << "a new form's counter is 0";
    EXPECT_EQ(TextOf(words), "Hello");
    EXPECT_EQ(amount.GetDataType()->IsEmpty(), 1) << "no initial value: empty";
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(FillValuesTest, AutoCountedNumbersAddTheCounterOfTheFile)
{
    TempFolder folder;
    const std::string path = folder.File("counted.qwm");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    {
        storage::Storage root;
        ASSERT_EQ(storage::OpenCompoundFile(path, storage::Access::ReadWrite, root), storage::Status::Ok);
        std::unique_ptr<storage::Stream> stream;
        ASSERT_EQ(root.CreateStream("CounterStream", storage::CreateMode::Replace, stream), storage::Status::Ok);
        const uint8_t seven[] = {7, 0, 0, 0};
        stream->Write(seven, sizeof seven);
        stream.reset();
        ASSERT_EQ(root.Commit(), storage::Status::Ok);
    }
    FDOCUMENT reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    ASSERT_EQ(reopened.RevertAllFields(), 1);
    auto* field = dynamic_cast<FFIELD*>(reopened.FindField(count.GetFieldID()));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(Number(*field), 107);
}

TEST_F(FillValuesTest, AValueThatCannotGoBackStopsTheRevertWithAMessage)
{
    FFIELD& stuck = AddField(kKindText, "Stuck");
    stuck.SetDataType(StuckDataType(), nullptr);
    FFIELD& after = AddField(kKindText, "After");
    std::string message;
    after.GetDataType()->SetInitialValue("initial", message, 0);
    after.GetDataType()->StoreText("typed");
    MessageLog messages;
    EXPECT_EQ(doc.RevertAllFields(), 0);
    EXPECT_EQ(messages.texts, std::vector<std::string> {"Out of memory!"});
    EXPECT_EQ(TextOf(after), "typed") << "the revert stopped at the failure";
}

TEST_F(FillValuesTest, TheFirstFieldThatFailsItsCheckIsMadeCurrentWithItsMessage)
{
    std::string message;
    ASSERT_TRUE(amount.GetDataType()->SetRule(301, 0, "50", "", message)) << message;
    FFIELD& must = AddField(kKindText, "Must");
    must.OnEvent(5, 1, 0);
    FFIELD& locked = AddField(kKindNumber, "Locked");
    ASSERT_TRUE(locked.GetDataType()->SetRule(301, 0, "50", "", message));
    locked.OnEvent(6, 1, 0);
    SetNumber(locked, 99);

    FillViewDouble view;
    view.SetDocument(&doc);
    struct Case {
        const char* what;
        double amountValue;
        std::string mustText;
        int answer;
        FORMOBJ* current;
        std::string message;
    };
    const Case cases[] = {
        {"a broken rule", 60, "x", 0, &amount, "Number Must Be Less than '50'"},
        {"an empty mandatory field", 10, "", 0, &must, "This field must be filled in."},
        {"the first failure in filling order", 60, "", 0, &amount, "Number Must Be Less than '50'"},
        {"everything passes; a protected field is not checked", 10, "x", 1, nullptr, ""},
    };
    for (const Case& c : cases) {
        SetNumber(amount, c.amountValue);
        must.GetDataType()->StoreText(c.mustText);
        view.current.clear();
        MessageLog messages;
        EXPECT_EQ(doc.ValidateAllFields(), c.answer) << c.what;
        if (c.current) {
            EXPECT_EQ(view.current, std::vector<FORMOBJ*> {c.current}) << c.what;
            EXPECT_EQ(messages.texts, std::vector<std::string> {c.message}) << c.what;
        } else {
            EXPECT_TRUE(view.current.empty()) << c.what;
            EXPECT_TRUE(messages.texts.empty()) << c.what;
        }
    }
    view.SetDocument(nullptr);
}

} // namespace
