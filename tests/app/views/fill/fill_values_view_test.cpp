// Filling values in: what typing and leaving a field does, Date/Time, and
// what printing checks first.
#include "tests/app/views/fill/fill_view_fixture.h"

#include "tests/app/support/temp_folder_env.h"

#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/datatype_texts.h"
#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/fields/datatypes/intl_settings.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/model/viewdc.h"
#include "forms/objects/ffield.h"

#include "platform/settings/win_ini.h"
#include "platform/ui/clock.h"
#include "platform/ui/help_popup.h"
#include "platform/ui/message_box.h"

#include <QApplication>
#include <QMouseEvent>

#include <filesystem>
#include <fstream>

namespace {

// A day and time whose day and month tell their order apart.
class FixedClock : public ui::Clock {
public:
    ui::LocalTime Now() override { return {2026, 12, 11, 14, 5, 9, 0, 5}; }
};

TEST(DateTimeText, DateFirstOrMonthFirstWithTheTimeForAnyKindButADate)
{
    const ui::LocalTime now {2026, 12, 11, 14, 5, 9, 0, 5};
    const ui::LocalTime early {2001, 2, 3, 4, 5, 6, 0, 6};
    struct Case {
        ui::LocalTime time;
        uint8_t kind;
        uint8_t order;
        const char* expected;
    };
    const Case cases[] = {
        {now, kKindText, kDayFirst, "11/12/26 14:05:09"},
        {now, kKindText, kMonthFirst, "12/11/26 14:05:09"},
        {now, kKindMemo, kDayFirst, "11/12/26 14:05:09"},
        {now, kKindNumber, kDayFirst, "11/12/26 14:05:09"},
        {now, kKindDate, kDayFirst, "11/12/26"},
        {now, kKindDate, kMonthFirst, "12/11/26"},
        {early, kKindText, kDayFirst, "03/02/01 04:05:06"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateTimeText(c.time, c.kind, c.order), c.expected) << c.expected;
}

// Fields whose values are typed: skipped while the data types open no
// editor of their own.
class TypingTest : public FillViewTest {
protected:
    TypingTest()
    {
        ui::SetMessageBoxHook([this](const ui::MessageBoxRequest& request) {
            messages.push_back(request.text);
            return ui::IDOK;
        });
    }
    ~TypingTest() override { ui::SetMessageBoxHook({}); }

    bool EditorOpen() const { return view->CanEditCurrentField() != nullptr; }

    std::vector<std::string> messages;
};

TEST_F(TypingTest, ARefusedValueShowsItsMessageKeepsTheFieldAndNeverCallsTheEngine)
{
    FFIELD& a = AddField(kKindNumber, "A");
    FFIELD& b = AddField(kKindNumber, "B");
    FFIELD& total = AddField(kKindNumber, "Total");
    SetProtected(total);
    ASSERT_EQ(Formula(total, "A + B"), "");
    std::string message;
    ASSERT_EQ(a.GetDataType()->SetRule(kRuleGreater, 0, "0", "", message), 1) << message;
    Start();
    ASSERT_TRUE(EditorOpen()) << "filling opens the first field's editor";
    doc->calculated.clear();
    for (const char* refused : {"-3", "abc"}) {
        messages.clear();
        view->CanEditCurrentField()->SelectAll();
        Type(refused);
        Key(Qt::Key_Tab);
        EXPECT_EQ(Current(), &a) << refused;
        EXPECT_TRUE(EditorOpen()) << refused;
        EXPECT_EQ(messages.size(), 1u) << refused;
        EXPECT_TRUE(doc->calculated.empty()) << refused;
    }
    (void)b;
}

TEST_F(TypingTest, AnAcceptedChangeRecomputesTheTotalAndAnUnchangedOneComputesNothing)
{
    FFIELD& a = AddField(kKindNumber, "A");
    FFIELD& b = AddField(kKindNumber, "B");
    FFIELD& total = AddField(kKindNumber, "Total");
    SetProtected(total);
    ASSERT_EQ(Formula(total, "A + B"), "");
    Start();
    ASSERT_TRUE(EditorOpen()) << "filling opens the first field's editor";
    doc->calculated.clear();
    Type("5");
    Key(Qt::Key_Tab);
    ASSERT_EQ(Current(), &b);
    EXPECT_EQ(Number(total), 5);
    EXPECT_EQ(doc->calculated, std::vector<uint16_t> {a.GetFieldID()});
    doc->calculated.clear();
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), &a);
    EXPECT_TRUE(doc->calculated.empty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(TypingTest, ADropButtonClickOpensTheListAtOnceAndEnterTakesAnEntry)
{
    FFIELD& name = AddField(kKindText, "Name");
    FFIELD& colour = AddField(kKindText, "Colour");
    std::unique_ptr<LISTBOXVALUES> values = Values({"Red", "Green", "Blue"}, true);
    colour.SetValueList(values.get(), nullptr);
    Start();
    ASSERT_TRUE(EditorOpen()) << "filling opens the first field's editor";
    // A click inside the field but off its button opens only the editor.
    RECT inner;
    {
        VIEWDC dc(view.get(), kOwnWindow);
        colour.GetInnerRect(inner, dc);
    }
    const RECT field = ToWindow(inner);
    Click({field.left + 6, (field.top + field.bottom) / 2});
    ASSERT_EQ(Current(), &colour);
    ASSERT_TRUE(EditorOpen());
    EXPECT_TRUE(view->CanEditCurrentField()->HasDropList());
    EXPECT_FALSE(view->CanEditCurrentField()->IsDropListShown());

    Click(At(name));
    ASSERT_EQ(Current(), &name);
    RECT button;
    {
        VIEWDC dc(view.get(), kOwnWindow);
        colour.GetDropButtonRect(button, dc);
    }
    const RECT device = ToWindow(button);
    Click({(device.left + device.right) / 2, (device.top + device.bottom) / 2});
    ASSERT_EQ(Current(), &colour);
    TEXTEDITWND* editor = view->CanEditCurrentField();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->IsDropListShown());
    // The list takes its selection from the text (none: the first entry).
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_FALSE(editor->IsDropListShown());
    EXPECT_EQ(editor->GetText(), "Green");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), &name);
    std::string text;
    colour.GetDataType()->GetText(text);
    EXPECT_EQ(text, "Green");
    EXPECT_TRUE(messages.empty());
}

TEST_F(TypingTest, DateTimeGoesToTheCaretWithTheTimeInATextFieldAndAloneInADateField)
{
    TempFolderEnv config("XDG_CONFIG_HOME");
    std::filesystem::create_directories(config.Folder());
    std::filesystem::create_directories(settings::WinIni::DefaultPath().parent_path());
    std::ofstream(settings::WinIni::DefaultPath()) << "[intl]\nsShortDate=dd/MM/yyyy\n";
    ForgetIntlSettings();
    FixedClock clock;
    ui::ScopedClock fixed(clock);
    FFIELD& text = AddField(kKindText, "Note");
    FFIELD& date = AddField(kKindDate, "When");
    Start();
    ASSERT_TRUE(EditorOpen()) << "filling opens the first field's editor";
    ASSERT_EQ(Current(), &text);
    EXPECT_TRUE(view->ExecuteCommand(ID_INSERT_DATE_TIME));
    EXPECT_EQ(view->CanEditCurrentField()->GetText(), "11/12/26 14:05:09");
    Key(Qt::Key_Tab);
    ASSERT_EQ(Current(), &date);
    EXPECT_TRUE(view->ExecuteCommand(ID_INSERT_DATE_TIME));
    EXPECT_EQ(view->CanEditCurrentField()->GetText(), "11/12/26");
    ForgetIntlSettings();
}

TEST_F(TypingTest, PrintDirectWithAnEmptyMandatoryFieldShowsTheMessageAndMakesItCurrent)
{
    FFIELD& a = AddField(kKindNumber, "A");
    FFIELD& needed = AddField(kKindText, "Needed");
    SetMandatory(needed);
    Start();
    ASSERT_EQ(Current(), &a);
    const std::filesystem::path pdf = std::filesystem::path(FORMS_TEST_OUTPUT_DIR) / "fill-refused.pdf";
    std::filesystem::remove(pdf);
    view->SetPdfPath(pdf.string());
    EXPECT_FALSE(view->PrintFilled(true));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "This field must be filled in.");
    EXPECT_EQ(Current(), &needed);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(TypingTest, WithoutHelpF1ShowsNothingAndWithHelpThePopUpShowsUntilAPressOnItsShadow)
{
    FFIELD& plain = AddField(kKindCheckBox, "Plain");
    FFIELD& helped = AddField(kKindCheckBox, "Helped");
    helped.SetHelpText("Tick when the goods arrived.");
    Start();
    ASSERT_EQ(Current(), &plain);
    Key(Qt::Key_F1);
    EXPECT_EQ(ui::HelpPopup::Current(), nullptr);
    Key(Qt::Key_Tab);
    ASSERT_EQ(Current(), &helped);
    Key(Qt::Key_F1);
    ui::HelpPopup* popup = ui::HelpPopup::Current();
    ASSERT_NE(popup, nullptr);
    const QPointF shadow(popup->width() - 3, popup->height() - 3);
    QMouseEvent press(
        QEvent::MouseButtonPress, shadow, popup->mapToGlobal(shadow), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(popup, &press);
    QApplication::processEvents();
    EXPECT_EQ(ui::HelpPopup::Current(), nullptr);
}

} // namespace
